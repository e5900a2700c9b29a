#include "core/common/Errors.h"
#include "core/document/MemTable.h"
#include "core/document/StoredDateTime.h"
#include "core/document/WebsiteTables.h"

#include <QtTest>

#include <cstring>

using namespace bix;

namespace {

// The header of a stored table, as the stored form spells it.
std::string Header(const std::vector<std::string>& fieldLines, int version = 2) {
    std::string h = "[INFO]\rVersion=" + std::to_string(version) + "\r[FIELD]\r";
    for (const auto& line : fieldLines) {
        h += line + "\r";
    }
    return h + "[INDEX]\r[DATA]\r";
}

const std::vector<std::string> kFrameLinkLines = {"Visible;5;0;0", "InFrame;5;0;0", "Name;1;100;0", "URL;1;246;0"};
const std::vector<std::string> kFileLines = {"FileName;1;255;0",         "FileType;1;30;0", "FileStatus;3;0;0",
                                             "FileDateTimeStamp;11;0;0", "FileSize;3;0;0",  "UploadDate;11;0;0",
                                             "Preserve;5;0;0",           "Desc;1;100;0"};

std::string Le32(std::uint32_t v) {
    std::string s;
    for (int i = 0; i < 4; ++i) {
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    return s;
}

double StoredDouble(const std::string& bytes, std::size_t offset) {
    double d = 0;
    std::memcpy(&d, bytes.data() + offset, 8);  // the machines we build for are little-endian
    return d;
}

// One frame-links record built by hand from the record layout: Visible, InFrame, Name, URL.
std::string FrameLinkRecord(bool visible, const std::string& name, const std::string& url, char filler = '\0') {
    std::string r(372, '\0');
    r[0] = visible ? 1 : 0;
    r[2] = 1;  // Visible has a value, InFrame (3..5) is null
    std::memcpy(r.data() + 6, name.data(), name.size());
    std::memset(r.data() + 6 + name.size() + 1, filler, 100 - name.size());
    r[107] = 1;
    std::memcpy(r.data() + 108, url.data(), url.size());
    r[355] = 1;
    return r;
}

}  // namespace

class TestStoredTable final : public QObject {
    Q_OBJECT

private slots:
    void emptyTablesHaveTheirKnownSizes() {
        MemTable links(FrameLinksFieldDefs());
        MemTable files(FileManagerFieldDefs());
        links.Open();
        files.Open();
        std::string a;
        std::string b;
        links.SaveToStream(a);
        files.SaveToStream(b);
        QCOMPARE(a, Header(kFrameLinkLines) + Le32(0) + "\r[BLOB]\r");
        QCOMPARE(a.size(), 105U);
        QCOMPARE(b, Header(kFileLines) + Le32(0) + "\r[BLOB]\r");
        QCOMPARE(b.size(), 188U);
    }

    void frameLinkRecordLayout() {
        MemTable links(FrameLinksFieldDefs());
        links.Open();
        links.Append();
        links.SetValue("Visible", true);
        links.SetValue("Name", std::string("Club news"));
        links.SetValue("URL", std::string("news.htm"));
        links.Post();
        std::string stored;
        links.SaveToStream(stored);
        const std::string header = Header(kFrameLinkLines) + Le32(1);
        QCOMPARE(stored.size(), 105U + 372U);
        QCOMPARE(stored.substr(header.size(), 372), FrameLinkRecord(true, "Club news", "news.htm"));
    }

    void fileRecordLayout() {
        MemTable files(FileManagerFieldDefs());
        files.Open();
        files.Append();
        files.SetValue("FileName", std::string("images\\logo.gif"));
        files.SetValue("FileType", std::string("Image"));
        files.SetValue("FileStatus", 3);
        files.SetValue("FileDateTimeStamp", 0.0);  // 1899-12-30 00:00
        files.SetValue("FileSize", 70000);
        files.SetValue("Preserve", false);
        files.Post();
        std::string stored;
        files.SaveToStream(stored);
        QCOMPARE(stored.size(), 188U + 438U);
        const std::string r = stored.substr(Header(kFileLines).size() + 4, 438);
        QCOMPARE(r.substr(0, 16), std::string("images\\logo.gif\0", 16));
        QCOMPARE(r[256], '\1');
        QCOMPARE(r.substr(257, 6), std::string("Image\0", 6));
        QCOMPARE(r[288], '\1');
        QCOMPARE(r.substr(289, 5), Le32(3) + '\1');
        QCOMPARE(StoredDouble(r, 294), 59'926'521'600'000.0);
        QCOMPARE(r[302], '\1');
        QCOMPARE(r.substr(303, 5), Le32(70000) + '\1');
        // A null UploadDate: eight zero bytes and no value.
        QCOMPARE(r.substr(308, 9), std::string(9, '\0'));
        QCOMPARE(r.substr(317, 3), std::string("\0\0\1", 3));
        QCOMPARE(r.substr(320, 118), std::string(118, '\0'));  // Desc null, then the bookkeeping
    }

