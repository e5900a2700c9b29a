#include "TfrmWaitforEditor2.h"

#include "core/editors/TWaitforEditor2.h"
#include "platform/QtText.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace bix {

TfrmWaitforEditor2::TfrmWaitforEditor2(TWaitforEditor2& model, QWidget* parent) : QDialog(parent), m_model(model) {
    setWindowTitle(QStringLiteral("Editing the page"));
    setFont(QFont(QStringLiteral("Arial")));
    auto* icon = new QLabel;
    icon->setPixmap(QFileIconProvider().icon(QFileInfo(ToQString(model.EditorPath()))).pixmap(16, 16));
    auto* editing = new QLabel(QStringLiteral("Editing the HTML file with an external editor"));
    lblLastUpdateDate = new QLabel(ToQString(model.LastUpdateDate()));
    lblFileSize = new QLabel(ToQString(model.FileSize()));
    Button1 = new QPushButton(QStringLiteral("&Page has been edited and saved."));
    QFont bold = Button1->font();
    bold.setBold(true);
    Button1->setFont(bold);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0);
    layout->addWidget(editing, 0, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Last Update Date")), 1, 1);
    layout->addWidget(lblLastUpdateDate, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("File Size")), 2, 1);
    layout->addWidget(lblFileSize, 2, 2);
    layout->addWidget(Button1, 3, 0, 1, 3);
    setFixedSize(sizeHint());
}

void TfrmWaitforEditor2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The editor starts once the dialog is up, so that it opens in front of it.
    QTimer::singleShot(0, this, [this] { m_model.FormActivate(); });
}

}  // namespace bix
