#pragma once

#include <QWidget>

#include <functional>

class QMenu;
class QPushButton;
class QTableView;

namespace bix {

class Prompter;
class TdmTables;
class TMemTableModel;

// The "Manage Web Site Files" page: the file list in a grid, its planned actions, and opening a built
// page in the editor or a built picture in the viewer.
class TManageFilesPage final : public QWidget {
    Q_OBJECT

public:
    TManageFilesPage(TdmTables& dm, Prompter& prompter, QWidget* parent = nullptr);
    ~TManageFilesPage() override;

    std::function<void()> SetModified;
    // The build folder chosen on the Generate page, at the moment of each action.
    std::function<std::string()> BuildFolder;
    // Editing a page in the chosen editor, and showing a picture.
    std::function<void(const std::string&)> EditPage;
    std::function<void(const std::string&)> ShowImage;

    void btnRefreshFLBWorkingClick();
    void btnModifyHTMLPageInEditorClick();
    // The popup menu's status items, told apart by their tag 0 to 4.
    void FileManagerHandles(int tag);

    QTableView* dxDBGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QPushButton* btnModifyHTMLPageInEditor = nullptr;
    QPushButton* btnRefreshFLBWorking = nullptr;

private:
    void Modified();
    std::string Folder() const;

    TdmTables& m_dm;
    Prompter& m_prompter;
    TMemTableModel* m_model = nullptr;
};

}  // namespace bix
