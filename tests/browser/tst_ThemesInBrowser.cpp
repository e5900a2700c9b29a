// Builds the demo website with every shipped theme and opens the result in a real browser engine:
// the leading page must load, carry the site's title, its links and the content frame.
// With BIX_THEME_SHOTS=1 it also renders docs/screenshots/theme-N.png and the thumbnail data/themes/N.bmp.
#include "core/document/ubixWebsiteClass.h"
#include "core/generator/udmTables.h"
#include "support/FakePrompter.h"
#include "support/FakeShell.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

#include <filesystem>

using namespace bix;
using namespace bix::test;
namespace fs = std::filesystem;

namespace {

const QString kSource = QStringLiteral(BIX_SOURCE_DIR);

// What the test reads off the built leading page, as one JSON text.
const char* const kFacts =
    "JSON.stringify({"
    " title: document.title,"
    " heading: document.body.textContent.indexOf('Riverside Bakery') >= 0,"
    " keywords: (document.querySelector('meta[name=keywords]') || {}).content,"
    " description: (document.querySelector('meta[name=description]') || {}).content,"
    " frame: (document.querySelector('iframe[name=content]') || {}).getAttribute('src'),"
    " news: !!document.querySelector('a[href=\"news.htm\"][target=content]'),"
    " town: !!document.querySelector('a[href=\"https://example.com/\"][target=_top]'),"
    " about: !!document.querySelector('a[href=\"about.htm\"][target=content]'),"
    " mail: !!document.querySelector('a[href=\"mailto:hello@riverside-bakery.example\"]'),"
    " linksTitle: document.body.textContent.indexOf('More from us') >= 0"
    "})";

// Runs the script in the page and waits for its answer.
QVariant Evaluate(QWebEnginePage* page, const QString& script) {
    QVariant result;
    bool done = false;
    page->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    if (!QTest::qWaitFor([&done] { return done; }, 20000)) {
        return QStringLiteral("no answer from the page");
    }
    return result;
}

}  // namespace

class TestThemesInBrowser final : public QObject {
    Q_OBJECT

private slots:
    void shippedThemes_data() {
        QTest::addColumn<int>("theme");
        const QStringList folders = QDir(kSource + "/data/themes").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY(folders.size() >= 4);
        for (const QString& folder : folders) {
            QTest::newRow(qPrintable("theme " + folder)) << folder.toInt();
        }
    }
    void shippedThemes() {
        QFETCH(int, theme);
        QTemporaryDir dir;
        const fs::path site = fs::path(dir.path().toStdString()) / "Riverside";
        fs::copy(fs::path((kSource + "/data/demo").toStdString()), site, fs::copy_options::recursive);

        FakePrompter prompter;
        FakePump pump;
        FakeClock clock;
        TdmTables dm(prompter, pump, clock, (kSource + "/data/").toStdString());
        TWebSite website;
        website.LoadFromFile((site / "demo.mcs").string());
        dm.tblFrameLinks.LoadFromStream(website.FrameLinks);
        dm.tblFileManager.LoadFromStream(website.FileManager);
        dm.CurrentWebSite = &website;
        dm.WebsiteFolder = site.string() + "/";
        const fs::path built = site / "Built Website";
        dm.Build((kSource + "/data/themes/" + QString::number(theme)).toStdString(), built.string(), false);
        QVERIFY(prompter.messages.empty());
        for (const char* name : {"index.htm", "content.htm", "about.htm", "news.htm", "style.css", "images/loaf.svg"}) {
            QVERIFY2(fs::exists(built / name), name);
        }

        QWebEngineView view;
        view.resize(1024, 700);
        QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
        view.load(QUrl::fromLocalFile(QString::fromStdString((built / "index.htm").string())));
        view.show();
        QVERIFY(loaded.wait(60000));
        QCOMPARE(loaded.first().first().toBool(), true);

        const QString facts = Evaluate(view.page(), QString::fromLatin1(kFacts)).toString();
        const QJsonObject o = QJsonDocument::fromJson(facts.toUtf8()).object();
        QCOMPARE(o["title"].toString(), QString("Riverside Bakery"));
        QVERIFY2(o["heading"].toBool(), qPrintable(facts));
        QCOMPARE(o["keywords"].toString(), QString("bakery,bread,cakes,Riverside"));
        QVERIFY(o["description"].toString().startsWith("Riverside Bakery: fresh bread"));
        QCOMPARE(o["frame"].toString(), QString("content.htm"));
        QVERIFY2(o["news"].toBool() && o["town"].toBool() && o["about"].toBool() && o["mail"].toBool(),
                 qPrintable(facts));
        QVERIFY2(o["linksTitle"].toBool(), qPrintable(facts));

        if (qEnvironmentVariableIntValue("BIX_THEME_SHOTS") == 1) {
            QTest::qWait(1500);  // the frame and the pictures
            const QImage shot = view.grab().toImage();
            QVERIFY(QDir().mkpath(kSource + "/docs/screenshots"));
            QVERIFY(shot.save(kSource + QString("/docs/screenshots/theme-%1.png").arg(theme)));
            const QImage thumb = shot.scaled(175, 135, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                     .convertToFormat(QImage::Format_RGB888);
            QVERIFY(thumb.save(kSource + QString("/data/themes/%1.bmp").arg(theme), "BMP"));
        }
    }
};

QTEST_MAIN(TestThemesInBrowser)
#include "tst_ThemesInBrowser.moc"
