#include "LinkEditCommands.h"

#include "core/common/FileIO.h"
#include "core/common/FileRoutines.h"
#include "core/common/PageRoutines.h"
#include "core/common/Paths.h"
#include "core/common/TextRoutines.h"
#include "core/document/MemTable.h"
#include "core/ports/Prompter.h"
#include "core/ports/Shell.h"

#include <filesystem>

namespace bix {

namespace fs = std::filesystem;

namespace {

bool IsFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(fs::path(path), ec);
}

}  // namespace

std::string FrameLinkPreviewPath(const std::string& websiteFolder, const std::string& url) {
    if (websiteFolder.empty() || url.empty()) {
        return {};
    }
    std::error_code ec;
    for (const std::string& path : {websiteFolder + url, websiteFolder + LowerCase(url)}) {
        const std::string ext = LowerCase(ExtractFileExt(path));
        if ((ext == ".htm" || ext == ".html") && std::filesystem::is_regular_file(std::filesystem::path(path), ec)) {
            return path;
        }
    }
    return {};
}

std::string NewPageText() {
    return "<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=<#Charset>\">\r\n"
           "<body bgcolor=\"#FFFFFF\">\r\n<h1><b></b></h1>\r\n</body>\r\n</html>\r\n";
}

std::string NewHtmlPage(const std::string& websiteFolder, Prompter& prompter, const EditPageFunction& editPage) {
    std::string name;
    if (!prompter.InputBox("Create new HTML page", "File Name", name) ||
        !AskForFreeValidName(websiteFolder, name, ".htm", true, true, prompter)) {
        return {};
    }
    const std::string ext = ExtractFileExt(name);
    name = name.substr(0, name.size() - ext.size()) + ".htm";
    WriteFileAtomic(websiteFolder + name, NewPageText());
    if (editPage) {
        EditHtmlPage(websiteFolder, name, prompter, editPage);
    }
    return name;
}

std::string SelectFile(const std::string& websiteFolder, Prompter& prompter) {
    const std::optional<std::string> chosen = prompter.OpenFileName({});
    if (!chosen) {
        return {};
    }
    const fs::path file(*chosen);
    const std::string name = LowerCase(file.filename().string());
    std::error_code ec;
    const bool elsewhere = !fs::equivalent(file.parent_path(), fs::path(websiteFolder), ec);
    if (elsewhere && prompter.Confirm("Proceed to copy this file to your catalogue folder?") == MsgButton::Yes) {
        fs::copy_file(file, fs::path(websiteFolder + name), fs::copy_options::overwrite_existing, ec);
    }
    return name;
}

std::string InsertEmail(const std::string& currentUrl, Prompter& prompter) {
    std::string address =
        currentUrl.find("mailto:") != std::string::npos ? ReplaceAll(currentUrl, "mailto:", "") : std::string();
    if (!prompter.InputBox("Create E-mail Hyperlink",
                           std::string("Type an e-mail address, for example ") + kExampleEmail, address)) {
        return {};
    }
    address = ReplaceAll(address, "mailto:", "");
    return IsValidEmail(address, prompter) ? "mailto:" + address : std::string();
}

void EditHtmlPage(const std::string& websiteFolder, const std::string& url, Prompter& prompter,
                  const EditPageFunction& editPage) {
    const std::string path = websiteFolder + url;
    if (LowerCase(ExtractFileExt(path)).substr(0, 4) != ".htm") {
        prompter.Warn("The file is not a local Internet Page.");
        return;
    }
    if (!IsFile(path)) {
        prompter.Warn("The file may not be in its Working Directory.");
        return;
    }
    editPage(path);
}

void ViewHtmlPage(const std::string& websiteFolder, const std::string& url, Shell& shell, Prompter& prompter) {
    if (!shell.OpenDocument(websiteFolder + url)) {
        prompter.Warn("An error occurred while opening the file");
    }
}

bool DeleteFrameLink(MemTable& links, const std::string& websiteFolder, Prompter& prompter) {
    if (links.IsEmpty() || !links.CurrentRow()) {
        return false;
    }
    if (prompter.Confirm("Continue to delete this record?") != MsgButton::Yes) {
        return false;
    }
    const std::string url = links.AsString("URL");
    // Only a file inside the website folder may go with the link.
    if (const auto path = JoinStoredName(websiteFolder, LocalNameToStored(url)); path && IsFile(*path)) {
        if (prompter.Confirm("Would you like to delete the file associated with this link as well?") ==
            MsgButton::Yes) {
            std::error_code ec;
            fs::remove(fs::path(*path), ec);  // a file that cannot go is passed over silently
        }
    }
    links.Delete();
    return true;
}

}  // namespace bix
