#include "TGenerateCommands.h"

#include "core/common/Errors.h"
#include "core/common/PageRoutines.h"
#include "core/common/TextRoutines.h"
#include "core/generator/udmTables.h"
#include "core/ports/Prompter.h"
#include "core/ports/Shell.h"
#include "core/themes/TThemeCatalogue.h"

#include <filesystem>

namespace bix {

namespace fs = std::filesystem;

TGenerateCommands::TGenerateCommands(TdmTables& dm, TThemeCatalogue& catalogue, Shell& shell, Prompter& prompter)
    : m_dm(dm), m_catalogue(catalogue), m_shell(shell), m_prompter(prompter) {}

std::string ResolveBuildFolder(const std::string& stored, const std::string& websiteFolder) {
    std::error_code ec;
    if (!stored.empty() && fs::is_directory(fs::path(stored), ec)) {
        return AddTrailingBackslash(stored);
    }
    const std::string built = AddTrailingBackslash(websiteFolder) + "Built Website";
    fs::create_directories(fs::path(built), ec);
    return AddTrailingBackslash(built);
}

void TGenerateCommands::SetBuildFolder(const std::string& folder, const std::string& websiteFolder) {
    m_buildFolder = ResolveBuildFolder(folder, websiteFolder);
}

void TGenerateCommands::RetestPreview(const std::string& leadingPage) {
    std::error_code ec;
    m_previewEnabled = !m_buildFolder.empty() && fs::is_regular_file(fs::path(m_buildFolder + leadingPage), ec);
}

void TGenerateCommands::BuildFolderChanged(const std::string& folder, const std::string& leadingPage) {
    m_buildFolder = AddTrailingBackslash(folder);
    RetestPreview(leadingPage);
    if (m_dm.tblFileManager.Active()) {
        m_dm.ZarpFileManager1.SetDestinationFolder(m_buildFolder);
        m_dm.ZarpFileManager1.ScanFolder();
    }
    if (SetModified) {
        SetModified();
    }
}

void TGenerateCommands::Preview(const std::string& leadingPage) {
    OpenDocument(m_buildFolder + leadingPage, m_shell, m_prompter);
}

void TGenerateCommands::ViewInExplorer() {
    (void)m_shell.OpenDocument(RemoveTrailingBackslash(m_buildFolder));
}

std::optional<std::string> TGenerateCommands::CreateNewFolder(const std::string& leadingPage) {
    std::string name = "Build Website";
    if (!m_prompter.InputBox("Creating New Folder", "Folder Name", name)) {
        return std::nullopt;
    }
    const std::string path = m_buildFolder + name;
    std::error_code ec;
    fs::create_directories(fs::path(path), ec);
    if (ec || !fs::is_directory(fs::path(path))) {
        m_prompter.Warn("Error creating directory '" + path + "'");
        return std::nullopt;
    }
    BuildFolderChanged(path, leadingPage);
    return m_buildFolder;
}

bool TGenerateCommands::CreateWebsiteNow(const std::string& leadingPage, bool cleanFirst, bool autoPreview) {
    if (Save) {
        Save();
    }
    const std::string theme = m_catalogue.SelectedThemeFolder();
    std::error_code ec;
    if (theme.empty() || !fs::is_directory(fs::path(theme), ec)) {
        m_prompter.Warn("A theme has to be selected first. Discontinuing build.");
        return false;
    }
    m_dm.LeadingPageFileName = leadingPage;
    bool built = false;
    std::string failure;
    try {
        m_dm.Build(theme, m_buildFolder, cleanFirst);
        built = true;
    } catch (const EAbort&) {
        // The refused folder has said so already.
    } catch (const EBixError& e) {
        failure = e.what();
    }
    // In every case: the preview re-tested, and shown when asked for.
    RetestPreview(leadingPage);
    if (autoPreview) {
        Preview(leadingPage);
    }
    if (!failure.empty()) {
        m_prompter.Error(failure);
    }
    if (built) {
        BuildFolderChanged(m_buildFolder, leadingPage);
    }
    return built;
}

}  // namespace bix
