#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bix {

// One installed theme.
struct TThemeData final {
    std::string ThumbnailPath;  // program folder + themes/N.bmp
    std::string ThemeFolder;    // program folder + themes/N, no trailing separator
    std::string DisplayName;    // "bixWebsite Theme N"
};

inline constexpr int MaxThemeNumber = 1000;

// The list of installed themes and the selected one, as the Select a Theme page shows them.
// A theme N exists when both the folder themes/N and the bitmap themes/N.bmp are present.
class TThemeCatalogue final {
public:
    explicit TThemeCatalogue(std::string programFolder) : m_programFolder(std::move(programFolder)) {}

    // Rebuilds the list in ascending theme number and keeps the selection by display name (letter case
    // ignored), else selects the first theme.
    void LoadThemesClick();
    void ClearThemes();

    const std::vector<TThemeData>& Themes() const { return m_themes; }
    int ThemeCount() const { return static_cast<int>(m_themes.size()); }
    std::optional<std::size_t> Selected() const { return m_selected; }
    const TThemeData* SelectedTheme() const;
    // The folder of the selected theme; empty when none is selected.
    std::string SelectedThemeFolder() const;
    void Select(std::optional<std::size_t> index);
    // Selects the theme of that display name (letter case ignored), else the first; false when the
    // name was not found.
    bool SelectByName(const std::string& displayName);

    static std::string DisplayNameOf(int number) { return "bixWebsite Theme " + std::to_string(number); }

private:
    std::string m_programFolder;
    std::vector<TThemeData> m_themes;
    std::optional<std::size_t> m_selected;
};

}  // namespace bix
