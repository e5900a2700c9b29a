#pragma once

#include <string>

namespace bix {

class Prompter;
class Shell;

// The example address shown at the end of the warning about an illegal e-mail address.
inline constexpr const char* kExampleEmail = "yourname@example.com";

// Plausibility check: something before the first "@", something after it, and a "." after it.
// Warns (warning icon, OK) and gives false when the address fails.
bool IsValidEmail(const std::string& address, Prompter& prompter);

// Opens a file or address with its associated program; warns and gives false when the shell fails,
// gives false without a message when the shell raised an error.
bool OpenDocument(const std::string& pathOrAddress, Shell& shell, Prompter& prompter);

// The text of the page's TITLE element, its lines joined by CR LF and trimmed; empty when there is none.
// Throws EInOutError when the file cannot be read.
std::string GetPageTitle(const std::string& path);

// True, after the warning "Framesets can not be opened", when the page holds a frame set.
// Throws EInOutError when the file cannot be read.
bool IsFrameset(const std::string& path, Prompter& prompter);

// Points the page's local pictures (SRC and background values) at images/ and copies each picture
// into imagesFolder, reporting each copy that fails with an error box. Relative picture paths are
// read from websiteFolder. Gives the rewritten page text.
std::string LocalisePageImages(const std::string& pageText, const std::string& websiteFolder,
                               const std::string& imagesFolder, Prompter& prompter);

}  // namespace bix
