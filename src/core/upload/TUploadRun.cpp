#include "TUploadRun.h"

#include "core/common/FileRoutines.h"
#include "core/common/Paths.h"
#include "core/common/TextRoutines.h"
#include "core/filemanager/TZarpFileManager.h"
#include "core/ports/FtpClient.h"
#include "core/ports/Prompter.h"
#include "core/ports/Pump.h"
#include "core/upload/TZarpFTP.h"
#include "core/upload/UploadView.h"

#include <algorithm>
#include <exception>
#include <filesystem>

namespace bix {

namespace fs = std::filesystem;

namespace {

const char* const kRemoveKind = "Remove File";

// Shows the hourglass for as long as it lives.
class Busy final {
public:
    explicit Busy(UploadView& view) : m_view(view) { m_view.SetBusy(true); }
    ~Busy() { m_view.SetBusy(false); }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    UploadView& m_view;
};

}  // namespace

TUploadRun::TUploadRun(TZarpFTP& job, FtpClient& client, UploadView& view, Pump& pump, Prompter& prompter)
    : m_job(job), m_client(client), m_view(view), m_pump(pump), m_prompter(prompter) {
    m_client.OnConnected = [this] {
        m_view.SetStatusText("Connected to " + m_job.HostName);
        m_view.AddLog(m_client.LastResponseText());
        m_view.AddLog("Connected to " + m_job.HostName);
    };
    m_client.OnDisconnected = [this] { m_view.AddLog("Disconnected from " + m_job.HostName); };
    m_client.OnTransferProgress = [this](std::uint64_t bytes, const std::string& name) {
        TransferProgress(bytes, name);
    };
    m_view.Attach(this);
}

TUploadRun::~TUploadRun() {
    m_view.Attach(nullptr);
    m_client.OnConnected = nullptr;
    m_client.OnDisconnected = nullptr;
    m_client.OnTransferProgress = nullptr;
}

void TUploadRun::AddList(const std::vector<std::string>& list, bool clearFirst, const std::string& kind) {
    if (clearFirst) {
        m_tree.Clear();
        m_total = 0;
    }
    for (std::string entry : list) {
        if (!entry.empty() && entry.back() == StoredDelim) {
            entry.pop_back();
        }
        std::string name = entry;
        if (!name.empty() && name.front() == StoredDelim) {
            name.erase(0, 1);
        }
        // A name that would leave the build folder never becomes a folder to climb on the server.
        if (IsSafeStoredName(name)) {
            AddPath(name, nullptr, kind);
        }
        m_pump.ProcessEvents();
    }
    m_view.TreeChanged(m_tree);
    ResetTotal();
}

void TUploadRun::AddPath(std::string path, TUploadNode* parent, const std::string& kind) {
    // The full stored name, for the local file; path is what is left of it below parent.
    std::string entry = path;
    for (const TUploadNode* p = parent; p != nullptr; p = p->parent) {
        entry = p->text + StoredDelim + entry;
    }
    auto& siblings = m_tree.ChildrenOf(parent);
    const std::size_t separator = path.find(StoredDelim);
    if (separator != std::string::npos) {
        const std::string folder = path.substr(0, separator);
        TUploadNode* node = nullptr;
        for (auto& sibling : siblings) {
            if (sibling->text == folder) {
                node = sibling.get();
                break;
            }
        }
        if (node == nullptr) {
            auto created = std::make_unique<TUploadNode>();
            created->text = folder;
            created->image = kImageFolder;
            created->selectedImage = kImageFolderOpen;
            created->parent = parent;
            node = created.get();
            // The folder made last stands first.
            siblings.insert(siblings.begin(), std::move(created));
        }
        AddPath(path.substr(separator + 1), node, kind);
        return;
    }
    auto file = std::make_unique<TUploadNode>();
    file->text = path;
    file->processType = kind;
    file->status = "Pending";
    file->parent = parent;
    if (const auto local = JoinStoredName(m_job.LocalPath, entry); local && fs::is_regular_file(fs::path(*local))) {
        try {
            const std::int64_t size = FileSizeUnlocked(*local);
            file->size = FormatThousands(size);
            if (kind != kRemoveKind) {
                m_total += size;
            }
        } catch (const std::exception&) {
        }
    }
    file->image = 1 + IndexInList(LowerCase(ExtractFileExt(path)), KnownFileTypes);
    if (kind == kRemoveKind) {
        file->image += kImageRemoveOffset;
    }
    file->selectedImage = file->image;
    siblings.push_back(std::move(file));
}

void TUploadRun::ResetTotal() {
    m_position = 0;
    m_progressFile.clear();
    m_progressCounted = 0;
    m_view.SetTotalProgress(0, m_total);
}

void TUploadRun::TransferProgress(std::uint64_t bytes, const std::string& fileName) {
    if (fileName != m_progressFile) {
        m_progressFile = fileName;
        m_progressCounted = 0;
    }
    m_position += static_cast<std::int64_t>(bytes) - static_cast<std::int64_t>(m_progressCounted);
    m_progressCounted = bytes;
    m_view.SetTotalProgress(m_position, m_total);
    if (m_currentFileSize > 0) {
        m_view.SetFileProgress(
            static_cast<int>(std::min<std::uint64_t>(bytes, m_currentFileSize) * 100 / m_currentFileSize));
    }
    // Cancel is seen while a file is on its way.
    m_pump.ProcessEvents();
}

void TUploadRun::SetAborted(bool aborted) {
    if (aborted == m_aborted) {
        return;
    }
    m_aborted = aborted;
    m_view.SetFileProgress(0);
    m_client.Abort();
    m_view.AddLog("Upload has been aborted");
    m_pump.ProcessEvents();
}

bool TUploadRun::Connect() {
    Busy busy(m_view);
    FtpSettings settings;
    settings.hostName = m_job.HostName;
    settings.userName = m_job.Login;
    settings.password = m_job.Password;
    settings.port = m_job.Port;
    settings.proxyName = m_job.ProxyName;
    settings.proxyBypassList = m_job.ProxyBypassList;
    settings.connectRetries = m_job.ConnectionRetries;
    settings.connectTimeout = m_job.ConnectionTimeout;
    m_client.SetSettings(settings);
    m_client.SetRemoteDir(m_job.InitialRemoteDir);
    m_client.Disconnect();
    m_view.SetStatusText("Connecting to " + m_job.HostName);
    try {
        return m_client.Connect();
    } catch (const std::exception& e) {
        m_view.AddLog(e.what());
        return false;
    }
}

void TUploadRun::Run() {
    m_aborted = false;
    m_level = 0;
    m_localFolder = m_job.LocalPath;
    try {
        if (Connect()) {
            ProcessNodes(m_tree.Roots(), true);
        }
    } catch (const std::exception& e) {
        m_view.AddLog(e.what());
    }
    if (m_client.Connected()) {
        m_client.Disconnect();
    }
    ResetTotal();
    m_view.SetFileProgress(0);
    m_prompter.Inform("Processes to the server have completed");
    m_view.Close();
}

void TUploadRun::ProcessNodes(std::vector<std::unique_ptr<TUploadNode>>& nodes, bool returnToLevelFirst) {
    for (auto& node : nodes) {
        if (m_aborted) {
            return;
        }
        if (returnToLevelFirst) {
            ReturnToLevel(*node);
        }
        ProcessNode(*node);
        m_pump.ProcessEvents();
    }
}

void TUploadRun::ProcessNode(TUploadNode& node) {
    if (node.IsFolder()) {
        if (ChangeOrCreateFolder(node)) {
            m_localFolder += node.text + PathDelim;
            ++m_level;
            ProcessNodes(node.children, false);
            ReturnToLevel(node);
        }
        return;
    }
    if (node.processType != kRemoveKind) {
        const std::string local = m_localFolder + node.text;
        std::error_code ec;
        if (fs::is_regular_file(fs::path(local), ec) && UploadFile(local, node)) {
            m_job.Uploaded_OK.push_back(RelativeName(node.text));
        }
        return;
    }
    if (RemoveFile(node)) {
        m_job.Removed_OK.push_back(RelativeName(node.text));
    }
}

std::string TUploadRun::RelativeName(const std::string& name) const {
    return LocalNameToStored((m_localFolder + name).substr(m_job.LocalPath.size()));
}

void TUploadRun::ReturnToLevel(const TUploadNode& node) {
    int climbed = 0;
    while (node.Depth() < m_level) {
        m_client.SetRemoteDir("..");
        --m_level;
        const std::string folder = RemoveTrailingBackslash(m_localFolder);
        m_localFolder = folder.substr(0, folder.find_last_of(PathDelim) + 1);
        ++climbed;
    }
    if (climbed > 0) {
        const std::string line = "Up Directory to \"" + m_client.RemoteDir() + "\"";
        for (int i = 0; i < climbed; ++i) {
            m_view.AddLog(line);
        }
    }
}

bool TUploadRun::ChangeOrCreateFolder(TUploadNode& node) {
    Busy busy(m_view);
    const std::string line = "Change Directory " + node.text;
    m_view.SetStatusText(line);
    m_view.AddLog(line);
    bool ok = false;
    try {
        ok = m_client.ChangeDirectory(node.text);
        if (!ok) {
            // Created, and then entered: a folder made but not entered would leave every level after it
            // one folder off.
            ok = m_client.CreateDirectory(node.text) && m_client.ChangeDirectory(node.text);
            node.status = "Created";
        }
        node.stateImage = ok ? kStateDone : kStateFailed;
    } catch (const std::exception& e) {
        m_view.AddLog(e.what());
        m_view.AddLog(m_client.LastResponseText());
        node.stateImage = kStateFailed;
        ok = false;
    }
    m_view.NodeChanged(node);
    return ok;
}

bool TUploadRun::UploadFile(const std::string& path, TUploadNode& node) {
    Busy busy(m_view);
    node.status = "Processing";
    m_view.NodeChanged(node);
    const std::string line = "Uploading " + node.text;
    m_view.SetStatusText(line);
    m_view.AddLog(line);
    m_view.FocusNode(node);
    m_client.SetLocalDir(RemoveTrailingBackslash(path.substr(0, path.find_last_of(PathDelim) + 1)));
    try {
        m_client.DeleteFile(node.text);
    } catch (const std::exception&) {
        // A new file is not on the server yet.
    }
    std::error_code ec;
    m_currentFileSize = fs::file_size(fs::path(path), ec);
    bool ok = false;
    try {
        m_client.PutFile(node.text);
        node.status = "Completed";
        node.stateImage = kStateDone;
        ok = true;
    } catch (const std::exception& e) {
        m_view.AddLog(e.what());
        m_view.AddLog(m_client.LastResponseText());
        node.status = "Error";
        node.stateImage = kStateFailed;
    }
    m_currentFileSize = 0;
    m_view.NodeChanged(node);
    return ok;
}

bool TUploadRun::RemoveFile(TUploadNode& node) {
    Busy busy(m_view);
    node.status = "Processing";
    m_view.NodeChanged(node);
    m_view.SetStatusText("Removing " + node.text);
    m_view.FocusNode(node);
    bool ok = false;
    try {
        m_client.DeleteFile(node.text);
        node.status = "Completed";
        node.stateImage = kStateDone;
        ok = true;
    } catch (const std::exception& e) {
        // Not on the server (550): as good as removed.
        ok = m_client.LastResponseText().find("550") != std::string::npos;
        m_view.AddLog(e.what());
        m_view.AddLog(m_client.LastResponseText());
        node.status = "Error";
        node.stateImage = kStateFailed;
    }
    m_view.NodeChanged(node);
    return ok;
}

}  // namespace bix
