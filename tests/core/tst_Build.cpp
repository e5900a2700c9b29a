#include "core/common/Errors.h"
#include "core/common/Paths.h"
#include "core/document/ubixWebsiteClass.h"
#include "core/generator/udmTables.h"
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
const std::string S(1, PathDelim);
}  // namespace

class TestBuild final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_root;     // the temporary folder, with a separator
    std::string m_program;  // program folder
    std::string m_theme;    // a theme folder, no trailing separator
    std::string m_website;  // website folder
    std::string m_build;    // build folder
    FakePrompter m_prompter;
    FakePump m_pump;
    FakeClock m_clock;
    TWebSite m_site;
    std::unique_ptr<TdmTables> m_dm;

    void AddFrameLink(const std::string& url, bool visible) {
        m_dm->tblFrameLinks.Append();
        m_dm->tblFrameLinks.SetValue("URL", url);
        m_dm->tblFrameLinks.SetValue("Name", url);
        m_dm->tblFrameLinks.SetValue("Visible", visible);
        m_dm->tblFrameLinks.Post();
    }
    void Preserve(const std::string& name) {
        m_dm->tblFileManager.Append();
        m_dm->tblFileManager.SetValue("FileName", name);
        m_dm->tblFileManager.SetValue("Preserve", true);
        m_dm->tblFileManager.Post();
    }
    bool Built(const std::string& relative) const { return fs::exists(m_build + relative); }
    std::string BuiltText(const std::string& relative) const { return ReadBytes(m_build + relative); }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_root = FolderOf(m_dir->path());
        m_program = m_root + "program" + S;
        m_theme = m_program + "themes" + S + "1";
        m_website = m_root + "My Site" + S;
        m_build = m_website + "Built Website" + S;
        fs::create_directories(m_theme);
        fs::create_directories(m_website);
        qputenv("HOME", QByteArray::fromStdString(m_root + "home"));
        m_prompter = FakePrompter();
        m_site = TWebSite();
        m_site.CompanyName = "The Club";
        m_dm = std::make_unique<TdmTables>(m_prompter, m_pump, m_clock, m_program);
        m_dm->CurrentWebSite = &m_site;
        m_dm->WebsiteFolder = m_website;
        m_dm->tblFrameLinks.Open();
        m_dm->tblFileManager.Open();
    }

    void threePassesWithTheirRules() {
        const std::string t = m_theme + S;
        WriteBytes(t + "index.htm", "<title><#WWWTitle></title>\nline two\rline three");
        WriteBytes(t + "content.htm", "theme content");
        WriteBytes(t + "Index.htm", "an ordinary template");  // not the leading page: case matters
        WriteBytes(t + "PAGE.HTM", "copied as it is <#WWWTitle>");
        WriteBytes(t + "Logo.GIF", "GIF");
        WriteBytes(t + "settings.ini", "x");
        WriteBytes(t + "preview.bmp", "x");
        WriteBytes(t + "old.mcs", "x");
        WriteBytes(t + "pack.bix", "x");
        WriteBytes(t + ".htaccess", "deny");
        WriteBytes(t + ".svn" + S + "entries", "x");
        WriteBytes(t + "Shop" + S + "index.htm", "shop <#WWWTitle>");
        WriteBytes(t + "Shop" + S + "Item.htm", "item");
        WriteBytes(m_website + "content.htm", "my own content");
        WriteBytes(m_website + "site.mcs", "project");
        WriteBytes(m_website + "notes.txt", "notes");
        WriteBytes(m_website + "Other" + S + "page.htm", "not taken");
        WriteBytes(m_website + "images" + S + "Photo.JPG", "JPEG");
        WriteBytes(m_website + "images" + S + "deep" + S + "x.gif", "not taken");
        m_dm->LeadingPageFileName = "Default.HTML";
        m_dm->Build(m_theme, m_build, false);

        QCOMPARE(BuiltText("default.html"), std::string("<title>The Club</title>\r\nline two\r\nline three\r\n"));
        QCOMPARE(BuiltText("index.htm"), std::string("an ordinary template\r\n"));
        QCOMPARE(BuiltText("content.htm"), std::string("my own content\r\n"));  // the website's page wins
        QCOMPARE(BuiltText("page.htm"), std::string("copied as it is <#WWWTitle>"));
        QCOMPARE(BuiltText("logo.gif"), std::string("GIF"));
        QCOMPARE(BuiltText(".htaccess"), std::string("deny"));
        for (const char* absent : {"settings.ini", "preview.bmp", "old.mcs", "pack.bix", ".svn", "site.mcs", "Other",
                                   "Built Website", "images/deep"}) {
            QVERIFY2(!Built(absent), absent);
        }
        QCOMPARE(BuiltText("Shop" + S + "default.html"), std::string("shop The Club\r\n"));
        QCOMPARE(BuiltText("Shop" + S + "item.htm"), std::string("item\r\n"));
        QCOMPARE(BuiltText("notes.txt"), std::string("notes"));
        QCOMPARE(BuiltText("images" + S + "photo.jpg"), std::string("JPEG"));
    }

    void hiddenFrameLinksAreNotBuilt() {
        WriteBytes(m_theme + S + "specials.htm", "theme specials");
        WriteBytes(m_theme + S + "brochure.pdf", "theme pdf");
        WriteBytes(m_website + "specials.htm", "site specials");
        WriteBytes(m_website + "brochure.pdf", "site pdf");
        WriteBytes(m_website + "news.htm", "news");
        AddFrameLink("specials.htm", false);
        AddFrameLink("brochure.pdf", false);
        AddFrameLink("news.htm", true);
        m_dm->Build(m_theme, m_build, false);
        QCOMPARE(BuiltText("specials.htm"), std::string("theme specials\r\n"));  // the theme's page is still made
        QVERIFY(!Built("brochure.pdf"));                                         // kept out of every pass
        QCOMPARE(BuiltText("news.htm"), std::string("news\r\n"));
    }

    void preservedFilesAreKept() {
        WriteBytes(m_theme + S + "index.htm", "new leading page");
        WriteBytes(m_theme + S + "logo.gif", "new logo");
        WriteBytes(m_theme + S + "about.htm", "new about");
        WriteBytes(m_build + "index.htm", "my tuned leading page");
        WriteBytes(m_build + "logo.gif", "my logo");
        Preserve("index.htm");
        Preserve("logo.gif");
        m_dm->Build(m_theme, m_build, false);
        QCOMPARE(BuiltText("index.htm"), std::string("my tuned leading page"));
        QCOMPARE(BuiltText("logo.gif"), std::string("my logo"));
        QCOMPARE(BuiltText("about.htm"), std::string("new about\r\n"));
    }

    void cleaningFirst() {
        WriteBytes(m_build + "keep.htm", "preserved");
        WriteBytes(m_build + "old.htm", "old");
        WriteBytes(m_build + "readme.txt", "stays");
        WriteBytes(m_build + "shop" + S + "keep.htm", "preserved but in a sub-folder");
        Preserve("keep.htm");
        QVERIFY(m_dm->PrepareBuildDestination(m_website, m_build, true));
        QVERIFY(Built("keep.htm"));
        QVERIFY(!Built("old.htm"));
        QVERIFY(Built("readme.txt"));
        QVERIFY(!Built("shop" + S + "keep.htm"));
        QVERIFY(m_prompter.messages.empty());
    }

    void refusedDestinations_data() {
        QTest::addColumn<QString>("destination");  // <program>, <website>, <root>, <home> are replaced
        QTest::addColumn<QString>("message");
        QTest::newRow("root") << "/"
                              << "You cannot select the root of a directory as the destination.";
        QTest::newRow("system folder") << "/usr"
                                       << "You cannot select anywhere inside your Windows directory as "
                                          "the destination.";
        QTest::newRow("inside a system folder")
            << "/var/www/site"
            << "You cannot select anywhere inside your Windows directory as the destination.";
        QTest::newRow("program files") << "/opt/"
                                       << "You cannot select Program Files directory as the destination.";
        QTest::newRow("program folder") << "<program>"
                                        << "You have selected the bixmerchant main directory to create your catalogue.";
        QTest::newRow("inside the themes")
            << "<program>themes/2/sub"
            << "You have selected anywhere in the bixmerchant themes directory to create your "
               "catalogue.";
        QTest::newRow("inside the help")
            << "<program>help/en/"
            << "You have selected the bixmerchant help directory to create your catalogue.";
        QTest::newRow("website folder") << "<website>"
                                        << "You have selected your current project directory to create your catalogue.";
        QTest::newRow("home folder") << "<home>"
                                     << "You cannot select your home folder as the destination.";
        QTest::newRow("a folder holding the website")
            << "<root>"
            << "You cannot select a folder that contains your project directory as the destination.";
    }
    void refusedDestinations() {
        QFETCH(QString, destination);
        QFETCH(QString, message);
        std::string d = destination.toStdString();
        for (const auto& [key, value] : {std::pair<std::string, std::string>{"<program>", m_program},
                                         {"<website>", m_website},
                                         {"<root>", m_root},
                                         {"<home>", m_root + "home"}}) {
            if (d.starts_with(key)) {
                d = value + d.substr(key.size());
            }
        }
        // A page that a clean-first would delete, where the destination is ours to test.
        const bool ours = d.starts_with(m_root);
        if (ours) {
            WriteBytes(AddTrailingSeparator(d) + "page.htm", "x");
        }
        WriteBytes(m_theme + S + "index.htm", "theme");
        QVERIFY_THROWS_EXCEPTION(EAbort, m_dm->Build(m_theme, d, true));
        QCOMPARE(m_prompter.Texts(),
                 std::vector<std::string>{message.toStdString() + "\rPlease select or create a new directory."});
        QCOMPARE(m_prompter.messages[0].icon, MsgIcon::Warning);
        if (ours) {
            QVERIFY(fs::exists(AddTrailingSeparator(d) + "page.htm"));
            QVERIFY(!fs::exists(AddTrailingSeparator(d) + "index.htm"));
        }
    }

    void aSubFolderOfTheWebsiteIsAccepted() {
        QVERIFY(m_dm->CheckBuildDestination(m_website, m_website + "Built Website"));
        QVERIFY(m_dm->CheckBuildDestination(m_website, m_root + "elsewhere"));
        QVERIFY(m_prompter.messages.empty());
    }

    void generatePage() {
        WriteBytes(m_program + "Resources" + S + "content.txt", "<h1><#PageTitle></h1>\n<p><#PageTitle> <#WWWTitle>");
        QCOMPARE(m_dm->GeneratePage("Contents", m_website + "content.htm"), m_website + "content.htm");
        QCOMPARE(ReadBytes(m_website + "content.htm"), std::string("<h1>Contents</h1>\r\n<p>Contents <#WWWTitle>\r\n"));
        try {
            m_dm->GeneratePage("About Us", m_website + "about.htm");
            QFAIL("no error");
        } catch (const EInOutError& e) {
            QCOMPARE(std::string(e.what()), "Cannot open file " + m_program + "Resources" + S + "about.txt");
        }
        QVERIFY(!fs::exists(m_website + "about.htm"));
    }

    void aMissingTemplateStopsTheBuild() {
        WriteBytes(m_theme + S + "a.htm", "a");
        fs::create_symlink(m_theme + S + "nowhere", m_theme + S + "b.htm");
        QVERIFY_THROWS_EXCEPTION(EInOutError, m_dm->Build(m_theme, m_build, false));
        QVERIFY(Built("a.htm"));  // what was written stays
    }

private:
    static std::string AddTrailingSeparator(const std::string& path) {
        return path.empty() || path.back() == PathDelim ? path : path + PathDelim;
    }
};

QTEST_APPLESS_MAIN(TestBuild)
#include "tst_Build.moc"
