#include "TManageFilesPage.h"

#include "core/common/TextRoutines.h"
#include "core/filemanager/ModifyPage.h"
#include "core/filemanager/TZarpFileManager.h"
#include "core/generator/udmTables.h"
#include "platform/QtText.h"
#include "wizard/models/TMemTableModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace bix {

namespace {

enum Column { ColPreserve, ColStatus, ColType, ColName, ColDesc, ColStamp, ColSize, ColUpload };

}  // namespace

TManageFilesPage::TManageFilesPage(TdmTables& dm, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_dm(dm), m_prompter(prompter) {
    auto* title = new QLabel(QStringLiteral("Manage Web Site Files"));
    QFont big(QStringLiteral("Arial"));
    big.setPixelSize(16);
    big.setBold(true);
    title->setFont(big);

    const auto statusText = [](const TFieldValue& v) {
        const auto* n = std::get_if<std::int32_t>(&v);
        return ToQString(FtpProcessDescription(n != nullptr ? *n : -1));
    };
    // The five status pictures, in the order of the statuses.
    const QStyle* look = style();
    const QList<QIcon> statusIcons = {
        look->standardIcon(QStyle::SP_DialogCancelButton), look->standardIcon(QStyle::SP_TrashIcon),
        look->standardIcon(QStyle::SP_DialogApplyButton), look->standardIcon(QStyle::SP_ArrowUp),
        look->standardIcon(QStyle::SP_BrowserReload)};
    const auto statusIcon = [statusIcons](const TFieldValue& v) {
        const auto* n = std::get_if<std::int32_t>(&v);
        return n != nullptr && *n >= 0 && *n < statusIcons.size() ? statusIcons[*n] : QIcon();
    };
    // The type pictures: pages, pictures, scripts and the rest.
    const QIcon fallback = look->standardIcon(QStyle::SP_FileIcon);
    const auto typeIcon = [fallback](const TFieldValue& v) {
        const auto* text = std::get_if<std::string>(&v);
        const std::string type = text != nullptr ? *text : std::string();
        const char* name = "text-x-generic";
        if (type == "HTM" || type == "HTML" || type == "ASP") {
            name = "text-html";
        } else if (type == "JPG" || type == "JPEG" || type == "GIF" || type == "BMP") {
            name = "image-x-generic";
        } else if (type == "JS") {
            name = "text-x-script";
        }
        return QIcon::fromTheme(QString::fromLatin1(name), fallback);
    };
    const auto noText = [](const TFieldValue&) { return QString(); };
    m_model = new TMemTableModel(dm.tblFileManager,
                                 {{"Preserve", QStringLiteral(" "), true, nullptr, false, nullptr},
                                  {"FileStatus", QStringLiteral("FTP Process"), false, statusText, true, statusIcon},
                                  {"FileType", QStringLiteral("Type"), false, noText, true, typeIcon},
                                  {"FileName", QStringLiteral("FileName"), false, nullptr, true, nullptr},
                                  {"Desc", QStringLiteral("Desc"), false, nullptr, true, nullptr},
                                  {"FileDateTimeStamp", QStringLiteral("File DateTime"), false, nullptr, true, nullptr},
                                  {"FileSize", QStringLiteral("Size"), false, nullptr, true, nullptr},
                                  {"UploadDate", QStringLiteral("Upload Date"), false, nullptr, true, nullptr}},
                                 this);
    m_model->editable = true;  // the Preserve column only: the others are read-only
    dxDBGrid1 = new QTableView;
    dxDBGrid1->setModel(m_model);
    dxDBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    dxDBGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    dxDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);  // the check box still toggles
    dxDBGrid1->verticalHeader()->hide();
    dxDBGrid1->horizontalHeader()->setSectionsMovable(true);
    dxDBGrid1->horizontalHeader()->setSectionResizeMode(ColName, QHeaderView::Stretch);
    dxDBGrid1->setColumnWidth(ColPreserve, 24);
    dxDBGrid1->setColumnWidth(ColStatus, 110);
    dxDBGrid1->setColumnWidth(ColType, 40);
    dxDBGrid1->setColumnHidden(ColStamp, true);
    dxDBGrid1->setColumnHidden(ColUpload, true);
    dxDBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);

    PopupMenu1 = new QMenu(this);
    const std::pair<const char*, int> items[] = {{"&Upload File", 0}, {"&Remove File", 1}, {"&Do Nothing", 2}};
    for (const auto& [text, tag] : items) {
        PopupMenu1->addAction(QString::fromLatin1(text), this, [this, tag = tag] { FileManagerHandles(tag); });
    }
    PopupMenu1->addSeparator();
    QMenu* all = PopupMenu1->addMenu(QStringLiteral("C&hange All"));
    all->addAction(QStringLiteral("U&pload All Files"), this, [this] { FileManagerHandles(3); });
    all->addAction(QStringLiteral("R&emove All Files"), this, [this] { FileManagerHandles(4); });
    PopupMenu1->addSeparator();
    // Custom Columns: show or hide any column but the three fixed ones.
    QMenu* columns = PopupMenu1->addMenu(QStringLiteral("Custom Columns"));
    for (int c = ColName; c <= ColUpload; ++c) {
        QAction* action = columns->addAction(m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        action->setCheckable(true);
        action->setChecked(!dxDBGrid1->isColumnHidden(c));
        connect(action, &QAction::toggled, this, [this, c](bool shown) { dxDBGrid1->setColumnHidden(c, !shown); });
    }
    connect(dxDBGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(dxDBGrid1->viewport()->mapToGlobal(at)); });
    connect(dxDBGrid1, &QAbstractItemView::doubleClicked, this, [this] { btnModifyHTMLPageInEditorClick(); });
    connect(dxDBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    m_dm.tblFileManager.MoveTo(static_cast<std::size_t>(current.row()));
                }
            });

    auto* mark = new QLabel;
    mark->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(16, 16));
    btnModifyHTMLPageInEditor = new QPushButton(QStringLiteral("Modify Page in Editor"));
    btnRefreshFLBWorking = new QPushButton(QStringLiteral("Refresh File Listing"));
    connect(btnModifyHTMLPageInEditor, &QPushButton::clicked, this, &TManageFilesPage::btnModifyHTMLPageInEditorClick);
    connect(btnRefreshFLBWorking, &QPushButton::clicked, this, &TManageFilesPage::btnRefreshFLBWorkingClick);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(mark);
    bottom->addWidget(new QLabel(QStringLiteral("Prevents a file from being written over")), 1);
    bottom->addWidget(btnModifyHTMLPageInEditor);
    bottom->addWidget(btnRefreshFLBWorking);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(dxDBGrid1, 1);
    layout->addLayout(bottom);
}

