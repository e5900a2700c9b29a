#pragma once

#include <cstdint>
#include <string>

namespace bix {

struct TUploadNode;
class TUploadRun;
class TUploadTree;

// The face of the upload window, as the run drives it. The window shows the tree, a log, the first
// status panel, the bar of the current file and the bar of all bytes.
class UploadView {
public:
    virtual ~UploadView() = default;

    // The run the window shows, from its start until its end (nullptr): Cancel goes to it.
    virtual void Attach(TUploadRun* run) = 0;
    virtual void TreeChanged(const TUploadTree& tree) = 0;
    virtual void NodeChanged(const TUploadNode& node) = 0;
    virtual void FocusNode(const TUploadNode& node) = 0;
    virtual void AddLog(const std::string& line) = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void SetFileProgress(int percent) = 0;
    virtual void SetTotalProgress(std::int64_t position, std::int64_t maximum) = 0;
    // The hourglass while a step runs.
    virtual void SetBusy(bool busy) = 0;
    virtual void Close() = 0;
};

}  // namespace bix
