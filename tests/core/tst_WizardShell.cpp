#include "core/common/Paths.h"
#include "core/common/RegistryValues.h"
#include "core/generator/NewWebsite.h"
#include "core/generator/TWebsiteProject.h"
#include "core/generator/udmTables.h"
#include "core/shell/TWebsiteCommands.h"
#include "core/shell/TWizardNavigation.h"
#include "support/FakePrompter.h"
#include "support/FakeRegistry.h"
#include "support/FakeShell.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

using namespace bix;
using namespace bix::test;
namespace fs = std::filesystem;

class TestWizardShell final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_program;
    FakePrompter m_prompter;
    FakePump m_pump;
    FakeClock m_clock;
    FakeRegistry m_registry;
    std::unique_ptr<TdmTables> m_dm;
    std::unique_ptr<TWebsiteProject> m_project;
    std::unique_ptr<TWebsiteCommands> m_commands;

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_program = FolderOf(m_dir->path() + "/program");
        WriteBytes(m_program + "Resources" + PathDelim + "content.txt", "<title><#PageTitle></title>");
        WriteBytes(m_program + "Resources" + PathDelim + "about.txt", "<title><#PageTitle></title>");
        m_prompter = FakePrompter();
        m_registry = FakeRegistry();
        m_dm = std::make_unique<TdmTables>(m_prompter, m_pump, m_clock, m_program);
        m_project = std::make_unique<TWebsiteProject>(*m_dm, m_prompter);
        m_commands = std::make_unique<TWebsiteCommands>(*m_project, m_registry, m_prompter);
    }
    void cleanup() {
        m_commands.reset();
        m_project.reset();
        m_dm.reset();
    }

    void theProposedWebsiteFolder() {
        QTemporaryDir dir;
        const std::string program = FolderOf(dir.path() + "/program");
        const std::string user = FolderOf(dir.path() + "/user");
        QCOMPARE(PrepareNewWebsiteFolder(program, user), program + "www/Website 1/");
        QCOMPARE(PrepareNewWebsiteFolder(program, user), program + "www/Website 2/");
        // A program folder that cannot hold folders (here a file): the user's folder instead.
        const std::string blocked = dir.path().toStdString() + "/blocked";
        WriteBytes(blocked, "");
        QCOMPARE(PrepareNewWebsiteFolder(blocked + "/", user), user + "www/Website 1/");
        QCOMPARE(PrepareNewWebsiteFolder(blocked + "/", ""), std::string());
    }

    void navigation_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("prior");
        QTest::addColumn<bool>("next");
        QTest::addColumn<int>("treeItem");
        QTest::newRow("welcome") << 0 << false << false << false << -1;
        QTest::newRow("select a theme") << 1 << true << false << true << 0;
        QTest::newRow("theme properties") << 2 << true << true << true << 1;
        QTest::newRow("upload") << 7 << true << true << false << 6;
    }
    void navigation() {
        QFETCH(int, page);
        QFETCH(bool, visible);
        QFETCH(bool, prior);
        QFETCH(bool, next);
        QFETCH(int, treeItem);
        TWizardNavigation nav;
        nav.SetWebsiteOpen(true);
        nav.ShowPage(page);
        QCOMPARE(nav.Page(), page);
        QCOMPARE(nav.PriorNextVisible(), visible);
        QCOMPARE(nav.PriorEnabled(), prior);
        QCOMPARE(nav.NextEnabled(), next);
        QCOMPARE(nav.TreeItem().value_or(-1), treeItem);
        QCOMPARE(nav.StepsText(), std::string(page == 0 ? "Welcome to bixWebsite.\r\n\r\nBuild your Website for home "
                                                          "or office in just minutes."
                                                        : "7 Step Guide"));
    }

    void movingAround() {
        TWizardNavigation nav;
        nav.ShowPage(3);
        QCOMPARE(nav.Page(), 0);  // no website: only the Welcome page
        QVERIFY(!nav.TreeVisible());
        nav.SetWebsiteOpen(true);
        QCOMPARE(nav.Page(), 1);
        nav.Next();
        nav.Next();
        QCOMPARE(nav.Page(), 3);
        nav.SelectTreeItem("Upload To Server");
        QCOMPARE(nav.Page(), 7);
        nav.Next();
        QCOMPARE(nav.Page(), 7);
        nav.SelectTreeItem("Meta Tags");
        nav.Prior();
        QCOMPARE(nav.Page(), 3);
        nav.SetWebsiteOpen(false);
        QCOMPARE(nav.Page(), 0);
    }

    void captionAndChangeFlag() {
        QCOMPARE(m_commands->Caption(), std::string("RVK bixWebsite "));
        m_commands->KeyTyped();  // no website: nothing changes
        QVERIFY(!m_commands->SaveEnabled());
        const std::string folder = FolderOf(m_dir->path() + "/Sites/A");
        QVERIFY(m_commands->New(folder, "shop.old"));
        QCOMPARE(m_commands->Caption(), "RVK bixWebsite " + folder + "shop.mcs [Modified]");
        QVERIFY(m_commands->SaveEnabled());
        QVERIFY(m_commands->CloseEnabled());
        QCOMPARE(m_commands->OpenPath(), folder + "shop.mcs");
        QVERIFY(fs::exists(folder + "content.htm") && fs::exists(folder + "about.htm"));
        QVERIFY(fs::is_directory(folder + "Built Website"));
        QVERIFY(!fs::exists(folder + "shop.mcs"));  // written by the first Save only
        m_commands->Save();
        QVERIFY(fs::exists(folder + "shop.mcs"));
        QCOMPARE(m_commands->Caption(), "RVK bixWebsite " + folder + "shop.mcs");
        m_commands->KeyTyped();
        QVERIFY(m_commands->Dirty());
    }

    void closeAsksToSave_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("cancel keeps it open") << int(MsgButton::Cancel) << false << false;
        QTest::newRow("yes saves") << int(MsgButton::Yes) << true << true;
        QTest::newRow("no does not") << int(MsgButton::No) << true << false;
    }
    void closeAsksToSave() {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        const std::string folder = FolderOf(m_dir->path() + "/Site");
        QVERIFY(m_commands->New(folder, "club"));
        m_prompter.answers = {static_cast<MsgButton>(answer)};
        QCOMPARE(m_commands->Close(), closed);
        QCOMPARE(m_prompter.Texts(), std::vector<std::string>{"Would you like to save changes?"});
        QVERIFY(m_prompter.messages[0].buttons == MsgButtons::YesNoCancel());
        QCOMPARE(m_project->IsOpen(), !closed);
        QCOMPARE(fs::exists(folder + "club.mcs"), saved);
        QCOMPARE(m_commands->Caption() == "RVK bixWebsite ", closed);
    }

    void aCancelledCloseAbandonsTheNew() {
        QVERIFY(m_commands->New(FolderOf(m_dir->path() + "/One"), "one"));
        m_prompter.answers = {MsgButton::Cancel};
        QVERIFY(!m_commands->New(FolderOf(m_dir->path() + "/Two"), "two"));
        QCOMPARE(m_project->WebsiteFileName(), std::string("one.mcs"));
        QVERIFY(!fs::exists(m_dir->path().toStdString() + "/Two/about.htm"));
    }

    void openLast() {
        QVERIFY(!m_commands->OpenLast());
        QCOMPARE(m_prompter.Texts(), std::vector<std::string>{"There is no prior Website to open!"});

        const std::string folder = FolderOf(m_dir->path() + "/Site");
        QVERIFY(m_commands->New(folder, "club"));
        m_commands->Save();
        QVERIFY(m_commands->Close());
        QVERIFY(m_commands->OpenLast());
        QCOMPARE(m_project->WebsiteFileName(), std::string("club.mcs"));
        QVERIFY(m_commands->Dirty());  // a freshly opened website counts as changed

        m_prompter = FakePrompter();
        m_prompter.answers = {MsgButton::No};
        fs::remove(folder + "club.mcs");
        std::string askedAt;
        m_commands->ChooseProjectFile = [&](const std::string& start) {
            askedAt = start;
            return std::string();
        };
        QVERIFY(!m_commands->OpenLast());
        QCOMPARE(m_prompter.Texts().at(0), "Sorry, Web site \"" + folder + "club.mcs\" no longer exists to open!");
        QCOMPARE(askedAt, folder + "club.mcs");  // then the Open dialog, starting there
    }

    void aDamagedProjectLeavesNoWebsiteOpen() {
        const std::string file = FolderOf(m_dir->path()) + "broken.mcs";
        WriteBytes(file, "TPF0 broken");
        m_commands->ChooseProjectFile = [&](const std::string&) { return file; };
        QVERIFY(!m_commands->Open());
        QCOMPARE(m_prompter.Texts(), std::vector<std::string>{"An error occured whilst opening your Website"});
        QCOMPARE(m_prompter.messages[0].icon, MsgIcon::Error);
        QVERIFY(!m_project->IsOpen());
        QCOMPARE(m_commands->OpenPath(), file);
    }

    void saveCopiesTheControlsFirst() {
        QVERIFY(m_commands->New(FolderOf(m_dir->path() + "/Site"), "club"));
        m_commands->StoreControls = [this] { m_project->WebSite().CompanyName = "From the page"; };
        m_commands->Save();
        TWebSite saved;
        saved.LoadFromFile(m_project->WebsiteFolder() + "club.mcs");
        QCOMPARE(saved.CompanyName, std::string("From the page"));
    }
};

QTEST_APPLESS_MAIN(TestWizardShell)
#include "tst_WizardShell.moc"
