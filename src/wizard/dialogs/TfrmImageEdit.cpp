#include "TfrmImageEdit.h"

#include "core/common/Errors.h"
#include "platform/QtText.h"

#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace bix {

TfrmImageEdit::TfrmImageEdit(QImage image, QWidget* parent) : QDialog(parent), m_image(std::move(image)) {
    setWindowTitle(QStringLiteral("Image View"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    setFont(QFont(QStringLiteral("Arial")));
    apiImage = new QLabel;
    apiImage->setAlignment(Qt::AlignCenter);
    apiImage->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    apiImage->setMinimumSize(64, 64);
    btnOK = new QPushButton(QStringLiteral("Close"));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(apiImage, 1);
    layout->addLayout(bottom);
    layout->addWidget(new QStatusBar);
    resize(556, 422);
}

void TfrmImageEdit::ShowImage(const std::string& path, QWidget* parent) {
    QImageReader reader(ToQString(path));
    const QImage image = reader.read();
    if (image.isNull()) {
        throw EBixError("Cannot show " + path + ": " + FromQString(reader.errorString()));
    }
    TfrmImageEdit window(image, parent);
    window.exec();
}

void TfrmImageEdit::Fit() {
    const QSize room = apiImage->contentsRect().size();
    QPixmap picture = QPixmap::fromImage(m_image);
    if (picture.width() > room.width() || picture.height() > room.height()) {
        picture = picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    apiImage->setPixmap(picture);
}

void TfrmImageEdit::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Fit();
}

}  // namespace bix
