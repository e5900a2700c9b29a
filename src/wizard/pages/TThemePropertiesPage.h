#pragma once

#include <QWidget>

#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace bix {

class TPreviewView;

// The "Theme Properties" page: the web title, previews of the home and about pages with their editing,
// and the contact e-mail address.
class TThemePropertiesPage final : public QWidget {
    Q_OBJECT

public:
    explicit TThemePropertiesPage(QWidget* parent = nullptr);

    std::function<void()> SetModified;
    // The open website's folder (with its trailing separator); empty when none is open.
    std::function<std::string()> WebsiteFolder;
    // Editing a page in the chosen editor (EditFile); its result does not matter here.
    std::function<void(const std::string&)> EditPage;

    void RefreshPagePreviews();
    void lbThemeButtonsClick(int row);
    void btnEditPageClick();
    // No website open: blank previews, the Home view, empty fields.
    void Reset();

    QLineEdit* edtCompanyName = nullptr;
    QListWidget* lbThemeButtons = nullptr;
    QStackedWidget* Notebook2 = nullptr;
    TPreviewView* DHTML_HomePage = nullptr;
    TPreviewView* DHTML_AboutPage = nullptr;
    QLineEdit* edtEMail = nullptr;
    QPushButton* btnEditPage = nullptr;

private:
    QString PagePath(const char* name) const;
};

}  // namespace bix
