#pragma once

#include "core/shell/LinkEditCommands.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace bix {

class MemTable;
class Prompter;
class Shell;

// "Add/Modify Link": edits the current row of the frame-links table, which the caller has put into
// insert or edit mode. The fields write straight into the row; the caller posts it on OK and cancels
// it otherwise.
class TfrmLinkEdit final : public QDialog {
    Q_OBJECT

public:
    TfrmLinkEdit(MemTable& links, std::string websiteFolder, Prompter& prompter, Shell& shell,
                 EditPageFunction editPage, QWidget* parent = nullptr);

    // The five command buttons, told apart by their tag 0 to 4.
    void btnButtonClick(int tag);

    QLineEdit* edtName = nullptr;
    QLineEdit* edtURL = nullptr;
    QCheckBox* edtVisible = nullptr;
    QCheckBox* DBCheckBox1 = nullptr;
    QPushButton* btnNewPage = nullptr;
    QPushButton* btnSelectFile = nullptr;
    QPushButton* btnMail = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnInternet = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

private:
    void EnsureEditing();
    void Write(const char* field, const std::string& value);
    void WriteFlag(const char* field, bool value);

    MemTable& m_links;
    std::string m_folder;
    Prompter& m_prompter;
    Shell& m_shell;
    EditPageFunction m_editPage;
};

}  // namespace bix
