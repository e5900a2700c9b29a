#include "TUploadTree.h"

namespace bix {

int TUploadNode::Depth() const {
    int depth = 0;
    for (const TUploadNode* p = parent; p != nullptr; p = p->parent) {
        ++depth;
    }
    return depth;
}

namespace {

void DescribeInto(const std::vector<std::unique_ptr<TUploadNode>>& nodes, std::vector<std::string>& out) {
    for (const auto& node : nodes) {
        out.push_back(std::string(static_cast<std::size_t>(node->Depth()) * 2, ' ') + node->text + "|" +
                      node->processType + "|" + node->status + "|" + node->size + "|" + std::to_string(node->image) +
                      "|" + std::to_string(node->stateImage));
        DescribeInto(node->children, out);
    }
}

}  // namespace

std::vector<std::string> TUploadTree::Describe() const {
    std::vector<std::string> out;
    DescribeInto(m_roots, out);
    return out;
}

}  // namespace bix
