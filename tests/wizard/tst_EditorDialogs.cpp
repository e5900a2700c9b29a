// The editor dialogs driven off screen, on their models, with a fake registry and shell.
#include "core/editors/TSelectWhichEditor2.h"
#include "core/editors/TWaitforEditor2.h"
#include "core/editors/TZarpSelectHTMLEditor2.h"
#include "support/FakePrompter.h"
#include "support/FakeRegistry.h"
#include "support/FakeShell.h"
#include "support/TestFiles.h"
#include "support/WhenModal.h"
#include "wizard/editors/QtEditorDialogs.h"
#include "wizard/editors/TfrmSelectFilenameEditor2.h"
#include "wizard/editors/TfrmSelectWhichEditor2.h"
#include "wizard/editors/TfrmWaitforEditor2.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace bix;
using namespace bix::test;

namespace {
const std::string kKey = "\\Software\\RVK\\bixWebsite\\HTML Editor";
const std::string kEditors = kKey + "\\Editors";
constexpr auto HKCU = RegistryRoot::CurrentUser;
}  // namespace

class TestEditorDialogs final : public QObject {
    Q_OBJECT

private:
    FakeRegistry m_registry;
    FakeShell m_shell;
    FakePrompter m_prompter;

private slots:
    void init() {
        qputenv("PATH", "/nonexistent");
        m_registry = FakeRegistry();
        m_shell = FakeShell();
        m_prompter = FakePrompter();
    }

    void selectingAmongRegisteredEditors() {
        m_registry.WriteValue(HKCU, kEditors, "A", std::string("/e/a"));
        m_registry.WriteValue(HKCU, kEditors, "B", std::string("/e/b"));
        m_registry.WriteValue(HKCU, kEditors, "C", std::string("/e/c"));
        TZarpSelectHTMLEditor2 selector(m_registry, m_shell, m_prompter);
        selector.SetRegistryPath(kKey);
        selector.SelectedEditorName = "/e/b";
        QtEditorDialogs dialogs(m_prompter);
        WhenModalShows([](QWidget* modal) {
            auto* dialog = qobject_cast<TfrmSelectWhichEditor2*>(modal);
            QCOMPARE(dialog->windowTitle(), QString("Select Editor"));
            QCOMPARE(dialog->ListBox1->count(), 3);
            QCOMPARE(dialog->ListBox1->currentRow(), 1);  // the current editor
            QCOMPARE(dialog->lblName->text(), QString("B"));
            QCOMPARE(dialog->strFilename->text(), QString("/e/b"));
            QCOMPARE(dialog->ListBox1->sizeHintForRow(0), 20);
            // Delete on the second, then a double click on what is now the second row: the third editor.
            QTest::keyClick(dialog->ListBox1, Qt::Key_Delete);
            QCOMPARE(dialog->ListBox1->count(), 2);
            dialog->cbAlwaysUse->setChecked(true);
            QListWidgetItem* third = dialog->ListBox1->item(1);
            dialog->ListBox1->setCurrentItem(third);
            emit dialog->ListBox1->itemDoubleClicked(third);
        });
        QVERIFY(selector.SelectEditor(dialogs));
        QCOMPARE(selector.SelectedEditorName, std::string("/e/c"));
        QVERIFY(selector.AlwaysUseSelectedEditor);
        QCOMPARE(m_registry.ValueNames(HKCU, kEditors).size(), 3U);  // Delete only hid it
    }

    void addingAndDeletingEditors() {
        TZarpSelectHTMLEditor2 selector(m_registry, m_shell, m_prompter);
        selector.SetRegistryPath(kKey);
        selector.SelectedEditorName = "/previous";
        TSelectWhichEditor2 model(selector, m_registry);
        model.FillEditorList();
        TfrmSelectWhichEditor2 dialog(model, m_prompter);
        dialog.show();
        QVERIFY(!dialog.btnOK->isEnabled());
        WhenModalShows([](QWidget* modal) {
            auto* details = qobject_cast<TfrmSelectFilenameEditor2*>(modal);
            QCOMPARE(details->windowTitle(), QString("Editor Details"));
            QVERIFY(!details->btnOK->isEnabled());
            details->edEditorLocation->setText("/opt/tools/myedit");
            QVERIFY(!details->btnOK->isEnabled());
            details->edEditorName->setText("MyEdit");
            QVERIFY(details->btnOK->isEnabled());
            details->btnOK->click();
        });
        dialog.btnAddNewEditor->click();
        QCOMPARE(m_registry.ReadValue(HKCU, kEditors, "MyEdit"),
                 std::optional<RegistryData>(std::string("/opt/tools/myedit")));
        QCOMPARE(dialog.ListBox1->count(), 1);
        QVERIFY(dialog.btnOK->isEnabled());
        dialog.ListBox1->setCurrentRow(0);
        dialog.btnDeleteEditor->click();
        QCOMPARE(dialog.ListBox1->count(), 0);
        QVERIFY(!dialog.btnOK->isEnabled());
        QVERIFY(m_registry.ValueNames(HKCU, kEditors).empty());
        dialog.reject();
        model.FormClose(false);
        QCOMPARE(selector.SelectedEditorName, std::string("/previous"));
    }

    void browsingSuggestsTheName() {
        m_prompter.files = {std::string("/opt/tools/myedit.bin")};
        TfrmSelectFilenameEditor2 details(m_prompter);
        details.btnBrowse->click();
        QCOMPARE(details.edEditorLocation->text(), QString("/opt/tools/myedit.bin"));
        QCOMPARE(details.edEditorName->text(), QString("myedit"));
        QVERIFY(details.btnOK->isEnabled());
    }

    void waitingStartsTheEditorOnceAndTakesThePageBack() {
        QTemporaryDir dir;
        const std::string page = FolderOf(dir.path()) + "content.htm";
        WriteBytes(page, std::string(2048, 'x'));
        TWaitforEditor2 model("/opt/tools/myedit", page, m_shell, m_prompter);
        model.ShowFileInfo();
        TfrmWaitforEditor2 dialog(model);
        QCOMPARE(dialog.windowTitle(), QString("Editing the page"));
        QCOMPARE(dialog.lblFileSize->text(), QString("2.00Kb"));
        QVERIFY(!dialog.lblLastUpdateDate->text().isEmpty());
        QCOMPARE(dialog.Button1->text(), QString("&Page has been edited and saved."));
        QVERIFY(dialog.Button1->isDefault());
        WhenModalShows([&](QWidget*) {
            QTRY_COMPARE(m_shell.started.size(), 1U);
            QCOMPARE(m_shell.started[0].arguments, std::vector<std::string>{page});
            dialog.Button1->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(m_shell.started.size(), 1U);
    }
};

QTEST_MAIN(TestEditorDialogs)
#include "tst_EditorDialogs.moc"
