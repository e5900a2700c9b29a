#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bix {

// What the connection to the server is made with.
struct FtpSettings final {
    std::string hostName;
    std::string userName;
    std::string password;  // never written to a log, a message or a trace
    int port = 21;
    std::string proxyName;
    std::vector<std::string> proxyBypassList;
    int connectRetries = 3;
    int connectTimeout = 20;  // seconds
};

// The FTP client the upload talks through: one control connection, binary transfers. Failures raise
// EBixError with the client's message, except where a result says otherwise.
class FtpClient {
public:
    virtual ~FtpClient() = default;

    virtual void SetSettings(const FtpSettings& settings) = 0;
    // While disconnected the folder is remembered and entered on connect (a failure there is ignored);
    // while connected ".." moves one folder up.
    virtual void SetRemoteDir(const std::string& folder) = 0;
    virtual std::string RemoteDir() = 0;
    // Closes any open connection; never raises.
    virtual void Disconnect() = 0;
    // Logs in; raises with one of the connection messages on failure. Calls OnConnected once logged in
    // and in the remembered folder.
    virtual bool Connect() = 0;
    virtual bool Connected() const = 0;
    // The server's last reply, or "No error description available".
    virtual std::string LastResponseText() const = 0;
    // False when the server refuses; never raises for a refusal.
    virtual bool ChangeDirectory(const std::string& name) = 0;
    // Raises "Error creating directory NAME" on failure.
    virtual bool CreateDirectory(const std::string& name) = 0;
    // The local folder (without a trailing separator) the next put reads from.
    virtual void SetLocalDir(const std::string& folder) = 0;
    // Raises "Error deleting NAME" on failure.
    virtual void DeleteFile(const std::string& name) = 0;
    // Uploads LocalDir/name under the same name; raises on failure.
    virtual void PutFile(const std::string& name) = 0;
    // Ends the connection at once; a transfer in progress then fails.
    virtual void Abort() = 0;

    std::function<void()> OnConnected;
    std::function<void()> OnDisconnected;
    // The bytes of the current file sent so far, and its name.
    std::function<void(std::uint64_t bytes, const std::string& fileName)> OnTransferProgress;
};

}  // namespace bix
