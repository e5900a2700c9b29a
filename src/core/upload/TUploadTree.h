#pragma once

#include <memory>
#include <string>
#include <vector>

namespace bix {

// Node images of the upload tree: 0 a file of unknown type, 1 to 8 the known file types, 9 and 10 a
// folder (closed, open), 11 to 19 the file images marked for removal.
inline constexpr int kImageFolder = 9;
inline constexpr int kImageFolderOpen = 10;
inline constexpr int kImageRemoveOffset = 11;
// State images: none, done, failed.
inline constexpr int kStateNone = -1;
inline constexpr int kStateDone = 0;
inline constexpr int kStateFailed = 1;

// One row of the upload window's tree: a folder, or a file with its planned process.
struct TUploadNode final {
    std::string text;         // "Directory & File"
    std::string processType;  // "Upload New", "Update Old", "Remove File"; empty for a folder
    std::string status;       // "Pending", "Processing", "Completed", "Error"; "Created" or empty for a folder
    std::string size;         // "File Size (Bytes)", grouped in thousands; empty when the file is missing
    int image = 0;
    int selectedImage = 0;
    int stateImage = kStateNone;
    TUploadNode* parent = nullptr;
    std::vector<std::unique_ptr<TUploadNode>> children;

    bool IsFolder() const { return image == kImageFolder; }
    // 0 for a top-level row.
    int Depth() const;
};

// The rows of the upload window, in the order the run processes them.
class TUploadTree final {
public:
    std::vector<std::unique_ptr<TUploadNode>>& Roots() { return m_roots; }
    const std::vector<std::unique_ptr<TUploadNode>>& Roots() const { return m_roots; }
    void Clear() { m_roots.clear(); }
    // The children of parent, or the top-level rows when parent is null.
    std::vector<std::unique_ptr<TUploadNode>>& ChildrenOf(TUploadNode* parent) {
        return parent != nullptr ? parent->children : m_roots;
    }
    // "text|processType|status|size|image|state" per row, depth-first, indented by depth: for tests and logs.
    std::vector<std::string> Describe() const;

private:
    std::vector<std::unique_ptr<TUploadNode>> m_roots;
};

}  // namespace bix
