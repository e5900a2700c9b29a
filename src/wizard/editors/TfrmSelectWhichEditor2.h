#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace bix {

class Prompter;
class TSelectWhichEditor2;

// "Select Editor": the editors found and registered, with their program's icon; the model decides.
class TfrmSelectWhichEditor2 final : public QDialog {
    Q_OBJECT

public:
    TfrmSelectWhichEditor2(TSelectWhichEditor2& model, Prompter& prompter, QWidget* parent = nullptr);

    QListWidget* ListBox1 = nullptr;
    QLabel* lblName = nullptr;
    QLabel* strFilename = nullptr;
    QCheckBox* cbAlwaysUse = nullptr;
    QPushButton* btnAddNewEditor = nullptr;
    QPushButton* btnDeleteEditor = nullptr;
    QPushButton* btnOK = nullptr;

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillList();
    void ShowSelection();
    void btnAddNewEditorClick();
    void btnDeleteEditorClick();

    TSelectWhichEditor2& m_model;
    Prompter& m_prompter;
};

}  // namespace bix
