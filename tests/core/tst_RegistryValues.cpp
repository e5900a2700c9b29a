#include "core/common/Errors.h"
#include "core/common/RegistryValues.h"
#include "support/FakeRegistry.h"

#include <QtTest>

using namespace bix;
using namespace bix::test;

Q_DECLARE_METATYPE(bix::TRegValueKind)
Q_DECLARE_METATYPE(bix::RegVariant)

namespace {
const std::string kKey = "\\Software\\RVK\\bixWebsite\\";
constexpr auto HKCU = RegistryRoot::CurrentUser;
}  // namespace

class TestRegistryValues final : public QObject {
    Q_OBJECT

private slots:
    void readingAMissingKeyGivesTheDefault_data() {
        QTest::addColumn<TRegValueKind>("kind");
        QTest::addColumn<RegVariant>("fallback");
        QTest::newRow("boolean") << TRegValueKind::Boolean << RegVariant(true);
        QTest::newRow("string") << TRegValueKind::String << RegVariant("fallback");
        QTest::newRow("integer") << TRegValueKind::Integer << RegVariant(7);
    }
    void readingAMissingKeyGivesTheDefault() {
        QFETCH(TRegValueKind, kind);
        QFETCH(RegVariant, fallback);
        FakeRegistry registry;
        QCOMPARE(ReadRegistryValue(registry, kind, HKCU, kKey, "CleanFirst", fallback), fallback);
    }

    void missingValuesOfAnExistingKey_data() {
        QTest::addColumn<TRegValueKind>("kind");
        QTest::addColumn<RegVariant>("expected");
        // A missing text reads as the empty text, not as the default.
        QTest::newRow("string reads empty") << TRegValueKind::String << RegVariant("");
        QTest::newRow("boolean gives default") << TRegValueKind::Boolean << RegVariant("default");
        QTest::newRow("date gives default") << TRegValueKind::Date << RegVariant("default");
    }
    void missingValuesOfAnExistingKey() {
        QFETCH(TRegValueKind, kind);
        QFETCH(RegVariant, expected);
        FakeRegistry registry;
        registry.AddKey(HKCU, kKey);
        QCOMPARE(ReadRegistryValue(registry, kind, HKCU, kKey, "OpenPath", "default"), expected);
    }

    void roundTrip_data() {
        QTest::addColumn<TRegValueKind>("kind");
        QTest::addColumn<RegVariant>("written");
        QTest::addColumn<RegVariant>("read");
        QTest::newRow("string") << TRegValueKind::String << RegVariant("C:\\Web\\") << RegVariant("C:\\Web\\");
        QTest::newRow("integer") << TRegValueKind::Integer << RegVariant(-42) << RegVariant(-42);
        QTest::newRow("integer from text") << TRegValueKind::Integer << RegVariant("17") << RegVariant(17);
        QTest::newRow("boolean true") << TRegValueKind::Boolean << RegVariant(true) << RegVariant(true);
        QTest::newRow("boolean false") << TRegValueKind::Boolean << RegVariant(false) << RegVariant(false);
        QTest::newRow("date-time") << TRegValueKind::DateTime << RegVariant(45123.75) << RegVariant(45123.75);
        QTest::newRow("float") << TRegValueKind::Float << RegVariant(0.1) << RegVariant(0.1);
        QTest::newRow("date") << TRegValueKind::Date << RegVariant(45123.0) << RegVariant(45123.0);
        QTest::newRow("time") << TRegValueKind::Time << RegVariant(0.25) << RegVariant(0.25);
        QTest::newRow("currency, four decimals")
            << TRegValueKind::Currency << RegVariant(12.345678) << RegVariant(12.3457);
        QTest::newRow("number as text") << TRegValueKind::String << RegVariant(5) << RegVariant("5");
    }
    void roundTrip() {
        QFETCH(TRegValueKind, kind);
        QFETCH(RegVariant, written);
        QFETCH(RegVariant, read);
        FakeRegistry registry;
        WriteRegistryValue(registry, kind, HKCU, kKey, "Value", written);
        QVERIFY(registry.KeyExists(HKCU, kKey));
        QCOMPARE(ReadRegistryValue(registry, kind, HKCU, kKey, "Value", RegVariant()), read);
    }

    void booleansAreStoredAsZeroAndOne() {
        FakeRegistry registry;
        WriteRegistryValue(registry, TRegValueKind::Boolean, HKCU, kKey, "Preview", true);
        QCOMPARE(registry.ReadValue(HKCU, kKey, "Preview"), std::optional<RegistryData>(std::int64_t{1}));
        WriteRegistryValue(registry, TRegValueKind::Boolean, HKCU, kKey, "Preview", false);
        QCOMPARE(registry.ReadValue(HKCU, kKey, "Preview"), std::optional<RegistryData>(std::int64_t{0}));
    }

    void valuesOfTheWrongTypeGiveTheDefault_data() {
        QTest::addColumn<TRegValueKind>("kind");
        QTest::addColumn<QString>("stored");
        QTest::newRow("integer from words") << TRegValueKind::Integer << "many";
        QTest::newRow("boolean from words") << TRegValueKind::Boolean << "yes please";
        QTest::newRow("date from words") << TRegValueKind::Date << "today";
        QTest::newRow("integer with trailing text") << TRegValueKind::Integer << "12abc";
    }
    void valuesOfTheWrongTypeGiveTheDefault() {
        QFETCH(TRegValueKind, kind);
        QFETCH(QString, stored);
        FakeRegistry registry;
        registry.WriteValue(HKCU, kKey, "Value", stored.toStdString());
        QCOMPARE(ReadRegistryValue(registry, kind, HKCU, kKey, "Value", 99), RegVariant(99));
    }

    void aStringKindReadsNumbersOnlyWhenStoredAsText() {
        FakeRegistry registry;
        registry.WriteValue(HKCU, kKey, "Count", std::int64_t{3});
        QCOMPARE(ReadRegistryValue(registry, TRegValueKind::String, HKCU, kKey, "Count", "d"), RegVariant("d"));
    }

    void writingToAKeyThatCannotBeOpenedWritesNothing() {
        FakeRegistry registry;
        registry.readOnlyKeys.insert("software\\rvk\\bixwebsite");
        WriteRegistryValue(registry, TRegValueKind::String, HKCU, kKey, "OpenPath", "x");
        QCOMPARE(registry.writes, 0);
        QVERIFY(!registry.KeyExists(HKCU, kKey));
    }

    void writingAValueThatDoesNotConvertRaises() {
        FakeRegistry registry;
        QVERIFY_THROWS_EXCEPTION(EBixError,
                                 WriteRegistryValue(registry, TRegValueKind::Integer, HKCU, kKey, "N", "abc"));
        QVERIFY_THROWS_EXCEPTION(EBixError,
                                 WriteRegistryValue(registry, TRegValueKind::String, HKCU, kKey, "N", RegVariant()));
        QCOMPARE(registry.writes, 0);
    }
};

QTEST_APPLESS_MAIN(TestRegistryValues)
#include "tst_RegistryValues.moc"
