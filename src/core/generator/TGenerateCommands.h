#pragma once

#include <functional>
#include <optional>
#include <string>

namespace bix {

class Prompter;
class Shell;

// A website's build folder: the stored one when it exists, else the website folder's "Built Website",
// created. With a trailing separator.
std::string ResolveBuildFolder(const std::string& stored, const std::string& websiteFolder);
class TdmTables;
class TThemeCatalogue;

// What the "Generate Web Site" page decides: the build folder, the preview, a new folder, and
// "Create Website Now". The page shows the controls; these take their values.
class TGenerateCommands final {
public:
    TGenerateCommands(TdmTables& dm, TThemeCatalogue& catalogue, Shell& shell, Prompter& prompter);

    // Saves the website first (the main window's Save).
    std::function<void()> Save;
    std::function<void()> SetModified;

    const std::string& BuildFolder() const { return m_buildFolder; }  // with a trailing separator
    // The folder when it exists, else the website folder's "Built Website", created.
    void SetBuildFolder(const std::string& folder, const std::string& websiteFolder);
    // A new current folder: the preview re-tested, the file list refreshed from it, the website changed.
    void BuildFolderChanged(const std::string& folder, const std::string& leadingPage);

    // The built leading page exists.
    bool PreviewEnabled() const { return m_previewEnabled; }
    void RetestPreview(const std::string& leadingPage);
    void Preview(const std::string& leadingPage);
    void ViewInExplorer();
    // "Create New Folder": the new folder, made current; nothing when cancelled or refused.
    std::optional<std::string> CreateNewFolder(const std::string& leadingPage);
    // "Create Website Now". False when there was no theme, the folder was refused, or the build failed
    // (its message shown).
    bool CreateWebsiteNow(const std::string& leadingPage, bool cleanFirst, bool autoPreview);

private:
    TdmTables& m_dm;
    TThemeCatalogue& m_catalogue;
    Shell& m_shell;
    Prompter& m_prompter;
    std::string m_buildFolder;
    bool m_previewEnabled = false;
};

}  // namespace bix
