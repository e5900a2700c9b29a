// The real main window, off screen, with a scripted prompter, a temporary registry and a program folder
// holding the shipped themes and starter pages.
#include "core/common/RegistryValues.h"
#include "core/editors/TZarpSelectHTMLEditor2.h"
#include "core/generator/udmTables.h"
#include "core/themes/TThemeCatalogue.h"
#include "platform/DesktopShell.h"
#include "support/FakePrompter.h"
#include "support/FakeRegistry.h"
#include "support/FakeShell.h"
#include "support/FtpServer.h"
#include "support/TestFiles.h"
#include "support/WhenModal.h"
#include "wizard/dialogs/uNewWebSite.h"
#include "wizard/pages/TFrameLinksPage.h"
#include "wizard/pages/TGeneratePage.h"
#include "wizard/pages/TManageFilesPage.h"
#include "wizard/pages/TMetaTagsPage.h"
#include "wizard/pages/TPreviewView.h"
#include "wizard/pages/TSelectThemePage.h"
#include "wizard/pages/TThemePropertiesPage.h"
#include "wizard/pages/TUploadPage.h"
#include "wizard/uMain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <filesystem>

using namespace bix;
using namespace bix::test;
namespace fs = std::filesystem;

namespace {

const char* const kMainKey = "\\Software\\RVK\\bixWebsite\\";

// One run of the program: its folder, its services and its main window.
struct Program final {
    Program() {
        programFolder = FolderOf(dir.path() + "/program");
        fs::create_directories(programFolder);
        fs::copy(fs::path(BIX_SOURCE_DIR "/data/themes"), fs::path(programFolder + "themes"),
                 fs::copy_options::recursive);
        fs::copy(fs::path(BIX_SOURCE_DIR "/data/Resources"), fs::path(programFolder + "Resources"),
                 fs::copy_options::recursive);
        dm = std::make_unique<TdmTables>(prompter, pump, clock, programFolder);
        catalogue = std::make_unique<TThemeCatalogue>(programFolder);
        editor = std::make_unique<TZarpSelectHTMLEditor2>(registry, editorShell, prompter);
        editor->SetRegistryPath("\\Software\\RVK\\bixWebsite\\HTML Editor");
    }
    ~Program() {
        if (window) {
            window->SetModified(false);  // no save question while the test ends
            window->close();
        }
    }
    TfrmMain& Window() {
        if (!window) {
            window = std::make_unique<TfrmMain>(TMainServices{prompter, registry, shell, *dm, *catalogue, *editor});
            window->show();
        }
        return *window;
    }
    // A copy of the demo website in the temporary folder: its project file.
    std::string DemoCopy() {
        const std::string site = FolderOf(dir.path() + "/Riverside Bakery");
        fs::copy(fs::path(BIX_SOURCE_DIR "/data/demo"), fs::path(site), fs::copy_options::recursive);
        return site + "demo.mcs";
    }
    void OpenDemo() {
        prompter.files.push_back(DemoCopy());
        Window().FileOpenCmd->trigger();
    }
    std::string OpenPath() {
        return ReadRegistryValue(registry, TRegValueKind::String, RegistryRoot::CurrentUser, kMainKey, "OpenPath", "")
            .AsString();
    }

    QTemporaryDir dir;
    std::string programFolder;
    FakePrompter prompter;
    FakeRegistry registry;
    FakeShell shell;
    DesktopShell editorShell;  // starts the test editor for real
    FakePump pump;
    FakeClock clock;
    std::unique_ptr<TdmTables> dm;
    std::unique_ptr<TThemeCatalogue> catalogue;
    std::unique_ptr<TZarpSelectHTMLEditor2> editor;
    std::unique_ptr<TfrmMain> window;
};

QString Caption(TfrmMain& w) {
    return w.windowTitle();
}

// The grid's text of one cell.
QString Cell(QTableView* grid, int row, int column) {
    return grid->model()->index(row, column).data().toString();
}

}  // namespace

