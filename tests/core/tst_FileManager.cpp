#include "core/common/Errors.h"
#include "core/common/Paths.h"
#include "core/document/MemTable.h"
#include "core/document/WebsiteTables.h"
#include "core/filemanager/TZarpFileManager.h"
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

const std::string kGif = std::string("GIF89a\x20\0\x10\0\0\0\0\x2c\0\0\0\0\x20\0\x10\0\0\x02\x02\x44\x01\0;", 27);

// One row as "FileName|FileType|FileStatus|Desc|Preserve".
QString RowText(MemTable& table, std::size_t row) {
    const auto cell = [&](const char* column) {
        const TFieldValue& v = table.CellAt(row, table.FieldIndex(column));
        if (const auto* s = std::get_if<std::string>(&v)) {
            return QString::fromStdString(*s);
        }
        if (const auto* i = std::get_if<std::int32_t>(&v)) {
            return QString::number(*i);
        }
        if (const auto* b = std::get_if<bool>(&v)) {
            return QString(*b ? "true" : "false");
        }
        return QString("null");
    };
    return QStringList{cell("FileName"), cell("FileType"), cell("FileStatus"), cell("Desc"), cell("Preserve")}.join(
        '|');
}

QStringList Rows(MemTable& table) {
    QStringList rows;
    for (std::size_t r = 0; r < table.RecordCount(); ++r) {
        rows << RowText(table, r);
    }
    return rows;
}

}  // namespace

