#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace bix {

class Prompter;

// "Editor Details": a name and a program for a new editor. OK needs both.
class TfrmSelectFilenameEditor2 final : public QDialog {
    Q_OBJECT

public:
    TfrmSelectFilenameEditor2(Prompter& prompter, QWidget* parent = nullptr);

    QLineEdit* edEditorName = nullptr;
    QLineEdit* edEditorLocation = nullptr;
    QPushButton* btnBrowse = nullptr;
    QPushButton* btnOK = nullptr;

private:
    void edEditorLocationChange();
    void btnBrowseClick();
    Prompter& m_prompter;
};

}  // namespace bix
