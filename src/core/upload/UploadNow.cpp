#include "UploadNow.h"

#include "core/common/TextRoutines.h"
#include "core/document/uBixEncrypt.h"
#include "core/document/ubixWebsiteClass.h"
#include "core/filemanager/TZarpFileManager.h"
#include "core/ports/Prompter.h"
#include "core/upload/TZarpFTP.h"

#include <charconv>

namespace bix {

namespace {

std::vector<std::string> Names(const std::string& joined) {
    return joined.empty() ? std::vector<std::string>() : SplitLines(joined);
}

}  // namespace

TFtpFields LoadFtpSettings(const TWebSite& site, TbixEncrypt& scrambler, bool savePassword) {
    TFtpFields fields;
    fields.hostName = site.HostName;
    fields.login = site.Login;
    fields.initialRemoteDir = site.InitialRemoteDir;
    fields.port = std::to_string(site.Port);
    fields.connectionRetries = site.ConnectionRetries;
    fields.connectionTimeout = site.ConnectionTimeout;
    fields.proxyName = site.ProxyName;
    fields.proxyBypassList = Names(site.ProxyBypassList);
    fields.savePassword = savePassword;
    if (!site.Password.empty()) {
        scrambler.Mode = TMode::mdDecrypt;
        scrambler.Registration = site.Password;
        fields.password = scrambler.Execute();
        fields.savePassword = true;
    }
    return fields;
}

void StoreFtpSettings(const TFtpFields& fields, TWebSite& site, TbixEncrypt& scrambler) {
    site.HostName = fields.hostName;
    site.Login = fields.login;
    site.InitialRemoteDir = fields.initialRemoteDir;
    int port = 21;
    const auto [end, error] = std::from_chars(fields.port.data(), fields.port.data() + fields.port.size(), port);
    if (error == std::errc() && end == fields.port.data() + fields.port.size()) {
        site.Port = port;
    }
    site.ConnectionRetries = fields.connectionRetries;
    site.ConnectionTimeout = fields.connectionTimeout;
    site.ProxyName = fields.proxyName;
    std::string bypass;
    for (const auto& entry : fields.proxyBypassList) {
        bypass += (bypass.empty() ? "" : "\r") + entry;
    }
    site.ProxyBypassList = bypass.substr(0, 99999);
    if (fields.savePassword) {
        scrambler.Mode = TMode::mdEncrypt;
        scrambler.Registration = fields.password;
        site.Password = scrambler.Execute();
    } else {
        site.Password.clear();
    }
}

bool NewBypassEntry(std::vector<std::string>& list, Prompter& prompter) {
    std::string name;
    if (!prompter.InputBox("New Proxy Bypass", "Name", name) || name.empty()) {
        return false;
    }
    list.push_back(name);
    return true;
}

bool DeleteBypassEntry(std::vector<std::string>& list, int selected, Prompter& prompter) {
    if (selected < 0 || static_cast<std::size_t>(selected) >= list.size()) {
        return false;
    }
    const Message question{
        "Are you sure that you want to remove the selected Proxy Bypass?", MsgIcon::Warning, MsgButtons::YesNo(), {}};
    if (prompter.Show(question) == MsgButton::Yes) {
        list.erase(list.begin() + selected);
    }
    return true;
}

bool EditBypassEntry(std::vector<std::string>& list, int selected, Prompter& prompter) {
    if (selected < 0 || static_cast<std::size_t>(selected) >= list.size()) {
        return false;
    }
    std::string name = list[static_cast<std::size_t>(selected)];
    prompter.InputBox("Modify Proxy Bypass", "Name", name);  // Cancel keeps the caption
    if (name.empty()) {
        list.erase(list.begin() + selected);
    } else {
        list[static_cast<std::size_t>(selected)] = name;
    }
    return true;
}

bool CheckFtpFields(const TFtpFields& fields, Prompter& prompter) {
    const std::pair<const std::string*, const char*> required[] = {{&fields.hostName, "FTP Host"},
                                                                   {&fields.login, "Login"},
                                                                   {&fields.password, "Password"},
                                                                   {&fields.port, "Port"}};
    for (const auto& [value, label] : required) {
        if (value->empty()) {
            prompter.Warn(std::string("The required field ") + label + " is empty");
            return false;
        }
    }
    return true;
}

bool UploadNow(const TFtpFields& fields, const std::string& buildFolder, TZarpFileManager& files, TZarpFTP& job,
               FtpClient& client, UploadView& view, Pump& pump, Prompter& prompter) {
    if (!CheckFtpFields(fields, prompter)) {
        return false;
    }
    job.LocalPath = AddTrailingBackslash(buildFolder);
    job.UploadList = Names(files.FilesWithStatus(3));
    job.UpdateList = Names(files.FilesWithStatus(4));
    job.RemoveList = Names(files.FilesWithStatus(1));
    if (!job.HasWork()) {
        prompter.Inform(
            "There is no files which require processing. Please look at the\r\n'Manage Web Site Files' page for "
            "details on the current status of your build directory.");
        return false;
    }
    job.HostName = fields.hostName;
    job.Login = fields.login;
    job.InitialRemoteDir = fields.initialRemoteDir;
    job.Password = fields.password;
    job.ConnectionRetries = fields.connectionRetries;
    job.ConnectionTimeout = fields.connectionTimeout;
    job.ProxyName = fields.proxyName;
    int port = 21;
    std::from_chars(fields.port.data(), fields.port.data() + fields.port.size(), port);
    job.Port = port;
    job.ProxyBypassList = fields.proxyBypassList;
    // What succeeded goes into the file list also when the run ends with an error.
    const auto apply = [&] {
        job.Password.clear();
        files.ApplyTransferResults(2, job.Uploaded_OK);
        files.ApplyTransferResults(1, job.Removed_OK);
    };
    try {
        job.Execute(client, view, pump, prompter);
    } catch (...) {
        apply();
        throw;
    }
    apply();
    return true;
}

}  // namespace bix
