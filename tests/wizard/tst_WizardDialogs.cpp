// The Frame Links page with its link editor, and the new-website dialog.
#include "core/document/WebsiteTables.h"
#include "support/FakePrompter.h"
#include "support/FakeShell.h"
#include "support/TestFiles.h"
#include "support/WhenModal.h"
#include "wizard/dialogs/uLinkEdit.h"
#include "wizard/dialogs/uNewWebSite.h"
#include "wizard/pages/TFrameLinksPage.h"
#include "wizard/pages/TPreviewView.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

using namespace bix;
using namespace bix::test;
namespace fs = std::filesystem;

namespace {

// A frame-links table as the data module holds it, open, with the given names and URLs.
std::unique_ptr<MemTable> Links(const std::vector<std::pair<std::string, std::string>>& rows) {
    auto table = std::make_unique<MemTable>(FrameLinksFieldDefs());
    SetUpFrameLinksTable(*table);
    table->Open();
    for (const auto& [name, url] : rows) {
        table->Append();
        table->SetValue("Name", name);
        table->SetValue("URL", url);
        table->Post();
    }
    return table;
}

std::vector<std::string> Names(MemTable& table) {
    std::vector<std::string> names;
    for (std::size_t row = 0; row < table.RecordCount(); ++row) {
        names.push_back(std::get<std::string>(table.CellAt(row, table.FieldIndex("Name"))));
    }
    return names;
}

// The link editor on its next showing: type a label, then OK or Cancel.
void AnswerLinkEditor(const QString& label, bool ok) {
    WhenModalShows([label, ok](QWidget* modal) {
        auto* editor = qobject_cast<TfrmLinkEdit*>(modal);
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->windowTitle(), QString("Add/Modify Link"));
        QTest::keyClick(editor->edtName, Qt::Key_End);  // the label starts selected whole
        QTest::keyClicks(editor->edtName, label);
        (ok ? editor->btnOK : editor->btnCancel)->click();
    });
}

}  // namespace

class TestWizardDialogs final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::string m_site;
    FakePrompter m_prompter;
    FakeShell m_shell;
    int m_modified = 0;

    void Wire(TFrameLinksPage& page) {
        page.SetModified = [this] { ++m_modified; };
        page.WebsiteFolder = [this] { return m_site; };
    }

