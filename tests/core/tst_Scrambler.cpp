#include "core/document/uBixEncrypt.h"
#include "support/FakeShell.h"

#include <QtTest>

using namespace bix;
using namespace bix::test;

class TestScrambler final : public QObject {
    Q_OBJECT

private:
    static std::string Run(TbixEncrypt& encrypt, TMode mode, const std::string& input) {
        encrypt.Mode = mode;
        encrypt.Registration = input;
        return encrypt.Execute();
    }

private slots:
    void knownTexts_data() {
        // Worked out by hand from the key rule (start 517, multiplier 38, addend 8042) for both prefixes.
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<uint>("padding");
        QTest::addColumn<QByteArray>("scrambled");
        QTest::newRow("secret, prefix 20") << QByteArray("secret") << 0U << QByteArray("0300430350E80510D2065048");
        QTest::newRow("secret, prefix 21") << QByteArray("secret") << 1U << QByteArray("0300420360E2003005089026");
        QTest::newRow("code-page letter") << QByteArray("p\xe4ss") << 0U << QByteArray("0300430360690560D9");
        QTest::newRow("code-page letter, 21") << QByteArray("p\xe4ss") << 1U << QByteArray("03004203506303B0AE");
    }
    void knownTexts() {
        QFETCH(QByteArray, password);
        QFETCH(uint, padding);
        QFETCH(QByteArray, scrambled);
        FakeClock clock;
        clock.numbers = {padding};
        TbixEncrypt encrypt(clock);
        QCOMPARE(QByteArray::fromStdString(Run(encrypt, TMode::mdEncrypt, password.toStdString())), scrambled);
        QCOMPARE(clock.randomizes, 1);
        QCOMPARE(QByteArray::fromStdString(Run(encrypt, TMode::mdDecrypt, scrambled.toStdString())), password);
    }

    void samePasswordTwiceCanDifferAndBothUnscramble() {
        FakeClock clock;
        clock.numbers = {0, 1};
        TbixEncrypt encrypt(clock);
        const std::string first = Run(encrypt, TMode::mdEncrypt, "hunter2");
        const std::string second = Run(encrypt, TMode::mdEncrypt, "hunter2");
        QVERIFY(first != second);
        QCOMPARE(Run(encrypt, TMode::mdDecrypt, first), std::string("hunter2"));
        QCOMPARE(Run(encrypt, TMode::mdDecrypt, second), std::string("hunter2"));
    }

    void everyByteRoundTripsWithTheRealShape() {
        FakeClock clock;
        clock.numbers = {1, 0, 1};
        TbixEncrypt encrypt(clock);
        std::string all;
        for (int b = 1; b < 256; ++b) {
            all += static_cast<char>(b);
        }
        for (const std::string& password : {std::string("x"), all, std::string(253, '\xff')}) {
            const std::string scrambled = Run(encrypt, TMode::mdEncrypt, password);
            QCOMPARE(scrambled.size() % 3, 0U);
            QVERIFY(scrambled.size() >= 9);
            for (std::size_t i = 0; i < scrambled.size(); i += 3) {
                QCOMPARE(scrambled[i], '0');
            }
            QCOMPARE(Run(encrypt, TMode::mdDecrypt, scrambled), password);
        }
    }

    void hexGroups() {
        QCOMPARE(TbixEncrypt::TextToHex("abc"), std::string("061062063"));
        QCOMPARE(TbixEncrypt::HexToText("061062063"), std::string("abc"));
        QCOMPARE(TbixEncrypt::TextToHex(std::string("\0\xff", 2)), std::string("0000FF"));
        // The low eight bits of a group, and lower-case digits.
        QCOMPARE(TbixEncrypt::HexToText("1ff0ff"), std::string("\xff\xff"));
        // A group starting on the last character is not read; one starting before it may be short.
        QCOMPARE(TbixEncrypt::HexToText("0610"), std::string("a"));
        QCOMPARE(TbixEncrypt::HexToText("06106"), std::string("a\x06"));
    }

    void badInputGivesAnEmptyResult_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not hexadecimal") << QByteArray("06G062063");
        QTest::newRow("blank in a group") << QByteArray("06 062063");
        QTest::newRow("single character") << QByteArray("0");
        // Unscrambles to a first character that is no digit.
        QTest::newRow("no digit first") << QByteArray("000000000");
    }
    void badInputGivesAnEmptyResult() {
        QFETCH(QByteArray, input);
        FakeClock clock;
        TbixEncrypt encrypt(clock);
        QCOMPARE(Run(encrypt, TMode::mdDecrypt, input.toStdString()), std::string());
    }

    void emptyPasswordIsNotScrambled() {
        FakeClock clock;
        TbixEncrypt encrypt(clock);
        QCOMPARE(Run(encrypt, TMode::mdEncrypt, ""), std::string());
        QCOMPARE(clock.randomizes, 0);
    }

    void unscrambleUndoesScrambleForAnyKeys_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("mult");
        QTest::addColumn<int>("add");
        QTest::newRow("program keys") << 517 << 38 << 8042;
        QTest::newRow("keys beyond 16 bits") << 70000 << -3 << 123456;
        QTest::newRow("zero keys") << 0 << 0 << 0;
    }
    void unscrambleUndoesScrambleForAnyKeys() {
        QFETCH(int, start);
        QFETCH(int, mult);
        QFETCH(int, add);
        const std::string text = "The quick brown fox \x80\x99\xfe";
        const std::string scrambled = TbixEncrypt::ScrambleText(text, start, mult, add);
        QCOMPARE(TbixEncrypt::UnscrambleText(scrambled, start, mult, add), text);
    }
};

QTEST_APPLESS_MAIN(TestScrambler)
#include "tst_Scrambler.moc"