class TestFileManager final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_build;  // the build folder, with its trailing separator
    std::unique_ptr<MemTable> m_table;
    FakePrompter m_prompter;
    FakeClock m_clock;
    std::unique_ptr<TZarpFileManager> m_files;

    std::string Local(const std::string& stored) const { return *JoinStoredName(m_build, stored); }

    void SetCell(const std::string& name, const char* column, TFieldValue value) {
        QVERIFY(m_table->Locate("FileName", name));
        m_table->Edit();
        m_table->SetValue(column, std::move(value));
        m_table->Post();
    }
    TFieldValue Cell(const std::string& name, const char* column) {
        const auto row = m_table->FindRow("FileName", name);
        return row ? m_table->CellAt(*row, m_table->FieldIndex(column)) : TFieldValue(std::string("<no row>"));
    }
    // Adds rows for the names without touching the disk, with the given status.
    void AddRows(const QStringList& names, int status) {
        for (const auto& name : names) {
            m_table->Append();
            m_table->SetValue("FileName", name.toStdString());
            m_table->SetValue("FileStatus", status);
            m_table->Post();
        }
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_build = FolderOf(m_dir->path() + "/Built Website");
        fs::create_directories(m_build);
        m_table = std::make_unique<MemTable>(FileManagerFieldDefs());
        m_table->AddHashIndex("FileName");
        m_table->Open();
        m_prompter = FakePrompter();
        m_files = std::make_unique<TZarpFileManager>(m_prompter, m_clock);
        m_files->SetDataSource(m_table.get());
        m_files->SetDestinationFolder(m_build.substr(0, m_build.size() - 1));
    }

    void destinationFolderKeepsItsSeparator() { QCOMPARE(m_files->DestinationFolder(), m_build); }

    void aFirstScanListsEveryFileToUpload() {
        WriteBytes(m_build + "index.htm", "<html><title> Home </title></html>");
        WriteBytes(m_build + "about.HTML", "<title>About\r\nus</title>");
        WriteBytes(m_build + "images" + PathDelim + "logo.gif", kGif);
        WriteBytes(m_build + "images" + PathDelim + "pic.bmp", "BM");
        WriteBytes(m_build + "menu.js", "var x;");
        WriteBytes(m_build + "style.css", "body{}");
        WriteBytes(m_build + "readme", "hello");
        WriteBytes(m_build + ".htaccess", "deny");
        WriteBytes(m_build + ".svn" + PathDelim + "entries", "svn");
        WriteBytes(m_build + "images" + PathDelim + ".thumbs" + PathDelim + "x.gif", kGif);
        m_files->ScanFolder();
        QCOMPARE(Rows(*m_table), QStringList({
                                     "about.HTML|HTML|3|About\r\nus|false",
                                     "images\\logo.gif|GIF|3|w:32 h:16|false",
                                     "images\\pic.bmp|BMP|3||false",
                                     "index.htm|HTM|3|Home|false",
                                     "menu.js|JS|3|null|false",
                                     "readme|0|3|null|false",
                                     "style.css|0|3|null|false",
                                 }));
        QCOMPARE(Cell("index.htm", "FileSize"), TFieldValue(34));
        QVERIFY(std::holds_alternative<TDateTime>(Cell("index.htm", "FileDateTimeStamp")));
        QVERIFY(std::holds_alternative<std::monostate>(Cell("index.htm", "UploadDate")));
        QVERIFY(m_prompter.messages.empty());
    }

    void aSecondScanWithoutChangesKeepsEverything() {
        WriteBytes(m_build + "index.htm", "<title>Home</title>");
        WriteBytes(m_build + "images" + PathDelim + "logo.gif", kGif);
        WriteBytes(m_build + "style.css", "body{}");
        m_files->ScanFolder();
        SetCell("index.htm", "FileStatus", 2);
        SetCell("index.htm", "Preserve", true);
        SetCell("images\\logo.gif", "FileStatus", 0);
        SetCell("style.css", "Desc", std::string("my notes"));
        const QStringList before = Rows(*m_table);
        m_files->ScanFolder();
        QCOMPARE(Rows(*m_table), before);
        QCOMPARE(before.first(), QString("images\\logo.gif|GIF|0|w:32 h:16|false"));
        QVERIFY(before.contains("index.htm|HTM|2|Home|true"));
        QVERIFY(before.contains("style.css|0|3|my notes|false"));
    }

    void aRebuiltFileIsUpdatedAndLosesItsMark() {
        WriteBytes(m_build + "index.htm", "<title>Old</title>");
        m_files->ScanFolder();
        SetCell("index.htm", "FileStatus", 2);
        SetCell("index.htm", "Preserve", true);
        WriteBytes(m_build + "index.htm", "<title>New and longer</title>");
        m_files->ScanFolder();
        QCOMPARE(Rows(*m_table), QStringList({"index.htm|HTM|4|New and longer|false"}));
    }

    void aFileOfTheSameSizeWithAnotherTimeIsChanged() {
        WriteBytes(m_build + "a.htm", "<title>A</title>");
        m_files->ScanFolder();
        SetCell("a.htm", "FileStatus", 2);
        fs::last_write_time(Local("a.htm"), fs::last_write_time(Local("a.htm")) + std::chrono::seconds(3));
        m_files->ScanFolder();
        QCOMPARE(Cell("a.htm", "FileStatus"), TFieldValue(4));
    }

    void aDeletedFileIsRemovedAndComesBack() {
        WriteBytes(m_build + "gone.htm", "<title>G</title>");
        m_files->ScanFolder();
        SetCell("gone.htm", "FileStatus", 2);
        const auto stamp = fs::last_write_time(Local("gone.htm"));
        fs::remove(Local("gone.htm"));
        m_files->ScanFolder();
        QCOMPARE(Rows(*m_table), QStringList({"gone.htm|HTM|1|G|false"}));
        // Back on disk exactly as it was: to be uploaded again.
        WriteBytes(m_build + "gone.htm", "<title>G</title>");
        fs::last_write_time(Local("gone.htm"), stamp);
        m_files->ScanFolder();
        QCOMPARE(Rows(*m_table), QStringList({"gone.htm|HTM|3|G|false"}));
    }

    void aFailingScanStillMarksMissingFiles() {
        AddRows({"vanished.htm"}, 2);
        WriteBytes(m_build + "a.htm", "<title>A</title>");
        // A page that cannot be read: a link to nothing.
        fs::create_symlink(m_build + "nowhere.htm", m_build + "broken.htm");
        QVERIFY_THROWS_EXCEPTION(EInOutError, m_files->ScanFolder());
        QCOMPARE(m_table->State(), TDataSetState::Browse);
        QVERIFY(!m_table->ControlsDisabled());
        QCOMPARE(Cell("vanished.htm", "FileStatus"), TFieldValue(1));
        QCOMPARE(Cell("a.htm", "FileStatus"), TFieldValue(3));
    }

    void tooManyFoldersWarnOnce() {
        for (int i = 0; i <= TZarpFileManager::kFolderWarningLimit; ++i) {
            fs::create_directory(m_build + "f" + std::to_string(i));
        }
        m_files->ScanFolder();
        QCOMPARE(m_prompter.Texts(), std::vector<std::string>{"An excessive amount of files have been detected. "
                                                              "Please ensure that \r\nyou have selected a directory "
                                                              "which is valid"});
        QCOMPARE(m_prompter.messages[0].icon, MsgIcon::Warning);
    }

    void isPreservedLooksUpTheExactName() {
        AddRows({"index.htm", "about.htm"}, 2);
        SetCell("about.htm", "Preserve", true);
        m_table->MoveTo(0);
        QVERIFY(m_files->IsPreserved("about.htm"));
        QVERIFY(!m_files->IsPreserved("index.htm"));
        QVERIFY(!m_files->IsPreserved("ABOUT.HTM"));
        QVERIFY(!m_files->IsPreserved("other.htm"));
        QCOMPARE(m_table->CurrentRow(), std::optional<std::size_t>(0));  // the cursor stays
    }

    void filesWithStatus() {
        QCOMPARE(m_files->FilesWithStatus(3), std::string());
        AddRows({"a.htm", "x.gif", "b.htm"}, 3);
        SetCell("x.gif", "FileStatus", 4);
        QCOMPARE(m_files->FilesWithStatus(3), std::string("a.htm\rb.htm"));
        QCOMPARE(m_files->FilesWithStatus(4), std::string("x.gif"));
        QCOMPARE(m_files->FilesWithStatus(1), std::string());
    }

    void applyTransferResults() {
        AddRows({"a.htm", "b.htm", "c.htm"}, 3);
        m_clock.now = 46367.5;
        m_files->ApplyTransferResults(2, {"a.htm", "unknown.htm"});
        QCOMPARE(Cell("a.htm", "FileStatus"), TFieldValue(2));
        QCOMPARE(Cell("a.htm", "UploadDate"), TFieldValue(46367.5));
        m_files->ApplyTransferResults(1, {"b.htm", "unknown.htm"});
        QCOMPARE(Rows(*m_table).size(), 2);
        QCOMPARE(Cell("b.htm", "FileStatus"), TFieldValue(std::string("<no row>")));
        m_files->ApplyTransferResults(0, {"c.htm"});
        QCOMPARE(Cell("c.htm", "FileStatus"), TFieldValue(0));
        QVERIFY(std::holds_alternative<std::monostate>(Cell("c.htm", "UploadDate")));
    }

    void changeCurrentStatus_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<bool>("uploaded");
        QTest::addColumn<int>("answer");  // MsgButton, or 0 when no question is expected
        QTest::addColumn<int>("newStatus");
        QTest::addColumn<int>("statusAfter");  // what the status argument reads afterwards
        QTest::addColumn<bool>("fileAfter");
        const int yes = int(MsgButton::Yes);
        const int no = int(MsgButton::No);
        QTest::newRow("remove, yes: deleted") << 1 << true << false << yes << 1 << 1 << false;
        QTest::newRow("remove, no: nothing") << 1 << true << false << no << 2 << 1 << true;
        QTest::newRow("remove a missing file: nothing") << 1 << false << false << 0 << 2 << 1 << false;
        QTest::newRow("upload, never uploaded") << 4 << true << false << 0 << 3 << 3 << true;
        QTest::newRow("update an uploaded file") << 4 << true << true << 0 << 4 << 4 << true;
        QTest::newRow("upload an uploaded file") << 3 << true << true << 0 << 3 << 3 << true;
        QTest::newRow("upload a missing file: remove") << 3 << false << false << 0 << 1 << 1 << false;
        QTest::newRow("do nothing") << 0 << true << true << 0 << 0 << 0 << true;
    }
    void changeCurrentStatus() {
        QFETCH(int, status);
        QFETCH(bool, fileThere);
        QFETCH(bool, uploaded);
        QFETCH(int, answer);
        QFETCH(int, newStatus);
        QFETCH(int, statusAfter);
        QFETCH(bool, fileAfter);
        AddRows({"first.htm", "page.htm"}, 2);
        if (fileThere) {
            WriteBytes(m_build + "page.htm", "x");
        }
        if (uploaded) {
            SetCell("page.htm", "UploadDate", 46000.0);
        }
        if (answer != 0) {
            m_prompter.answers.push_back(static_cast<MsgButton>(answer));
        }
        QVERIFY(m_table->Locate("FileName", std::string("page.htm")));
        int value = status;
        m_files->ChangeCurrentStatus(value);
        QCOMPARE(value, statusAfter);
        QCOMPARE(Cell("page.htm", "FileStatus"), TFieldValue(newStatus));
        QCOMPARE(Cell("first.htm", "FileStatus"), TFieldValue(2));
        QCOMPARE(fs::exists(Local("page.htm")), fileAfter);
        QCOMPARE(m_prompter.messages.size(), answer != 0 ? 1U : 0U);
        if (answer != 0) {
            QCOMPARE(m_prompter.messages[0].text,
                     std::string("Are you sure you want to delete 'page.htm' from your local drive?"));
            QCOMPARE(m_prompter.messages[0].icon, MsgIcon::Confirmation);
            QVERIFY(m_prompter.messages[0].buttons == MsgButtons::YesNo());
        }
    }

    void changeCurrentStatusOfAnEmptyListDoesNothing() {
        int status = 1;
        m_files->ChangeCurrentStatus(status);
        QVERIFY(m_prompter.messages.empty());
    }

    void removeAllAsksPerFileUntilToldForAll() {
        AddRows({"a.htm", "b.htm", "missing.htm", "c.htm", "d.htm"}, 2);
        for (const char* name : {"a.htm", "b.htm", "c.htm", "d.htm"}) {
            WriteBytes(m_build + name, "x");
        }
        m_prompter.answers = {MsgButton::Yes, MsgButton::No, MsgButton::YesToAll};
        int status = 1;
        m_files->ChangeAllStatus(status);
        QCOMPARE(m_prompter.messages.size(), 3U);
        QVERIFY(m_prompter.messages[0].buttons == MsgButtons::YesNoAll());
        QCOMPARE(m_prompter.messages[2].text,
                 std::string("Are you sure you want to delete 'c.htm' from your local drive?"));
        QCOMPARE(Rows(*m_table),
                 QStringList({"a.htm|null|1|null|null", "b.htm|null|2|null|null", "missing.htm|null|2|null|null",
                              "c.htm|null|1|null|null", "d.htm|null|1|null|null"}));
        QVERIFY(!fs::exists(Local("a.htm")));
        QVERIFY(fs::exists(Local("b.htm")));
        QVERIFY(!fs::exists(Local("d.htm")));
    }

    void removeAllStopsAtNoToAll() {
        AddRows({"a.htm", "b.htm", "c.htm"}, 2);
        for (const char* name : {"a.htm", "b.htm", "c.htm"}) {
            WriteBytes(m_build + name, "x");
        }
        m_prompter.answers = {MsgButton::Yes, MsgButton::NoToAll};
        int status = 1;
        m_files->ChangeAllStatus(status);
        QCOMPARE(m_prompter.messages.size(), 2U);
        QCOMPARE(Rows(*m_table),
                 QStringList({"a.htm|null|1|null|null", "b.htm|null|2|null|null", "c.htm|null|2|null|null"}));
        QVERIFY(fs::exists(Local("b.htm")) && fs::exists(Local("c.htm")));
        QCOMPARE(m_table->State(), TDataSetState::Browse);
    }

    void uploadAll() {
        AddRows({"a.htm", "gone.htm"}, 0);
        WriteBytes(m_build + "a.htm", "x");
        int status = 4;
        m_files->ChangeAllStatus(status);
        QCOMPARE(status, 3);
        QCOMPARE(Rows(*m_table), QStringList({"a.htm|null|3|null|null", "gone.htm|null|1|null|null"}));
    }

    void aFailedDeleteWarnsAndKeepsTheStatusInRemoveAll() {
        AddRows({"folder.htm"}, 2);
        fs::create_directories(Local("folder.htm") + PathDelim + "inside");  // cannot be deleted as a file
        m_prompter.answers = {MsgButton::Yes};
        int status = 1;
        m_files->ChangeAllStatus(status);
        QCOMPARE(m_prompter.Texts().back(), std::string("An error occurred when deleting this file. Please ensure "
                                                        "that the file is not \r\nset to Read Only and try again."));
        QCOMPARE(Cell("folder.htm", "FileStatus"), TFieldValue(2));
    }

    void namesThatLeaveTheBuildFolderAreNeverTouched() {
        // A crafted project names files outside the build folder.
        const std::string outside = FolderOf(m_dir->path()) + "precious.htm";
        WriteBytes(outside, "mine");
        AddRows({"..\\precious.htm", "../precious.htm", QString::fromStdString(outside)}, 2);
        m_prompter.answers = {MsgButton::YesToAll};
        int status = 1;
        m_files->ChangeAllStatus(status);
        m_table->First();
        int current = 1;
        m_files->ChangeCurrentStatus(current);
        m_files->MarkMissingFiles();
        QVERIFY(m_prompter.messages.empty());
        QCOMPARE(ReadBytes(outside), std::string("mine"));
        QCOMPARE(m_files->FilesWithStatus(2), std::string());
        for (std::size_t r = 0; r < m_table->RecordCount(); ++r) {
            QCOMPARE(m_table->CellAt(r, m_table->FieldIndex("FileStatus")), TFieldValue(2));
        }
    }

    void aMissingColumnIsReported() {
        m_files->SetDescription("Notes");
        QCOMPARE(m_prompter.Texts(), std::vector<std::string>{"The required field Notes is empty"});
        QCOMPARE(m_files->Description(), std::string("Notes"));
        m_files->SetDescription("Desc");
        QCOMPARE(m_prompter.messages.size(), 1U);
    }

    void descriptions() {
        QCOMPARE(FtpProcessDescription(0), std::string("Do Nothing"));
        QCOMPARE(FtpProcessDescription(1), std::string("Remove File"));
        QCOMPARE(FtpProcessDescription(2), std::string("Synchronized"));
        QCOMPARE(FtpProcessDescription(3), std::string("Upload File"));
        QCOMPARE(FtpProcessDescription(4), std::string("Update File"));
        QCOMPARE(FtpProcessDescription(5), std::string());
    }
};

QTEST_APPLESS_MAIN(TestFileManager)
#include "tst_FileManager.moc"