TManageFilesPage::~TManageFilesPage() = default;

void TManageFilesPage::Modified() {
    if (SetModified) {
        SetModified();
    }
}

std::string TManageFilesPage::Folder() const {
    return AddTrailingBackslash(BuildFolder ? BuildFolder() : "");
}

void TManageFilesPage::btnRefreshFLBWorkingClick() {
    m_dm.ZarpFileManager1.SetDestinationFolder(Folder());
    m_dm.ZarpFileManager1.ScanFolder();
    Modified();
}

void TManageFilesPage::FileManagerHandles(int tag) {
    m_dm.ZarpFileManager1.SetDestinationFolder(Folder());
    static constexpr int kStatus[] = {3, 1, 0, 3, 1};
    if (tag < 0 || tag > 4) {
        return;
    }
    int status = kStatus[tag];
    if (tag <= 2) {
        m_dm.ZarpFileManager1.ChangeCurrentStatus(status);
    } else {
        m_dm.ZarpFileManager1.ChangeAllStatus(status);
    }
}

void TManageFilesPage::btnModifyHTMLPageInEditorClick() {
    const auto none = [](const std::string&) {};
    if (ModifyPageInEditor(m_dm.tblFileManager, Folder(), EditPage ? EditPage : none, ShowImage ? ShowImage : none,
                           m_prompter)) {
        Modified();
    }
}

}  // namespace bix
