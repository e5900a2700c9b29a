#pragma once

#include <QDialog>

#include <string>

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace bix {

class Prompter;

// "New Web Site": the new website's name and its folder. Each time it opens it prepares a fresh
// numbered folder "Website N" under www in the program folder (or, when that cannot be written, in
// the user's home folder) and selects it.
class TfrmNewWebSite final : public QDialog {
    Q_OBJECT

public:
    TfrmNewWebSite(std::string programFolder, Prompter& prompter, QWidget* parent = nullptr);

    // The selected folder with its trailing separator, and the name as typed.
    std::string Folder() const;
    std::string Name() const;
    // Selects a folder (and shows its place in the selector).
    void SelectFolder(const QString& folder);

    void btnNewDirClick();
    void btnOKClick();

    QLineEdit* edtName = nullptr;
    QTreeView* DirectoryDestination = nullptr;
    QComboBox* DriveComboBox1 = nullptr;
    QPushButton* btnNewDir = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

private:
    void DriveChanged(int index);
    QString SelectedFolder() const;

    std::string m_programFolder;
    Prompter& m_prompter;
    QFileSystemModel* m_folders = nullptr;
};

}  // namespace bix
