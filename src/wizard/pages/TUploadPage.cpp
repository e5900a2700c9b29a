#include "TUploadPage.h"

#include "core/common/Errors.h"
#include "core/document/ubixWebsiteClass.h"
#include "core/generator/udmTables.h"
#include "platform/CurlFtpClient.h"
#include "platform/QtPump.h"
#include "platform/QtText.h"
#include "wizard/upload/uFTP.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include <climits>

namespace bix {

namespace {

QSpinBox* SpinBox(int value) {
    auto* box = new QSpinBox;
    box->setRange(INT_MIN, INT_MAX);  // no lower or upper limit
    box->setValue(value);
    return box;
}

}  // namespace

TUploadPage::TUploadPage(TdmTables& dm, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_dm(dm), m_prompter(prompter) {
    edtFTPHost = new QLineEdit;
    edtLogin = new QLineEdit;
    edtPassword = new QLineEdit;
    edtPassword->setEchoMode(QLineEdit::Password);
    chkSave = new QCheckBox(QStringLiteral("Save"));
    sePort = SpinBox(21);
    edtHostDirectory = new QLineEdit;
    seConnectionRetries = SpinBox(3);
    seConnectionTimeout = SpinBox(60);
    seConnectionTimeout->setSuffix(QStringLiteral(" Seconds"));
    edtProxyName = new QLineEdit;
    lvProxyBypass = new QListWidget;
    QStyle* style = this->style();
    btnNewFTP = new QPushButton(style->standardIcon(QStyle::SP_FileDialogNewFolder), QString());
    btnNewFTP->setToolTip(QStringLiteral("New Proxy Bypass"));
    btnDeleteFTP = new QPushButton(style->standardIcon(QStyle::SP_TrashIcon), QString());
    btnDeleteFTP->setToolTip(QStringLiteral("Delete Proxy Bypass"));
    btnEditFTP = new QPushButton(style->standardIcon(QStyle::SP_FileDialogDetailedView), QString());
    btnEditFTP->setToolTip(QStringLiteral("Modify Proxy Bypass"));
    btnUploadNow = new QPushButton(QStringLiteral("Upload Now"));

    auto* server = new QGroupBox(QStringLiteral("FTP Server Details"));
    auto* serverForm = new QFormLayout(server);
    serverForm->addRow(QStringLiteral("FTP Host"), edtFTPHost);
    serverForm->addRow(QStringLiteral("Login"), edtLogin);
    auto* password = new QHBoxLayout;
    password->addWidget(edtPassword, 1);
    password->addWidget(chkSave);
    serverForm->addRow(QStringLiteral("Password"), password);
    serverForm->addRow(QStringLiteral("Port"), sePort);
    serverForm->addRow(QStringLiteral("Host Directory"), edtHostDirectory);

    auto* advanced = new QGroupBox(QStringLiteral("Advanced FTP Options"));
    auto* advancedForm = new QFormLayout(advanced);
    advancedForm->addRow(QStringLiteral("Connection Retries"), seConnectionRetries);
    advancedForm->addRow(QStringLiteral("Connection Timeout"), seConnectionTimeout);
    advancedForm->addRow(QStringLiteral("Proxy Name"), edtProxyName);
    auto* bypassButtons = new QVBoxLayout;
    bypassButtons->addWidget(btnNewFTP);
    bypassButtons->addWidget(btnDeleteFTP);
    bypassButtons->addWidget(btnEditFTP);
    bypassButtons->addStretch(1);
    auto* bypass = new QHBoxLayout;
    bypass->addWidget(lvProxyBypass, 1);
    bypass->addLayout(bypassButtons);
    advancedForm->addRow(QStringLiteral("Proxy Bypass List"), bypass);

    auto* title = new QLabel(QStringLiteral("Upload To Server"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    title->setFont(big);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(server);
    layout->addWidget(advanced, 1);
    layout->addWidget(btnUploadNow, 0, Qt::AlignRight);

    for (QSpinBox* box : {sePort, seConnectionRetries, seConnectionTimeout}) {
        connect(box, &QSpinBox::valueChanged, this, &TUploadPage::Modified);
    }
    connect(btnNewFTP, &QPushButton::clicked, this, [this] {
        auto list = BypassList();
        if (NewBypassEntry(list, m_prompter)) {
            ShowBypassList(list);
            Modified();
        }
    });
    connect(btnDeleteFTP, &QPushButton::clicked, this, [this] {
        auto list = BypassList();
        if (DeleteBypassEntry(list, lvProxyBypass->currentRow(), m_prompter)) {
            ShowBypassList(list);
            Modified();
        }
    });
    connect(btnEditFTP, &QPushButton::clicked, this, [this] {
        auto list = BypassList();
        if (EditBypassEntry(list, lvProxyBypass->currentRow(), m_prompter)) {
            ShowBypassList(list);
            Modified();
        }
    });
    connect(btnUploadNow, &QPushButton::clicked, this, &TUploadPage::btnUploadNowClick);
}

void TUploadPage::Modified() {
    if (SetModified) {
        SetModified();
    }
}

std::vector<std::string> TUploadPage::BypassList() const {
    std::vector<std::string> list;
    for (int i = 0; i < lvProxyBypass->count(); ++i) {
        list.push_back(FromQString(lvProxyBypass->item(i)->text()));
    }
    return list;
}

void TUploadPage::ShowBypassList(const std::vector<std::string>& list) {
    lvProxyBypass->clear();
    for (const auto& entry : list) {
        lvProxyBypass->addItem(ToQString(entry));
    }
}

TFtpFields TUploadPage::Fields() const {
    TFtpFields fields;
    fields.hostName = FromQString(edtFTPHost->text());
    fields.login = FromQString(edtLogin->text());
    fields.password = FromQString(edtPassword->text());
    fields.savePassword = chkSave->isChecked();
    fields.initialRemoteDir = FromQString(edtHostDirectory->text());
    fields.port = FromQString(sePort->text());
    fields.connectionRetries = seConnectionRetries->value();
    fields.connectionTimeout = seConnectionTimeout->value();
    fields.proxyName = FromQString(edtProxyName->text());
    fields.proxyBypassList = BypassList();
    return fields;
}

void TUploadPage::LoadFtpSettings(const TWebSite& site) {
    const TFtpFields fields = bix::LoadFtpSettings(site, m_dm.bixEncrypt1, chkSave->isChecked());
    const QSignalBlocker blockPort(sePort);
    const QSignalBlocker blockRetries(seConnectionRetries);
    const QSignalBlocker blockTimeout(seConnectionTimeout);
    edtFTPHost->setText(ToQString(fields.hostName));
    edtLogin->setText(ToQString(fields.login));
    edtHostDirectory->setText(ToQString(fields.initialRemoteDir));
    edtPassword->setText(ToQString(fields.password));
    chkSave->setChecked(fields.savePassword);
    seConnectionRetries->setValue(fields.connectionRetries);
    seConnectionTimeout->setValue(fields.connectionTimeout);
    edtProxyName->setText(ToQString(fields.proxyName));
    sePort->setValue(site.Port);
    ShowBypassList(fields.proxyBypassList);
}

void TUploadPage::StoreFtpSettings(TWebSite& site) {
    bix::StoreFtpSettings(Fields(), site, m_dm.bixEncrypt1);
}

void TUploadPage::Reset() {
    const QSignalBlocker blockPort(sePort);
    const QSignalBlocker blockRetries(seConnectionRetries);
    const QSignalBlocker blockTimeout(seConnectionTimeout);
    seConnectionRetries->setValue(3);
    seConnectionTimeout->setValue(30);
    edtProxyName->clear();
    lvProxyBypass->clear();
    edtFTPHost->clear();
    edtLogin->clear();
    edtPassword->clear();
    sePort->clear();
    edtHostDirectory->clear();
}

void TUploadPage::btnUploadNowClick() {
    std::unique_ptr<FtpClient> client = MakeClient ? MakeClient() : std::make_unique<CurlFtpClient>();
    // The window shows itself when a run starts: not at all when there is nothing to do.
    TfrmFTP uploadWindow(window());
    QtPump pump;
    const bool ran = [&] {
        try {
            const std::string build = BuildFolder ? BuildFolder() : std::string();
            return UploadNow(Fields(), build, m_dm.ZarpFileManager1, m_dm.ZarpFTP1, *client, uploadWindow, pump,
                             m_prompter);
        } catch (const EAbort&) {
            return false;  // a run is going on already
        }
    }();
    if (ran) {
        Modified();
    }
}

}  // namespace bix
