#include "TFrameLinksPage.h"

#include "platform/QtText.h"
#include "wizard/dialogs/uLinkEdit.h"
#include "wizard/models/TMemTableModel.h"
#include "wizard/pages/TPreviewView.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace bix {

TFrameLinksPage::TFrameLinksPage(MemTable& links, Prompter& prompter, Shell& shell, QWidget* parent)
    : QWidget(parent), m_links(links), m_prompter(prompter), m_shell(shell) {
    edtAdditionalLinksTitle = new QLineEdit;
    edtAdditionalLinksTitle->setStatusTip(QStringLiteral("The heading shown above the additional links"));

    m_model = new TMemTableModel(links,
                                 {{"Visible", QStringLiteral("Visible"), true, nullptr, false, nullptr},
                                  {"Name", QStringLiteral("Name"), false, nullptr, false, nullptr},
                                  {"URL", QStringLiteral("URL"), false, nullptr, false, nullptr},
                                  {"InFrame", QStringLiteral("Framed"), true, nullptr, false, nullptr}},
                                 this);
    m_model->editable = true;
    dbOptionalPages = new QTableView;
    dbOptionalPages->setModel(m_model);
    dbOptionalPages->setSelectionBehavior(QAbstractItemView::SelectRows);
    dbOptionalPages->setSelectionMode(QAbstractItemView::SingleSelection);
    dbOptionalPages->setTabKeyNavigation(false);  // Tab leaves the grid
    dbOptionalPages->verticalHeader()->hide();
    dbOptionalPages->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    dbOptionalPages->setColumnWidth(0, 60);
    dbOptionalPages->setColumnWidth(1, 150);
    dbOptionalPages->setColumnWidth(3, 60);
    dbOptionalPages->installEventFilter(this);
    connect(dbOptionalPages->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && m_links.State() == TDataSetState::Browse) {
                    m_links.MoveTo(static_cast<std::size_t>(current.row()));
                }
            });
    connect(dbOptionalPages, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() == 1 || index.column() == 2) {
            return;  // edited in place
        }
        btnEditMMClick();
    });

    btnNewMM = new QPushButton(QStringLiteral("New"));
    btnDeleteMM = new QPushButton(QStringLiteral("Delete"));
    btnEditMM = new QPushButton(QStringLiteral("Edit"));
    btnMoveUp = new QPushButton(style()->standardIcon(QStyle::SP_ArrowUp), QString());
    btnMoveDown = new QPushButton(style()->standardIcon(QStyle::SP_ArrowDown), QString());
    btnNewMM->setStatusTip(QStringLiteral("Add a new link"));
    btnDeleteMM->setStatusTip(QStringLiteral("Delete the selected link"));
    btnEditMM->setStatusTip(QStringLiteral("Edit the selected link"));
    btnMoveUp->setStatusTip(QStringLiteral("Move the selected link up"));
    btnMoveDown->setStatusTip(QStringLiteral("Move the selected link down"));
    btnMoveUp->setToolTip(btnMoveUp->statusTip());
    btnMoveDown->setToolTip(btnMoveDown->statusTip());
    connect(btnNewMM, &QPushButton::clicked, this, &TFrameLinksPage::btnNewMMClick);
    connect(btnEditMM, &QPushButton::clicked, this, &TFrameLinksPage::btnEditMMClick);
    connect(btnDeleteMM, &QPushButton::clicked, this, &TFrameLinksPage::btnDeleteMMClick);
    connect(btnMoveUp, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(btnMoveDown, &QPushButton::clicked, this, [this] { Move(+1); });

    auto* rowButtons = new QVBoxLayout;
    for (QPushButton* button : {btnNewMM, btnDeleteMM, btnEditMM}) {
        rowButtons->addWidget(button);
    }
    auto* arrows = new QHBoxLayout;
    arrows->addWidget(btnMoveUp);
    arrows->addWidget(btnMoveDown);
    rowButtons->addLayout(arrows);
    rowButtons->addStretch(1);

    lblNoPreview = new QLabel(QStringLiteral("Error loading preview. File may not have been located"));
    lblNoPreview->setAlignment(Qt::AlignCenter);
    lblNoPreview->setWordWrap(true);
    WebBrowser = new TPreviewView;
    WebBrowser->Page()->OpenExternally = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    pnlWebBrowser = new QStackedWidget;
    pnlWebBrowser->addWidget(lblNoPreview);
    pnlWebBrowser->addWidget(WebBrowser);
    auto* previewBox = new QGroupBox(QStringLiteral("Preview"));
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addWidget(pnlWebBrowser);

    auto* grid = new QHBoxLayout;
    grid->addWidget(dbOptionalPages, 1);
    grid->addLayout(rowButtons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Title Appearing Above Additional Links")));
    layout->addWidget(edtAdditionalLinksTitle);
    layout->addLayout(grid, 2);
    layout->addWidget(previewBox, 3);

    m_links.AddObserver(this);
}

TFrameLinksPage::~TFrameLinksPage() {
    m_links.RemoveObserver(this);
}

bool TFrameLinksPage::eventFilter(QObject* watched, QEvent* event) {
    // The grid's own row keys: Insert adds a link, Ctrl+Delete deletes the current one. While a cell is
    // edited the keys go to its editor, not here.
    if (watched == dbOptionalPages && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Insert) {
            btnNewMMClick();
            return true;
        }
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) {
            btnDeleteMMClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFrameLinksPage::Modified() {
    if (SetModified) {
        SetModified();
    }
}

void TFrameLinksPage::btnNewMMClick() {
    if (!m_links.Active()) {
        return;
    }
    if (m_links.IsEmpty()) {
        m_links.Append();
    } else {
        m_links.Insert();
    }
    m_links.SetValue("InFrame", true);
    EditCurrentRow();
}

void TFrameLinksPage::btnEditMMClick() {
    if (!m_links.Active()) {
        return;
    }
    m_links.Edit();  // on an empty table this starts a new row
    EditCurrentRow();
}

void TFrameLinksPage::EditCurrentRow() {
    const std::string folder = WebsiteFolder ? WebsiteFolder() : std::string();
    TfrmLinkEdit dialog(m_links, folder, m_prompter, m_shell, EditPage, window());
    if (dialog.exec() == QDialog::Accepted) {
        if (m_links.State() == TDataSetState::Edit || m_links.State() == TDataSetState::Insert) {
            m_links.Post();
        }
        Modified();
    } else {
        m_links.Cancel();
    }
    m_shownPage.clear();  // the page may have been edited: show it afresh
    SchedulePreview();
    ShowCurrentRow();
}

void TFrameLinksPage::btnDeleteMMClick() {
    if (!m_links.Active()) {
        return;
    }
    const std::string folder = WebsiteFolder ? WebsiteFolder() : std::string();
    if (DeleteFrameLink(m_links, folder, m_prompter)) {
        Modified();
    }
    ShowCurrentRow();
}

void TFrameLinksPage::Move(int delta) {
    if (m_links.Active()) {
        m_links.MoveRecord(delta);
        ShowCurrentRow();
    }
    Modified();  // also when nothing could move
}

void TFrameLinksPage::ShowCurrentRow() {
    const auto row = m_links.CurrentRow();
    if (row && *row < m_links.RecordCount()) {
        dbOptionalPages->selectRow(static_cast<int>(*row));
    }
}

void TFrameLinksPage::SchedulePreview() {
    // Many table changes come in one burst (a load, a move): the preview follows once they are done.
    if (!m_previewPending) {
        m_previewPending = true;
        QTimer::singleShot(0, this, [this] {
            m_previewPending = false;
            RefreshPreview();
        });
    }
}

void TFrameLinksPage::RefreshPreview() {
    const std::string folder = WebsiteFolder ? WebsiteFolder() : std::string();
    const std::string url = m_links.Active() && m_links.CurrentRow() ? m_links.AsString("URL") : std::string();
    const QString path = ToQString(FrameLinkPreviewPath(folder, url));
    if (path.isEmpty()) {
        pnlWebBrowser->setCurrentWidget(lblNoPreview);
        m_shownPage.clear();
        return;
    }
    if (path != m_shownPage) {
        m_shownPage = path;
        WebBrowser->load(QUrl::fromLocalFile(path));
    }
    pnlWebBrowser->setCurrentWidget(WebBrowser);
}

}  // namespace bix
