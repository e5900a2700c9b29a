#include "core/common/RegistryValues.h"
#include "platform/QSettingsRegistry.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace bix;

namespace {
const std::string kMain = "\\Software\\RVK\\bixWebsite\\";
const std::string kEditors = "\\Software\\RVK\\bixWebsite\\HTML Editor\\Editors";
constexpr auto HKCU = RegistryRoot::CurrentUser;
}  // namespace

// Runs against real QSettings files in a temporary folder, never the user's own settings.
class TestQSettingsRegistry final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path() + "/user");
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, m_dir.path() + "/system");
    }

    void nothingExistsBeforeTheFirstWrite() {
        QSettingsRegistry registry;
        QVERIFY(!registry.KeyExists(HKCU, kMain));
        QVERIFY(!registry.KeyExists(HKCU, kEditors));
        QCOMPARE(ReadRegistryValue(registry, TRegValueKind::Boolean, HKCU, kMain, "CleanFirst", true),
                 RegVariant(true));
        QCOMPARE(ReadRegistryValue(registry, TRegValueKind::String, HKCU, kMain, "OpenPath", "d"), RegVariant("d"));
    }

    void valuesSurviveANewStore() {
        {
            QSettingsRegistry registry;
            WriteRegistryValue(registry, TRegValueKind::Boolean, HKCU, kMain, "CleanFirst", false);
            WriteRegistryValue(registry, TRegValueKind::String, HKCU, kMain, "OpenPath", "/home/me/My Site/");
            WriteRegistryValue(registry, TRegValueKind::Integer, HKCU, kMain, "Preview", 1);
            WriteRegistryValue(registry, TRegValueKind::DateTime, HKCU, kMain, "When", 46367.5);
            WriteRegistryValue(registry, TRegValueKind::String, HKCU, kEditors, "Kate", "/usr/bin/kate");
            WriteRegistryValue(registry, TRegValueKind::String, HKCU, kEditors, "My/Odd\\Name", "/opt/odd");
        }
        // A second object reads what the first wrote, through the file.
        QSettingsRegistry registry;
        QVERIFY(registry.KeyExists(HKCU, kMain));
        QVERIFY(registry.KeyExists(HKCU, "Software\\RVK\\bixWebsite\\HTML Editor"));
        QCOMPARE(ReadRegistryValue(registry, TRegValueKind::Boolean, HKCU, kMain, "CleanFirst", true),
                 RegVariant(false));
        QCOMPARE(ReadRegistryValue(registry, TRegValueKind::String, HKCU, kMain, "OpenPath", ""),
                 RegVariant("/home/me/My Site/"));
        QCOMPARE(ReadRegistryValue(registry, TRegValueKind::Integer, HKCU, kMain, "Preview", 0), RegVariant(1));
        QCOMPARE(ReadRegistryValue(registry, TRegValueKind::DateTime, HKCU, kMain, "When", 0.0), RegVariant(46367.5));
        // A missing text value under an existing key reads as the empty text.
        QCOMPARE(ReadRegistryValue(registry, TRegValueKind::String, HKCU, kMain, "Nothing", "d"), RegVariant(""));

        std::vector<std::string> names = registry.ValueNames(HKCU, kEditors);
        std::sort(names.begin(), names.end());
        QCOMPARE(names, (std::vector<std::string>{"Kate", "My/Odd\\Name"}));
        QCOMPARE(ReadRegistryValue(registry, TRegValueKind::String, HKCU, kEditors, "My/Odd\\Name", ""),
                 RegVariant("/opt/odd"));
        // Values of a sub-key are not values of its parent.
        const auto mainNames = registry.ValueNames(HKCU, kMain);
        QVERIFY(std::find(mainNames.begin(), mainNames.end(), "Kate") == mainNames.end());
    }

    void deleteValue() {
        QSettingsRegistry registry;
        QVERIFY(registry.WriteValue(HKCU, kEditors, "Gone", std::string("x")));
        QVERIFY(registry.DeleteValue(HKCU, kEditors, "Gone"));
        QVERIFY(!registry.DeleteValue(HKCU, kEditors, "Gone"));
        QVERIFY(!registry.ReadValue(HKCU, kEditors, "Gone").has_value());
    }

    void keysWithoutAPlaceHereAreMissing() {
        QSettingsRegistry registry;
#ifndef Q_OS_WIN
        QVERIFY(!registry.WriteValue(RegistryRoot::ClassesRoot, ".htm", "", std::string("x")));
        QVERIFY(!registry.KeyExists(RegistryRoot::ClassesRoot, ".htm"));
        QVERIFY(!registry.WriteValue(HKCU, "Environment", "X", std::string("x")));
        QCOMPARE(ReadRegistryValue(registry, TRegValueKind::String, RegistryRoot::LocalMachine,
                                   "\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\kate.exe", "", "none"),
                 RegVariant("none"));
#endif
    }

    void codePageTextRoundTrips() {
        QSettingsRegistry registry;
        const std::string path = QString("/home/m\u00fcller/").toLocal8Bit().toStdString();
        WriteRegistryValue(registry, TRegValueKind::String, HKCU, kMain, "OpenPath", path);
        QSettingsRegistry second;
        QCOMPARE(ReadRegistryValue(second, TRegValueKind::String, HKCU, kMain, "OpenPath", ""), RegVariant(path));
    }
};

QTEST_GUILESS_MAIN(TestQSettingsRegistry)
#include "tst_QSettingsRegistry.moc"