class TestMainWindow final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("HOME", QByteArray(BIX_SOURCE_DIR "/no-home")); }

    void firstStart() {
        Program p;
        TfrmMain& w = p.Window();
        QVERIFY(w.pgGenerate->ckCleanFirst->isChecked());
        QVERIFY(w.pgGenerate->ckAutoPreview->isChecked());
        QCOMPARE(Caption(w), QString("RVK bixWebsite "));
        QCOMPARE(w.Notebook1->currentIndex(), 0);
        QVERIFY(!w.tvNavigation->isVisible());
        QVERIFY(!w.btnPrior->isVisible() && !w.btnNext->isVisible());
        QVERIFY(!w.FileSaveCmd->isEnabled() && !w.FileCloseCmd->isEnabled());
        QVERIFY(w.lblSteps->text().startsWith("Welcome to bixWebsite."));

        // Typing with no website open changes nothing.
        QTest::keyClicks(w.Notebook1->currentWidget(), "abc");
        QTest::keyClick(w.Notebook1->currentWidget(), Qt::Key_Return);
        QCOMPARE(Caption(w), QString("RVK bixWebsite "));
        QVERIFY(!w.btnSave->isEnabled());

        w.FileLastWebsiteCmd->trigger();
        QCOMPARE(p.prompter.Texts(), std::vector<std::string>{"There is no prior Website to open!"});

        // The two check boxes are kept when the window closes.
        w.pgGenerate->ckCleanFirst->setChecked(false);
        QVERIFY(w.close());
        QCOMPARE(ReadRegistryValue(p.registry, TRegValueKind::Boolean, RegistryRoot::CurrentUser, kMainKey,
                                   "CleanFirst", true),
                 RegVariant(false));
        QCOMPARE(ReadRegistryValue(p.registry, TRegValueKind::Boolean, RegistryRoot::CurrentUser, kMainKey, "Preview",
                                   false),
                 RegVariant(true));
    }

    void helpAndAbout() {
        Program p;
        TfrmMain& w = p.Window();
        w.HelpCmd->trigger();  // no manual beside the program: nothing, and no message
        QVERIFY(p.shell.opened.empty() && p.prompter.messages.empty());
        WriteBytes(p.programFolder + "help/index.html", "<html></html>");
        w.HelpCmd->trigger();
        QCOMPARE(p.shell.opened, std::vector<std::string>{p.programFolder + "help/index.html"});

        WhenModalShows([](QWidget* about) {
            QCOMPARE(about->windowTitle(), QString("About RVK"));
            QVERIFY(about->findChild<QLabel*>("lblVersion")->text().contains("Version " BIXWEBSITE_VERSION));
            QTest::keyClick(about, Qt::Key_Escape);
        });
        w.AboutCmd->trigger();
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        QString shown;
        WhenModalShows([&](QWidget* dialog) {
            shown = dialog->windowTitle();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        w.SelectEditorCmd->trigger();
        QCOMPARE(shown, QString("Select Editor"));
    }

    void newThroughTheDialog() {
        Program p;
        TfrmMain& w = p.Window();
        const std::string folder = FolderOf(p.dir.path() + "/Sites/A");
        fs::create_directories(folder);
        WhenModalShows([&](QWidget* modal) {
            auto* dialog = qobject_cast<TfrmNewWebSite*>(modal);
            QVERIFY(dialog != nullptr);
            // Each opening prepares a numbered folder in the program folder and selects it.
            QCOMPARE(dialog->Folder(), p.programFolder + "www/Website 1/");
            dialog->SelectFolder(QString::fromStdString(folder));
            dialog->edtName->setText("shop.old");
            dialog->btnOK->click();
            QVERIFY2(!dialog->isVisible(), p.prompter.Texts().empty() ? "" : p.prompter.Texts().back().c_str());
        });
        w.FileNewCmd->trigger();

        QCOMPARE(w.Project().WebsiteFolder(), folder);
        QCOMPARE(w.Project().WebsiteFileName(), std::string("shop.mcs"));
        QCOMPARE(p.OpenPath(), folder + "shop.mcs");
        QVERIFY(fs::is_directory(folder + "Built Website"));
        QVERIFY(fs::is_regular_file(folder + "content.htm") && fs::is_regular_file(folder + "about.htm"));
        QVERIFY(!fs::exists(folder + "shop.mcs"));  // written by the first Save
        QCOMPARE(Caption(w), QString::fromStdString("RVK bixWebsite " + folder + "shop.mcs [Modified]"));
        QCOMPARE(w.Notebook1->currentIndex(), 1);
        QVERIFY(w.tvNavigation->isVisible());
        QVERIFY(w.FileCloseCmd->isEnabled() && w.FileSaveCmd->isEnabled());
        QCOMPARE(w.pgGenerate->LeadingPage(), std::string("index.htm"));
        QCOMPARE(p.editor->ProjectPath, folder);

        w.FileSaveCmd->trigger();
        QVERIFY(fs::is_regular_file(folder + "shop.mcs"));
        QCOMPARE(Caption(w), QString::fromStdString("RVK bixWebsite " + folder + "shop.mcs"));
        QVERIFY(!w.btnSave->isEnabled());

        // A key typed anywhere in the window marks the website changed again.
        w.ShowPage(2);
        QTest::keyClick(w.pgThemeProperties->edtCompanyName, Qt::Key_A);
        QVERIFY(Caption(w).endsWith(" [Modified]"));
        QVERIFY(w.btnSave->isEnabled());
    }

    void stepping_data() {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("priorEnabled");
        QTest::addColumn<bool>("nextEnabled");
        QTest::newRow("first step") << "" << 1 << false << true;
        QTest::newRow("one on") << "N" << 2 << true << true;
        QTest::newRow("to the end") << "NNNNNN" << 7 << true << false;
        QTest::newRow("past the end") << "NNNNNNN" << 7 << true << false;
        QTest::newRow("there and back") << "NNNP" << 3 << true << true;
        QTest::newRow("by the tree") << "T6" << 6 << true << true;
        QTest::newRow("tree then back") << "T7P" << 6 << true << true;
    }
    void stepping() {
        QFETCH(QString, moves);
        QFETCH(int, page);
        QFETCH(bool, priorEnabled);
        QFETCH(bool, nextEnabled);
        Program p;
        p.OpenDemo();
        TfrmMain& w = p.Window();
        QCOMPARE(w.Notebook1->currentIndex(), 1);
        for (qsizetype i = 0; i < moves.size(); ++i) {
            const QChar move = moves[i];
            if (move == 'N' && w.btnNext->isEnabled()) {
                w.btnNext->click();
            } else if (move == 'P') {
                w.btnPrior->click();
            } else if (move == 'T') {
                const int item = moves[++i].digitValue() - 1;
                w.tvNavigation->setCurrentItem(w.tvNavigation->topLevelItem(item));
            }
        }
        QCOMPARE(w.Notebook1->currentIndex(), page);
        QCOMPARE(w.tvNavigation->indexOfTopLevelItem(w.tvNavigation->currentItem()), page - 1);
        QCOMPARE(w.tvNavigation->currentItem()->text(0),
                 QString::fromLatin1(TWizardNavigation::kCaptions[static_cast<std::size_t>(page)]));
        QCOMPARE(w.btnPrior->isEnabled(), priorEnabled);
        QCOMPARE(w.btnNext->isEnabled(), nextEnabled);
        QCOMPARE(w.lblSteps->text(), QString("7 Step Guide"));
    }

    void nextToThemePropertiesReloadsThePreviews() {
        Program p;
        p.OpenDemo();
        TfrmMain& w = p.Window();
        const std::string page = w.Project().WebsiteFolder() + "content.htm";
        WriteBytes(page, "<html><head><title>Changed outside</title></head></html>");
        w.btnNext->click();
        QCOMPARE(w.pgThemeProperties->DHTML_HomePage->title(), QString("Changed outside"));
    }

    void closeAsksToSave() {
        Program p;
        p.OpenDemo();
        TfrmMain& w = p.Window();
        const std::string project = w.Project().WebsiteFolder() + w.Project().WebsiteFileName();
        const std::string before = ReadBytes(project);
        w.ShowPage(4);
        w.pgThemeProperties->edtCompanyName->setText("Another Bakery");

        // Opening a website marks it changed: closing asks. Cancel keeps everything.
        p.prompter.answers = {MsgButton::Cancel};
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QCOMPARE(p.prompter.messages.back().text, std::string("Would you like to save changes?"));
        QCOMPARE(p.prompter.messages.back().icon, MsgIcon::Information);
        QVERIFY(w.Project().IsOpen());
        QCOMPARE(w.Notebook1->currentIndex(), 4);
        QCOMPARE(w.pgThemeProperties->edtCompanyName->text(), QString("Another Bakery"));
        QCOMPARE(ReadBytes(project), before);

        // The menu's Close with No: nothing saved, the wizard emptied.
        p.prompter.answers = {MsgButton::No};
        w.FileCloseCmd->trigger();
        QVERIFY(!w.Project().IsOpen());
        QCOMPARE(ReadBytes(project), before);
        QCOMPARE(w.Notebook1->currentIndex(), 0);
        QVERIFY(w.pgThemeProperties->edtCompanyName->text().isEmpty());
        QCOMPARE(w.pgMetaTags->MetaList->count(), 0);
        QVERIFY(!w.tvNavigation->isVisible() && !w.FileCloseCmd->isEnabled());
        QCOMPARE(Caption(w), QString("RVK bixWebsite "));
        QCOMPARE(p.dm->tblFrameLinks.RecordCount(), std::size_t{0});
    }

    void everyPageRoundTripsThroughSaveAndOpen() {
        Program p;
        TfrmMain& w = p.Window();
        const std::string folder = FolderOf(p.dir.path() + "/Club Site");
        w.ChooseNewWebsite = [&](std::string& f, std::string& name) {
            f = folder;
            name = "club";
            return true;
        };
        w.FileNewCmd->trigger();
        QVERIFY(w.Project().IsOpen());

        w.pgSelectTheme->lbThemes->setCurrentRow(2);
        const QString theme = w.pgSelectTheme->lbThemes->currentItem()->text();
        w.pgSelectTheme->btnReloadAllThemes->click();  // the selection survives a reload
        QCOMPARE(w.pgSelectTheme->lbThemes->currentItem()->text(), theme);

        w.pgThemeProperties->edtCompanyName->setText("The Chess Club");
        w.pgThemeProperties->edtEMail->setText("chess@club.example");
        w.pgFrameLinks->edtAdditionalLinksTitle->setText("Friends");
        p.dm->tblFrameLinks.Append();
        p.dm->tblFrameLinks.SetValue("Name", std::string("Rules"));
        p.dm->tblFrameLinks.SetValue("URL", std::string("rules.htm"));
        p.dm->tblFrameLinks.Post();
        p.dm->tblFrameLinks.Append();
        p.dm->tblFrameLinks.SetValue("Name", std::string("League"));
        p.dm->tblFrameLinks.SetValue("URL", std::string("https://league.example/"));
        p.dm->tblFrameLinks.Post();
        w.pgFrameLinks->btnMoveUp->click();  // League first
        w.pgMetaTags->edtMetaDescription->setPlainText("Chess on Tuesdays.\nAll welcome.");
        p.prompter.inputs = {std::string("chess"), std::string("club, local")};
        w.pgMetaTags->btnNew->click();
        w.pgMetaTags->btnNew->click();
        w.pgGenerate->cbLeadingPageTitle->setCurrentText("default.htm");
        w.pgUpload->edtFTPHost->setText("ftp.club.example");
        w.pgUpload->edtLogin->setText("anna");
        w.pgUpload->sePort->setValue(2121);
        w.pgUpload->edtHostDirectory->setText("/www");
        w.FileSaveCmd->trigger();
        QVERIFY(!Caption(w).endsWith("[Modified]"));

        w.FileCloseCmd->trigger();
        QVERIFY(p.prompter.messages.empty());  // saved: no question
        QVERIFY(w.pgUpload->edtFTPHost->text().isEmpty());

        p.prompter.files.push_back(folder + "club.mcs");
        w.FileOpenCmd->trigger();
        QCOMPARE(p.prompter.fileDialogs.back().initialFolder, p.dir.path().toStdString() + "/Club Site");
        QCOMPARE(w.pgSelectTheme->lbThemes->currentItem()->text(), theme);
        QCOMPARE(w.pgThemeProperties->edtCompanyName->text(), QString("The Chess Club"));
        QCOMPARE(w.pgThemeProperties->edtEMail->text(), QString("chess@club.example"));
        QCOMPARE(w.pgFrameLinks->edtAdditionalLinksTitle->text(), QString("Friends"));
        QCOMPARE(Cell(w.pgFrameLinks->dbOptionalPages, 0, 1), QString("League"));
        QCOMPARE(Cell(w.pgFrameLinks->dbOptionalPages, 1, 1), QString("Rules"));
        QCOMPARE(w.pgMetaTags->edtMetaDescription->toPlainText(), QString("Chess on Tuesdays.\nAll welcome."));
        QCOMPARE(w.pgMetaTags->MetaList->count(), 2);
        QCOMPARE(w.pgMetaTags->MetaList->item(1)->text(), QString("club, local"));
        QCOMPARE(w.pgGenerate->LeadingPage(), std::string("default.htm"));
        QCOMPARE(w.pgUpload->edtFTPHost->text(), QString("ftp.club.example"));
        QCOMPARE(w.pgUpload->sePort->value(), 2121);
        QCOMPARE(w.pgUpload->edtHostDirectory->text(), QString("/www"));
        QVERIFY(Caption(w).endsWith(" [Modified]"));  // a freshly opened website counts as changed
        QCOMPARE(p.OpenPath(), folder + "club.mcs");
    }

    void openingADamagedFileLeavesNoWebsite() {
        Program p;
        p.OpenDemo();
        TfrmMain& w = p.Window();
        w.SetModified(false);
        const std::string bad = p.dir.path().toStdString() + "/bad.mcs";
        WriteBytes(bad, "not a project");
        p.prompter.files.push_back(bad);
        w.FileOpenCmd->trigger();
        QCOMPARE(p.prompter.Texts().back(), std::string("An error occured whilst opening your Website"));
        QVERIFY(!w.Project().IsOpen());
        QCOMPARE(w.Notebook1->currentIndex(), 0);
        QCOMPARE(Caption(w), QString("RVK bixWebsite "));
    }

    void aFailedSaveKeepsTheWebsiteOpenAndChanged() {
        Program p;
        p.OpenDemo();
        TfrmMain& w = p.Window();
        // A folder where the project file should be: no user can write the file.
        const std::string project = w.Project().WebsiteFolder() + w.Project().WebsiteFileName();
        fs::remove(project);
        fs::create_directory(project);
        // A build saves first: the failed save stops it, and the page is usable again.
        w.ShowPage(5);
        w.pgGenerate->ckAutoPreview->setChecked(false);
        w.pgGenerate->btnCreateWebsite->click();
        QCOMPARE(p.prompter.messages.size(), std::size_t{1});
        QCOMPARE(p.prompter.messages.back().icon, MsgIcon::Error);
        QVERIFY(!fs::exists(w.Project().WebsiteFolder() + "Built Website/index.htm"));
        QVERIFY(w.pgGenerate->btnCreateWebsite->isEnabled());
        QVERIFY(QApplication::overrideCursor() == nullptr);

        // Exit, Yes to saving, the save fails: the program stays with the website changed.
        p.prompter.answers = {MsgButton::Yes};
        QVERIFY(!w.close());
        QCOMPARE(p.prompter.messages.back().icon, MsgIcon::Error);
        QVERIFY(w.Project().IsOpen());
        QVERIFY(Caption(w).endsWith(" [Modified]"));
    }

    void buildThenUpload() {
        QTemporaryDir served;
        FtpServer running(served.path());
        QVERIFY(running.Started());
        Program p;
        p.OpenDemo();
        TfrmMain& w = p.Window();
        w.ShowPage(5);
        w.pgGenerate->ckAutoPreview->setChecked(false);
        w.pgGenerate->btnCreateWebsite->click();
        QVERIFY(p.prompter.messages.empty());
        QVERIFY(w.pgGenerate->btnCreateWebsite->isEnabled());

        w.btnNext->click();
        QCOMPARE(w.Notebook1->currentWidget(), w.pgManageFiles);
        QTableView* grid = w.pgManageFiles->dxDBGrid1;
        QVERIFY(grid->model()->rowCount() >= 5);
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            QCOMPARE(Cell(grid, row, 1), QString("Upload File"));
        }

        w.btnNext->click();
        w.pgUpload->edtFTPHost->setText("127.0.0.1");
        w.pgUpload->edtLogin->setText(FtpServer::kUser);
        w.pgUpload->edtPassword->setText(FtpServer::kPassword);
        w.pgUpload->sePort->setValue(running.Port());
        w.pgUpload->btnUploadNow->click();
        QCOMPARE(p.prompter.Texts().back(), std::string("Processes to the server have completed"));
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            QCOMPARE(Cell(grid, row, 1), QString("Synchronized"));
        }
        QVERIFY(fs::is_regular_file(served.path().toStdString() + "/index.htm"));
        QVERIFY(Caption(w).endsWith(" [Modified]"));
    }

    void editingAPageInTheChosenEditor() {
        Program p;
        p.OpenDemo();
        TfrmMain& w = p.Window();
        p.editor->AlwaysUseSelectedEditor = true;
        p.editor->SelectedEditorName = BIX_TEST_EDITOR;
        const std::string page = w.Project().WebsiteFolder() + "content.htm";
        w.ShowPage(2);
        w.SetModified(false);
        WhenModalShows([&](QWidget* modal) {
            QVERIFY(
                QTest::qWaitFor([&] { return ReadBytes(page).find("<!-- edited -->") != std::string::npos; }, 10000));
            modal->findChild<QPushButton*>()->click();
        });
        w.pgThemeProperties->btnEditPage->click();
        QVERIFY(ReadBytes(page).ends_with("<!-- edited -->"));
        QVERIFY(Caption(w).endsWith(" [Modified]"));
    }

    void modifyingABuiltPageFromTheFileList() {
        Program p;
        p.OpenDemo();
        TfrmMain& w = p.Window();
        p.editor->AlwaysUseSelectedEditor = true;
        p.editor->SelectedEditorName = BIX_TEST_EDITOR;
        w.ShowPage(5);
        w.pgGenerate->ckAutoPreview->setChecked(false);
        w.pgGenerate->btnCreateWebsite->click();
        w.ShowPage(6);
        QTableView* grid = w.pgManageFiles->dxDBGrid1;
        int row = 0;
        while (row < grid->model()->rowCount() && Cell(grid, row, 3) != "news.htm") {
            ++row;
        }
        QVERIFY(row < grid->model()->rowCount());
        grid->selectRow(row);
        w.pgManageFiles->FileManagerHandles(2);  // Do Nothing
        QCOMPARE(Cell(grid, row, 1), QString("Do Nothing"));
        const std::string page = p.dm->ZarpFileManager1.DestinationFolder() + "news.htm";
        WhenModalShows([&](QWidget* modal) {
            QVERIFY(
                QTest::qWaitFor([&] { return ReadBytes(page).find("<!-- edited -->") != std::string::npos; }, 10000));
            modal->findChild<QPushButton*>()->click();
        });
        w.pgManageFiles->btnModifyHTMLPageInEditor->click();
        QCOMPARE(Cell(grid, row, 1), QString("Upload File"));  // changed by the editor: to be sent again
    }

    // Not a check: with BIX_WIZARD_SHOTS=1 this writes the pictures of the manual and the README.
    void screenshots() {
        if (qEnvironmentVariableIsEmpty("BIX_WIZARD_SHOTS")) {
            QSKIP("set BIX_WIZARD_SHOTS=1 to write docs/screenshots/step-*.png");
        }
        Program p;
        TfrmMain& w = p.Window();
        const QString out = QStringLiteral(BIX_SOURCE_DIR "/docs/screenshots/");
        const auto shoot = [&](const QString& name) {
            QTest::qWait(1500);  // the previews paint
            QVERIFY(w.grab().save(out + name));
        };
        shoot("step-0-welcome.png");
        p.OpenDemo();
        w.pgUpload->edtFTPHost->setText("ftp.riverside-bakery.example");
        w.pgUpload->edtLogin->setText("bakery");
        w.pgGenerate->ckAutoPreview->setChecked(false);
        w.pgGenerate->btnCreateWebsite->click();
        w.SetModified(false);
        const char* const names[] = {"", "theme", "properties", "links", "meta", "generate", "files", "upload"};
        for (int page = 1; page <= 7; ++page) {
            w.ShowPage(page);
            if (page == 3) {
                w.pgFrameLinks->dbOptionalPages->selectRow(0);
            }
            shoot(QStringLiteral("step-%1-%2.png").arg(page).arg(QString::fromLatin1(names[page])));
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
