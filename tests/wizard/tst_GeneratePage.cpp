// The Generate Web Site page and its commands, over the shipped themes and a copy of the demo website.
#include "core/generator/TGenerateCommands.h"
#include "core/generator/TWebsiteProject.h"
#include "core/generator/udmTables.h"
#include "core/themes/TThemeCatalogue.h"
#include "support/FakePrompter.h"
#include "support/FakeShell.h"
#include "support/TestFiles.h"
#include "wizard/pages/TGeneratePage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

using namespace bix;
using namespace bix::test;
namespace fs = std::filesystem;

class TestGeneratePage final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_site;
    FakePrompter m_prompter;
    FakePump m_pump;
    FakeClock m_clock;
    FakeShell m_shell;
    std::unique_ptr<TdmTables> m_dm;
    std::unique_ptr<TWebsiteProject> m_project;
    std::unique_ptr<TThemeCatalogue> m_catalogue;
    std::unique_ptr<TGenerateCommands> m_commands;
    int m_saved = 0;
    int m_modified = 0;

private slots:
    void init() {
        qputenv("HOME", QByteArray(BIX_SOURCE_DIR "/no-home"));
        m_dir = std::make_unique<QTemporaryDir>();
        m_site = FolderOf(m_dir->path() + "/Riverside");
        fs::copy(fs::path(BIX_SOURCE_DIR "/data/demo"), fs::path(m_site), fs::copy_options::recursive);
        m_prompter = FakePrompter();
        m_shell = FakeShell();
        m_dm = std::make_unique<TdmTables>(m_prompter, m_pump, m_clock, BIX_SOURCE_DIR "/data/");
        m_project = std::make_unique<TWebsiteProject>(*m_dm, m_prompter);
        m_project->Open(m_site + "demo.mcs");
        m_catalogue = std::make_unique<TThemeCatalogue>(BIX_SOURCE_DIR "/data/");
        m_catalogue->LoadThemesClick();
        m_commands = std::make_unique<TGenerateCommands>(*m_dm, *m_catalogue, m_shell, m_prompter);
        m_saved = m_modified = 0;
        m_commands->Save = [this] { ++m_saved; };
        m_commands->SetModified = [this] { ++m_modified; };
    }
    void cleanup() {
        m_commands.reset();
        m_project.reset();
        m_dm.reset();
    }

    void theDefaultBuildFolderIsMadeWhenTheStoredOneIsGone() {
        m_commands->SetBuildFolder(m_site + "gone", m_site);
        QCOMPARE(m_commands->BuildFolder(), m_site + "Built Website/");
        QVERIFY(fs::is_directory(m_site + "Built Website"));
        fs::create_directories(m_site + "elsewhere");
        m_commands->SetBuildFolder(m_site + "elsewhere", m_site);
        QCOMPARE(m_commands->BuildFolder(), m_site + "elsewhere/");
    }

    void createWebsiteNowFromThePage() {
        m_commands->SetBuildFolder("", m_site);
        TGeneratePage page(*m_commands);
        page.ShowBuildFolder();
        QVERIFY(!page.btnPreview->isEnabled());
        m_modified = 0;
        page.btnCreateWebsite->click();
        QCOMPARE(m_saved, 1);
        QVERIFY(fs::exists(m_site + "Built Website/index.htm"));
        QVERIFY(page.btnPreview->isEnabled());
        QCOMPARE(m_shell.opened, std::vector<std::string>{m_site + "Built Website/index.htm"});  // automatic preview
        QVERIFY(m_dm->tblFileManager.RecordCount() >= 6);  // the list refreshed from the build
        QCOMPARE(m_modified, 1);
        QVERIFY(m_prompter.messages.empty());

        page.ckAutoPreview->setChecked(false);
        page.cbLeadingPageTitle->setCurrentText("default.html");
        QCOMPARE(m_modified, 2);
        page.btnCreateWebsite->click();
        QVERIFY(fs::exists(m_site + "Built Website/default.html"));
        QCOMPARE(m_shell.opened.size(), 1U);
    }

    void noThemeNoBuild() {
        TThemeCatalogue empty(FolderOf(m_dir->path()));
        empty.LoadThemesClick();
        TGenerateCommands commands(*m_dm, empty, m_shell, m_prompter);
        commands.SetBuildFolder("", m_site);
        QVERIFY(!commands.CreateWebsiteNow("index.htm", true, false));
        QCOMPARE(m_prompter.Texts(),
                 std::vector<std::string>{"A theme has to be selected first. Discontinuing build."});
    }

    void aRefusedFolderStillPreviewsWhatIsThere() {
        WriteBytes(m_site + "index.htm", "<p>an old page</p>");
        m_commands->SetBuildFolder(m_site, m_site);  // the website folder itself
        QVERIFY(!m_commands->CreateWebsiteNow("index.htm", true, true));
        QCOMPARE(m_prompter.Texts().at(0), std::string("You have selected your current project directory to create "
                                                       "your catalogue.\rPlease select or create a new directory."));
        QVERIFY(m_commands->PreviewEnabled());
        QCOMPARE(m_shell.opened, std::vector<std::string>{m_site + "index.htm"});
        QVERIFY(fs::exists(m_site + "content.htm"));  // nothing deleted
    }

    void aNewFolderBecomesTheBuildFolder() {
        m_commands->SetBuildFolder("", m_site);
        TGeneratePage page(*m_commands);
        page.ShowBuildFolder();
        m_prompter.inputs = {std::string("Build Website")};
        page.btnNewFolder->click();
        QCOMPARE(m_prompter.inputBoxes.at(0).caption, std::string("Creating New Folder"));
        QCOMPARE(m_prompter.inputBoxes.at(0).shown, std::string("Build Website"));
        QCOMPARE(m_commands->BuildFolder(), m_site + "Built Website/Build Website/");
        QVERIFY(fs::is_directory(m_site + "Built Website/Build Website"));
    }
};

QTEST_MAIN(TestGeneratePage)
#include "tst_GeneratePage.moc"
