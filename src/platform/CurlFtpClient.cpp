#include "CurlFtpClient.h"

#include "core/common/Errors.h"
#include "core/common/TextRoutines.h"

#include <curl/curl.h>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace bix {

namespace {

// libcurl is set up once for the whole program.
void GlobalInit() {
    static const bool done = [] { return curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; }();
    (void)done;
}

std::string TrimReply(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
        line.remove_suffix(1);
    }
    return std::string(line);
}

}  // namespace

struct CurlCallbacks final {
    static int Debug(CURL* /*handle*/, curl_infotype type, char* data, std::size_t size, void* self) {
        auto* client = static_cast<CurlFtpClient*>(self);
        const std::string_view text(data, size);
        if (type == CURLINFO_HEADER_IN) {
            client->m_lastReply = TrimReply(text);
        } else if (type == CURLINFO_HEADER_OUT) {
            // Only the verb: what follows PASS must never be kept anywhere.
            client->m_lastCommand = UpperCase(text.substr(0, text.find_first_of(" \r\n")));
        }
        return 0;
    }

    static int Progress(void* self, curl_off_t /*downTotal*/, curl_off_t /*downNow*/, curl_off_t /*upTotal*/,
                        curl_off_t upNow) {
        auto* client = static_cast<CurlFtpClient*>(self);
        if (client->m_abort) {
            return 1;  // ends the transfer at once
        }
        if (!client->m_currentFile.empty() && client->OnTransferProgress) {
            client->OnTransferProgress(static_cast<std::uint64_t>(upNow), client->m_currentFile);
        }
        return client->m_abort ? 1 : 0;
    }

    // A small send buffer keeps the transfer in libcurl's hands, where the progress callback runs (and
    // with it the window and its Cancel): with the system's large buffers a whole file vanishes into the
    // socket at once and libcurl then waits for the server's reply without calling back.
    static int SocketOptions(void* /*self*/, curl_socket_t socket, curlsocktype purpose) {
        // Every socket: in active mode the data connection is one the server made to us (accepted).
        (void)purpose;
        const int bytes = 64 * 1024;
        setsockopt(socket, SOL_SOCKET, SO_SNDBUF, reinterpret_cast<const char*>(&bytes), sizeof bytes);
        return CURL_SOCKOPT_OK;
    }

    static std::size_t Read(char* buffer, std::size_t size, std::size_t count, void* file) {
        return std::fread(buffer, size, count, static_cast<std::FILE*>(file));
    }
};

// One request on the connection: the folder it acts in, and what it does there.
struct CurlFtpClient::Request final {
    std::string path = "/";          // absolute folder (or file when uploading) on the server
    bool folder = true;              // path is a folder: no transfer, only the change into it
    std::vector<std::string> quote;  // commands sent after changing into the folder
    std::FILE* upload = nullptr;
    curl_off_t uploadSize = 0;
};

CurlFtpClient::CurlFtpClient() {
    GlobalInit();
}

CurlFtpClient::~CurlFtpClient() {
    OnDisconnected = nullptr;
    Disconnect();
}

