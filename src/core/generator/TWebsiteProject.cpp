#include "TWebsiteProject.h"

#include "core/common/Errors.h"
#include "core/common/Paths.h"
#include "core/common/TextRoutines.h"
#include "core/generator/NewWebsite.h"
#include "core/generator/TGenerateCommands.h"
#include "core/generator/udmTables.h"
#include "core/ports/Prompter.h"
#include "core/themes/TThemeCatalogue.h"

#include <filesystem>

namespace bix {

namespace fs = std::filesystem;

namespace {

// A table that cannot be read from its stored form opens with what it then holds (nothing).
void LoadTable(MemTable& table, const std::string& stored) {
    table.Close();
    try {
        table.LoadFromStream(stored);
    } catch (const EBixError&) {
    }
    table.Open();
}

}  // namespace

TWebsiteProject::~TWebsiteProject() {
    if (m_open) {
        Close();
    }
}

void TWebsiteProject::Open(const std::string& projectFile) {
    TWebSite site;
    site.LoadFromFile(projectFile);
    const fs::path path(projectFile);
    m_site = std::move(site);
    m_folder = AddTrailingBackslash(fs::absolute(path).parent_path().string());
    m_fileName = path.filename().string();
    LoadTable(m_dm.tblFrameLinks, m_site.FrameLinks);
    LoadTable(m_dm.tblFileManager, m_site.FileManager);
    m_dm.CurrentWebSite = &m_site;
    m_dm.WebsiteFolder = m_folder;
    m_dm.LeadingPageFileName = m_site.LeadingPage;
    m_open = true;
}

void TWebsiteProject::CreateNew(const std::string& folder, const std::string& name) {
    m_site = TWebSite();
    m_folder = AddTrailingBackslash(folder);
    std::error_code ec;
    fs::create_directories(fs::path(m_folder), ec);
    m_fileName = ProjectFileName(name);
    for (MemTable* table : {&m_dm.tblFrameLinks, &m_dm.tblFileManager}) {
        table->Close();
        table->Open();
    }
    m_dm.CurrentWebSite = &m_site;
    m_dm.WebsiteFolder = m_folder;
    m_dm.LeadingPageFileName = m_site.LeadingPage;
    m_open = true;
    m_dm.GeneratePage("Contents", m_folder + "content.htm");
    m_dm.GeneratePage("About Us", m_folder + "about.htm");
    m_site.BuiltWebSitePath = BuildFolderFor("");
}

void TWebsiteProject::Save() {
    m_site.FrameLinks.clear();
    m_site.FileManager.clear();
    m_dm.tblFrameLinks.SaveToStream(m_site.FrameLinks);
    m_dm.tblFileManager.SaveToStream(m_site.FileManager);
    m_site.SaveToFile(m_folder + m_fileName);
}

void TWebsiteProject::Close() {
    m_dm.tblFrameLinks.Close();
    m_dm.tblFileManager.Close();
    m_dm.CurrentWebSite = nullptr;
    m_dm.WebsiteFolder.clear();
    m_open = false;
}

std::string TWebsiteProject::BuildFolderFor(const std::string& stored) const {
    return ResolveBuildFolder(stored, m_folder);
}

bool TWebsiteProject::CreateWebsiteNow(TThemeCatalogue& catalogue, bool cleanFirst, Shell& shell) {
    catalogue.LoadThemesClick();
    if (!catalogue.SelectByName(m_site.CurrentTheme)) {
        catalogue.Select(std::nullopt);  // only the stored theme will do
    }
    TGenerateCommands generate(m_dm, catalogue, shell, m_prompter);
    generate.SetBuildFolder(m_site.BuiltWebSitePath, m_folder);
    const bool built = generate.CreateWebsiteNow(m_site.LeadingPage, cleanFirst, false);
    m_site.BuiltWebSitePath = generate.BuildFolder();
    return built;
}

}  // namespace bix
