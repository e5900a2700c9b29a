#include "core/common/DateTime.h"
#include "core/common/Errors.h"
#include "core/common/FileIO.h"
#include "core/common/Paths.h"
#include "support/TestFiles.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

using namespace bix;
using namespace bix::test;
namespace fs = std::filesystem;

Q_DECLARE_METATYPE(bix::DateTimeParts)

class TestDateTimeAndPaths final : public QObject {
    Q_OBJECT

private slots:
    void encodeDecode_data() {
        QTest::addColumn<DateTimeParts>("parts");
        QTest::addColumn<double>("value");
        QTest::newRow("day zero") << DateTimeParts{1899, 12, 30, 0, 0, 0, 0} << 0.0;
        QTest::newRow("noon of day one") << DateTimeParts{1899, 12, 31, 12, 0, 0, 0} << 1.5;
        QTest::newRow("1900-03-01") << DateTimeParts{1900, 3, 1, 0, 0, 0, 0} << 61.0;
        QTest::newRow("2000-01-01 06:00") << DateTimeParts{2000, 1, 1, 6, 0, 0, 0} << 36526.25;
        QTest::newRow("leap day") << DateTimeParts{2024, 2, 29, 18, 0, 0, 0} << 45351.75;
        QTest::newRow("before day zero counts the time forward") << DateTimeParts{1899, 12, 29, 6, 0, 0, 0} << -1.25;
        QTest::newRow("milliseconds") << DateTimeParts{2026, 12, 11, 23, 59, 59, 999}
                                      << 46367.0 + (86399999.0 / 86400000.0);
    }
    void encodeDecode() {
        QFETCH(DateTimeParts, parts);
        QFETCH(double, value);
        QCOMPARE(EncodeDateTime(parts), value);
        QCOMPARE(DecodeDateTime(value), parts);
    }

    void invalidPartsAreRefused_data() {
        QTest::addColumn<DateTimeParts>("parts");
        QTest::newRow("february 29 of a common year") << DateTimeParts{2023, 2, 29, 0, 0, 0, 0};
        QTest::newRow("february 29 of 1900") << DateTimeParts{1900, 2, 29, 0, 0, 0, 0};
        QTest::newRow("month 13") << DateTimeParts{2023, 13, 1, 0, 0, 0, 0};
        QTest::newRow("hour 24") << DateTimeParts{2023, 1, 1, 24, 0, 0, 0};
        QTest::newRow("year 0") << DateTimeParts{0, 1, 1, 0, 0, 0, 0};
    }
    void invalidPartsAreRefused() {
        QFETCH(DateTimeParts, parts);
        QVERIFY(!IsValidDateTime(parts));
        QVERIFY_THROWS_EXCEPTION(EBixError, EncodeDateTime(parts));
    }

    void localTimeAgreesWithQt() {
        // Qt's own local-time conversion is the reference for what the user sees on the clock.
        for (const qint64 secs : {0LL, 951782400LL, 1719835200LL, 1798761599LL}) {
            const QDateTime qt = QDateTime::fromSecsSinceEpoch(secs);
            const DateTimeParts parts = DecodeDateTime(DateTimeFromTimeT(static_cast<std::time_t>(secs)));
            QCOMPARE(parts, (DateTimeParts{qt.date().year(), qt.date().month(), qt.date().day(), qt.time().hour(),
                                           qt.time().minute(), qt.time().second(), 0}));
            QCOMPARE(DateTimeToTimeT(DateTimeFromTimeT(static_cast<std::time_t>(secs))), static_cast<time_t>(secs));
        }
    }

