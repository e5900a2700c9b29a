#include "TfrmSelectFilenameEditor2.h"

#include "core/editors/TSelectWhichEditor2.h"
#include "core/ports/Prompter.h"
#include "platform/QtText.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace bix {

TfrmSelectFilenameEditor2::TfrmSelectFilenameEditor2(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter) {
    setWindowTitle(QStringLiteral("Editor Details"));
    edEditorName = new QLineEdit;
    edEditorLocation = new QLineEdit;
    btnBrowse = new QPushButton(QStringLiteral("&Browse"));
    auto* location = new QHBoxLayout;
    location->addWidget(edEditorLocation, 1);
    location->addWidget(btnBrowse);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Editor name:"), edEditorName);
    form->addRow(QStringLiteral("Program:"), location);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    btnOK = buttons->button(QDialogButtonBox::Ok);
    btnOK->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(460, sizeHint().height());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(edEditorLocation, &QLineEdit::textChanged, this, &TfrmSelectFilenameEditor2::edEditorLocationChange);
    // Typing the name after the program must enable OK too.
    connect(edEditorName, &QLineEdit::textChanged, this, &TfrmSelectFilenameEditor2::edEditorLocationChange);
    connect(btnBrowse, &QPushButton::clicked, this, &TfrmSelectFilenameEditor2::btnBrowseClick);
}

void TfrmSelectFilenameEditor2::edEditorLocationChange() {
    btnOK->setEnabled(EditorDetailsComplete(FromQString(edEditorName->text()), FromQString(edEditorLocation->text())));
}

void TfrmSelectFilenameEditor2::btnBrowseClick() {
    FileDialogOptions options;
#ifdef Q_OS_WIN
    options.filter = "Executable Files|*.exe;*.com|All Files|*.*";
#else
    options.filter = "All Files|*";
#endif
    options.fileName = FromQString(QFileInfo(edEditorLocation->text()).fileName());
    options.initialFolder = FromQString(QFileInfo(edEditorLocation->text()).path());
    if (const auto chosen = m_prompter.OpenFileName(options)) {
        edEditorName->setText(ToQString(SuggestedEditorName(FromQString(edEditorName->text()), *chosen)));
        edEditorLocation->setText(ToQString(*chosen));
        edEditorLocationChange();
    }
}

}  // namespace bix
