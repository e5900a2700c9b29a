// Runs the built bixwebsite-cli as a process, with its own home folder and settings.
#include "core/document/MemTable.h"
#include "core/document/WebsiteTables.h"
#include "core/document/ubixWebsiteClass.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

using namespace bix;
using namespace bix::test;
namespace fs = std::filesystem;

namespace {

struct Result final {
    int code = -1;
    QString out;
    QString err;
};

}  // namespace

class TestCli final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_site;     // a copy of the demo website, with a separator
    std::string m_project;  // its project file

    Result Run(const QStringList& args) const {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("BIXWEBSITE_HOME", QStringLiteral(BIX_SOURCE_DIR "/data"));
        env.insert("HOME", m_dir->path() + "/home");
        env.insert("XDG_CONFIG_HOME", m_dir->path() + "/config");
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(BIX_CLI), args);
        if (!process.waitForFinished(60000)) {
            return {};
        }
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }
    void Change(const std::function<void(TWebSite&)>& change) const {
        TWebSite site;
        site.LoadFromFile(m_project);
        change(site);
        site.SaveToFile(m_project);
    }
    // The saved file list as "name=status" lines.
    QStringList SavedFiles() const {
        TWebSite site;
        site.LoadFromFile(m_project);
        MemTable files(FileManagerFieldDefs());
        files.LoadFromStream(site.FileManager);
        QStringList rows;
        for (files.First(); !files.Eof(); files.Next()) {
            rows << QString::fromStdString(files.AsString("FileName")) + "=" +
                        QString::number(files.AsInteger("FileStatus"));
        }
        return rows;
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_site = FolderOf(m_dir->path() + "/Riverside Bakery");
        fs::copy(fs::path(BIX_SOURCE_DIR "/data/demo"), fs::path(m_site), fs::copy_options::recursive);
        m_project = m_site + "demo.mcs";
    }

    void usage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("stdoutHas");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "build PROJECT [--clean|--no-clean]";
        QTest::newRow("help of a command") << QStringList{"build", "--help"} << 0 << "usage: bixwebsite-cli build";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "bixwebsite-cli 0.1.0";
        QTest::newRow("no command") << QStringList{} << 2 << "";
        QTest::newRow("unknown command") << QStringList{"publish"} << 2 << "";
        QTest::newRow("build without a project") << QStringList{"build"} << 2 << "";
        QTest::newRow("unknown option") << QStringList{"build", "x.mcs", "--fast"} << 2 << "";
    }
    void usage() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, stdoutHas);
        const Result r = Run(args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.out.contains(stdoutHas), qPrintable(r.out));
        if (code == 2) {
            QVERIFY(r.err.contains("Try 'bixwebsite-cli --help'."));
        }
    }

    void themesAreListed() {
        const Result r = Run({"themes"});
        QCOMPARE(r.code, 0);
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QString("1\tbixWebsite Theme 1\t" BIX_SOURCE_DIR "/data/themes/1"));
    }

    void buildMakesTheSiteAndSavesTheFileList() {
        const Result r = Run({"build", QString::fromStdString(m_project)});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
        const std::string build = m_site + "Built Website/";
        QCOMPARE(r.out.trimmed(), QString::fromStdString(build));
        QVERIFY(ReadBytes(build + "index.htm").find("<title>Riverside Bakery</title>") != std::string::npos);
        TWebSite site;
        site.LoadFromFile(m_project);
        QCOMPARE(site.BuiltWebSitePath, build);
        const QStringList files = SavedFiles();
        QVERIFY(files.contains("index.htm=3"));
        QVERIFY(files.contains("images\\loaf.svg=3"));
        QVERIFY(files.contains("news.htm=3"));
    }

    void cleanFirstFollowsTheSettingUnlessTold() {
        const std::string build = m_site + "Built Website/";
        WriteBytes(build + "stale.htm", "old");
        QDir().mkpath(m_dir->path() + "/config/RVK");
        WriteBytes((m_dir->path() + "/config/RVK/bixWebsite.conf").toStdString(), "[General]\nCleanFirst=0\n");
        QCOMPARE(Run({"build", QString::fromStdString(m_project)}).code, 0);
        QVERIFY(fs::exists(build + "stale.htm"));
        QCOMPARE(Run({"build", QString::fromStdString(m_project), "--clean"}).code, 0);
        QVERIFY(!fs::exists(build + "stale.htm"));
        // Gone from disk: marked for removal on the server.
        QVERIFY(SavedFiles().contains("stale.htm=1"));
    }

    void aThemeThatIsNotInstalledStopsTheBuild() {
        Change([](TWebSite& site) { site.CurrentTheme = "bixWebsite Theme 77"; });
        const std::string before = ReadBytes(m_project);
        const Result r = Run({"build", QString::fromStdString(m_project)});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err, QString("warning: A theme has to be selected first. Discontinuing build.\n"));
        QCOMPARE(ReadBytes(m_project), before);
    }

    void aRefusedBuildFolderDeletesNothing() {
        Change([this](TWebSite& site) { site.BuiltWebSitePath = m_site; });
        const Result r = Run({"build", QString::fromStdString(m_project), "--clean"});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err, QString("warning: You have selected your current project directory to create your catalogue.\n"
                                "Please select or create a new directory.\n"));
        QVERIFY(fs::exists(m_site + "content.htm"));
        QVERIFY(fs::exists(m_site + "about.htm"));
    }

    void aDamagedProjectIsReportedAndLeftAlone() {
        WriteBytes(m_project, "TPF0 this is no project");
        const Result r = Run({"build", QString::fromStdString(m_project)});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.startsWith("error: An error occured whilst opening your Website\n"), qPrintable(r.err));
        QCOMPARE(ReadBytes(m_project), std::string("TPF0 this is no project"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_Cli.moc"
