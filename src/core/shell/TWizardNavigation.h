#pragma once

#include <array>
#include <optional>
#include <string>

namespace bix {

// The eight pages of the main window and how the user moves between them: the tree (one item per page
// 1 to 7, shown while a website is open), Prior and Next, and the step label.
class TWizardNavigation final {
public:
    static constexpr int kPages = 8;
    static const std::array<const char*, kPages> kCaptions;

    int Page() const { return m_page; }
    // Shows a page; pages 1 to 7 only while a website is open.
    void ShowPage(int page);
    void SetWebsiteOpen(bool open);
    bool WebsiteOpen() const { return m_open; }

    void Prior() { ShowPage(m_page - 1); }
    void Next() { ShowPage(m_page + 1); }
    // Selecting the tree item with that text shows the page of that caption.
    void SelectTreeItem(const std::string& text);
    // The page (1 to 7) whose caption the tree item's text is.
    static std::optional<int> PageOfTreeItem(const std::string& text);

    bool TreeVisible() const { return m_open; }
    // The tree item of the current page (page - 1), nothing on the Welcome page.
    std::optional<int> TreeItem() const;
    bool PriorNextVisible() const { return m_page != 0; }
    bool PriorEnabled() const { return m_page >= 2; }
    bool NextEnabled() const { return m_page >= 1 && m_page < kPages - 1; }
    // "Welcome to bixWebsite." and more on page 0, "7 Step Guide" elsewhere.
    std::string StepsText() const;

private:
    int m_page = 0;
    bool m_open = false;
};

}  // namespace bix
