#include "core/common/Paths.h"
#include "core/common/TextRoutines.h"
#include "core/editors/EditorDialogs.h"
#include "core/editors/KnownEditors.h"
#include "core/editors/TSelectWhichEditor2.h"
#include "core/editors/TWaitforEditor2.h"
#include "core/editors/TZarpSelectHTMLEditor2.h"
#include "support/FakePrompter.h"
#include "support/FakeRegistry.h"
#include "support/FakeShell.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <functional>

using namespace bix;
using namespace bix::test;
namespace fs = std::filesystem;

namespace {

const std::string kKey = "\\Software\\RVK\\bixWebsite\\HTML Editor";
constexpr auto HKCU = RegistryRoot::CurrentUser;

// Dialogs that act as scripted: the selection dialog runs the script on its model; the wait dialog
// becomes active (starting the editor) and ends with the answer given.
class ScriptedDialogs final : public EditorDialogs {
public:
    std::function<bool(TSelectWhichEditor2&)> select;
    bool waitAnswer = true;
    int selectShown = 0;
    int waitShown = 0;

    bool ShowSelectEditor(TSelectWhichEditor2& model) override {
        ++selectShown;
        return select ? select(model) : false;
    }
    bool ShowWaitForEditor(TWaitforEditor2& model) override {
        ++waitShown;
        model.FormActivate();
        model.FormActivate();  // activated again: started once only
        return waitAnswer;
    }
};

QStringList Texts(const TSelectWhichEditor2& model) {
    QStringList texts;
    for (const auto& e : model.Entries()) {
        texts << QString::fromStdString(e.text);
    }
    return texts;
}

}  // namespace

class TestEditorSelector final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_site;    // the website folder, with blanks in its path
    std::string m_editor;  // a program file standing for an editor
    FakeRegistry m_registry;
    FakeShell m_shell;
    FakePrompter m_prompter;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<TZarpSelectHTMLEditor2> m_selector;

