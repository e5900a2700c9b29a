#include "core/document/MemTable.h"
#include "core/document/WebsiteTables.h"
#include "core/shell/LinkEditCommands.h"
#include "support/FakePrompter.h"
#include "support/FakeShell.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

using namespace bix;
using namespace bix::test;
namespace fs = std::filesystem;

class TestLinkEditCommands final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_site;
    FakePrompter m_prompter;

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_site = FolderOf(m_dir->path() + "/Site");
        fs::create_directories(m_site);
        m_prompter = FakePrompter();
    }

    void aNewPageIsMadeAndEdited() {
        std::vector<std::string> edited;
        m_prompter.inputs = {std::string("Products")};
        QCOMPARE(NewHtmlPage(m_site, m_prompter, [&](const std::string& p) { edited.push_back(p); }),
                 std::string("products.htm"));
        QCOMPARE(ReadBytes(m_site + "products.htm"), NewPageText());
        QCOMPARE(edited, std::vector<std::string>{m_site + "products.htm"});
        // The same name again: first the "File already exists!" question.
        m_prompter.inputs = {std::string("products"), std::string("offers")};
        QCOMPARE(NewHtmlPage(m_site, m_prompter, nullptr), std::string("offers.htm"));
        QCOMPARE(m_prompter.inputBoxes.back().caption, std::string("File already exists!"));
        // A blank in the name is refused; cancelling gives an empty URL.
        m_prompter.inputs = {std::string("my page"), std::nullopt};
        QCOMPARE(NewHtmlPage(m_site, m_prompter, nullptr), std::string());
        QCOMPARE(m_prompter.inputBoxes.back().caption, std::string("Illegal characters in File Name."));
    }

    void aFileFromElsewhereIsCopiedWhenWanted() {
        const std::string picture = FolderOf(m_dir->path() + "/Pics") + "Logo.GIF";
        WriteBytes(picture, "GIF");
        m_prompter.files = {picture};
        m_prompter.answers = {MsgButton::Yes};
        QCOMPARE(SelectFile(m_site, m_prompter), std::string("logo.gif"));
        QCOMPARE(ReadBytes(m_site + "logo.gif"), std::string("GIF"));
        QCOMPARE(m_prompter.Texts(), std::vector<std::string>{"Proceed to copy this file to your catalogue folder?"});
        m_prompter.files = {picture};
        m_prompter.answers = {MsgButton::No};
        fs::remove(m_site + "logo.gif");
        QCOMPARE(SelectFile(m_site, m_prompter), std::string("logo.gif"));  // the URL either way
        QVERIFY(!fs::exists(m_site + "logo.gif"));
        QCOMPARE(SelectFile(m_site, m_prompter), std::string());  // cancelled
    }

    void emailLinks_data() {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("url");
        QTest::newRow("offers the address of a mail link") << "mailto:a@b.c"
                                                           << "x.y@shop.example"
                                                           << "a@b.c"
                                                           << "mailto:x.y@shop.example";
        QTest::newRow("no dot after the at sign is refused") << "page.htm"
                                                             << "anna@example"
                                                             << ""
                                                             << "";
        QTest::newRow("a typed mailto: is dropped") << ""
                                                    << "mailto:a@b.c"
                                                    << ""
                                                    << "mailto:a@b.c";
    }
    void emailLinks() {
        QFETCH(QString, current);
        QFETCH(QString, typed);
        QFETCH(QString, offered);
        QFETCH(QString, url);
        m_prompter.inputs = {typed.toStdString()};
        QCOMPARE(QString::fromStdString(InsertEmail(current.toStdString(), m_prompter)), url);
        QCOMPARE(QString::fromStdString(m_prompter.inputBoxes.at(0).shown), offered);
        QCOMPARE(m_prompter.inputBoxes.at(0).caption, std::string("Create E-mail Hyperlink"));
    }

    void editAndView() {
        WriteBytes(m_site + "page.HTML", "<p>");
        std::vector<std::string> edited;
        const EditPageFunction edit = [&](const std::string& p) { edited.push_back(p); };
        EditHtmlPage(m_site, "page.HTML", m_prompter, edit);
        QCOMPARE(edited, std::vector<std::string>{m_site + "page.HTML"});
        EditHtmlPage(m_site, "image.gif", m_prompter, edit);
        EditHtmlPage(m_site, "missing.htm", m_prompter, edit);
        QCOMPARE(m_prompter.Texts(), (std::vector<std::string>{"The file is not a local Internet Page.",
                                                               "The file may not be in its Working Directory."}));
        FakeShell shell;
        ViewHtmlPage(m_site, "page.HTML", shell, m_prompter);
        QCOMPARE(shell.opened, std::vector<std::string>{m_site + "page.HTML"});
        shell.succeed = false;
        ViewHtmlPage(m_site, "page.HTML", shell, m_prompter);
        QCOMPARE(m_prompter.Texts().back(), std::string("An error occurred while opening the file"));
    }

    void deletingALinkAndItsFile() {
        MemTable links(FrameLinksFieldDefs());
        links.Open();
        for (const char* url : {"news.htm", "../outside.htm"}) {
            links.Append();
            links.SetValue("URL", std::string(url));
            links.Post();
        }
        WriteBytes(m_site + "news.htm", "n");
        const std::string outside = FolderOf(m_dir->path()) + "outside.htm";
        WriteBytes(outside, "keep");
        links.MoveTo(0);
        m_prompter.answers = {MsgButton::No};
        QVERIFY(!DeleteFrameLink(links, m_site, m_prompter));
        QCOMPARE(links.RecordCount(), 2U);
        m_prompter.answers = {MsgButton::Yes, MsgButton::Yes};
        QVERIFY(DeleteFrameLink(links, m_site, m_prompter));
        QVERIFY(!fs::exists(m_site + "news.htm"));
        QCOMPARE(links.RecordCount(), 1U);
        // A link leading out of the website folder never takes a file with it.
        m_prompter.answers = {MsgButton::Yes, MsgButton::Yes};
        QVERIFY(DeleteFrameLink(links, m_site, m_prompter));
        QVERIFY(fs::exists(outside));
        QCOMPARE(m_prompter.Texts().back(), std::string("Continue to delete this record?"));
        QVERIFY(!DeleteFrameLink(links, m_site, m_prompter));  // nothing left
    }
};

QTEST_APPLESS_MAIN(TestLinkEditCommands)
#include "tst_LinkEditCommands.moc"
