#include "TThemeCatalogue.h"

#include "core/common/Paths.h"
#include "core/common/TextRoutines.h"

#include <filesystem>

namespace bix {

namespace fs = std::filesystem;

void TThemeCatalogue::ClearThemes() {
    m_themes.clear();
    m_selected.reset();
}

void TThemeCatalogue::LoadThemesClick() {
    const std::string remembered = SelectedTheme() != nullptr ? SelectedTheme()->DisplayName : std::string();
    ClearThemes();
    const std::string themes = m_programFolder + "themes" + PathDelim;
    std::error_code ec;
    for (int n = 0; n <= MaxThemeNumber; ++n) {
        const std::string folder = themes + std::to_string(n);
        const std::string thumbnail = folder + ".bmp";
        if (fs::is_regular_file(fs::path(thumbnail), ec) && fs::is_directory(fs::path(folder), ec)) {
            m_themes.push_back({thumbnail, folder, DisplayNameOf(n)});
        }
    }
    SelectByName(remembered);
}

const TThemeData* TThemeCatalogue::SelectedTheme() const {
    return m_selected && *m_selected < m_themes.size() ? &m_themes[*m_selected] : nullptr;
}

std::string TThemeCatalogue::SelectedThemeFolder() const {
    const TThemeData* theme = SelectedTheme();
    return theme != nullptr ? theme->ThemeFolder : std::string();
}

void TThemeCatalogue::Select(std::optional<std::size_t> index) {
    m_selected = index && *index < m_themes.size() ? index : std::nullopt;
}

bool TThemeCatalogue::SelectByName(const std::string& displayName) {
    for (std::size_t i = 0; i < m_themes.size(); ++i) {
        if (SameText(m_themes[i].DisplayName, displayName)) {
            m_selected = i;
            return true;
        }
    }
    m_selected = m_themes.empty() ? std::nullopt : std::optional<std::size_t>(0);
    return false;
}

}  // namespace bix
