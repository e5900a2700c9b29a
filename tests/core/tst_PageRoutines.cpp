#include "core/common/Errors.h"
#include "core/common/PageRoutines.h"
#include "core/common/Paths.h"
#include "support/FakePrompter.h"
#include "support/FakeShell.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

using namespace bix;
using namespace bix::test;
namespace fs = std::filesystem;

class TestPageRoutines final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::string m_website;  // the website folder, with its trailing separator
    std::string m_images;   // its images folder

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_website = FolderOf(m_dir.path() + "/My Site");
        m_images = m_website + "images";
        fs::create_directories(m_website);
    }
    void cleanup() { fs::remove_all(m_dir.path().toStdString() + "/My Site"); }

    void isValidEmail_data() {
        QTest::addColumn<QByteArray>("address");
        QTest::addColumn<bool>("valid");
        QTest::newRow("name and dotted domain") << QByteArray("anna@example.com") << true;
        QTest::newRow("dot right after the at sign") << QByteArray("anna@.com") << true;
        QTest::newRow("second at sign ignored") << QByteArray("a@b@c.d") << true;
        QTest::newRow("begins with at sign") << QByteArray("@example.com") << false;
        QTest::newRow("ends with at sign") << QByteArray("anna.b@") << false;
        QTest::newRow("only dot before the at sign") << QByteArray("anna.b@example") << false;
        QTest::newRow("no dot") << QByteArray("anna@example") << false;
        QTest::newRow("no at sign") << QByteArray("anna.example.com") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void isValidEmail() {
        QFETCH(QByteArray, address);
        QFETCH(bool, valid);
        FakePrompter prompter;
        QCOMPARE(IsValidEmail(address.toStdString(), prompter), valid);
        QCOMPARE(prompter.messages.size(), valid ? 0U : 1U);
        if (!valid) {
            const Message& m = prompter.messages.front();
            QCOMPARE(m.icon, MsgIcon::Warning);
            QVERIFY(m.buttons == MsgButtons::Ok());
            QVERIFY(m.text.starts_with(
                "You have entered an illegal email address.\r\n\r\nPlease ensure you have entered it correctly. "
                "i.e. "));
            QVERIFY(m.text.size() > 95);
        }
    }

    void openDocument_data() {
        QTest::addColumn<bool>("succeed");
        QTest::addColumn<bool>("raise");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("warnings");
        QTest::newRow("opened") << true << false << true << 0;
        QTest::newRow("shell failed") << false << false << false << 1;
        QTest::newRow("shell raised") << true << true << false << 0;
    }
    void openDocument() {
        QFETCH(bool, succeed);
        QFETCH(bool, raise);
        QFETCH(bool, result);
        QFETCH(int, warnings);
        FakeShell shell;
        shell.succeed = succeed;
        shell.raise = raise;
        FakePrompter prompter;
        QCOMPARE(OpenDocument("http://example.com/", shell, prompter), result);
        QCOMPARE(shell.opened, std::vector<std::string>{"http://example.com/"});
        QCOMPARE(static_cast<int>(prompter.messages.size()), warnings);
        if (warnings > 0) {
            QCOMPARE(prompter.messages[0].text,
                     std::string("An error occurred while trying to execute your Internet Browser."));
            QCOMPARE(prompter.messages[0].icon, MsgIcon::Warning);
        }
    }

    void getPageTitle_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("title");
        QTest::newRow("plain") << QByteArray("<html><head><title>My Club</title></head></html>")
                               << QByteArray("My Club");
        QTest::newRow("over two lines, trimmed")
            << QByteArray("<HTML><TITLE lang=en>\n  First line\nsecond line \n</TITLE>")
            << QByteArray("First line\r\nsecond line");
        QTest::newRow("lf line breaks become crlf") << QByteArray("<title>a\nb</title>") << QByteArray("a\r\nb");
        QTest::newRow("mixed case tags") << QByteArray("<TiTlE> Shop </tItLe>") << QByteArray("Shop");
        QTest::newRow("no title element") << QByteArray("<html><body>x</body></html>") << QByteArray();
        QTest::newRow("title tag never closed") << QByteArray("<title") << QByteArray();
        QTest::newRow("no end tag: the rest, untrimmed") << QByteArray("<title> rest ") << QByteArray(" rest \r\n");
        QTest::newRow("first title wins") << QByteArray("<title>one</title><title>two</title>") << QByteArray("one");
        QTest::newRow("bytes above 127") << QByteArray("<title>Caf\xe9</title>") << QByteArray("Caf\xe9");
    }
    void getPageTitle() {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, title);
        const std::string path = m_website + "page.htm";
        WriteBytes(path, page.toStdString());
        QCOMPARE(QByteArray::fromStdString(GetPageTitle(path)), title);
    }

    void getPageTitleOfMissingFileRaises() {
        QVERIFY_THROWS_EXCEPTION(EInOutError, GetPageTitle(m_website + "missing.htm"));
    }

    void isFrameset_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<bool>("frameset");
        QTest::newRow("frameset in any case") << QByteArray("<HTML><FRAMESET cols=2>") << true;
        QTest::newRow("plain page") << QByteArray("<html><body>frames</body>") << false;
    }
    void isFrameset() {
        QFETCH(QByteArray, page);
        QFETCH(bool, frameset);
        const std::string path = m_website + "f.htm";
        WriteBytes(path, page.toStdString());
        FakePrompter prompter;
        QCOMPARE(IsFrameset(path, prompter), frameset);
        QCOMPARE(prompter.Texts(),
                 frameset ? std::vector<std::string>{"Framesets can not be opened"} : std::vector<std::string>{});
        QVERIFY_THROWS_EXCEPTION(EInOutError, IsFrameset(m_website + "none.htm", prompter));
    }

    void localiseCopiesAnAbsolutePicture() {
        const std::string picture = FolderOf(m_dir.path()) + "pictures" + PathDelim + "Red Car.jpg";
        WriteBytes(picture, "JPEG bytes");
        FakePrompter prompter;
        const std::string page = "<img src=\"" + picture + "\" alt=x>";
        QCOMPARE(LocalisePageImages(page, m_website, m_images, prompter),
                 std::string("<img SRC=\"images/Red Car.jpg\" alt=x>"));
        QCOMPARE(ReadBytes(m_images + PathDelim + "Red Car.jpg"), std::string("JPEG bytes"));
        QVERIFY(prompter.messages.empty());
    }

    void localiseResolvesRelativePicturesAgainstTheWebsiteFolder() {
        WriteBytes(m_website + "art" + PathDelim + "logo.gif", "GIF89a");
        WriteBytes(m_website + "my art" + PathDelim + "bg.gif", "BG");
        const fs::path before = fs::current_path();
        FakePrompter prompter;
        const std::string page = "<body BACKGROUND = art/logo.gif><img SRC=\"my%20art/bg.gif\">";
        QCOMPARE(LocalisePageImages(page, m_website, m_images, prompter),
                 std::string("<body background = images/logo.gif><img SRC=\"images/bg.gif\">"));
        QCOMPARE(ReadBytes(m_images + PathDelim + "logo.gif"), std::string("GIF89a"));
        QCOMPARE(ReadBytes(m_images + PathDelim + "bg.gif"), std::string("BG"));
        QVERIFY(prompter.messages.empty());
        QCOMPARE(fs::current_path(), before);
    }

    void localiseOpensFileAddresses() {
        const std::string picture = FolderOf(m_dir.path()) + "p.png";
        WriteBytes(picture, "PNG");
        FakePrompter prompter;
#ifdef _WIN32
        const std::string address = "file:///" + picture;
#else
        const std::string address = "file://" + picture;
#endif
        QCOMPARE(LocalisePageImages("<img src=\"" + address + "\">", m_website, m_images, prompter),
                 std::string("<img SRC=\"images/p.png\">"));
        QCOMPARE(ReadBytes(m_images + PathDelim + "p.png"), std::string("PNG"));
        QVERIFY(prompter.messages.empty());
    }

    void localiseLeavesSomeValuesAlone_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("already in images/")
            << QByteArray("<img src=\"images/a.gif\">") << QByteArray("<img SRC=\"images/a.gif\">");
        QTest::newRow("script file") << QByteArray("<script src=\"lib/menu.js\">")
                                     << QByteArray("<script SRC=\"lib/menu.js\">");
        QTest::newRow("web address") << QByteArray("<img src=\"HTTP://example.com/a.gif\">")
                                     << QByteArray("<img SRC=\"http://example.com/a.gif\">");
        QTest::newRow("words in the content")
            << QByteArray("<p>src and BACKGROUND are words</p>") << QByteArray("<p>SRC and background are words</p>");
        QTest::newRow("mixed case is not an attribute") << QByteArray("<img Src=\"c.gif\" Background=\"d.gif\">")
                                                        << QByteArray("<img Src=\"c.gif\" Background=\"d.gif\">");
        QTest::newRow("no equals sign") << QByteArray("<img SRC >") << QByteArray("<img SRC >");
        QTest::newRow("empty value") << QByteArray("<img SRC=\"\">") << QByteArray("<img SRC=\"\">");
    }
    void localiseLeavesSomeValuesAlone() {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, expected);
        FakePrompter prompter;
        QCOMPARE(QByteArray::fromStdString(LocalisePageImages(page.toStdString(), m_website, m_images, prompter)),
                 expected);
        QVERIFY(prompter.messages.empty());
        QVERIFY(!fs::exists(m_images));
    }

    void localiseReportsEachMissingPictureAndGoesOn() {
        WriteBytes(m_website + "b.gif", "B");
        FakePrompter prompter;
        const std::string page = "<img SRC=\"a.gif\"><img SRC=\"b.gif\"><img SRC=\"c.gif\">";
        QCOMPARE(LocalisePageImages(page, m_website, m_images, prompter),
                 std::string("<img SRC=\"images/a.gif\"><img SRC=\"images/b.gif\"><img SRC=\"images/c.gif\">"));
        QCOMPARE(prompter.messages.size(), 2U);
        const Message& first = prompter.messages[0];
        QCOMPARE(first.icon, MsgIcon::Error);
        QCOMPARE(first.text,
                 "Image was not copied\r\nFrom: " + m_website + "a.gif\r\nTo: " + m_images + PathDelim + "a.gif");
        QCOMPARE(ReadBytes(m_images + PathDelim + "b.gif"), std::string("B"));
    }

    void localiseOfAPictureAlreadyInPlaceKeepsIt() {
        // An absolute reference to the images folder itself: nothing to copy, and nothing lost.
        const std::string picture = m_images + PathDelim + "in.gif";
        WriteBytes(picture, "IN");
        FakePrompter prompter;
        QCOMPARE(LocalisePageImages("<img SRC=\"" + picture + "\">", m_website, m_images, prompter),
                 std::string("<img SRC=\"images/in.gif\">"));
        QCOMPARE(ReadBytes(picture), std::string("IN"));
        QVERIFY(prompter.messages.empty());
    }

    void localiseAnUnterminatedValueRunsToTheEnd() {
        WriteBytes(m_website + "end.gif", "E");
        FakePrompter prompter;
        QCOMPARE(LocalisePageImages("<img SRC=\"end.gif", m_website, m_images, prompter),
                 std::string("<img SRC=\"images/end.gif"));
        QCOMPARE(ReadBytes(m_images + PathDelim + "end.gif"), std::string("E"));
    }
};

QTEST_APPLESS_MAIN(TestPageRoutines)
#include "tst_PageRoutines.moc"
