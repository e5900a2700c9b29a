// Runs the built bixwebsite-cli as a process, with its own home folder and settings.
#include "core/document/MemTable.h"
#include "core/document/WebsiteTables.h"
#include "core/document/ubixWebsiteClass.h"
#include "support/FtpServer.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

    Result Run(const QStringList& args, const QByteArray& input = {}) const {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("BIXWEBSITE_HOME", QStringLiteral(BIX_SOURCE_DIR "/data"));
        env.insert("HOME", m_dir->path() + "/home");
        env.insert("XDG_CONFIG_HOME", m_dir->path() + "/config");
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(BIX_CLI), args);
        if (!input.isEmpty()) {
            process.write(input);
        }
        process.closeWriteChannel();
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

    void newGivesAWebsiteWithItsDefaults() {
        const QString folder = m_dir->path() + "/Sites/Shop";
        const Result r = Run({"new", folder, "shop.old"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out.trimmed(), folder + "/shop.mcs");
        QVERIFY(fs::exists((folder + "/content.htm").toStdString()));
        QVERIFY(fs::exists((folder + "/about.htm").toStdString()));
        QVERIFY(fs::is_directory((folder + "/Built Website").toStdString()));
        const Result shown = Run({"show", folder + "/shop.mcs", "--json"});
        QCOMPARE(shown.code, 0);
        const QJsonObject all = QJsonDocument::fromJson(shown.out.toUtf8()).object();
        const QJsonObject p = all["properties"].toObject();
        QCOMPARE(p["ConnectionRetries"].toInt(), 3);
        QCOMPARE(p["ConnectionTimeout"].toInt(), 30);
        QCOMPARE(p["Port"].toInt(), 21);
        QCOMPARE(p["FrameLinksTitle"].toString(), QString("Other Links"));
        QCOMPARE(p["LeadingPage"].toString(), QString("index.htm"));
        QCOMPARE(p["BuiltWebSitePath"].toString(), folder + "/Built Website/");
        QCOMPARE(p["Address"].toArray().size(), 0);
        QCOMPARE(all["FrameLinks"].toArray().size(), 0);
        // The same name again is refused; the program folder is refused.
        QCOMPARE(Run({"new", folder, "shop"}).err,
                 QString("warning: A Web site by the same name already exists.\n\nPlease choose a new name.\n"));
        QCOMPARE(Run({"new", BIX_SOURCE_DIR "/data", "x"}).code, 1);
        QVERIFY(Run({"new", folder, "bad:name"}).err.startsWith("warning: Illegal filename has been used"));
    }

    void aNewWebsiteWithAThemeBuildsItsFiles() {
        const QString folder = m_dir->path() + "/Fresh";
        QCOMPARE(Run({"new", folder, "fresh"}).code, 0);
        const QString project = folder + "/fresh.mcs";
        QCOMPARE(Run({"set", project, "CurrentTheme=4", "CompanyName=Fresh Start"}).code, 0);
        QCOMPARE(Run({"build", project}).code, 0);
        const QString files = Run({"files", project}).out;
        for (const char* name : {"index.htm", "content.htm", "about.htm", "style.css", "images\\sun.svg"}) {
            QVERIFY2(files.contains(QString("Upload File\t-\t") + name), qPrintable(files));
        }
        QVERIFY(ReadBytes((folder + "/Built Website/index.htm").toStdString()).find("<title>Fresh Start</title>") !=
                std::string::npos);
    }

    void setAndShowRoundTripEveryProperty() {
        const QString project = QString::fromStdString(m_project);
        QStringList assignments{"set", project};
        const QString text = QString::fromUtf8("Caf\u00e9 \u00dcber");  // bytes above 127 on the way
        QStringList skip{"Password", "Metatags", "CurrentTheme", "Address", "PostalAddress"};
        TWebSite defaults;
        for (const TPropertyInfo& p : TWebSite::Properties()) {
            const QString name = QString::fromStdString(p.name);
            if (skip.contains(name)) {
                continue;
            }
            assignments << (p.kind == TPropertyKind::Integer ? name.toLower() + "=4242"
                                                             : name + "=" + text + " " + name);
        }
        assignments << "Address=1 High Street\nTown"
                    << "Metatags=red\nblue shoes"
                    << "CurrentTheme=3"
                    << "Password=p\u00e4ss";
        QCOMPARE(Run(assignments).code, 0);
        const QJsonObject p =
            QJsonDocument::fromJson(Run({"show", project, "--json"}).out.toUtf8()).object()["properties"].toObject();
        for (const TPropertyInfo& info : TWebSite::Properties()) {
            const QString name = QString::fromStdString(info.name);
            if (skip.contains(name)) {
                continue;
            }
            if (info.kind == TPropertyKind::Integer) {
                QCOMPARE(p[name].toInt(), 4242);
            } else {
                QCOMPARE(p[name].toString(), text + " " + name);
            }
        }
        QCOMPARE(p["Address"].toArray(), (QJsonArray{"1 High Street", "Town"}));
        QCOMPARE(p["Metatags"].toString(), QString("red\rblue shoes"));
        QCOMPARE(p["CurrentTheme"].toString(), QString("bixWebsite Theme 3"));
        QVERIFY(!p["Password"].toString().contains("p\u00e4ss"));  // stored scrambled
        QCOMPARE(p["Password"].toString().size() % 3, 0);
    }

    void aBadAssignmentWritesNothing_data() {
        QTest::addColumn<QString>("assignment");
        QTest::newRow("unknown name") << "Colour=red";
        QTest::newRow("not a number") << "Port=twenty-one";
    }
    void aBadAssignmentWritesNothing() {
        QFETCH(QString, assignment);
        const std::string before = ReadBytes(m_project);
        const Result r = Run({"set", QString::fromStdString(m_project), "CompanyName=Changed", assignment});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.startsWith("error: "));
        QCOMPARE(ReadBytes(m_project), before);
    }

    void links() {
        const QString project = QString::fromStdString(m_project);
        QCOMPARE(Run({"link", project, "add", "Shop", "https://shop.example/", "--top"}).code, 0);
        QCOMPARE(Run({"link", project, "add", "Old", "old.htm", "--hidden"}).code, 0);
        QCOMPARE(Run({"link", project, "move", "4", "up"}).code, 0);
        QCOMPARE(Run({"link", project, "remove", "1"}).code, 0);
        QCOMPARE(Run({"link", project, "list"}).out,
                 QString("1\tshown\ttop\tOur town\thttps://example.com/\n2\thidden\tframe\tOld\told.htm\n"
                         "3\tshown\ttop\tShop\thttps://shop.example/\n"));
        QCOMPARE(Run({"link", project, "remove", "9"}).code, 1);
    }

    void buildUploadRemoveAndUploadAgain() {
        QTemporaryDir served;
        FtpServer server(served.path());
        QVERIFY(server.Started());
        const QString project = QString::fromStdString(m_project);
        QCOMPARE(Run({"set", project, "HostName=127.0.0.1", "Login=anna", "Password=secret",
                      "Port=" + QString::number(server.Port())})
                     .code,
                 0);
        QCOMPARE(Run({"build", project}).code, 0);
        QVERIFY(Run({"files", project}).out.contains("Upload File\t-\tindex.htm\tHTM"));
        QCOMPARE(Run({"upload", project, "--dry-run"}).out.count("Upload\t"), 7);
        const Result up = Run({"upload", project});
        QVERIFY2(up.code == 0, qPrintable(up.err));
        QVERIFY(up.err.contains("Upload New\timages\\loaf.svg\tCompleted"));
        QVERIFY(!Run({"files", project}).out.contains("Upload File"));
        QCOMPARE(ReadBytes((served.path() + "/news.htm").toStdString()), ReadBytes(m_site + "Built Website/news.htm"));
        QCOMPARE(server.Logins(), 1);

        // The news page leaves the website: rebuilt with clean first, it goes, then leaves the server too.
        fs::remove(m_site + "news.htm");
        QCOMPARE(Run({"link", project, "remove", "1"}).code, 0);
        QCOMPARE(Run({"build", project, "--clean"}).code, 0);
        QVERIFY(Run({"files", project}).out.contains("Remove File\t-\tnews.htm"));
        QCOMPARE(Run({"upload", project}).code, 0);
        QVERIFY(!Run({"files", project}).out.contains("news.htm"));
        QVERIFY(!fs::exists((served.path() + "/news.htm").toStdString()));

        // Nothing left to do is said, and is no failure.
        const Result idle = Run({"upload", project});
        QCOMPARE(idle.code, 0);
        QVERIFY(idle.err.startsWith("info: There is no files which require processing."));
    }

    void uploadNeedsItsSettings() {
        const Result r = Run({"upload", QString::fromStdString(m_project)});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err, QString("warning: The required field FTP Host is empty\n"));
    }

    void theRemovalOfALocalFileNeedsAYes() {
        const QString project = QString::fromStdString(m_project);
        QCOMPARE(Run({"build", project}).code, 0);
        const std::string page = m_site + "Built Website/news.htm";
        QCOMPARE(Run({"mark", project, "news.htm", "remove"}).code, 0);  // answered No
        QVERIFY(fs::exists(page));
        QCOMPARE(Run({"mark", project, "news.htm", "remove", "--yes"}).code, 0);
        QVERIFY(!fs::exists(page));
        QVERIFY(Run({"files", project}).out.contains("Remove File\t-\tnews.htm"));
        QCOMPARE(Run({"preserve", project, "index.htm", "on"}).code, 0);
        QVERIFY(Run({"files", project}).out.contains("\tpreserved\tindex.htm"));
        QCOMPARE(Run({"mark", project, "--all", "nothing"}).code, 2);
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
