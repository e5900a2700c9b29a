#pragma once

#include "core/document/ubixWebsiteClass.h"

#include <string>

namespace bix {

class Prompter;
class Shell;
class TdmTables;
class TThemeCatalogue;

// One open website project: its document, its folder and file name, and its two tables loaded into the
// data module. Opening, saving and "Create Website Now" as the wizard and the command line share them.
class TWebsiteProject final {
public:
    TWebsiteProject(TdmTables& dm, Prompter& prompter) : m_dm(dm), m_prompter(prompter) {}
    ~TWebsiteProject();
    TWebsiteProject(const TWebsiteProject&) = delete;
    TWebsiteProject& operator=(const TWebsiteProject&) = delete;

    // Reads the project file and fills the tables from it (a table that cannot be read opens empty).
    // Throws EBixError for a file that cannot be read or is no project file; nothing is then open.
    void Open(const std::string& projectFile);
    // A new website in the folder: a document with its defaults and empty tables, the starter pages
    // content.htm and about.htm written, the default build folder created and stored. Nothing is saved.
    void CreateNew(const std::string& folder, const std::string& name);
    // Both tables into the document, then the project file written (safely).
    void Save();
    // Closes the tables; they empty themselves.
    void Close();

    bool IsOpen() const { return m_open; }
    TWebSite& WebSite() { return m_site; }
    const std::string& WebsiteFolder() const { return m_folder; }      // with a trailing separator
    const std::string& WebsiteFileName() const { return m_fileName; }  // name.mcs

    // The folder itself when it exists; otherwise the website's default build folder ("Built Website"
    // in the website folder), created. With a trailing separator.
    std::string BuildFolderFor(const std::string& stored) const;

    // "Create Website Now" with the theme the website names (none when it is not installed), into its
    // build folder, as the Generate page does it; no preview. False, after its message, when there was
    // no theme, the folder was refused or the build failed.
    bool CreateWebsiteNow(TThemeCatalogue& catalogue, bool cleanFirst, Shell& shell);

private:
    TdmTables& m_dm;
    Prompter& m_prompter;
    TWebSite m_site;
    std::string m_folder;
    std::string m_fileName;
    bool m_open = false;
};

}  // namespace bix
