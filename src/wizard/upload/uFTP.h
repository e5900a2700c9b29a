#pragma once

#include "core/upload/UploadView.h"

#include <QHash>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace bix {

class FtpClient;
class Prompter;
class TZarpFTP;

// The upload window "RVK FTP Manager": the files as a tree with their progress, a log, the bar of the
// current file and the bar of all bytes, and Cancel. It stays responsive during the whole run.
class TfrmFTP final : public QWidget, public UploadView {
    Q_OBJECT

public:
    explicit TfrmFTP(QWidget* parent = nullptr);
    ~TfrmFTP() override;

    // Shows the window, runs the job in it and returns when it has closed. EAbort when a run is
    // already going on.
    static void Execute(TZarpFTP& job, FtpClient& client, Prompter& prompter, QWidget* parent = nullptr);

    // UploadView
    // A run starting shows the window.
    void Attach(TUploadRun* run) override;
    void TreeChanged(const TUploadTree& tree) override;
    void NodeChanged(const TUploadNode& node) override;
    void FocusNode(const TUploadNode& node) override;
    void AddLog(const std::string& line) override;
    void SetStatusText(const std::string& text) override;
    void SetFileProgress(int percent) override;
    void SetTotalProgress(std::int64_t position, std::int64_t maximum) override;
    void SetBusy(bool busy) override;
    void Close() override;

    QTreeWidget* Tree() const { return m_tree; }
    QPlainTextEdit* Log() const { return m_log; }
    QPushButton* CancelButton() const { return m_cancel; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void btnCancelClick();
    void ShowNode(QTreeWidgetItem* item, const TUploadNode& node);
    QTreeWidgetItem* AddItem(const TUploadNode& node, QTreeWidgetItem* parent);

    QTreeWidget* m_tree = nullptr;
    QPlainTextEdit* m_log = nullptr;
    QProgressBar* m_pbMain = nullptr;
    QProgressBar* m_pbTotal = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_status = nullptr;
    QHash<const TUploadNode*, QTreeWidgetItem*> m_items;
    TUploadRun* m_run = nullptr;
    // The total bar counts in units that fit its range.
    int m_totalShift = 0;
    bool m_closing = false;
};

}  // namespace bix
