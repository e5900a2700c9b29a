#pragma once

#include "core/upload/TUploadTree.h"

#include <cstdint>
#include <string>
#include <vector>

namespace bix {

class FtpClient;
class Prompter;
class Pump;
class TZarpFTP;
class UploadView;

// What the upload window does: fills its tree from the job's lists, connects, mirrors the tree on the
// server (folders changed into or created, files uploaded or removed) and reports every step.
class TUploadRun final {
public:
    TUploadRun(TZarpFTP& job, FtpClient& client, UploadView& view, Pump& pump, Prompter& prompter);
    ~TUploadRun();
    TUploadRun(const TUploadRun&) = delete;
    TUploadRun& operator=(const TUploadRun&) = delete;

    // Puts every entry of the list into the tree with the kind ("Upload New", "Update Old", "Remove File").
    void AddList(const std::vector<std::string>& list, bool clearFirst, const std::string& kind);
    // Connects, processes every row, then always disconnects, reports the end and closes the window.
    void Run();
    // Cancel: the current transfer is aborted and the run stops after the current row.
    void SetAborted(bool aborted);

    const TUploadTree& Tree() const { return m_tree; }

private:
    void AddPath(std::string path, TUploadNode* parent, const std::string& kind);
    bool Connect();
    void ProcessNodes(std::vector<std::unique_ptr<TUploadNode>>& nodes, bool returnToLevelFirst);
    void ProcessNode(TUploadNode& node);
    void ReturnToLevel(const TUploadNode& node);
    bool ChangeOrCreateFolder(TUploadNode& node);
    bool UploadFile(const std::string& path, TUploadNode& node);
    bool RemoveFile(TUploadNode& node);
    std::string RelativeName(const std::string& name) const;
    void TransferProgress(std::uint64_t bytes, const std::string& fileName);
    void ResetTotal();

    TZarpFTP& m_job;
    FtpClient& m_client;
    UploadView& m_view;
    Pump& m_pump;
    Prompter& m_prompter;
    TUploadTree m_tree;
    int m_level = 0;
    std::string m_localFolder;
    bool m_aborted = false;
    // The bar of all bytes: the total, and what of the file last reported is already counted.
    std::int64_t m_total = 0;
    std::int64_t m_position = 0;
    std::string m_progressFile;
    std::uint64_t m_progressCounted = 0;
    std::uint64_t m_currentFileSize = 0;  // of the file being uploaded, for its percentage
};

}  // namespace bix
