#include "uLinkEdit.h"

#include "core/document/MemTable.h"
#include "platform/QtText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace bix {

TfrmLinkEdit::TfrmLinkEdit(MemTable& links, std::string websiteFolder, Prompter& prompter, Shell& shell,
                           EditPageFunction editPage, QWidget* parent)
    : QDialog(parent),
      m_links(links),
      m_folder(std::move(websiteFolder)),
      m_prompter(prompter),
      m_shell(shell),
      m_editPage(std::move(editPage)) {
    setWindowTitle(QStringLiteral("Add/Modify Link"));

    edtName = new QLineEdit(ToQString(links.AsString("Name")));
    edtURL = new QLineEdit(ToQString(links.AsString("URL")));
    edtName->setMaxLength(links.FieldDefs()[links.FieldIndex("Name")].size);
    edtURL->setMaxLength(links.FieldDefs()[links.FieldIndex("URL")].size);
    edtURL->setMinimumWidth(320);
    edtVisible = new QCheckBox(QStringLiteral("Visible"));
    DBCheckBox1 = new QCheckBox(QStringLiteral("Appear Inside Frame"));
    edtVisible->setChecked(!links.IsNull("Visible") && links.AsBoolean("Visible"));
    DBCheckBox1->setChecked(!links.IsNull("InFrame") && links.AsBoolean("InFrame"));

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Label:"), edtName);
    fields->addRow(QStringLiteral("&URL:"), edtURL);
    auto* flags = new QHBoxLayout;
    flags->addWidget(edtVisible);
    flags->addWidget(DBCheckBox1);
    flags->addStretch();
    fields->addRow(QString(), flags);

    // Each command button: its caption, hint, picture and tag.
    struct ButtonDef {
        QPushButton** button;
        const char* caption;
        const char* hint;
        QStyle::StandardPixmap icon;
    };
    const ButtonDef defs[] = {
        {&btnNewPage, "New HTML Page", "Create a New HTML Page", QStyle::SP_FileIcon},
        {&btnSelectFile, "Select File", "Select a File", QStyle::SP_DialogOpenButton},
        {&btnMail, "Insert Email", "Insert an Email", QStyle::SP_MessageBoxInformation},
        {&btnEdit, "Edit HTML Page", "Edit HTML page", QStyle::SP_FileDialogDetailedView},
        {&btnInternet, "View HTML Page", "View using Internet Browser", QStyle::SP_DriveNetIcon},
    };
    auto* commands = new QGridLayout;
    int tag = 0;
    for (const ButtonDef& def : defs) {
        auto* button = new QPushButton(style()->standardIcon(def.icon), QString::fromLatin1(def.caption));
        button->setToolTip(QString::fromLatin1(def.hint));
        button->setStatusTip(button->toolTip());
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, tag] { btnButtonClick(tag); });
        commands->addWidget(button, tag / 3, tag % 3);
        *def.button = button;
        ++tag;
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    btnOK = buttons->button(QDialogButtonBox::Ok);
    btnCancel = buttons->button(QDialogButtonBox::Cancel);
    btnOK->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(commands);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(edtName, &QLineEdit::textEdited, this, [this](const QString& text) { Write("Name", FromQString(text)); });
    connect(edtURL, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (FromQString(text) != m_links.AsString("URL")) {
            Write("URL", FromQString(text));
        }
    });
    connect(edtVisible, &QCheckBox::toggled, this, [this](bool on) { WriteFlag("Visible", on); });
    connect(DBCheckBox1, &QCheckBox::toggled, this, [this](bool on) { WriteFlag("InFrame", on); });
    edtName->setFocus();
}

void TfrmLinkEdit::EnsureEditing() {
    if (m_links.State() == TDataSetState::Browse) {
        m_links.Edit();
    }
}

void TfrmLinkEdit::Write(const char* field, const std::string& value) {
    EnsureEditing();
    m_links.SetValue(field, value);
}

void TfrmLinkEdit::WriteFlag(const char* field, bool value) {
    EnsureEditing();
    m_links.SetValue(field, value);
}

void TfrmLinkEdit::btnButtonClick(int tag) {
    EnsureEditing();
    const std::string url = FromQString(edtURL->text());
    switch (tag) {
        case 0:
            edtURL->setText(ToQString(NewHtmlPage(m_folder, m_prompter, m_editPage)));
            break;
        case 1:
            edtURL->setText(ToQString(SelectFile(m_folder, m_prompter)));
            break;
        case 2:
            edtURL->setText(ToQString(InsertEmail(url, m_prompter)));
            break;
        case 3:
            EditHtmlPage(m_folder, url, m_prompter, m_editPage);
            break;
        case 4:
            ViewHtmlPage(m_folder, url, m_shell, m_prompter);
            break;
        default:
            break;
    }
}

}  // namespace bix
