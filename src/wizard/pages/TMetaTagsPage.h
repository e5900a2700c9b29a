#pragma once

#include <QWidget>

#include <functional>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace bix {

class Prompter;
class TWebSite;

// The "Meta Tags" page: the META description and the keyword list of the open website.
class TMetaTagsPage final : public QWidget {
    Q_OBJECT

public:
    explicit TMetaTagsPage(Prompter& prompter, QWidget* parent = nullptr);

    std::function<void()> SetModified;

    void Load(const TWebSite& site);
    void Store(TWebSite& site) const;
    // Closing a website empties both.
    void Reset();

    QPlainTextEdit* edtMetaDescription = nullptr;
    QListWidget* MetaList = nullptr;
    QPushButton* btnNew = nullptr;
    QPushButton* btnModify = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnSort = nullptr;

private:
    std::vector<std::string> Keywords() const;
    void Show(const std::vector<std::string>& keywords);
    // Runs a command on the list; when it says so, shows the list again and marks the website.
    void Apply(const std::function<bool(std::vector<std::string>&, int)>& command);

    Prompter& m_prompter;
};

}  // namespace bix