    void fileDateTimeIsTheModificationTime() {
        QTemporaryDir dir;
        const std::string file = FolderOf(dir.path()) + "a.htm";
        WriteBytes(file, "x");
        fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(48));
        const auto stamp = FileDateTime(file);
        QVERIFY(stamp.has_value());
        QVERIFY(std::abs(NowDateTime() - 2.0 - *stamp) < 1.0 / 86400.0 * 5);
        QVERIFY(!FileDateTime(FolderOf(dir.path()) + "missing").has_value());
    }

    void storedNames_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain") << QByteArray("index.htm") << true;
        QTest::newRow("in a folder") << QByteArray("images\\logo.gif") << true;
        QTest::newRow("deep") << QByteArray("a\\b\\c.htm") << true;
        QTest::newRow("dots inside a name") << QByteArray("a..b.htm") << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("parent") << QByteArray("..\\secret.txt") << false;
        QTest::newRow("parent inside") << QByteArray("images\\..\\..\\x") << false;
        QTest::newRow("parent with slashes") << QByteArray("images/../../x") << false;
        QTest::newRow("current folder") << QByteArray(".\\x") << false;
        QTest::newRow("absolute backslash") << QByteArray("\\etc\\passwd") << false;
        QTest::newRow("absolute slash") << QByteArray("/etc/passwd") << false;
        QTest::newRow("drive letter") << QByteArray("C:\\Windows\\x") << false;
        QTest::newRow("drive relative") << QByteArray("C:x") << false;
        QTest::newRow("empty folder name") << QByteArray("a\\\\b") << false;
        QTest::newRow("trailing separator") << QByteArray("a\\") << false;
    }
    void storedNames() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, safe);
        QCOMPARE(IsSafeStoredName(stored.toStdString()), safe);
        const auto joined = JoinStoredName(std::string("/site") + PathDelim, stored.toStdString());
        QCOMPARE(joined.has_value(), safe);
        if (safe) {
            std::string expected = stored.toStdString();
            std::replace(expected.begin(), expected.end(), '\\', PathDelim);
            QCOMPARE(*joined, std::string("/site") + PathDelim + expected);
            QCOMPARE(LocalNameToStored(*StoredNameToLocal(stored.toStdString())), stored.toStdString());
        }
    }

    void fileNameParts_data() {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("ext");
        QTest::newRow("backslashes") << QByteArray("C:\\pics\\car.JPG") << QByteArray("car.JPG") << QByteArray(".JPG");
        QTest::newRow("slashes") << QByteArray("/home/me/a.b.gif") << QByteArray("a.b.gif") << QByteArray(".gif");
        QTest::newRow("drive only") << QByteArray("C:car.jpg") << QByteArray("car.jpg") << QByteArray(".jpg");
        QTest::newRow("dot in a folder name") << QByteArray("a.d/name") << QByteArray("name") << QByteArray();
    }
    void fileNameParts() {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, ext);
        QCOMPARE(QByteArray::fromStdString(ExtractFileName(path.toStdString())), name);
        QCOMPARE(QByteArray::fromStdString(ExtractFileExt(path.toStdString())), ext);
    }

    void atomicWriteReplacesAndLeavesNoTemporaryFile() {
        QTemporaryDir dir;
        const std::string file = FolderOf(dir.path()) + "site.mcs";
        WriteBytes(file, "old");
        const std::string bytes("new\0bytes\r\n", 11);
        WriteFileAtomic(file, bytes);
        QCOMPARE(ReadFileBytes(file), bytes);
        QCOMPARE(std::distance(fs::directory_iterator(dir.path().toStdString()), fs::directory_iterator()), 1);
    }

    void atomicWriteIntoAMissingFolderFailsCleanly() {
        QTemporaryDir dir;
        const std::string file = FolderOf(dir.path()) + "no" + PathDelim + "site.mcs";
        QVERIFY_THROWS_EXCEPTION(EInOutError, WriteFileAtomic(file, "x"));
        QVERIFY_THROWS_EXCEPTION(EInOutError, ReadFileBytes(file));
        QVERIFY_THROWS_EXCEPTION(EInOutError, ReadFileBytes(FolderOf(dir.path())));
    }
};

QTEST_APPLESS_MAIN(TestDateTimeAndPaths)
#include "tst_DateTimeAndPaths.moc"
