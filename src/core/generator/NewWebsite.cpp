#include "NewWebsite.h"

#include "core/common/FileRoutines.h"
#include "core/common/Paths.h"
#include "core/common/TextRoutines.h"
#include "core/ports/Prompter.h"

#include <filesystem>

namespace bix {

std::string ProjectFileName(const std::string& name) {
    const std::string ext = ExtractFileExt(name);
    return name.substr(0, name.size() - ext.size()) + ".mcs";
}

TNewWebsiteField CheckNewWebsite(const std::string& programFolder, const std::string& folder, const std::string& name,
                                 Prompter& prompter) {
    if (!IsValidFileName(name, false)) {
        prompter.Warn("Illegal filename has been used \"/\\:*?\"<>|\", please try again");
        return TNewWebsiteField::Name;
    }
    const std::string d = AddTrailingBackslash(folder);
    const std::string program = AddTrailingBackslash(programFolder);
    if (d == program || d == program + "res" + PathDelim || d == program + "themes" + PathDelim) {
        prompter.Warn(
            "Please select a new Website development directory.\r\nPlease click the button \"New Directory\" and try "
            "again");
        return TNewWebsiteField::Folder;
    }
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::path(d + ProjectFileName(name)), ec)) {
        prompter.Warn("A Web site by the same name already exists.\r\n\r\nPlease choose a new name.");
        return TNewWebsiteField::Name;
    }
    return TNewWebsiteField::None;
}

}  // namespace bix
