#include "core/common/Errors.h"
#include "core/common/FileRoutines.h"
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

namespace {
using Answers = QList<QByteArray>;  // input-box answers; "<cancel>" stands for Cancel
const QByteArray kCancel = "<cancel>";
const char* const kTaken = "File already exists!";
const char* const kIllegal = "Illegal characters in File Name.";
}  // namespace

class TestFileRoutines final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_tmp;
    std::string m_dir;  // a fresh folder for each test, with its trailing separator
    int m_count = 0;

private slots:
    void init() {
        m_dir = FolderOf(m_tmp.path() + "/case" + QString::number(++m_count));
        fs::create_directories(m_dir);
    }

    void isValidFileName_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("noSpaces");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << QByteArray("index") << true << true;
        QTest::newRow("blanks only") << QByteArray("  \t ") << false << false;
        QTest::newRow("empty") << QByteArray() << false << false;
        QTest::newRow("slash") << QByteArray("a/b") << false << false;
        QTest::newRow("at sign") << QByteArray("me@home") << false << false;
        for (const char c : std::string("\\:*?\"<>|")) {
            QTest::addRow("forbidden %c", c) << QByteArray("a") + c << false << false;
        }
        QTest::newRow("blank with no-spaces") << QByteArray("my page") << true << false;
        QTest::newRow("blank allowed") << QByteArray("my page") << false << true;
        QTest::newRow("padded with blanks allowed") << QByteArray(" page ") << false << true;
        QTest::newRow("code-page letters") << QByteArray("caf\xe9") << true << true;
    }
    void isValidFileName() {
        QFETCH(QByteArray, name);
        QFETCH(bool, noSpaces);
        QFETCH(bool, valid);
        QCOMPARE(IsValidFileName(name.toStdString(), noSpaces), valid);
    }

    void askForFreeValidName_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QByteArray>("finalName");
        QTest::addColumn<QByteArrayList>("captions");
        QTest::newRow("free at once") << QByteArray("news") << Answers{} << true << QByteArray("news")
                                      << QByteArrayList{};
        QTest::newRow("taken, then free")
            << QByteArray("index") << Answers{"home"} << true << QByteArray("home") << QByteArrayList{kTaken};
        // A corrected name is checked for existence again.
        QTest::newRow("taken, illegal, corrected to a taken name, then free")
            << QByteArray("index") << Answers{"about.htm?", "about", "contact"} << true << QByteArray("contact")
            << QByteArrayList{kTaken, kIllegal, kTaken};
        QTest::newRow("illegal with spaces")
            << QByteArray("my page") << Answers{"my_page"} << true << QByteArray("my_page") << QByteArrayList{kIllegal};
        QTest::newRow("cancel at the existence question")
            << QByteArray("index") << Answers{kCancel} << false << QByteArray("index") << QByteArrayList{kTaken};
        QTest::newRow("cancel at the illegal-name question, still lower-cased")
            << QByteArray("Bad*Name") << Answers{kCancel} << false << QByteArray("bad*name")
            << QByteArrayList{kIllegal};
        QTest::newRow("upper case: the lower-case file is taken")
            << QByteArray("Index") << Answers{"Home"} << true << QByteArray("home") << QByteArrayList{kTaken};
    }
    void askForFreeValidName() {
        QFETCH(QByteArray, name);
        QFETCH(Answers, answers);
        QFETCH(bool, result);
        QFETCH(QByteArray, finalName);
        QFETCH(QByteArrayList, captions);
        WriteBytes(m_dir + "index.htm", "i");
        WriteBytes(m_dir + "about.htm", "a");
        FakePrompter prompter;
        for (const auto& a : answers) {
            prompter.inputs.push_back(a == kCancel ? std::nullopt : std::optional<std::string>(a.toStdString()));
        }
        std::string value = name.toStdString();
        QCOMPARE(AskForFreeValidName(m_dir, value, ".htm", true, true, prompter), result);
        QCOMPARE(QByteArray::fromStdString(value), finalName);
        QByteArrayList shown;
        for (const auto& box : prompter.inputBoxes) {
            shown << QByteArray::fromStdString(box.caption);
            QCOMPARE(box.prompt,
                     std::string(box.caption == kTaken ? "New Name" : "Remove characters \"/\\:*?\"<>|\" and spaces."));
        }
        QCOMPARE(shown, captions);
        QVERIFY(prompter.inputs.empty());
    }

    void askShowsTheCurrentNameInTheBox() {
        WriteBytes(m_dir + "index.htm", "i");
        FakePrompter prompter;
        prompter.inputs = {std::string("a b"), std::string("ab")};
        std::string name = "index";
        QVERIFY(AskForFreeValidName(m_dir, name, ".htm", true, false, prompter));
        QCOMPARE(prompter.inputBoxes.at(0).shown, std::string("index"));
        QCOMPARE(prompter.inputBoxes.at(1).shown, std::string("a b"));
        QCOMPARE(name, std::string("ab"));
    }

    void nextNumberedName_data() {
        QTest::addColumn<QByteArrayList>("entries");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("empty folder") << QByteArrayList{} << QByteArray("My Site 1");
        QTest::newRow("one and two taken") << QByteArrayList{"My Site 1/", "My Site 2/"} << QByteArray("My Site 3");
        QTest::newRow("gap is used") << QByteArrayList{"My Site 2/"} << QByteArray("My Site 1");
        QTest::newRow("files count too") << QByteArrayList{"My Site 1"} << QByteArray("My Site 2");
        QTest::newRow("other names ignored") << QByteArrayList{"Other 1/", "Site 1/"} << QByteArray("My Site 1");
        QTest::newRow("text after the last blank") << QByteArrayList{"My Site 1.mcs"} << QByteArray("My Site 1");
        QTest::newRow("letter case ignored") << QByteArrayList{"my site 1/"} << QByteArray("My Site 2");
    }
    void nextNumberedName() {
        QFETCH(QByteArrayList, entries);
        QFETCH(QByteArray, expected);
        for (const auto& e : entries) {
            if (e.endsWith('/')) {
                fs::create_directories(m_dir + e.chopped(1).toStdString());
            } else {
                WriteBytes(m_dir + e.toStdString(), "x");
            }
        }
        QCOMPARE(QByteArray::fromStdString(NextNumberedName(m_dir, "My Site")), expected);
    }

    void fileSizes() {
        WriteBytes(m_dir + "five.bin", "12345");
        QCOMPARE(FileSizeOf(m_dir + "five.bin"), 5);
        QCOMPARE(FileSizeUnlocked(m_dir + "five.bin"), 5);
        fs::permissions(m_dir + "five.bin", fs::perms::owner_read);
        QCOMPARE(FileSizeUnlocked(m_dir + "five.bin"), 5);
        QCOMPARE(fs::status(m_dir + "five.bin").permissions(), fs::perms::owner_read);

        QCOMPARE(FileSizeOf(m_dir + "missing.bin"), 0);
        QCOMPARE(FileSizeOf(m_dir), 0);
        QVERIFY_THROWS_EXCEPTION(EInOutError, FileSizeUnlocked(m_dir + "missing.bin"));
    }

    void deleteFileWaitRemovesAReadOnlyFileWithoutAWarning() {
        const std::string file = m_dir + "page.htm";
        WriteBytes(file, "x");
        fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
        FakePrompter prompter;
        FakePump pump;
        QVERIFY(!DeleteFileWait(file, pump, prompter));
        QVERIFY(!fs::exists(file));
        QVERIFY(prompter.messages.empty());
    }

    void deleteFileWaitWarnsWhenTheFileStays() {
        // A folder is no file: the delete fails, as for a file held open elsewhere.
        const std::string folder = m_dir + "held.htm";
        fs::create_directories(folder + PathDelim + "inside");
        FakePrompter prompter;
        FakePump pump;
        QVERIFY(DeleteFileWait(folder, pump, prompter));
        QVERIFY(pump.calls > 0);
        QCOMPARE(prompter.Texts(),
                 std::vector<std::string>{"Error removing file \"" + folder +
                                          "\".\rFile may be in use or set to read only. It is recommended that the "
                                          "contents of the \rBuild Catalogue directory is deleted via Windows "
                                          "Explorer and try again"});
        QCOMPARE(prompter.messages[0].icon, MsgIcon::Warning);
    }

    void deleteFileWaitOfAMissingFileIsQuiet() {
        FakePrompter prompter;
        FakePump pump;
        QVERIFY(!DeleteFileWait(m_dir + "never.htm", pump, prompter));
        QVERIFY(prompter.messages.empty());
    }

    void deleteFolderWebFiles_data() {
        QTest::addColumn<bool>("recurse");
        QTest::newRow("this folder only") << false;
        QTest::newRow("with sub-folders") << true;
    }
    void deleteFolderWebFiles() {
        QFETCH(bool, recurse);
        const QByteArrayList web = {"page.HTM", "a.html", "b.jpg", "c.JPEG",     "d.gif",
                                    "e.bmp",    "f.js",   "g.asp", ".hidden.htm"};
        for (const auto& name : web) {
            WriteBytes(m_dir + name.toStdString(), "w");
        }
        WriteBytes(m_dir + "notes.txt", "keep");
        WriteBytes(m_dir + "site.mcs", "keep");
        WriteBytes(m_dir + "sub" + PathDelim + "inner.htm", "w");
        WriteBytes(m_dir + "sub" + PathDelim + "inner.txt", "keep");
        // A linked folder outside is never walked into.
        const std::string outside = FolderOf(m_tmp.path() + "/outside" + QString::number(m_count));
        WriteBytes(outside + "other.htm", "theirs");
        fs::create_directory_symlink(outside, m_dir + "link");

        FakePrompter prompter;
        FakePump pump;
        DeleteFolderWebFiles(RemoveTrailing(m_dir), recurse, pump, prompter);

        for (const auto& name : web) {
            QVERIFY2(!fs::exists(m_dir + name.toStdString()), name.constData());
        }
        QVERIFY(fs::exists(m_dir + "notes.txt"));
        QVERIFY(fs::exists(m_dir + "site.mcs"));
        QCOMPARE(fs::exists(m_dir + "sub" + PathDelim + "inner.htm"), !recurse);
        QVERIFY(fs::exists(m_dir + "sub" + PathDelim + "inner.txt"));
        QVERIFY(fs::exists(outside + "other.htm"));
        QVERIFY(prompter.messages.empty());
    }

    void deleteFolderWebFilesOfAMissingFolderDoesNothing() {
        FakePrompter prompter;
        FakePump pump;
        DeleteFolderWebFiles(m_dir + "nowhere", true, pump, prompter);
        QVERIFY(prompter.messages.empty());
    }

    void windowsFolderIsASystemFolder() {
        const std::string folder = WindowsFolder();
        QVERIFY(!folder.empty());
        QCOMPARE(folder.back(), PathDelim);
        QCOMPARE(SystemFolders().front(), folder);
#ifndef _WIN32
        QCOMPARE(folder, std::string("/bin/"));
        QCOMPARE(SystemFolders().size(), 11U);
#endif
    }

private:
    static std::string RemoveTrailing(const std::string& folder) {
        return folder.substr(0, folder.size() - 1);
    }
};

QTEST_APPLESS_MAIN(TestFileRoutines)
#include "tst_FileRoutines.moc"
