#include "udmTables.h"

#include "core/common/Errors.h"
#include "core/common/FileIO.h"
#include "core/common/FileRoutines.h"
#include "core/common/Paths.h"
#include "core/common/ProgramFolder.h"
#include "core/common/TextRoutines.h"
#include "core/document/WebsiteTables.h"
#include "core/document/ubixWebsiteClass.h"
#include "core/ports/Prompter.h"

#include <algorithm>
#include <filesystem>

namespace bix {

namespace fs = std::filesystem;

namespace {

// The page text with every line ended by CR LF.
std::string CrLfLines(std::string_view text) {
    return JoinLinesCRLF(SplitLines(text));
}

void WritePage(const std::string& path, std::string_view text, Durability durability) {
    try {
        WriteFileAtomic(path, CrLfLines(text), durability);
    } catch (const EInOutError&) {
        throw EInOutError("Cannot create file " + path);
    }
}

// The path with its file name in lower case. Folders keep their names: on a file system that tells
// letter cases apart, a folder the build made as "Shop" is not "shop".
std::string LowerCaseFileName(const std::string& path) {
    const std::size_t name = path.find_last_of(PathDelim) + 1;
    return path.substr(0, name) + LowerCase(path.substr(name));
}

}  // namespace

TdmTables::TdmTables(Prompter& prompter, Pump& pump, Clock& clock, std::string programFolder)
    : tblFrameLinks(FrameLinksFieldDefs()),
      tblFileManager(FileManagerFieldDefs()),
      ZarpFileManager1(prompter, clock),
      bixEncrypt1(clock),
      m_prompter(prompter),
      m_pump(pump),
      m_programFolder(AddTrailingBackslash(programFolder)) {
    SetUpFrameLinksTable(tblFrameLinks);
    tblFileManager.AddHashIndex("FileName");
    ZarpFileManager1.SetDataSource(&tblFileManager);
    PageProducer1.OnHTMLTag = [this](const std::string& name, const std::string& params, std::string& answer) {
        PageProducer1HTMLTag(name, params, answer);
    };
}

std::string TdmTables::FrameLinksAnswer() {
    if (!tblFrameLinks.Active()) {
        tblFrameLinks.Open();
    }
    std::string lines;
    for (tblFrameLinks.First(); !tblFrameLinks.Eof(); tblFrameLinks.Next()) {
        if (!tblFrameLinks.AsBoolean("Visible")) {
            continue;
        }
        lines += "<a href=\"" + tblFrameLinks.AsString("URL") +
                 (tblFrameLinks.AsBoolean("InFrame") ? "\" target=\"content\">" : "\" target=\"_top\">") +
                 "<font face=\"Verdana, Arial, Helvetica, sans-serif\" size=\"1\">" + tblFrameLinks.AsString("Name") +
                 "</a></font></font><br>\r\n";
    }
    tblFrameLinks.First();
    return lines;
}

void TdmTables::PageProducer1HTMLTag(const std::string& tagName, const std::string& /*params*/, std::string& answer) {
    const TWebSite* site = CurrentWebSite;
    if (SameText(tagName, "WWWTitle")) {
        answer = site != nullptr ? site->CompanyName : "";
    } else if (SameText(tagName, "ContactUs")) {
        answer = site != nullptr ? site->Email : "";
    } else if (SameText(tagName, "AddTitle")) {
        const bool anyRow = tblFrameLinks.Active() && !tblFrameLinks.IsEmpty();
        answer = anyRow && site != nullptr ? site->FrameLinksTitle : "";
    } else if (SameText(tagName, "FrameLinks")) {
        answer = FrameLinksAnswer();
    } else if (SameText(tagName, "MetaDescription")) {
        answer = "<META name=\"description\" content=\"" + (site != nullptr ? site->MetaDescription : "") + "\">";
    } else if (SameText(tagName, "MetaKeywords")) {
        answer = "<META name=\"keywords\" content=\"" + ReplaceChar("\r", ',', site != nullptr ? site->Metatags : "") +
                 "\">";
    }
}

bool TdmTables::CheckBuildDestination(const std::string& websiteFolder, const std::string& buildFolder) {
    const std::string d = AddTrailingBackslash(buildFolder);
    const std::string website = AddTrailingBackslash(websiteFolder);
    const auto contains = [&d](const std::string& part) { return !part.empty() && d.find(part) != std::string::npos; };
    std::string message;
#ifdef _WIN32
    const bool driveRoot = buildFolder.size() == 3 && buildFolder[1] == ':';
    const bool systemFolder = contains(WindowsFolder());
    const bool programFiles = d == "c:\\Program Files\\";
#else
    // Here the drive root is "/", the system folders are refused with everything below them, and the
    // program files folder is /opt/.
    const bool driveRoot = d == "/";
    const auto folders = SystemFolders();
    const bool systemFolder =
        std::any_of(folders.begin(), folders.end(), [&d](const std::string& f) { return d.starts_with(f); });
    const bool programFiles = d == "/opt/";
#endif
    const std::string home = HomeFolder();
    if (driveRoot) {
        message = "You cannot select the root of a directory as the destination.";
    } else if (systemFolder) {
        message = "You cannot select anywhere inside your Windows directory as the destination.";
    } else if (programFiles) {
        message = "You cannot select Program Files directory as the destination.";
    } else if (d == m_programFolder) {
        message = "You have selected the bixmerchant main directory to create your catalogue.";
    } else if (contains(m_programFolder + "themes" + PathDelim)) {
        message = "You have selected anywhere in the bixmerchant themes directory to create your catalogue.";
    } else if (contains(m_programFolder + "help" + PathDelim)) {
        message = "You have selected the bixmerchant help directory to create your catalogue.";
    } else if (d == website) {
        message = "You have selected your current project directory to create your catalogue.";
    } else if (!home.empty() && d == home) {
        // Cleaning the build folder deletes every page and picture below it.
        message = "You cannot select your home folder as the destination.";
    } else if (!website.empty() && website.starts_with(d)) {
        message = "You cannot select a folder that contains your project directory as the destination.";
    }
    if (message.empty()) {
        return true;
    }
    m_prompter.Warn(message + "\rPlease select or create a new directory.");
    return false;
}

void TdmTables::DeleteWebsiteFiles(const std::string& folder, bool includeSubFolders) {
    std::error_code ec;
    if (!fs::is_directory(fs::path(folder), ec)) {
        return;
    }
    const std::string prefix = AddTrailingBackslash(folder);
    const std::vector<std::string> extensions(WebsiteFileExtensions.begin(), WebsiteFileExtensions.end());
    for (const fs::directory_entry& entry : SortedEntries(prefix)) {
        const std::string name = entry.path().filename().string();
        const fs::file_status status = entry.symlink_status(ec);
        if (fs::is_directory(status)) {
            if (includeSubFolders) {
                DeleteFolderWebFiles(prefix + name, true, m_pump, m_prompter);
            }
        } else if (IsInList(LowerCase(ExtractFileExt(name)), extensions) && !ZarpFileManager1.IsPreserved(name)) {
            DeleteFileWait(prefix + name, m_pump, m_prompter);
        }
    }
}

bool TdmTables::PrepareBuildDestination(const std::string& websiteFolder, const std::string& buildFolder,
                                        bool cleanFirst) {
    if (!CheckBuildDestination(websiteFolder, buildFolder)) {
        return false;
    }
    if (cleanFirst) {
        DeleteWebsiteFiles(buildFolder, true);
    }
    return true;
}

bool TdmTables::IsFrameLinkVisible(const std::string& fileName) {
    if (!tblFrameLinks.Active() || !tblFrameLinks.Locate("URL", fileName)) {
        return true;
    }
    return tblFrameLinks.AsBoolean("Visible");
}

void TdmTables::ProducePage(const std::string& templateFile, const std::string& outputFile) {
    if (ZarpFileManager1.IsPreserved(LowerCase(ExtractFileName(outputFile)))) {
        return;
    }
    PageProducer1.HTMLFile = templateFile;
    WritePage(LowerCaseFileName(outputFile), PageProducer1.Content(), Durability::Cached);
}

void TdmTables::ProcessFolder(const std::string& sourceFolder, const std::string& destinationFolder,
                              bool followSubFolders, bool checkFrameLinks) {
    std::error_code ec;
    if (!fs::is_directory(fs::path(sourceFolder), ec)) {
        return;
    }
    const std::string source = AddTrailingBackslash(sourceFolder);
    const std::string destination = AddTrailingBackslash(destinationFolder);
    fs::create_directories(fs::path(destination), ec);
    for (const fs::directory_entry& entry : SortedEntries(source)) {
        const std::string name = entry.path().filename().string();
        const fs::file_status status = entry.symlink_status(ec);
        if (fs::is_directory(status)) {
            if (followSubFolders && !name.starts_with(".")) {
                ProcessFolder(source + name, destination + name, followSubFolders, checkFrameLinks);
            }
            continue;
        }
        if (fs::is_symlink(status) && fs::is_directory(entry.status(ec))) {
            continue;  // a linked folder may lead back up and never end
        }
        const std::string ext = ExtractFileExt(name);
        if (ext == ".htm" && name == "index.htm") {
            ProducePage(source + name, destination + LeadingPageFileName);
        } else if (ext == ".htm") {
            if (!checkFrameLinks || IsFrameLinkVisible(name)) {
                ProducePage(source + name, destination + LowerCase(name));
            }
        } else if (!ZarpFileManager1.IsPreserved(name) && ext != ".mcs" && name != "settings.ini" &&
                   name != "preview.bmp" && ext != ".bix" && IsFrameLinkVisible(name)) {
            // Copied by the system, never read into memory; a copy that fails is passed over.
            fs::copy_file(entry.path(), fs::path(destination + LowerCase(name)), fs::copy_options::overwrite_existing,
                          ec);
        }
    }
}

void TdmTables::Build(const std::string& themeFolder, const std::string& buildFolder, bool cleanFirst) {
    if (!PrepareBuildDestination(WebsiteFolder, buildFolder, cleanFirst)) {
        throw EAbort();
    }
    const std::string build = AddTrailingBackslash(buildFolder);
    const std::string website = AddTrailingBackslash(WebsiteFolder);
    ProcessFolder(themeFolder, build, true, false);
    ProcessFolder(website, build, false, true);
    ProcessFolder(website + "images", build + "images", false, false);
}

std::string TdmTables::GeneratePage(const std::string& title, const std::string& targetFile) {
    std::string name = ExtractFileName(targetFile);
    const std::size_t dot = name.rfind('.');
    name = (dot == std::string::npos ? name : name.substr(0, dot)) + ".txt";
    const std::string templateFile = m_programFolder + "Resources" + PathDelim + name;
    std::string text;
    try {
        text = ReadFileBytes(templateFile);
    } catch (const EInOutError&) {
        throw EInOutError("Cannot open file " + templateFile);
    }
    // A starter page is the user's own page from then on.
    WritePage(targetFile, ReplaceAll(text, "<#PageTitle>", title), Durability::Synced);
    return targetFile;
}

}  // namespace bix
