#pragma once

#include "core/document/MemTable.h"
#include "core/shell/LinkEditCommands.h"

#include <QWidget>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableView;

namespace bix {

class Prompter;
class Shell;
class TMemTableModel;
class TPreviewView;

// The "Frame Links" page: the title above the additional links, the links themselves in a grid with
// their row commands, and a preview of the page the current link names.
class TFrameLinksPage final : public QWidget, private MemTableObserver {
    Q_OBJECT

public:
    TFrameLinksPage(MemTable& links, Prompter& prompter, Shell& shell, QWidget* parent = nullptr);
    ~TFrameLinksPage() override;

    std::function<void()> SetModified;
    // The open website's folder (with its trailing separator); empty when none is open.
    std::function<std::string()> WebsiteFolder;
    // Editing a page in the chosen editor, for the link editor's page commands.
    EditPageFunction EditPage;

    void btnNewMMClick();
    void btnEditMMClick();
    void btnDeleteMMClick();
    void Move(int delta);
    // Shows the current link's page when it is a local page that exists; the caption otherwise.
    void RefreshPreview();

    QLineEdit* edtAdditionalLinksTitle = nullptr;
    QTableView* dbOptionalPages = nullptr;
    QPushButton* btnNewMM = nullptr;
    QPushButton* btnDeleteMM = nullptr;
    QPushButton* btnEditMM = nullptr;
    QPushButton* btnMoveUp = nullptr;
    QPushButton* btnMoveDown = nullptr;
    QStackedWidget* pnlWebBrowser = nullptr;
    QLabel* lblNoPreview = nullptr;
    TPreviewView* WebBrowser = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs the link editor on the current row (in insert or edit mode); posts it on OK.
    void EditCurrentRow();
    void Modified();
    void SchedulePreview();
    void ShowCurrentRow();

    // MemTableObserver: every change of the table brings the preview up to date.
    void TableReset() override { SchedulePreview(); }
    void RowInserted(std::size_t) override { SchedulePreview(); }
    void RowRemoved(std::size_t) override { SchedulePreview(); }
    void RowMoved(std::size_t, std::size_t) override { SchedulePreview(); }
    void FieldChanged(std::size_t, std::size_t) override { SchedulePreview(); }
    void BufferChanged(std::size_t) override { SchedulePreview(); }
    void CurrentRowChanged() override { SchedulePreview(); }

    MemTable& m_links;
    Prompter& m_prompter;
    Shell& m_shell;
    TMemTableModel* m_model = nullptr;
    bool m_previewPending = false;
    QString m_shownPage;
};

}  // namespace bix