    void dateTimesRoundTripToTheMillisecond_data() {
        QTest::addColumn<double>("value");
        QTest::newRow("day zero") << 0.0;
        QTest::newRow("today with milliseconds") << EncodeDateTime({2026, 12, 11, 13, 45, 7, 123});
        QTest::newRow("last millisecond of a day") << EncodeDateTime({2024, 2, 29, 23, 59, 59, 999});
        QTest::newRow("before 1899") << EncodeDateTime({1850, 6, 1, 6, 0, 0, 1});
        QTest::newRow("year 1") << EncodeDateTime({1, 1, 1, 0, 0, 0, 0});
        QTest::newRow("year 9999") << EncodeDateTime({9999, 12, 31, 23, 59, 59, 999});
    }
    void dateTimesRoundTripToTheMillisecond() {
        QFETCH(double, value);
        MemTable files(FileManagerFieldDefs());
        files.Open();
        files.Append();
        files.SetValue("UploadDate", value);
        files.Post();
        std::string stored;
        files.SaveToStream(stored);
        MemTable again(FileManagerFieldDefs());
        again.LoadFromStream(stored);
        QCOMPARE(DecodeDateTime(again.AsDateTime("UploadDate")), DecodeDateTime(value));
        std::string twice;
        again.SaveToStream(twice);
        QCOMPARE(twice, stored);
    }

    void storedMilliseconds() {
        QCOMPARE(DateTimeToStoredMs(0.0), 59'926'521'600'000.0);
        QCOMPARE(DateTimeToStoredMs(1.5), 59'926'521'600'000.0 + 1.5 * 86'400'000.0);
        QCOMPARE(DateTimeToStoredMs(-1.25), 59'926'521'600'000.0 - 86'400'000.0 + 0.25 * 86'400'000.0);
        QCOMPARE(*StoredMsToDateTime(59'926'521'600'000.0 - 86'400'000.0 + 0.25 * 86'400'000.0), -1.25);
        QVERIFY(!StoredMsToDateTime(-1.0));
        QVERIFY(!StoredMsToDateTime(86'399'999.0));           // before 0001-01-01
        QVERIFY(!StoredMsToDateTime(315'537'984'000'000.0));  // 10000-01-01
        QVERIFY(!StoredMsToDateTime(std::numeric_limits<double>::quiet_NaN()));
    }

    void versionOneReadsCompleteRecordsUpToTheSeparator_data() {
        QTest::addColumn<int>("partial");
        QTest::newRow("no partial record") << 0;
        QTest::newRow("short partial record") << 5;
        // Partial record and separator together are longer than one record.
        QTest::newRow("long partial record") << 370;
    }
    void versionOneReadsCompleteRecordsUpToTheSeparator() {
        QFETCH(int, partial);
        std::string stored = Header(kFrameLinkLines, 1) + FrameLinkRecord(true, "a", "a.htm") +
                             FrameLinkRecord(false, "b", "b.htm") +
                             std::string(static_cast<std::size_t>(partial), 'x') + "\r[BLOB]\r";
        MemTable links(FrameLinksFieldDefs());
        links.LoadFromStream(stored);
        QVERIFY(links.Active());
        QCOMPARE(links.RecordCount(), 2U);
        QCOMPARE(links.CellAt(1, 2), TFieldValue(std::string("b")));
        QCOMPARE(links.CellAt(1, 0), TFieldValue(false));
        QVERIFY(std::holds_alternative<std::monostate>(links.CellAt(1, 1)));
    }

    void versionTwoTrustsTheDataOverTheCount() {
        // The count promises three rows; one and a half are there.
        const std::string stored =
            Header(kFrameLinkLines) + Le32(3) + FrameLinkRecord(true, "a", "a.htm") + std::string(100, 'x');
        MemTable links(FrameLinksFieldDefs());
        links.LoadFromStream(stored);
        QCOMPARE(links.RecordCount(), 1U);
        MemTable huge(FrameLinksFieldDefs());
        huge.LoadFromStream(Header(kFrameLinkLines) + Le32(0x7fffffff) + "\r[BLOB]\r");
        QCOMPARE(huge.RecordCount(), 0U);
    }

    void textAfterTheZeroByteIsNotRead() {
        const std::string stored =
            Header(kFrameLinkLines) + Le32(1) + FrameLinkRecord(true, "shown", "u", 'G') + "\r[BLOB]\r";
        MemTable links(FrameLinksFieldDefs());
        links.LoadFromStream(stored);
        QCOMPARE(links.AsString("Name"), std::string("shown"));
        std::string again;
        links.SaveToStream(again);
        QCOMPARE(again, Header(kFrameLinkLines) + Le32(1) + FrameLinkRecord(true, "shown", "u") + "\r[BLOB]\r");
    }

