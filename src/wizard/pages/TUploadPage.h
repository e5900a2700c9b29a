#pragma once

#include "core/upload/UploadNow.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace bix {

class FtpClient;
class TdmTables;
class TWebSite;

// The "Upload To Server" page: the FTP settings of the open website, its proxy bypass list, and
// "Upload Now". The fields are the working copy of the settings between opening and saving.
class TUploadPage final : public QWidget {
    Q_OBJECT

public:
    TUploadPage(TdmTables& dm, Prompter& prompter, QWidget* parent = nullptr);

    std::function<void()> SetModified;
    // The build folder chosen on the Generate page.
    std::function<std::string()> BuildFolder;
    // The client a run talks through (a new libcurl client unless a test gives another).
    std::function<std::unique_ptr<FtpClient>()> MakeClient;

    void LoadFtpSettings(const TWebSite& site);
    void StoreFtpSettings(TWebSite& site);
    // Clears the fields as closing a website does.
    void Reset();
    TFtpFields Fields() const;

    void btnUploadNowClick();

    QLineEdit* edtFTPHost = nullptr;
    QLineEdit* edtLogin = nullptr;
    QLineEdit* edtPassword = nullptr;
    QCheckBox* chkSave = nullptr;
    QSpinBox* sePort = nullptr;
    QLineEdit* edtHostDirectory = nullptr;
    QSpinBox* seConnectionRetries = nullptr;
    QSpinBox* seConnectionTimeout = nullptr;
    QLineEdit* edtProxyName = nullptr;
    QListWidget* lvProxyBypass = nullptr;
    QPushButton* btnNewFTP = nullptr;
    QPushButton* btnDeleteFTP = nullptr;
    QPushButton* btnEditFTP = nullptr;
    QPushButton* btnUploadNow = nullptr;

private:
    std::vector<std::string> BypassList() const;
    void ShowBypassList(const std::vector<std::string>& list);
    void Modified();

    TdmTables& m_dm;
    Prompter& m_prompter;
};

}  // namespace bix
