#pragma once

#include "core/document/MemTable.h"
#include "core/document/uBixEncrypt.h"
#include "core/filemanager/TZarpFileManager.h"
#include "core/generator/TPageProducer.h"
#include "core/upload/TZarpFTP.h"

#include <string>

namespace bix {

class Clock;
class Prompter;
class Pump;
class TWebSite;

// The data module of the main program: the shared non-visual parts for the whole run, and the site
// build. The wizard, the command line and the tests all create one.
class TdmTables final {
public:
    // programFolder: where themes/, Resources/ and help/ lie, with a trailing separator.
    TdmTables(Prompter& prompter, Pump& pump, Clock& clock, std::string programFolder);
    TdmTables(const TdmTables&) = delete;
    TdmTables& operator=(const TdmTables&) = delete;

    MemTable tblFrameLinks;
    MemTable tblFileManager;
    TZarpFileManager ZarpFileManager1;
    TPageProducer PageProducer1;
    TbixEncrypt bixEncrypt1;
    TZarpFTP ZarpFTP1;

    // What the open website gives the build; set by whoever holds the document (the main window,
    // the command line). CurrentWebSite is not owned here.
    const TWebSite* CurrentWebSite = nullptr;
    std::string WebsiteFolder;                      // with a trailing separator
    std::string LeadingPageFileName = "index.htm";  // the generate page's choice

    const std::string& ProgramFolder() const { return m_programFolder; }

    // Answers the tags of a page from the open website and the frame-links table.
    void PageProducer1HTMLTag(const std::string& tagName, const std::string& params, std::string& answer);

    // A whole build: the destination checked (a silent EAbort when refused), optionally cleaned,
    // then the theme, the website's pages and its images.
    void Build(const std::string& themeFolder, const std::string& buildFolder, bool cleanFirst);
    bool PrepareBuildDestination(const std::string& websiteFolder, const std::string& buildFolder, bool cleanFirst);
    // Warns and gives false for a build folder that must not be used.
    bool CheckBuildDestination(const std::string& websiteFolder, const std::string& buildFolder);
    void DeleteWebsiteFiles(const std::string& folder, bool includeSubFolders);
    void ProcessFolder(const std::string& source, const std::string& destination, bool followSubFolders,
                       bool checkFrameLinks);
    void ProducePage(const std::string& templateFile, const std::string& outputFile);
    bool IsFrameLinkVisible(const std::string& fileName);
    // Writes a starter page from Resources/<name>.txt with <#PageTitle> replaced; gives its path.
    std::string GeneratePage(const std::string& title, const std::string& targetFile);

private:
    std::string FrameLinksAnswer();

    Prompter& m_prompter;
    Pump& m_pump;
    std::string m_programFolder;
};

}  // namespace bix
