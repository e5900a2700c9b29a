#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QPushButton;
class QTreeView;

namespace bix {

class TGenerateCommands;

// The "Generate Web Site" page: the build folder, the leading page's name, the two options, the build
// and its preview. Its decisions are TGenerateCommands'.
class TGeneratePage final : public QWidget {
    Q_OBJECT

public:
    TGeneratePage(TGenerateCommands& commands, QWidget* parent = nullptr);

    // Shows the commands' build folder as the current folder (after SetBuildFolder).
    void ShowBuildFolder();
    std::string LeadingPage() const;

    QPushButton* btnCreateWebsite = nullptr;
    QCheckBox* ckCleanFirst = nullptr;
    QCheckBox* ckAutoPreview = nullptr;
    QPushButton* btnPreview = nullptr;
    QComboBox* cbLeadingPageTitle = nullptr;
    QComboBox* DriveComboBox1 = nullptr;
    QTreeView* DirectoryListBox1 = nullptr;
    QPushButton* btnNewFolder = nullptr;
    QPushButton* btnViewInExplorer = nullptr;

private:
    void DirectoryListBox1Change(const QString& folder);
    void Refresh();

    TGenerateCommands& m_commands;
    QFileSystemModel* m_folders = nullptr;
    bool m_showing = false;
};

}  // namespace bix