std::string CurlFtpClient::JoinServerPath(const std::string& folder, const std::string& name) {
    if (name.starts_with("/")) {
        return name;
    }
    std::string path = folder.empty() ? "/" : folder;
    if (path.back() != '/') {
        path += '/';
    }
    path += name;
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

std::string CurlFtpClient::Url(const std::string& path, bool folder) const {
    // The path starts at the server's root (%2F), each folder name escaped.
    std::string url = "ftp://" + m_settings.hostName + ":" + std::to_string(m_settings.port) + "/%2F";
    std::size_t start = 1;
    while (start < path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        const std::string part = path.substr(start, end - start);
        char* escaped = curl_easy_escape(m_curl, part.c_str(), static_cast<int>(part.size()));
        url += escaped;
        curl_free(escaped);
        if (end < path.size() || folder) {
            url += '/';
        }
        start = end + 1;
    }
    if (folder && url.back() != '/') {
        url += '/';
    }
    return url;
}

void CurlFtpClient::PrepareHandle() {
    m_curl = curl_easy_init();
    if (m_curl == nullptr) {
        throw EBixError("General Connection Error to " + m_settings.hostName);
    }
    curl_easy_setopt(m_curl, CURLOPT_USERNAME, m_settings.userName.c_str());
    curl_easy_setopt(m_curl, CURLOPT_PASSWORD, m_settings.password.c_str());
    curl_easy_setopt(m_curl, CURLOPT_FTPPORT, "-");  // active mode, as the server expects of us
    curl_easy_setopt(m_curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(m_curl, CURLOPT_TRANSFERTEXT, 0L);
    // The page's value is the connect timeout in seconds. Replies get at least two minutes: after the
    // last byte of a big file the server may still be reading what the line holds.
    const long timeout = m_settings.connectTimeout > 0 ? m_settings.connectTimeout : 300;
    curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT, timeout);
    curl_easy_setopt(m_curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, std::max(timeout, 120L));
    curl_easy_setopt(m_curl, CURLOPT_SOCKOPTFUNCTION, &CurlCallbacks::SocketOptions);
    curl_easy_setopt(m_curl, CURLOPT_DEBUGFUNCTION, &CurlCallbacks::Debug);
    curl_easy_setopt(m_curl, CURLOPT_DEBUGDATA, this);
    // The debug callback is how replies are read; nothing is printed.
    curl_easy_setopt(m_curl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(m_curl, CURLOPT_XFERINFOFUNCTION, &CurlCallbacks::Progress);
    curl_easy_setopt(m_curl, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(m_curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
    if (!m_settings.proxyName.empty()) {
        curl_easy_setopt(m_curl, CURLOPT_PROXY, m_settings.proxyName.c_str());
        std::string bypass;
        for (const auto& entry : m_settings.proxyBypassList) {
            bypass += (bypass.empty() ? "" : ",") + entry;
        }
        curl_easy_setopt(m_curl, CURLOPT_NOPROXY, bypass.c_str());
    }
}

int CurlFtpClient::Perform(const Request& request) {
    if (m_curl == nullptr) {
        throw EBixError("Not connected!");
    }
    const std::string url = Url(request.path, request.folder);
    curl_easy_setopt(m_curl, CURLOPT_URL, url.c_str());
    curl_slist* quote = nullptr;
    for (const auto& command : request.quote) {
        quote = curl_slist_append(quote, command.c_str());
    }
    curl_easy_setopt(m_curl, CURLOPT_POSTQUOTE, quote);
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, request.upload == nullptr ? 1L : 0L);
    curl_easy_setopt(m_curl, CURLOPT_UPLOAD, request.upload == nullptr ? 0L : 1L);
    if (request.upload != nullptr) {
        curl_easy_setopt(m_curl, CURLOPT_READFUNCTION, &CurlCallbacks::Read);
        curl_easy_setopt(m_curl, CURLOPT_READDATA, request.upload);
        curl_easy_setopt(m_curl, CURLOPT_INFILESIZE_LARGE, request.uploadSize);
    }
    const CURLcode result = curl_easy_perform(m_curl);
    curl_easy_setopt(m_curl, CURLOPT_POSTQUOTE, nullptr);
    curl_slist_free_all(quote);
    return static_cast<int>(result);
}

void CurlFtpClient::SetRemoteDir(const std::string& folder) {
    if (m_curl == nullptr) {
        m_startDir = folder;
        return;
    }
    if (folder == "..") {
        const std::size_t slash = m_cwd.find_last_of('/');
        m_cwd = slash == 0 || slash == std::string::npos ? "/" : m_cwd.substr(0, slash);
        return;
    }
    ChangeDirectory(folder);
}

void CurlFtpClient::Disconnect() {
    if (m_curl == nullptr) {
        return;
    }
    curl_easy_cleanup(m_curl);  // says QUIT on the open connection
    m_curl = nullptr;
    if (OnDisconnected) {
        OnDisconnected();
    }
}

bool CurlFtpClient::Connect() {
    Disconnect();
    m_abort = false;
    m_lastReply.clear();
    const std::string& host = m_settings.hostName;
    const int attempts = std::max(1, m_settings.connectRetries);
    CURLcode result = CURLE_OK;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        PrepareHandle();
        m_lastCommand.clear();
        result = static_cast<CURLcode>(Perform({"/", true, {}, nullptr, 0}));
        if (result == CURLE_OK) {
            break;
        }
        curl_easy_cleanup(m_curl);
        m_curl = nullptr;
        // A refused login or an unknown host does not get better by trying again.
        if (result == CURLE_LOGIN_DENIED || result == CURLE_COULDNT_RESOLVE_HOST || m_abort) {
            break;
        }
    }
    switch (result) {
        case CURLE_OK:
            break;
        case CURLE_OPERATION_TIMEDOUT:
            throw EBixError("Connection to " + host + " timed out");
        case CURLE_COULDNT_RESOLVE_HOST:
            throw EBixError("Unable to resolve host name '" + host + "'");
        case CURLE_LOGIN_DENIED:
            // Told apart by the command the server refused.
            if (m_lastCommand == "USER") {
                throw EBixError("Bad user name: '" + m_settings.userName + "' connecting to " + host);
            }
            throw EBixError("Bad password connecting to " + host);
        case CURLE_COULDNT_CONNECT:
            throw EBixError("Unable to connect to " + host);
        default:
            throw EBixError("General Connection Error to " + host);
    }
    char* entry = nullptr;
    curl_easy_getinfo(m_curl, CURLINFO_FTP_ENTRY_PATH, &entry);
    m_cwd = entry != nullptr && *entry == '/' ? std::string(entry) : "/";
    if (!m_startDir.empty()) {
        ChangeDirectory(m_startDir);  // a folder that is not there leaves us where we logged in
    }
    if (OnConnected) {
        OnConnected();
    }
    return true;
}

std::string CurlFtpClient::LastResponseText() const {
    return m_lastReply.empty() ? "No error description available" : m_lastReply;
}

bool CurlFtpClient::ChangeDirectory(const std::string& name) {
    const std::string path = JoinServerPath(m_cwd, name);
    if (Perform({path, true, {}, nullptr, 0}) != CURLE_OK) {
        return false;
    }
    m_cwd = path;
    return true;
}

bool CurlFtpClient::CreateDirectory(const std::string& name) {
    if (Perform({m_cwd, true, {"MKD " + name}, nullptr, 0}) != CURLE_OK) {
        throw EBixError("Error creating directory " + name);
    }
    return true;
}

void CurlFtpClient::DeleteFile(const std::string& name) {
    if (Perform({m_cwd, true, {"DELE " + name}, nullptr, 0}) != CURLE_OK) {
        throw EBixError("Error deleting " + name);
    }
}

void CurlFtpClient::PutFile(const std::string& name) {
    if (m_curl == nullptr) {
        throw EBixError("Not connected!");
    }
    const std::filesystem::path local = std::filesystem::path(m_localDir) / name;
    std::error_code ec;
    const auto size = std::filesystem::file_size(local, ec);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(ec ? nullptr : std::fopen(local.c_str(), "rb"), &std::fclose);
    if (!file) {
        throw EBixError("Error putting " + name + " to " + m_cwd + ": local file not found");
    }
    m_currentFile = name;
    const int result = Perform({JoinServerPath(m_cwd, name), false, {}, file.get(), static_cast<curl_off_t>(size)});
    m_currentFile.clear();
    if (m_abort) {
        // Cancel ends the connection: nothing more goes over it.
        Disconnect();
    }
    if (result != CURLE_OK) {
        throw EBixError("Error putting " + name + " to " + m_cwd);
    }
}

}  // namespace bix
