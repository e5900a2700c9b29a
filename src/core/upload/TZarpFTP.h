#pragma once

#include <string>
#include <vector>

namespace bix {

class FtpClient;
class Prompter;
class Pump;
class UploadView;

// The upload job: the server settings, the three lists of relative names to process, and after a run
// the names that succeeded.
class TZarpFTP final {
public:
    std::vector<std::string> UploadList;
    std::vector<std::string> UpdateList;
    std::vector<std::string> RemoveList;
    std::vector<std::string> Uploaded_OK;
    std::vector<std::string> Removed_OK;
    std::string HostName;
    std::string Login;
    std::string Password;  // plain text, only while the job runs
    std::string InitialRemoteDir;
    std::string LocalPath;  // the build folder, with its trailing separator
    int ConnectionRetries = 0;
    int ConnectionTimeout = 0;
    std::string ProxyName;
    std::vector<std::string> ProxyBypassList;
    int Port = 21;

    bool HasWork() const { return !UploadList.empty() || !UpdateList.empty() || !RemoveList.empty(); }

    // Runs the upload in the given window; the result lists hold what succeeded, also after an error.
    // While a run is going on (its window lets events run), a second one ends at once with EAbort.
    void Execute(FtpClient& client, UploadView& view, Pump& pump, Prompter& prompter);
    bool Running() const { return m_running; }

private:
    bool m_running = false;
};

}  // namespace bix
