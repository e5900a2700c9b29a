#include "core/common/Paths.h"
#include "core/themes/TThemeCatalogue.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

using namespace bix;
using namespace bix::test;
namespace fs = std::filesystem;

class TestThemeCatalogue final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_program;

    void Install(int n, bool folder = true, bool bitmap = true) {
        const std::string base = m_program + "themes" + PathDelim + std::to_string(n);
        if (folder) {
            fs::create_directories(base);
        }
        if (bitmap) {
            WriteBytes(base + ".bmp", "BM");
        }
    }
    static QStringList Names(const TThemeCatalogue& catalogue) {
        QStringList names;
        for (const auto& theme : catalogue.Themes()) {
            names << QString::fromStdString(theme.DisplayName);
        }
        return names;
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_program = FolderOf(m_dir->path());
    }

    void onlyCompletePairsFromZeroToAThousandAreListed() {
        Install(0);
        Install(1000);
        Install(1001);
        Install(3, true, false);
        Install(4, false, true);
        Install(12);
        fs::create_directories(m_program + "themes" + PathDelim + "07");
        WriteBytes(m_program + "themes" + PathDelim + "07.bmp", "BM");
        TThemeCatalogue catalogue(m_program);
        catalogue.LoadThemesClick();
        QCOMPARE(Names(catalogue), QStringList({"bixWebsite Theme 0", "bixWebsite Theme 12", "bixWebsite Theme 1000"}));
        QCOMPARE(catalogue.ThemeCount(), 3);
        const TThemeData& first = catalogue.Themes()[0];
        QCOMPARE(first.ThemeFolder, m_program + "themes" + PathDelim + "0");
        QCOMPARE(first.ThumbnailPath, m_program + "themes" + PathDelim + "0.bmp");
        QCOMPARE(catalogue.Selected(), std::optional<std::size_t>(0));
    }

    void reloadKeepsTheSelectionByName() {
        Install(2);
        Install(5);
        Install(9);
        TThemeCatalogue catalogue(m_program);
        catalogue.LoadThemesClick();
        QCOMPARE(Names(catalogue), QStringList({"bixWebsite Theme 2", "bixWebsite Theme 5", "bixWebsite Theme 9"}));
        catalogue.Select(1);
        catalogue.LoadThemesClick();
        QCOMPARE(catalogue.SelectedTheme()->DisplayName, std::string("bixWebsite Theme 5"));
        fs::remove_all(m_program + "themes" + PathDelim + "5");
        catalogue.LoadThemesClick();
        QCOMPARE(catalogue.SelectedTheme()->DisplayName, std::string("bixWebsite Theme 2"));
    }

    void aWebsiteSelectsItsThemeByName() {
        Install(2);
        Install(9);
        TThemeCatalogue catalogue(m_program);
        catalogue.LoadThemesClick();
        QVERIFY(catalogue.SelectByName("BIXWEBSITE THEME 9"));
        QCOMPARE(catalogue.SelectedThemeFolder(), m_program + "themes" + PathDelim + "9");
        QVERIFY(!catalogue.SelectByName("bixWebsite Theme 4"));
        QCOMPARE(catalogue.Selected(), std::optional<std::size_t>(0));
    }

    void noThemesNoSelection() {
        TThemeCatalogue catalogue(m_program);
        catalogue.LoadThemesClick();
        QCOMPARE(catalogue.ThemeCount(), 0);
        QVERIFY(!catalogue.Selected());
        QVERIFY(catalogue.SelectedTheme() == nullptr);
        QCOMPARE(catalogue.SelectedThemeFolder(), std::string());
    }
};

QTEST_APPLESS_MAIN(TestThemeCatalogue)
#include "tst_ThemeCatalogue.moc"
