// The Manage Web Site Files page and the image viewer, off screen over a real build folder.
#include "core/common/Errors.h"
#include "core/generator/udmTables.h"
#include "support/FakePrompter.h"
#include "support/FakeShell.h"
#include "support/TestFiles.h"
#include "support/WhenModal.h"
#include "wizard/dialogs/TfrmImageEdit.h"
#include "wizard/pages/TManageFilesPage.h"

#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <filesystem>

using namespace bix;
using namespace bix::test;
namespace fs = std::filesystem;

class TestManageFilesPage final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_build;
    FakePrompter m_prompter;
    FakePump m_pump;
    FakeClock m_clock;
    std::unique_ptr<TdmTables> m_dm;
    std::unique_ptr<TManageFilesPage> m_page;
    int m_modified = 0;

    int Status(const std::string& name) {
        const auto row = m_dm->tblFileManager.FindRow("FileName", name);
        return std::get<std::int32_t>(m_dm->tblFileManager.CellAt(*row, m_dm->tblFileManager.FieldIndex("FileStatus")));
    }
    void Focus(const std::string& name) {
        const auto row = m_dm->tblFileManager.FindRow("FileName", name);
        m_page->dxDBGrid1->setCurrentIndex(m_page->dxDBGrid1->model()->index(static_cast<int>(*row), 3));
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_build = FolderOf(m_dir->path() + "/Built Website");
        WriteBytes(m_build + "index.htm", "<title>Home</title>");
        WriteBytes(m_build + "images/logo.gif", "GIF89a");
        m_prompter = FakePrompter();
        m_dm = std::make_unique<TdmTables>(m_prompter, m_pump, m_clock, "/nowhere/");
        m_dm->tblFileManager.Open();
        m_page = std::make_unique<TManageFilesPage>(*m_dm, m_prompter);
        m_page->BuildFolder = [this] { return m_build; };
        m_modified = 0;
        m_page->SetModified = [this] { ++m_modified; };
    }
    void cleanup() {
        m_page.reset();
        m_dm.reset();
    }

    void refreshFillsTheGridAndMarksTheWebsite() {
        m_page->btnRefreshFLBWorking->click();
        QCOMPARE(m_page->dxDBGrid1->model()->rowCount(), 2);
        QCOMPARE(m_page->dxDBGrid1->model()->index(1, 1).data().toString(), QString("Upload File"));
        QCOMPARE(m_page->dxDBGrid1->model()->index(1, 3).data().toString(), QString("index.htm"));
        QVERIFY(m_page->dxDBGrid1->isColumnHidden(5));  // File DateTime
        QVERIFY(m_page->dxDBGrid1->isColumnHidden(7));  // Upload Date
        QCOMPARE(m_modified, 1);
    }

    void popupActionsDoNotMarkTheWebsite() {
        m_page->btnRefreshFLBWorking->click();
        m_modified = 0;
        Focus("index.htm");
        m_page->FileManagerHandles(2);  // Do Nothing
        QCOMPARE(Status("index.htm"), 0);
        QCOMPARE(Status("images\\logo.gif"), 3);
        m_page->FileManagerHandles(3);  // Upload All Files
        QCOMPARE(Status("index.htm"), 3);
        QCOMPARE(m_modified, 0);
        const QList<QAction*> actions = m_page->PopupMenu1->actions();
        QCOMPARE(actions[0]->text(), QString("&Upload File"));
        QCOMPARE(actions[4]->text(), QString("C&hange All"));
        QCOMPARE(actions[6]->text(), QString("Custom Columns"));
    }

    void thePreserveColumnIsTheOneToEdit() {
        m_page->btnRefreshFLBWorking->click();
        QAbstractItemModel* model = m_page->dxDBGrid1->model();
        QVERIFY(model->setData(model->index(1, 0), int(Qt::Checked), Qt::CheckStateRole));
        QVERIFY(m_dm->ZarpFileManager1.IsPreserved("index.htm"));
        QVERIFY(!model->setData(model->index(1, 3), "other.htm", Qt::EditRole));
    }

    void modifyPageInEditor() {
        m_page->btnModifyHTMLPageInEditor->click();  // an empty list
        QCOMPARE(m_prompter.Texts(), std::vector<std::string>{"Please select a file first and try again"});
        m_page->btnRefreshFLBWorking->click();
        m_dm->ZarpFileManager1.ApplyTransferResults(2, {"index.htm", "images\\logo.gif"});
        m_modified = 0;

        std::vector<std::string> edited;
        std::vector<std::string> shown;
        m_page->EditPage = [&](const std::string& path) {
            edited.push_back(path);
            WriteBytes(path, "<title>Home, longer now</title>");
        };
        m_page->ShowImage = [&](const std::string& path) { shown.push_back(path); };
        Focus("index.htm");
        m_page->btnModifyHTMLPageInEditor->click();
        QCOMPARE(edited, std::vector<std::string>{m_build + "index.htm"});
        QCOMPARE(Status("index.htm"), 3);  // changed in the editor: to be uploaded
        Focus("images\\logo.gif");
        m_page->btnModifyHTMLPageInEditor->click();
        QCOMPARE(shown, std::vector<std::string>{m_build + "images/logo.gif"});
        QCOMPARE(Status("images\\logo.gif"), 2);  // only looked at
        QCOMPARE(m_modified, 2);
        fs::remove(m_build + "index.htm");
        Focus("index.htm");
        m_page->btnModifyHTMLPageInEditor->click();  // vanished: nothing
        QCOMPARE(edited.size(), 1U);
        QCOMPARE(m_modified, 2);
    }

    void theImageViewFitsBigPicturesAndCentresSmallOnes() {
        QImage big(2000, 1000, QImage::Format_RGB32);
        big.fill(Qt::darkBlue);
        TfrmImageEdit bigView(big);
        bigView.show();
        QVERIFY(bigView.apiImage->pixmap().width() <= bigView.apiImage->contentsRect().width());
        QCOMPARE(bigView.apiImage->pixmap().width(), 2 * bigView.apiImage->pixmap().height());  // proportions kept
        QImage small(16, 16, QImage::Format_RGB32);
        small.fill(Qt::red);
        TfrmImageEdit smallView(small);
        smallView.show();
        QCOMPARE(smallView.apiImage->pixmap().size(), QSize(16, 16));
        QCOMPARE(smallView.windowTitle(), QString("Image View"));
        QVERIFY_THROWS_EXCEPTION(EBixError, TfrmImageEdit::ShowImage(m_build + "index.htm"));

        const std::string png = m_build + "photo.png";
        QVERIFY(big.save(QString::fromStdString(png)));
        WhenModalShows([](QWidget* modal) { qobject_cast<TfrmImageEdit*>(modal)->btnOK->click(); });
        TfrmImageEdit::ShowImage(png);
    }
};

QTEST_MAIN(TestManageFilesPage)
#include "tst_ManageFilesPage.moc"
