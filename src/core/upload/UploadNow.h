#pragma once

#include <string>
#include <vector>

namespace bix {

class FtpClient;
class Prompter;
class Pump;
class TbixEncrypt;
class TWebSite;
class TZarpFileManager;
class TZarpFTP;
class UploadView;

// The upload page's fields: the working copy of the website's FTP settings, the password in plain text.
struct TFtpFields final {
    std::string hostName;
    std::string login;
    std::string password;
    bool savePassword = false;
    std::string initialRemoteDir;
    std::string port = "21";  // as typed
    int connectionRetries = 3;
    int connectionTimeout = 30;
    std::string proxyName;
    std::vector<std::string> proxyBypassList;
};

// The website's settings into the fields, the stored password unscrambled (and "Save" then checked).
TFtpFields LoadFtpSettings(const TWebSite& site, TbixEncrypt& scrambler, bool savePassword);
// The fields into the website; the password stored scrambled, and only when "Save" is checked.
void StoreFtpSettings(const TFtpFields& fields, TWebSite& site, TbixEncrypt& scrambler);
// FTP Host, Login, Password and Port must not be empty: warns about the first that is.
bool CheckFtpFields(const TFtpFields& fields, Prompter& prompter);

// The bypass list's three buttons; each gives true when the website is to be marked changed.
bool NewBypassEntry(std::vector<std::string>& list, Prompter& prompter);
bool DeleteBypassEntry(std::vector<std::string>& list, int selected, Prompter& prompter);
bool EditBypassEntry(std::vector<std::string>& list, int selected, Prompter& prompter);

// "Upload Now": the job filled from the file list and the fields, run, and its results written back into
// the file list (also after a failure). False, after its message, when the fields are incomplete or
// nothing needs processing.
bool UploadNow(const TFtpFields& fields, const std::string& buildFolder, TZarpFileManager& files, TZarpFTP& job,
               FtpClient& client, UploadView& view, Pump& pump, Prompter& prompter);

}  // namespace bix
