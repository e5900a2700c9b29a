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

namespace {

// A fresh "www/Website N" below the folder; empty when it cannot be created there.
std::string NumberedFolderIn(const std::string& base) {
    if (base.empty()) {
        return {};
    }
    const std::string www = base + "www" + PathDelim;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(www), ec);
    if (ec) {
        return {};
    }
    const std::string folder = www + NextNumberedName(www, "Website");
    std::filesystem::create_directories(std::filesystem::path(folder), ec);
    return ec ? std::string() : folder + PathDelim;
}

}  // namespace

std::string PrepareNewWebsiteFolder(const std::string& programFolder, const std::string& userFolder) {
    std::string folder = NumberedFolderIn(programFolder);
    if (folder.empty()) {
        folder = NumberedFolderIn(userFolder);
    }
    return folder;
}

std::string CreateNewDirectory(const std::string& parent, const std::string& name, Prompter& prompter) {
    const std::string folder = AddTrailingBackslash(parent) + name;
    std::error_code ec;
    if (!parent.empty() && IsValidFileName(name, false)) {
        std::filesystem::create_directories(std::filesystem::path(folder), ec);
        if (!ec && std::filesystem::is_directory(std::filesystem::path(folder), ec)) {
            return folder + PathDelim;
        }
    }
    prompter.Warn("The Directory could not be created. Be sure that you have entered a valid directory name.");
    return {};
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