    void columnsAreMatchedByName() {
        // Another order, a column we do not know, and no InFrame column at all.
        std::string stored = Header({"URL;1;101;0", "Count;3;0;0", "Name;1;10;0", "Visible;5;0;0"});
        std::string r(103 + 5 + 12 + 3 + 16, '\0');
        std::memcpy(r.data(), "page.htm", 8);
        r[102] = 1;
        r[103] = 7;
        r[107] = 1;
        std::memcpy(r.data() + 108, "Page", 4);
        r[119] = 1;
        r[120] = 1;
        r[122] = 1;
        stored += Le32(1) + r + "\r[BLOB]\r";
        MemTable links(FrameLinksFieldDefs());
        links.LoadFromStream(stored);
        QCOMPARE(links.AsString("URL"), std::string("page.htm"));
        QCOMPARE(links.AsString("Name"), std::string("Page"));
        QCOMPARE(links.Value("Visible"), TFieldValue(true));
        QVERIFY(links.IsNull("InFrame"));
        QCOMPARE(links.AsInteger("Count"), 7);
        // The stored columns are kept as they were, the missing one follows them.
        QCOMPARE(links.FieldDefs().size(), 5U);
        QCOMPARE(links.FieldDefs()[0], (TFieldDef{"URL", TFieldType::String, 101, false}));
        QCOMPARE(links.FieldDefs()[4].name, std::string("InFrame"));
    }

    void unreadableTablesLeaveTheTableAlone_data() {
        QTest::addColumn<QByteArray>("fieldLine");
        QTest::newRow("unknown column type") << QByteArray("Visible;7;0;0");
        QTest::newRow("blob column") << QByteArray("Memo;15;0;0");
        QTest::newRow("string of no size") << QByteArray("Name;1;0;0");
        QTest::newRow("string of absurd size") << QByteArray("Name;1;2000000000;0");
        QTest::newRow("persistent field of another type") << QByteArray("Visible;3;0;0");
        // A name that could not be written back as it was read.
        QTest::newRow("field name with a line feed inside") << QByteArray("\n\nName;1;5;0");
        QTest::newRow("field name with a bracket") << QByteArray("[DATA]x;1;5;0");
    }
    void unreadableTablesLeaveTheTableAlone() {
        QFETCH(QByteArray, fieldLine);
        const std::string stored = Header({fieldLine.toStdString()}) + Le32(0) + "\r[BLOB]\r";
        MemTable links(FrameLinksFieldDefs());
        QVERIFY_THROWS_EXCEPTION(EBixError, links.LoadFromStream(stored));
        QVERIFY(!links.Active());
        QCOMPARE(links.FieldDefs(), FrameLinksFieldDefs());
        if (!fieldLine.startsWith("Visible;3")) {
            QVERIFY_THROWS_EXCEPTION(EBixError, MemTable::CheckStoredForm(stored));
        }
    }

    void indexNamesThatCannotBeWrittenBackAreRefused_data() {
        QTest::addColumn<QByteArray>("indexLine");
        QTest::newRow("bare name with a bracket") << QByteArray("[dATA]");
        QTest::newRow("name with a bracket") << QByteArray("[x;Name;0");
        QTest::newRow("field list with a control character") << QByteArray("ByName;Na\x01me;0");
    }
    void indexNamesThatCannotBeWrittenBackAreRefused() {
        QFETCH(QByteArray, indexLine);
        const std::string stored =
            "[INFO]\rVersion=2\r[FIELD]\rName;1;5;0\r[INDEX]\r" + indexLine.toStdString() + "\r[DATA]\r" + Le32(0);
        MemTable table({{"Name", TFieldType::String, 5, false}});
        QVERIFY_THROWS_EXCEPTION(EBixError, table.LoadFromStream(stored));
    }

    void loadingIntoAnOpenTableIsRefused() {
        MemTable links(FrameLinksFieldDefs());
        links.Open();
        try {
            links.LoadFromStream(Header(kFrameLinkLines) + Le32(0));
            QFAIL("no error");
        } catch (const EBixError& e) {
            QCOMPARE(std::string(e.what()), std::string("Cannot perform this operation on an open dataset"));
        }
    }

    void headerLinesMayCarryLineFeeds() {
        std::string stored = "[INFO]\r\nVersion=2;x\r\n[FIELD]\r\nName;1;20;0\r\n[INDEX]\r\nByName;Name;1\r\n[DATA]\r";
        stored += Le32(0) + "\r[BLOB]\r";
        MemTable table({{"Name", TFieldType::String, 20, false}});
        table.LoadFromStream(stored);
        QCOMPARE(table.IndexDefs(), (std::vector<TIndexDef>{{"ByName", "Name", 1}}));
        std::string again;
        table.SaveToStream(again);
        QCOMPARE(again, std::string("[INFO]\rVersion=2\r[FIELD]\rName;1;20;0\r[INDEX]\rByName;Name;1\r[DATA]\r") +
                            Le32(0) + "\r[BLOB]\r");
    }
};

QTEST_APPLESS_MAIN(TestStoredTable)
#include "tst_StoredTable.moc"
