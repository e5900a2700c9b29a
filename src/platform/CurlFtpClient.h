#pragma once

#include "core/ports/FtpClient.h"

#include <atomic>
#include <string>

typedef void CURL;  // NOLINT: libcurl's own handle type

namespace bix {

// The FTP client on libcurl. One easy handle keeps one control connection for the whole run: folders
// are tracked here and each command is sent on that connection. Active mode (PORT), binary transfers.
// The password is handed to libcurl only; the replies kept for LastResponseText are the server's.
class CurlFtpClient final : public FtpClient {
public:
    CurlFtpClient();
    ~CurlFtpClient() override;
    CurlFtpClient(const CurlFtpClient&) = delete;
    CurlFtpClient& operator=(const CurlFtpClient&) = delete;

    void SetSettings(const FtpSettings& settings) override { m_settings = settings; }
    void SetRemoteDir(const std::string& folder) override;
    std::string RemoteDir() override { return m_cwd; }
    void Disconnect() override;
    bool Connect() override;
    bool Connected() const override { return m_curl != nullptr; }
    std::string LastResponseText() const override;
    bool ChangeDirectory(const std::string& name) override;
    bool CreateDirectory(const std::string& name) override;
    void SetLocalDir(const std::string& folder) override { m_localDir = folder; }
    void DeleteFile(const std::string& name) override;
    void PutFile(const std::string& name) override;
    void Abort() override { m_abort = true; }

    // Folders on the server, joined to the folder they are relative to.
    static std::string JoinServerPath(const std::string& folder, const std::string& name);

private:
    struct Request;
    // Sends one request on the connection; the libcurl result code.
    int Perform(const Request& request);
    std::string Url(const std::string& path, bool folder) const;
    void PrepareHandle();

    // libcurl's callbacks, with libcurl's own types, reach the members through this.
    friend struct CurlCallbacks;

    FtpSettings m_settings;
    CURL* m_curl = nullptr;
    std::string m_startDir;  // entered on connect
    std::string m_cwd = "/";
    std::string m_localDir;
    std::string m_lastReply;
    std::string m_lastCommand;  // the verb only: never what follows it
    std::string m_currentFile;
    std::atomic<bool> m_abort{false};
};

}  // namespace bix