private slots:
    void init() {
        m_site = FolderOf(m_dir.path() + "/My Site " + QString::number(QRandomGenerator::global()->generate()));
        fs::create_directories(m_site);
        m_prompter = FakePrompter();
        m_modified = 0;
    }

    void newAndEditOnAnEmptyTable() {
        auto links = Links({});
        TFrameLinksPage page(*links, m_prompter, m_shell);
        Wire(page);

        AnswerLinkEditor("Cancelled", false);
        page.btnNewMM->click();
        QCOMPARE(links->RecordCount(), std::size_t{0});  // the inserted row is removed again
        QCOMPARE(m_modified, 0);

        AnswerLinkEditor("Shop", true);
        page.btnNewMM->click();
        QCOMPARE(Names(*links), std::vector<std::string>{"Shop"});
        QVERIFY(links->AsBoolean("Visible") && links->AsBoolean("InFrame"));
        QCOMPARE(m_modified, 1);

        links->Delete();
        AnswerLinkEditor("Edited", true);
        page.btnEditMM->click();  // on an empty table Edit starts a row: Visible, no InFrame
        QCOMPARE(Names(*links), std::vector<std::string>{"Edited"});
        QVERIFY(links->AsBoolean("Visible"));
        QVERIFY(links->IsNull("InFrame"));
        QCOMPARE(page.dbOptionalPages->model()->rowCount(), 1);
    }

    void editingAnExistingRowAndCancelling() {
        auto links = Links({{"One", "one.htm"}, {"Two", "two.htm"}});
        TFrameLinksPage page(*links, m_prompter, m_shell);
        Wire(page);
        page.dbOptionalPages->selectRow(1);
        AnswerLinkEditor(" more", false);
        page.btnEditMM->click();
        QCOMPARE(Names(*links), (std::vector<std::string>{"One", "Two"}));
        AnswerLinkEditor(" more", true);
        page.btnEditMM->click();
        QCOMPARE(Names(*links), (std::vector<std::string>{"One", "Two more"}));
    }

    void movingMarksChangedEvenAtTheEnds_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("delta");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("first up") << 0 << -1 << QStringList{"a", "b", "c"};
        QTest::newRow("last down") << 2 << +1 << QStringList{"a", "b", "c"};
        QTest::newRow("middle up") << 1 << -1 << QStringList{"b", "a", "c"};
        QTest::newRow("first down") << 0 << +1 << QStringList{"b", "a", "c"};
    }
    void movingMarksChangedEvenAtTheEnds() {
        QFETCH(int, row);
        QFETCH(int, delta);
        QFETCH(QStringList, order);
        auto links = Links({{"a", ""}, {"b", ""}, {"c", ""}});
        TFrameLinksPage page(*links, m_prompter, m_shell);
        Wire(page);
        page.dbOptionalPages->selectRow(row);
        (delta < 0 ? page.btnMoveUp : page.btnMoveDown)->click();
        QStringList names;
        for (const std::string& name : Names(*links)) {
            names << QString::fromStdString(name);
        }
        QCOMPARE(names, order);
        QCOMPARE(m_modified, 1);
        QCOMPARE(page.dbOptionalPages->currentIndex().row(), static_cast<int>(*links->CurrentRow()));
    }

    void deletingAskTwiceForALinkedPage() {
        WriteBytes(m_site + "page.htm", "<html></html>");
        auto links = Links({{"Page", "page.htm"}, {"Other", "other.htm"}});
        TFrameLinksPage page(*links, m_prompter, m_shell);
        Wire(page);
        page.dbOptionalPages->selectRow(0);
        m_prompter.answers = {MsgButton::Yes, MsgButton::Yes};
        page.btnDeleteMM->click();
        QCOMPARE(m_prompter.Texts(),
                 (std::vector<std::string>{"Continue to delete this record?",
                                           "Would you like to delete the file associated with this link as well?"}));
        QCOMPARE(Names(*links), std::vector<std::string>{"Other"});
        QVERIFY(!fs::exists(m_site + "page.htm"));
        QCOMPARE(m_modified, 1);
    }

    void preview_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("shown");
        QTest::newRow("a page") << "news.htm"
                                << "news.htm" << true;
        QTest::newRow("written in capitals") << "index.html"
                                             << "Index.HTML" << true;
        QTest::newRow("file in capitals") << "About.HTM"
                                          << "About.HTM" << true;
        QTest::newRow("an address") << ""
                                    << "https://example.com/" << false;
        QTest::newRow("a missing page") << ""
                                        << "gone.htm" << false;
        QTest::newRow("a picture") << "logo.gif"
                                   << "logo.gif" << false;
        QTest::newRow("no URL") << ""
                                << "" << false;
    }
    void preview() {
        QFETCH(QString, file);
        QFETCH(QString, url);
        QFETCH(bool, shown);
        if (!file.isEmpty()) {
            WriteBytes(m_site + file.toStdString(), "<html><head><title>Linked</title></head></html>");
        }
        auto links = Links({{"Link", url.toStdString()}});
        TFrameLinksPage page(*links, m_prompter, m_shell);
        Wire(page);
        page.show();
        page.RefreshPreview();
        QCOMPARE(page.pnlWebBrowser->currentWidget() == page.WebBrowser, shown);
        QCOMPARE(page.lblNoPreview->text(), QString("Error loading preview. File may not have been located"));
        if (shown) {
            QTRY_COMPARE(page.WebBrowser->title(), QString("Linked"));
        }
    }

    void theLinkEditorWritesIntoTheRow() {
        auto links = Links({{"Old", "old.htm"}});
        links->Edit();
        std::vector<std::string> edited;
        TfrmLinkEdit dialog(*links, m_site, m_prompter, m_shell,
                            [&](const std::string& path) { edited.push_back(path); });
        QCOMPARE(dialog.edtName->text(), QString("Old"));
        QVERIFY(dialog.edtVisible->isChecked());
        QVERIFY(!dialog.DBCheckBox1->isChecked());
        dialog.DBCheckBox1->click();
        QVERIFY(links->AsBoolean("InFrame"));

        // New HTML Page: the page written, opened in the editor, named in the URL.
        m_prompter.inputs = {std::string("Products")};
        dialog.btnNewPage->click();
        QCOMPARE(links->AsString("URL"), std::string("products.htm"));
        QCOMPARE(dialog.edtURL->text(), QString("products.htm"));
        QCOMPARE(ReadBytes(m_site + "products.htm"), NewPageText());
        QCOMPARE(edited, std::vector<std::string>{m_site + "products.htm"});
        dialog.btnEdit->click();
        QCOMPARE(edited.size(), std::size_t{2});

        // Insert Email offers the address without its "mailto:"; cancelling empties the URL.
        links->SetValue("URL", std::string("mailto:ann@club.example"));
        dialog.edtURL->setText("mailto:ann@club.example");
        m_prompter.inputs = {std::string("bob@club.example")};
        dialog.btnMail->click();
        QCOMPARE(m_prompter.inputBoxes.back().shown, std::string("ann@club.example"));
        QCOMPARE(links->AsString("URL"), std::string("mailto:bob@club.example"));
        dialog.btnSelectFile->click();  // cancelled
        QCOMPARE(links->AsString("URL"), std::string());

        dialog.edtURL->setText("products.htm");
        dialog.btnInternet->click();
        QCOMPARE(m_shell.opened, std::vector<std::string>{m_site + "products.htm"});
        links->Cancel();  // the caller's Cancel restores the row
        QCOMPARE(links->AsString("URL"), std::string("old.htm"));
    }

    void newWebsiteChecks_data() {
        QTest::addColumn<QString>("folder");  // below the program folder; "~" for a folder outside it
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("warning");  // the start of the warning; empty when accepted
        QTest::newRow("a www folder") << "www/Mine"
                                      << "shop"
                                      << "";
        QTest::newRow("outside") << "~"
                                 << "shop.old"
                                 << "";
        QTest::newRow("the program folder") << ""
                                            << "shop"
                                            << "Please select a new Website development directory.";
        QTest::newRow("res") << "res"
                             << "shop"
                             << "Please select a new Website development directory.";
        QTest::newRow("themes") << "themes"
                                << "shop"
                                << "Please select a new Website development directory.";
        QTest::newRow("a taken name") << "~"
                                      << "taken"
                                      << "A Web site by the same name already exists.";
        QTest::newRow("an illegal name") << "~"
                                         << "a|b"
                                         << "Illegal filename has been used";
        QTest::newRow("no name") << "~"
                                 << ""
                                 << "Illegal filename has been used";
    }
    void newWebsiteChecks() {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, warning);
        const std::string program = FolderOf(m_dir.path() + "/program");
        const std::string outside = FolderOf(m_dir.path() + "/Sites");
        for (const char* sub : {"res", "themes", "www/Mine"}) {
            fs::create_directories(program + sub);
        }
        fs::create_directories(outside);
        WriteBytes(outside + "taken.mcs", "");
        TfrmNewWebSite dialog(program, m_prompter);
        const std::string chosen = folder == "~" ? outside : program + folder.toStdString();
        dialog.SelectFolder(QString::fromStdString(chosen));
        QCOMPARE(dialog.Folder(), FolderOf(QString::fromStdString(chosen)));
        dialog.edtName->setText(name);
        dialog.btnOK->click();
        if (warning.isEmpty()) {
            QVERIFY(m_prompter.messages.empty());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(fs::is_directory(chosen + "/Built Website"));
        } else {
            QCOMPARE(m_prompter.messages.size(), std::size_t{1});
            QVERIFY2(QString::fromStdString(m_prompter.messages[0].text).startsWith(warning),
                     m_prompter.messages[0].text.c_str());
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
    }

    void newWebsiteFoldersAndNewDirectory() {
        const std::string program = FolderOf(m_dir.path() + "/program2");
        fs::create_directories(program);
        {
            TfrmNewWebSite first(program, m_prompter);
            QCOMPARE(first.Folder(), program + "www/Website 1/");
        }
        TfrmNewWebSite dialog(program, m_prompter);  // a fresh folder each time, even after a cancel
        QCOMPARE(dialog.Folder(), program + "www/Website 2/");
        QVERIFY(fs::is_directory(program + "www/Website 1"));

        m_prompter.inputs = {std::string("Photos")};
        dialog.btnNewDir->click();
        QCOMPARE(m_prompter.inputBoxes.back().caption, std::string("Creating New Folder"));
        QCOMPARE(dialog.Folder(), program + "www/Website 2/Photos/");
        QVERIFY(fs::is_directory(program + "www/Website 2/Photos"));

        m_prompter.inputs = {std::string("bad|name")};
        dialog.btnNewDir->click();
        QCOMPARE(m_prompter.Texts().back(), std::string("The Directory could not be created. Be sure that you have "
                                                        "entered a valid directory name."));
        QCOMPARE(dialog.Folder(), program + "www/Website 2/Photos/");
    }
};

QTEST_MAIN(TestWizardDialogs)
#include "tst_WizardDialogs.moc"
