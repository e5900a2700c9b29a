// The Theme Properties page with real previews (QtWebEngine, off screen).
#include "support/TestFiles.h"
#include "wizard/pages/TPreviewView.h"
#include "wizard/pages/TThemePropertiesPage.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace bix;
using namespace bix::test;

class TestThemePropertiesPage final : public QObject {
    Q_OBJECT

private slots:
    void previewsEditingAndTheContactView() {
        QTemporaryDir dir;
        const std::string site = FolderOf(dir.path() + "/My Site");
        WriteBytes(site + "content.htm",
                   "<html><head><title>Contents</title></head><body>"
                   "<a id=out href=\"http://example.com/\">out</a></body></html>");
        WriteBytes(site + "about.htm", "<html><head><title>About Us</title></head></html>");
        TThemePropertiesPage page;
        page.resize(800, 600);
        page.show();
        int modified = 0;
        std::vector<std::string> edited;
        page.WebsiteFolder = [&] { return site; };
        page.SetModified = [&] { ++modified; };
        page.EditPage = [&](const std::string& path) {
            edited.push_back(path);
            WriteBytes(path, "<html><head><title>Edited</title></head></html>");
        };
        page.RefreshPagePreviews();
        QCOMPARE(page.DHTML_HomePage->title(), QString("Contents"));
        QCOMPARE(page.DHTML_AboutPage->title(), QString("About Us"));

        // A link in a preview opens outside; the preview stays on its page.
        QUrl opened;
        page.DHTML_HomePage->Page()->OpenExternally = [&](const QUrl& url) { opened = url; };
        page.DHTML_HomePage->page()->runJavaScript("document.getElementById('out').click()");
        QTRY_COMPARE(opened, QUrl("http://example.com/"));
        QCOMPARE(page.DHTML_HomePage->title(), QString("Contents"));

        page.btnEditPage->click();
        QCOMPARE(edited, std::vector<std::string>{site + "content.htm"});
        QCOMPARE(page.DHTML_HomePage->title(), QString("Edited"));  // the saved page, not the old one
        QCOMPARE(modified, 1);

        page.lbThemeButtons->setCurrentRow(2);
        QVERIFY(page.btnEditPage->isHidden());
        page.lbThemeButtons->setCurrentRow(1);
        QVERIFY(!page.btnEditPage->isHidden());
        page.btnEditPage->click();
        QCOMPARE(edited.back(), site + "about.htm");

        page.edtCompanyName->setText("  The Club  ");
        QCOMPARE(page.edtCompanyName->text(), QString("  The Club  "));  // as typed
        page.Reset();
        QVERIFY(page.edtCompanyName->text().isEmpty());
        QCOMPARE(page.lbThemeButtons->currentRow(), 0);
    }
};

QTEST_MAIN(TestThemePropertiesPage)
#include "tst_ThemePropertiesPage.moc"
