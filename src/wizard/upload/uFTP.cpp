#include "uFTP.h"

#include "core/upload/TUploadRun.h"
#include "core/upload/TUploadTree.h"
#include "core/upload/TZarpFTP.h"
#include "platform/QtPump.h"
#include "platform/QtText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace bix {

namespace {

enum Column { ColName, ColProcess, ColStatus, ColSize };

// The node images: a page, a picture, a script or other file; a folder closed or open; the same marked
// for removal. The system's own pictures stand in for the file types.
QIcon NodeIcon(const TUploadNode& node) {
    QStyle* style = QApplication::style();
    if (node.IsFolder()) {
        return style->standardIcon(QStyle::SP_DirClosedIcon);
    }
    if (node.image >= kImageRemoveOffset) {
        return style->standardIcon(QStyle::SP_TrashIcon);
    }
    return style->standardIcon(node.image == 0 ? QStyle::SP_FileIcon : QStyle::SP_FileLinkIcon);
}

QIcon StateIcon(int state) {
    if (state == kStateDone) {
        return QApplication::style()->standardIcon(QStyle::SP_DialogApplyButton);
    }
    if (state == kStateFailed) {
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
    }
    return {};
}

}  // namespace

TfrmFTP::TfrmFTP(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("RVK FTP Manager"));
    setFont(QFont(QStringLiteral("Arial")));
    resize(600, 420);

    m_tree = new QTreeWidget;
    m_tree->setHeaderLabels({QStringLiteral("Directory & File"), QStringLiteral("Process Type"),
                             QStringLiteral("Status"), QStringLiteral("File Size (Bytes)")});
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setRootIsDecorated(true);
    m_tree->setAlternatingRowColors(true);
    m_tree->header()->setSectionResizeMode(ColName, QHeaderView::Stretch);
    m_tree->header()->setStretchLastSection(false);
    m_tree->headerItem()->setTextAlignment(ColSize, Qt::AlignRight | Qt::AlignVCenter);

    m_log = new QPlainTextEdit;
    m_log->setReadOnly(true);
    m_log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_log->setMinimumHeight(60);
    m_log->appendPlainText(QStringLiteral("Please wait. FTP connection is being established."));

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(m_tree);
    splitter->addWidget(m_log);
    splitter->setSizes({300, 120});
    splitter->setChildrenCollapsible(false);

    m_pbMain = new QProgressBar;
    m_pbMain->setRange(0, 100);
    m_pbMain->setValue(0);
    m_pbTotal = new QProgressBar;
    m_pbTotal->setRange(0, 1);
    m_pbTotal->setValue(0);
    m_cancel = new QPushButton(QStringLiteral("Cancel"));
    m_cancel->setShortcut(Qt::Key_Escape);
    connect(m_cancel, &QPushButton::clicked, this, &TfrmFTP::btnCancelClick);
    auto* bars = new QVBoxLayout;
    bars->addWidget(m_pbMain);
    bars->addWidget(m_pbTotal);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(bars, 1);
    bottom->addWidget(m_cancel);

    auto* statusBar = new QStatusBar;
    m_status = new QLabel(QStringLiteral("Ready"));
    m_status->setMinimumWidth(240);
    statusBar->addWidget(m_status);
    statusBar->addWidget(new QLabel, 1);
    statusBar->addWidget(new QLabel, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(bottom);
    layout->addWidget(statusBar);
    layout->setContentsMargins(6, 6, 6, 0);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TfrmFTP::~TfrmFTP() {
    QApplication::restoreOverrideCursor();
}

void TfrmFTP::Attach(TUploadRun* run) {
    m_run = run;
    if (run != nullptr) {
        show();
    }
}

void TfrmFTP::Execute(TZarpFTP& job, FtpClient& client, Prompter& prompter, QWidget* parent) {
    TfrmFTP window(parent);
    window.show();
    QtPump pump;
    job.Execute(client, window, pump, prompter);
}

QTreeWidgetItem* TfrmFTP::AddItem(const TUploadNode& node, QTreeWidgetItem* parent) {
    auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
    m_items.insert(&node, item);
    ShowNode(item, node);
    for (const auto& child : node.children) {
        AddItem(*child, item);
    }
    return item;
}

void TfrmFTP::TreeChanged(const TUploadTree& tree) {
    m_tree->clear();
    m_items.clear();
    for (const auto& node : tree.Roots()) {
        AddItem(*node, nullptr);
    }
    m_tree->expandAll();
    for (int c = ColProcess; c <= ColSize; ++c) {
        m_tree->resizeColumnToContents(c);
    }
    // Room for the longest status a row reaches ("Processing", "Completed").
    m_tree->setColumnWidth(ColStatus, std::max(m_tree->columnWidth(ColStatus),
                                               fontMetrics().horizontalAdvance(QStringLiteral("Processing")) + 48));
}

void TfrmFTP::ShowNode(QTreeWidgetItem* item, const TUploadNode& node) {
    item->setText(ColName, ToQString(node.text));
    item->setIcon(ColName, NodeIcon(node));
    item->setText(ColProcess, ToQString(node.processType));
    item->setText(ColStatus, ToQString(node.status));
    item->setIcon(ColStatus, StateIcon(node.stateImage));
    item->setText(ColSize, ToQString(node.size));
    item->setTextAlignment(ColSize, Qt::AlignRight | Qt::AlignVCenter);
}

void TfrmFTP::NodeChanged(const TUploadNode& node) {
    if (QTreeWidgetItem* item = m_items.value(&node)) {
        ShowNode(item, node);
    }
}

void TfrmFTP::FocusNode(const TUploadNode& node) {
    if (QTreeWidgetItem* item = m_items.value(&node)) {
        m_tree->setCurrentItem(item);
        m_tree->scrollToItem(item);
    }
}

void TfrmFTP::AddLog(const std::string& line) {
    m_log->appendPlainText(ToQString(line));
}

void TfrmFTP::SetStatusText(const std::string& text) {
    m_status->setText(ToQString(text));
}

void TfrmFTP::SetFileProgress(int percent) {
    m_pbMain->setValue(std::clamp(percent, 0, 100));
}

void TfrmFTP::SetTotalProgress(std::int64_t position, std::int64_t maximum) {
    // A bar counts in int: big totals are shown in larger units.
    m_totalShift = 0;
    while ((maximum >> m_totalShift) > std::numeric_limits<int>::max() / 2) {
        ++m_totalShift;
    }
    m_pbTotal->setRange(0, std::max(1, static_cast<int>(maximum >> m_totalShift)));
    m_pbTotal->setValue(static_cast<int>(std::clamp<std::int64_t>(position, 0, maximum) >> m_totalShift));
}

void TfrmFTP::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void TfrmFTP::Close() {
    m_closing = true;
    close();
}

void TfrmFTP::btnCancelClick() {
    if (m_run != nullptr) {
        m_run->SetAborted(true);
    }
}

void TfrmFTP::closeEvent(QCloseEvent* event) {
    // Closing the window during a run cancels it; the run closes the window when it has ended.
    if (m_run != nullptr && !m_closing) {
        m_run->SetAborted(true);
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace bix
