#pragma once

#include <string>
#include <vector>

namespace bix {

class Registry;

// An editor the selection dialog offers without registration, when it is found on this machine.
struct TKnownEditor final {
    int tag;  // fixed and negative
    std::string text;
    std::string path;  // never empty: an editor not found has no entry
};

// The known editors found here, in the dialog's order. On Windows: DreamWeaver, Microsoft FrontPage,
// FrontPage Express, NetScape Composer, Wordpad and Notepad through their registry entries; elsewhere
// six editors Debian users have, under the same tags, looked up on PATH.
std::vector<TKnownEditor> FindKnownEditors(Registry& registry);

// The text after the first double quotation mark up to the next; the rest when there is no second one;
// the whole text when there is none.
std::string FirstQuotedPart(const std::string& text);

// The program's full path when an executable file of that name is on PATH; empty otherwise.
std::string FindOnPath(const std::string& program);

}  // namespace bix
