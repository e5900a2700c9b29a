#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace bix {

class TWaitforEditor2;

// "Editing the page": waits while the page is edited in another program; the button takes it back.
class TfrmWaitforEditor2 final : public QDialog {
    Q_OBJECT

public:
    TfrmWaitforEditor2(TWaitforEditor2& model, QWidget* parent = nullptr);

    QLabel* lblLastUpdateDate = nullptr;
    QLabel* lblFileSize = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TWaitforEditor2& m_model;
};

}  // namespace bix