private slots:
    void init() {
        qputenv("PATH", "/nonexistent");  // no known editors here: only the registered ones count
        m_dir = std::make_unique<QTemporaryDir>();
        m_site = FolderOf(m_dir->path() + "/My Web Site");
        m_editor = FolderOf(m_dir->path()) + "myedit";
        WriteBytes(m_editor, "#!/bin/sh\n");
        m_registry = FakeRegistry();
        m_shell = FakeShell();
        m_prompter = FakePrompter();
        m_dialogs = ScriptedDialogs();
        m_selector = std::make_unique<TZarpSelectHTMLEditor2>(m_registry, m_shell, m_prompter);
        m_selector->SetRegistryPath(kKey);
        m_selector->ProjectPath = m_site;
    }

    void settingsLiveInTheRegistry() {
        QVERIFY(!m_selector->AlwaysUseSelectedEditor);
        QCOMPARE(m_selector->SelectedEditorName, std::string());
        m_selector->AlwaysUseSelectedEditor = true;
        m_selector->SelectedEditorName = m_editor;
        m_selector->SaveSettings();
        QCOMPARE(m_registry.ReadValue(HKCU, kKey, "AlwaysUse"), std::optional<RegistryData>(std::int64_t{1}));
        TZarpSelectHTMLEditor2 again(m_registry, m_shell, m_prompter);
        again.SetRegistryPath(kKey);
        QVERIFY(again.AlwaysUseSelectedEditor);
        QCOMPARE(again.SelectedEditorName, m_editor);
    }

    void alwaysUseStartsTheEditorAtOnceAndTidiesThePage() {
        const std::string page = m_site + "content.htm";
        const std::string picture = FolderOf(m_dir->path()) + "photo.jpg";
        WriteBytes(picture, "JPEG");
        WriteBytes(page, "<h1>&lt;#WWWTitle&gt;</h1><img src=\"" + picture + "\">");
        m_selector->AlwaysUseSelectedEditor = true;
        m_selector->SelectedEditorName = m_editor;
        QVERIFY(m_selector->EditFile(page, m_dialogs));
        QCOMPARE(m_dialogs.selectShown, 0);
        QCOMPARE(m_shell.started.size(), 1U);
        QCOMPARE(m_shell.started[0].program, m_editor);
        QCOMPARE(m_shell.started[0].arguments, std::vector<std::string>{page});  // one argument, blanks and all
        QCOMPARE(m_shell.started[0].workingFolder, RemoveTrailingBackslash(FolderOf(m_dir->path())));
        QCOMPARE(ReadBytes(page), std::string("<h1><#WWWTitle></h1><img SRC=\"images/photo.jpg\">"));
        QCOMPARE(ReadBytes(m_site + "images" + PathDelim + "photo.jpg"), std::string("JPEG"));
    }

    void withoutAlwaysUseTheSelectionComesFirst() {
        const std::string page = m_site + "about.htm";
        WriteBytes(page, "<p>about</p>");
        m_registry.WriteValue(HKCU, kKey + "\\Editors", "MyEdit", m_editor);
        m_dialogs.select = [](TSelectWhichEditor2& model) {
            model.alwaysUse = true;
            return model.OkEnabled();
        };
        QVERIFY(m_selector->EditFile(page, m_dialogs));
        QCOMPARE(m_dialogs.selectShown, 1);
        QCOMPARE(m_selector->SelectedEditorName, m_editor);  // the first entry was pre-selected
        QVERIFY(m_selector->AlwaysUseSelectedEditor);
        QCOMPARE(m_registry.ReadValue(HKCU, kKey, "SelectedEditorName"), std::optional<RegistryData>(m_editor));
        // Cancel there: nothing is edited.
        m_selector->AlwaysUseSelectedEditor = false;
        m_dialogs.select = [](TSelectWhichEditor2&) { return false; };
        QVERIFY(!m_selector->EditFile(page, m_dialogs));
        QCOMPARE(m_dialogs.waitShown, 1);
    }

    void theCloseBoxLeavesThePageAsItWas() {
        const std::string page = m_site + "content.htm";
        WriteBytes(page, "&lt;#WWWTitle&gt;");
        m_selector->AlwaysUseSelectedEditor = true;
        m_selector->SelectedEditorName = m_editor;
        m_dialogs.waitAnswer = false;
        QVERIFY(!m_selector->EditFile(page, m_dialogs));
        QCOMPARE(ReadBytes(page), std::string("&lt;#WWWTitle&gt;"));
    }

    void addingAnEditorRegistersItAtOnce() {
        TSelectWhichEditor2 model(*m_selector, m_registry);
        model.FillEditorList();
        QVERIFY(!model.OkEnabled());
        model.AddEditor("MyEdit", "/opt/tools/myedit");
        QCOMPARE(m_registry.ReadValue(HKCU, kKey + "\\Editors", "MyEdit"),
                 std::optional<RegistryData>(std::string("/opt/tools/myedit")));
        QCOMPARE(Texts(model), QStringList{"MyEdit"});
        model.FormClose(false);  // Cancel: the registration stays, the choice does not change
        QCOMPARE(m_selector->SelectedEditorName, std::string());
    }

    void deletingTheOnlyEntryDisablesOk() {
        m_registry.WriteValue(HKCU, kKey + "\\Editors", "Only", m_editor);
        m_selector->SelectedEditorName = "/previous/editor";
        TSelectWhichEditor2 model(*m_selector, m_registry);
        model.FillEditorList();
        model.SelectCurrentEditor(m_selector->SelectedEditorName);
        QVERIFY(model.OkEnabled());
        model.DeleteEditor();
        QVERIFY(!model.OkEnabled());
        QVERIFY(!model.ListEnabled());
        QVERIFY(m_registry.ValueNames(HKCU, kKey + "\\Editors").empty());
        model.FormClose(false);
        QCOMPARE(m_selector->SelectedEditorName, std::string("/previous/editor"));
    }

    void deleteKeyOnTheSecondThenChoosingTheThird() {
        m_registry.WriteValue(HKCU, kKey + "\\Editors", "A", std::string("/e/a"));
        m_registry.WriteValue(HKCU, kKey + "\\Editors", "B", std::string("/e/b"));
        m_registry.WriteValue(HKCU, kKey + "\\Editors", "C", std::string("/e/c"));
        TSelectWhichEditor2 model(*m_selector, m_registry);
        model.FillEditorList();
        model.ListBox1Click(1);
        model.ListBox1KeyDelete();
        QCOMPARE(Texts(model), QStringList({"A", "C"}));
        QCOMPARE(m_registry.ValueNames(HKCU, kKey + "\\Editors").size(), 3U);  // the registry keeps it
        QVERIFY(model.ListBox1DblClick(1));
        QCOMPARE(model.SelectedPath(), std::string("/e/c"));
        model.FormClose(true);
        QCOMPARE(m_selector->SelectedEditorName, std::string("/e/c"));
    }

    void theCurrentEditorIsPreselected() {
        m_registry.WriteValue(HKCU, kKey + "\\Editors", "A", std::string("/e/a"));
        m_registry.WriteValue(HKCU, kKey + "\\Editors", "Empty", std::string());
        m_registry.WriteValue(HKCU, kKey + "\\Editors", "B", std::string("/e/b"));
        TSelectWhichEditor2 model(*m_selector, m_registry);
        model.FillEditorList();
        QCOMPARE(Texts(model), QStringList({"A", "B"}));  // an empty path is not listed
        model.SelectCurrentEditor("/e/b");
        QCOMPARE(model.Selected(), std::optional<std::size_t>(1));
        model.SelectCurrentEditor("/not/registered");
        QCOMPARE(model.Selected(), std::optional<std::size_t>(0));
    }

    void theCompanionEditorRefusesAFrameset() {
        const std::string page = m_site + "frames.htm";
        WriteBytes(page, "<HTML><FRAMESET rows=2>");
        TWaitforEditor2 companion("/opt/bix/RVKHTML", page, m_shell, m_prompter);
        companion.FormActivate();
        QVERIFY(m_shell.started.empty());
        QCOMPARE(m_prompter.Texts(), std::vector<std::string>{"Framesets can not be opened"});
        TWaitforEditor2 other(m_editor, page, m_shell, m_prompter);
        other.FormActivate();
        QCOMPARE(m_shell.started.size(), 1U);
    }

    void aFailedStartIsReported() {
        const std::string page = m_site + "a.htm";
        WriteBytes(page, "a");
        m_shell.succeed = false;
        TWaitforEditor2 wait(m_editor, page, m_shell, m_prompter);
        wait.ShowFileInfo();
        QCOMPARE(wait.FileSize(), std::string("0.00Kb"));
        QCOMPARE(wait.LastUpdateDate().size(), 19U);
        wait.FormActivate();
        QCOMPARE(m_prompter.Texts(), std::vector<std::string>{"An error occurred while opening the file"});
    }

    void theCompanionEditorIsRegisteredOnce() {
        const std::string program = FolderOf(m_dir->path()) + "RVKHTML";
        m_selector->RegisterCompanionEditor(FolderOf(m_dir->path()));
        QVERIFY(m_registry.ValueNames(HKCU, kKey + "\\Editors").empty());  // not there yet
        WriteBytes(program, "x");
        m_selector->RegisterCompanionEditor(FolderOf(m_dir->path()));
        m_selector->RegisterCompanionEditor(FolderOf(m_dir->path()));
        QCOMPARE(m_registry.ValueNames(HKCU, kKey + "\\Editors"), std::vector<std::string>{"RVK HTML Editor"});
        QCOMPARE(m_registry.ReadValue(HKCU, kKey + "\\Editors", "RVK HTML Editor"),
                 std::optional<RegistryData>(program));
    }

    void editorDetails_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("suggested");
        QTest::newRow("blank name takes the file's") << "  "
                                                     << "/opt/tools/myedit.exe"
                                                     << "myedit";
        QTest::newRow("a typed name stays") << "Mine"
                                            << "/opt/tools/myedit"
                                            << "Mine";
    }
    void editorDetails() {
        QFETCH(QString, name);
        QFETCH(QString, chosen);
        QFETCH(QString, suggested);
        QCOMPARE(QString::fromStdString(SuggestedEditorName(name.toStdString(), chosen.toStdString())), suggested);
        QVERIFY(!EditorDetailsComplete(name.toStdString(), " "));
        QCOMPARE(EditorDetailsComplete(name.toStdString(), chosen.toStdString()), !name.trimmed().isEmpty());
    }

    void knownEditorsAreFoundOnThePath() {
        QCOMPARE(FirstQuotedPart("\"C:\\Program Files\\x.exe\" \"%1\""), std::string("C:\\Program Files\\x.exe"));
        QCOMPARE(FirstQuotedPart("\"C:\\open"), std::string("C:\\open"));
        QCOMPARE(FirstQuotedPart("plain"), std::string("plain"));
#ifndef _WIN32
        const std::string bin = FolderOf(m_dir->path()) + "bin";
        WriteBytes(bin + "/geany", "#!/bin/sh\n");
        fs::permissions(bin + "/geany", fs::perms::owner_all | fs::perms::others_exec);
        WriteBytes(bin + "/kate", "not executable");
        fs::permissions(bin + "/kate", fs::perms::owner_read);
        qputenv("PATH", QByteArray::fromStdString("/nonexistent:" + bin));
        const auto found = FindKnownEditors(m_registry);
        QCOMPARE(found.size(), 1U);
        QCOMPARE(found[0].text, std::string("Geany"));
        QCOMPARE(found[0].tag, -7);
        QCOMPARE(found[0].path, bin + "/geany");
#endif
    }
};

QTEST_APPLESS_MAIN(TestEditorSelector)
#include "tst_EditorSelector.moc"
