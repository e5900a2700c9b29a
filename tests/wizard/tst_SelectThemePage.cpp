// The Select a Theme page over the shipped themes and over damaged ones.
#include "core/themes/TThemeCatalogue.h"
#include "support/FakePrompter.h"
#include "support/TestFiles.h"
#include "wizard/pages/TSelectThemePage.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

using namespace bix;
using namespace bix::test;
namespace fs = std::filesystem;

class TestSelectThemePage final : public QObject {
    Q_OBJECT

private slots:
    void showsTheShippedThemes() {
        TThemeCatalogue catalogue(BIX_SOURCE_DIR "/data/");
        FakePrompter prompter;
        TSelectThemePage page(catalogue, prompter);
        int modified = 0;
        page.SetModified = [&] { ++modified; };
        page.LoadThemesClick();
        QCOMPARE(page.lbThemes->count(), 4);
        QCOMPARE(page.lblThemeCount->text(), QString("4"));
        QCOMPARE(page.lbThemes->currentRow(), 0);
        QCOMPARE(page.lblTheme->text(), QString("bixWebsite Theme 1"));
        QCOMPARE(page.imageThumb->pixmap().size(), QSize(175, 135));
        QCOMPARE(modified, 1);
        page.SelectTheme("BIXWEBSITE THEME 3");
        QCOMPARE(page.lbThemes->currentRow(), 2);
        QCOMPARE(page.lblTheme->text(), QString("bixWebsite Theme 3"));
        page.btnReloadAllThemes->click();
        QCOMPARE(page.lblTheme->text(), QString("bixWebsite Theme 3"));  // kept over a reload
        QTest::keyClick(page.lbThemes, Qt::Key_Down);                    // the keyboard chooses as a click does
        QCOMPARE(catalogue.SelectedTheme()->DisplayName, std::string("bixWebsite Theme 4"));
        QCOMPARE(page.lblTheme->text(), QString("bixWebsite Theme 4"));
        QVERIFY(prompter.messages.empty());
    }

    void noThemesAndDamagedThumbnails() {
        QTemporaryDir dir;
        const std::string program = FolderOf(dir.path());
        TThemeCatalogue catalogue(program);
        FakePrompter prompter;
        TSelectThemePage page(catalogue, prompter);
        page.LoadThemesClick();
        QCOMPARE(page.lblThemeCount->text(), QString("0"));
        QCOMPARE(page.imageThumb->text(), QString("No Theme Loaded"));
        QVERIFY(page.lblTheme->text().isEmpty());

        fs::create_directories(program + "themes/5");
        WriteBytes(program + "themes/5.bmp", "not a bitmap at all");
        int modified = 0;
        page.SetModified = [&] { ++modified; };
        page.LoadThemesClick();
        QCOMPARE(page.lblThemeCount->text(), QString("1"));
        QCOMPARE(prompter.messages.size(), 1U);
        QCOMPARE(prompter.messages[0].icon, MsgIcon::Error);
        QCOMPARE(modified, 0);                     // the rest of the click is skipped
        QCOMPARE(page.lbThemes->currentRow(), 0);  // the selection stays
    }
};

QTEST_MAIN(TestSelectThemePage)
#include "tst_SelectThemePage.moc"
