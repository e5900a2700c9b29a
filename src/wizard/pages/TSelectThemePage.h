#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace bix {

class Prompter;
class TThemeCatalogue;

// The "Select a Theme" page: the installed themes, their count, the selected theme's thumbnail and name.
class TSelectThemePage final : public QWidget {
    Q_OBJECT

public:
    TSelectThemePage(TThemeCatalogue& catalogue, Prompter& prompter, QWidget* parent = nullptr);

    // Marks the website changed (the main window's SetModified(true)).
    std::function<void()> SetModified;

    // Rebuilds the list, keeping the selection where it can.
    void LoadThemesClick();
    // Shows the selected theme: its thumbnail and name.
    void lbThemesClick();
    // Opening a website: its theme by name (letter case ignored), else the first.
    void SelectTheme(const std::string& displayName);

    QListWidget* lbThemes = nullptr;
    QLabel* lblThemeCount = nullptr;
    QLabel* imageThumb = nullptr;
    QLabel* lblTheme = nullptr;
    QPushButton* btnReloadAllThemes = nullptr;

private:
    void ShowList();

    TThemeCatalogue& m_catalogue;
    Prompter& m_prompter;
    bool m_showing = false;
};

}  // namespace bix
