#pragma once

#include "core/generator/TGenerateCommands.h"
#include "core/generator/TWebsiteProject.h"
#include "core/shell/TWebsiteCommands.h"
#include "core/shell/TWizardNavigation.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>

class QAction;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeWidget;

namespace bix {

class EditorDialogs;
class Prompter;
class Registry;
class Shell;
class TdmTables;
class TFrameLinksPage;
class TGeneratePage;
class TManageFilesPage;
class TMetaTagsPage;
class TSelectThemePage;
class TThemeCatalogue;
class TThemePropertiesPage;
class TUploadPage;
class TZarpSelectHTMLEditor2;

// What the main window works with, created before it and living as long as the program.
struct TMainServices final {
    Prompter& prompter;
    Registry& registry;
    Shell& shell;
    TdmTables& dm;
    TThemeCatalogue& catalogue;
    TZarpSelectHTMLEditor2& editor;
};

// The main window of bixWebSite: the step column, the eight pages, Prior / Next / Save, the menus and
// the website commands. Its decisions are TWebsiteCommands', TWizardNavigation's and the pages'.
class TfrmMain final : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmMain(TMainServices services, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The new-website dialog's choice of folder and name; by default the dialog itself.
    std::function<bool(std::string& folder, std::string& name)> ChooseNewWebsite;

    void SetModified(bool value);
    TWebsiteProject& Project() { return m_project; }

    // The website commands, as the menus, the Welcome page links and the Save button run them.
    void FileNewCmdExecute();
    void FileOpenCmdExecute();
    void FileLastWebsiteCmdExecute();
    void FileSaveCmdExecute();
    void FileCloseCmdExecute();
    void ShowPage(int page);
    void HelpCmdExecute();
    void AboutCmdExecute();

    QAction* FileNewCmd = nullptr;
    QAction* FileLastWebsiteCmd = nullptr;
    QAction* FileOpenCmd = nullptr;
    QAction* FileExitCmd = nullptr;
    QAction* FileCloseCmd = nullptr;
    QAction* FileSaveCmd = nullptr;
    QAction* SelectEditorCmd = nullptr;
    QAction* HelpCmd = nullptr;
    QAction* AboutCmd = nullptr;

    QLabel* lblSteps = nullptr;
    QTreeWidget* tvNavigation = nullptr;
    QLabel* lblPageTitle = nullptr;
    QStackedWidget* Notebook1 = nullptr;
    QPushButton* btnPrior = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnSave = nullptr;

    TSelectThemePage* pgSelectTheme = nullptr;
    TThemePropertiesPage* pgThemeProperties = nullptr;
    TFrameLinksPage* pgFrameLinks = nullptr;
    TMetaTagsPage* pgMetaTags = nullptr;
    TGeneratePage* pgGenerate = nullptr;
    TManageFilesPage* pgManageFiles = nullptr;
    TUploadPage* pgUpload = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* CreateWelcomePage();
    QWidget* CreateStepColumn();
    void CreateActions();
    void CreateMenus();
    void WirePages();
    void NotebookChanged(int page);
    void TreeSelectionChanged();
    void LoadControls(bool opened);
    void StoreControls();
    void ResetWizard();
    void EditPage(const std::string& path);
    // Runs a command; an error it does not handle is shown and the program goes on.
    void Run(const std::function<void()>& command);
    void UpdateCaption();

    TMainServices m_services;
    std::unique_ptr<EditorDialogs> m_editorDialogs;
    TWebsiteProject m_project;
    TWebsiteCommands m_commands;
    TWizardNavigation m_navigation;
    TGenerateCommands m_generate;
    bool m_syncingTree = false;
};

}  // namespace bix
