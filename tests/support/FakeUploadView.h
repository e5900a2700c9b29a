#pragma once

#include "core/upload/UploadView.h"

#include <algorithm>
#include <string>
#include <vector>

namespace bix::test {

// Records what the upload run shows.
class RecordingUploadView final : public UploadView {
public:
    void Attach(TUploadRun* attached) override { run = attached; }
    void TreeChanged(const TUploadTree&) override {}
    void NodeChanged(const TUploadNode&) override {}
    void FocusNode(const TUploadNode&) override {}
    void AddLog(const std::string& line) override { log.push_back(line); }
    void SetStatusText(const std::string& text) override { status = text; }
    void SetFileProgress(int percent) override { filePercent = percent; }
    void SetTotalProgress(std::int64_t position, std::int64_t maximum) override {
        totalPosition = position;
        totalMaximum = maximum;
    }
    void SetBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
    void Close() override { closed = true; }

    bool Logged(const std::string& line) const { return std::find(log.begin(), log.end(), line) != log.end(); }

    std::vector<std::string> log;
    std::string status;
    int filePercent = -1;
    std::int64_t totalPosition = -1;
    std::int64_t totalMaximum = -1;
    int busyDepth = 0;
    bool closed = false;
    TUploadRun* run = nullptr;
};

}  // namespace bix::test
