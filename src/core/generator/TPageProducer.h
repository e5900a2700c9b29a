#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace bix {

// Answers one tag: its name, its parameter text, and the text that replaces it (empty to begin with).
using THTMLTagEvent = std::function<void(const std::string& tagName, const std::string& params, std::string& answer)>;

// Fills a page template: copies its text and replaces each tag <#Name params> by the handler's answer.
// A tag begins at "<" followed, after blanks (codes 1 to 32), by "#"; its name follows after more
// blanks; its parameter text runs to the next ">" (or to the end). A zero byte ends the template.
class TPageProducer final {
public:
    std::string HTMLFile;
    THTMLTagEvent OnHTMLTag;

    // The produced text of HTMLFile; throws EInOutError "Cannot open file PATH" when it cannot be read.
    std::string Content() const;
    // The produced text of a template held in memory.
    std::string ContentFromString(std::string_view templateText) const;
};

}  // namespace bix
