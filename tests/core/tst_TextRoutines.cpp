#include "core/common/Paths.h"
#include "core/common/TextRoutines.h"

#include <QtTest>

using namespace bix;

namespace {
const std::string D(1, PathDelim);
QByteArray Q(const std::string& s) {
    return QByteArray::fromStdString(s);
}
}  // namespace

class TestTextRoutines final : public QObject {
    Q_OBJECT

private slots:
    void trailingSeparator_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("added");
        QTest::addColumn<QByteArray>("removed");
        QTest::newRow("empty stays empty") << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("folder without") << Q("web") << Q("web" + D) << Q("web");
        QTest::newRow("folder with") << Q("web" + D) << Q("web" + D) << Q("web");
        QTest::newRow("only one removed") << Q("web" + D + D) << Q("web" + D + D) << Q("web" + D);
        QTest::newRow("root") << Q(D) << Q(D) << QByteArray();
    }
    void trailingSeparator() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, added);
        QFETCH(QByteArray, removed);
        QCOMPARE(Q(AddTrailingBackslash(text.toStdString())), added);
        QCOMPARE(Q(RemoveTrailingBackslash(text.toStdString())), removed);
    }

    void replaceAll_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("search");
        QTest::addColumn<QByteArray>("replacement");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("every occurrence")
            << QByteArray("a-b-c") << QByteArray("-") << QByteArray("+") << QByteArray("a+b+c");
        QTest::newRow("inserted text not searched again")
            << QByteArray("aa") << QByteArray("a") << QByteArray("aa") << QByteArray("aaaa");
        QTest::newRow("left to right, no overlap")
            << QByteArray("aaa") << QByteArray("aa") << QByteArray("b") << QByteArray("ba");
        QTest::newRow("empty search changes nothing")
            << QByteArray("abc") << QByteArray() << QByteArray("x") << QByteArray("abc");
        QTest::newRow("case matters") << QByteArray("Src src") << QByteArray("src") << QByteArray("SRC")
                                      << QByteArray("Src SRC");
        QTest::newRow("removal") << QByteArray("file:///c:/a") << QByteArray("file:///") << QByteArray()
                                 << QByteArray("c:/a");
        QTest::newRow("bytes above 127 pass")
            << QByteArray("caf\xe9 caf\xe9") << QByteArray("\xe9") << QByteArray("e") << QByteArray("cafe cafe");
    }
    void replaceAll() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, search);
        QFETCH(QByteArray, replacement);
        QFETCH(QByteArray, expected);
        QCOMPARE(Q(ReplaceAll(text.toStdString(), search.toStdString(), replacement.toStdString())), expected);
    }

    void replaceCharTurnsKeywordLinesIntoCommas() {
        QCOMPARE(ReplaceChar("\r", ',', "one\rtwo\rthree"), std::string("one,two,three"));
        QCOMPARE(ReplaceChar("", ',', "one\rtwo"), std::string("one\rtwo"));
    }

    void formatThousands_data() {
        QTest::addColumn<qlonglong>("value");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("zero") << 0LL << QByteArray("0");
        QTest::newRow("three digits") << 999LL << QByteArray("999");
        QTest::newRow("four digits") << 1000LL << QByteArray("1.000");
        QTest::newRow("seven digits, two separators") << 1234567LL << QByteArray("1.234.567");
        QTest::newRow("negative") << -1234567LL << QByteArray("-1.234.567");
        QTest::newRow("negative short") << -100LL << QByteArray("-100");
        QTest::newRow("smallest") << std::numeric_limits<qlonglong>::min() << QByteArray("-9.223.372.036.854.775.808");
    }
    void formatThousands() {
        QFETCH(qlonglong, value);
        QFETCH(QByteArray, expected);
        QCOMPARE(Q(FormatThousands(value, '.')), expected);
    }

    void formatThousandsUsesTheUsersSeparator() {
        // The tests run in the C locale, which has no grouping of its own: the usual comma stands in.
        const char sep = UserThousandSeparator();
        QCOMPARE(FormatThousands(1234567), "1" + std::string(1, sep) + "234" + std::string(1, sep) + "567");
    }

    void unescapeAngleBrackets() {
        QCOMPARE(UnescapeAngleBrackets("&lt;b&gt;bold&lt;/b&gt; &LT;kept&GT;"),
                 std::string("<b>bold</b> &LT;kept&GT;"));
        QCOMPARE(UnescapeAngleBrackets("&amp;lt;"), std::string("&amp;lt;"));
    }

    void lists_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("index");
        QTest::newRow("case ignored") << QByteArray(".GIF") << 1;
        QTest::newRow("first of two equal") << QByteArray(".jpg") << 0;
        QTest::newRow("missing") << QByteArray(".png") << -1;
        QTest::newRow("empty text") << QByteArray() << -1;
    }
    void lists() {
        QFETCH(QByteArray, text);
        QFETCH(int, index);
        const std::vector<std::string> list = {".jpg", ".gif", ".JPG"};
        QCOMPARE(IndexInList(text.toStdString(), list), index);
        QCOMPARE(IsInList(text.toStdString(), list), index >= 0);
    }

    void trimRemovesControlCharactersAndBlanks() {
        QCOMPARE(Trim(std::string("\t\r\n x y \x01\x1f ")), std::string("x y"));
        QCOMPARE(Trim(std::string(" \t ")), std::string());
        QCOMPARE(Trim(std::string("\xa0x\xa0")), std::string("\xa0x\xa0"));
    }

    void splitLines_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("joined");
        QTest::newRow("crlf") << QByteArray("a\r\nb") << QByteArray("a\r\nb\r\n");
        QTest::newRow("lf") << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("lone cr") << QByteArray("a\rb") << QByteArray("a\r\nb\r\n");
        QTest::newRow("empty lines kept") << QByteArray("a\n\nb") << QByteArray("a\r\n\r\nb\r\n");
        QTest::newRow("lf cr is two breaks") << QByteArray("a\n\rb") << QByteArray("a\r\n\r\nb\r\n");
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }
    void splitLines() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, joined);
        QCOMPARE(Q(JoinLinesCRLF(SplitLines(text.toStdString()))), joined);
    }
};

QTEST_APPLESS_MAIN(TestTextRoutines)
#include "tst_TextRoutines.moc"
