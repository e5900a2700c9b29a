#include "TWizardNavigation.h"

namespace bix {

const std::array<const char*, TWizardNavigation::kPages> TWizardNavigation::kCaptions = {
    "Welcome",   "Select a Theme",    "Theme Properties",      "Frame Links",
    "Meta Tags", "Generate Web Site", "Manage Web Site Files", "Upload To Server",
};

void TWizardNavigation::ShowPage(int page) {
    if (page < 0 || page >= kPages || (page > 0 && !m_open)) {
        return;
    }
    m_page = page;
}

void TWizardNavigation::SetWebsiteOpen(bool open) {
    m_open = open;
    m_page = open ? 1 : 0;
}

std::optional<int> TWizardNavigation::PageOfTreeItem(const std::string& text) {
    for (int page = 1; page < kPages; ++page) {
        if (text == kCaptions[static_cast<std::size_t>(page)]) {
            return page;
        }
    }
    return std::nullopt;
}

void TWizardNavigation::SelectTreeItem(const std::string& text) {
    if (const auto page = PageOfTreeItem(text)) {
        ShowPage(*page);
    }
}

std::optional<int> TWizardNavigation::TreeItem() const {
    return m_page > 0 ? std::optional<int>(m_page - 1) : std::nullopt;
}

std::string TWizardNavigation::StepsText() const {
    return m_page == 0 ? "Welcome to bixWebsite.\r\n\r\nBuild your Website for home or office in just minutes."
                       : "7 Step Guide";
}

}  // namespace bix
