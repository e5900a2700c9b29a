// Editing a page with a real editor program (a small one built with the tests), started by the
// desktop shell; the page is taken back and tidied when the user confirms.
#include "core/editors/EditorDialogs.h"
#include "core/editors/TWaitforEditor2.h"
#include "core/editors/TZarpSelectHTMLEditor2.h"
#include "platform/DesktopShell.h"
#include "support/FakePrompter.h"
#include "support/FakeRegistry.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace bix;
using namespace bix::test;

namespace {

// The wait dialog becomes active (the editor starts), and the user confirms once the editor has saved.
class ConfirmWhenEdited final : public EditorDialogs {
public:
    bool ShowSelectEditor(TSelectWhichEditor2&) override { return false; }
    bool ShowWaitForEditor(TWaitforEditor2& model) override {
        model.FormActivate();
        edited = QTest::qWaitFor(
            [&] { return ReadBytes(model.PagePath()).find("<!-- edited -->") != std::string::npos; }, 10000);
        return edited;
    }
    bool edited = false;
};

}  // namespace

class TestEditFile final : public QObject {
    Q_OBJECT

private slots:
    void aRealEditorGetsThePageAsOneArgument() {
        QTemporaryDir dir;
        const std::string site = FolderOf(dir.path() + "/My Web Site");
        const std::string page = site + "content.htm";
        WriteBytes(page, "<p>&lt;#ContactUs&gt;</p>");
        FakeRegistry registry;
        DesktopShell shell;
        FakePrompter prompter;
        TZarpSelectHTMLEditor2 selector(registry, shell, prompter);
        selector.SetRegistryPath("\\Software\\RVK\\bixWebsite\\HTML Editor");
        selector.ProjectPath = site;
        selector.AlwaysUseSelectedEditor = true;
        selector.SelectedEditorName = BIX_TEST_EDITOR;
        ConfirmWhenEdited dialogs;
        QVERIFY(selector.EditFile(page, dialogs));
        QVERIFY(dialogs.edited);
        QCOMPARE(ReadBytes(page + ".args"), std::string("1"));
        QCOMPARE(ReadBytes(page), std::string("<p><#ContactUs></p><!-- edited -->"));
        QVERIFY(prompter.messages.empty());
    }
};

QTEST_GUILESS_MAIN(TestEditFile)
#include "tst_EditFile.moc"
