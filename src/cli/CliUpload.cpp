// upload: "Upload Now" from a terminal, with a line per file and a progress bar on a terminal.
#include <istream>
#include <ostream>

#ifdef _WIN32
#include <io.h>
#define BIX_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define BIX_ISATTY(fd) isatty(fd)
#endif

#include "cli/CliSession.h"
#include "cli/TCliApplication.h"
#include "core/common/Errors.h"
#include "core/common/TextRoutines.h"
#include "core/upload/TUploadTree.h"
#include "core/upload/UploadNow.h"
#include "core/upload/UploadView.h"
#include "platform/CurlFtpClient.h"

namespace bix {

namespace {

// The upload window of a terminal: each file's end as "action<TAB>name<TAB>result", the log's error
// lines, and a progress bar when the error stream is a terminal.
class TerminalUploadView final : public UploadView {
public:
    TerminalUploadView(std::ostream& err, bool bar) : m_err(err), m_bar(bar) {}

    void Attach(TUploadRun*) override {}
    void TreeChanged(const TUploadTree&) override {}
    void NodeChanged(const TUploadNode& node) override {
        if (node.status == "Completed" || node.status == "Error" || node.status == "Created") {
            ClearBar();
            std::string path = node.text;
            for (const TUploadNode* p = node.parent; p != nullptr; p = p->parent) {
                path = p->text + "\\" + path;
            }
            m_err << (node.IsFolder() ? "Folder" : node.processType) << '\t' << path << '\t' << node.status << '\n';
        }
    }
    void FocusNode(const TUploadNode&) override {}
    void AddLog(const std::string& line) override {
        // The steps show as file lines; what went wrong, and the connection, as themselves.
        if (line.starts_with("Uploading ") || line.starts_with("Change Directory ") ||
            line.starts_with("Up Directory to ") || line.starts_with("Disconnected from ")) {
            return;
        }
        ClearBar();
        m_err << line << '\n';
    }
    void SetStatusText(const std::string&) override {}
    void SetFileProgress(int) override {}
    void SetTotalProgress(std::int64_t position, std::int64_t maximum) override {
        if (!m_bar || maximum <= 0) {
            return;
        }
        const int percent = static_cast<int>(position * 100 / maximum);
        const int filled = percent / 5;
        m_err << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
              << std::string(static_cast<std::size_t>(20 - filled), ' ') << "] " << percent << "%" << std::flush;
        m_barShown = true;
    }
    void SetBusy(bool) override {}
    void Close() override { ClearBar(); }

private:
    void ClearBar() {
        if (m_barShown) {
            m_err << '\r' << std::string(30, ' ') << '\r';
            m_barShown = false;
        }
    }
    std::ostream& m_err;
    bool m_bar;
    bool m_barShown = false;
};

}  // namespace

int TCliApplication::Upload(const std::vector<std::string>& args) {
    std::string projectFile;
    bool passwordFromInput = false;
    bool dryRun = false;
    for (const auto& arg : args) {
        if (arg == "--password-stdin") {
            passwordFromInput = true;
        } else if (arg == "--dry-run") {
            dryRun = true;
        } else if (arg.starts_with("-") || !projectFile.empty()) {
            return Usage("upload PROJECT [--password-stdin] [--dry-run]");
        } else {
            projectFile = arg;
        }
    }
    if (projectFile.empty()) {
        return Usage("upload needs a project file");
    }
    auto session = Open(projectFile, false);
    if (!session) {
        return kFailed;
    }
    TFtpFields fields = LoadFtpSettings(session->project.WebSite(), session->dm.bixEncrypt1, false);
    if (passwordFromInput) {
        std::getline(m_in, fields.password);
        if (!fields.password.empty() && fields.password.back() == '\r') {
            fields.password.pop_back();
        }
    }
    const std::string build = session->project.BuildFolderFor(session->project.WebSite().BuiltWebSitePath);
    TZarpFileManager& files = session->dm.ZarpFileManager1;
    if (dryRun) {
        for (const auto& [title, status] : {std::pair<const char*, int>{"Upload", 3}, {"Update", 4}, {"Remove", 1}}) {
            for (const auto& name : SplitLines(files.FilesWithStatus(status))) {
                m_out << title << '\t' << name << '\n';
            }
        }
        return kOk;
    }
    if (!CheckFtpFields(fields, session->prompter)) {
        return kFailed;
    }
    TZarpFTP& job = session->dm.ZarpFTP1;
    CurlFtpClient client;
    TerminalUploadView view(m_err, BIX_ISATTY(2) != 0);
    bool ran = false;
    try {
        ran = UploadNow(fields, build, files, job, client, view, session->pump, session->prompter);
    } catch (const EBixError& e) {
        session->prompter.Error(e.what());
        Save(*session);
        return kFailed;
    }
    if (!ran) {
        return kOk;  // nothing needed processing: said, and no failure
    }
    const bool saved = Save(*session);
    const bool all = job.Uploaded_OK.size() == job.UploadList.size() + job.UpdateList.size() &&
                     job.Removed_OK.size() == job.RemoveList.size();
    return saved && all ? kOk : kFailed;
}

}  // namespace bix
