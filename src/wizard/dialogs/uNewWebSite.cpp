#include "uNewWebSite.h"

#include "core/common/Paths.h"
#include "core/common/ProgramFolder.h"
#include "core/common/TextRoutines.h"
#include "core/generator/NewWebsite.h"
#include "core/ports/Prompter.h"
#include "platform/QtText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include <filesystem>

namespace bix {

TfrmNewWebSite::TfrmNewWebSite(std::string programFolder, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_programFolder(std::move(programFolder)), m_prompter(prompter) {
    setWindowTitle(QStringLiteral("New Web Site"));

    edtName = new QLineEdit;
    auto* example = new QLabel(QStringLiteral("example: testwebsite"));
    example->setEnabled(false);

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QStringLiteral("/"));
    DirectoryDestination = new QTreeView;
    DirectoryDestination->setModel(m_folders);
    for (int c = 1; c < m_folders->columnCount(); ++c) {
        DirectoryDestination->hideColumn(c);
    }
    DirectoryDestination->header()->hide();
    DirectoryDestination->setMinimumSize(360, 260);
    // A single click opens the folder.
    connect(DirectoryDestination, &QTreeView::clicked, DirectoryDestination, &QTreeView::expand);

    // The places to start from: the home folder, then every mounted volume.
    DriveComboBox1 = new QComboBox;
    const QString home = QDir::homePath();
    DriveComboBox1->addItem(QStringLiteral("Home (%1)").arg(home), home);
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !volume.rootPath().startsWith(QLatin1String("/proc")) &&
            !volume.rootPath().startsWith(QLatin1String("/sys"))) {
            DriveComboBox1->addItem(volume.rootPath(), volume.rootPath());
        }
    }
    connect(DriveComboBox1, &QComboBox::activated, this, &TfrmNewWebSite::DriveChanged);

    btnNewDir = new QPushButton(QStringLiteral("New Directory"));
    btnNewDir->setAutoDefault(false);
    connect(btnNewDir, &QPushButton::clicked, this, &TfrmNewWebSite::btnNewDirClick);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    btnOK = buttons->button(QDialogButtonBox::Ok);
    btnCancel = buttons->button(QDialogButtonBox::Cancel);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TfrmNewWebSite::btnOKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* nameRow = new QVBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Web site file name")));
    nameRow->addWidget(edtName);
    nameRow->addWidget(example);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(DriveComboBox1, 1);
    folderRow->addWidget(btnNewDir);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(new QLabel(QStringLiteral("Site Destination:")));
    layout->addLayout(folderRow);
    layout->addWidget(DirectoryDestination, 1);
    layout->addWidget(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(420, 440)));

    // A fresh numbered folder each time the dialog opens, in the program folder when that can be
    // written (a portable copy), else in the user's home folder.
    const std::string user = HomeFolder();
    const std::string fresh =
        PrepareNewWebsiteFolder(m_programFolder, user.empty() ? user : user + "bixWebsite" + PathDelim);
    if (!fresh.empty()) {
        SelectFolder(ToQString(fresh));
    }
    edtName->setFocus();
}

void TfrmNewWebSite::SelectFolder(const QString& folder) {
    const QModelIndex index = m_folders->index(QDir::cleanPath(folder));
    DirectoryDestination->setCurrentIndex(index);
    DirectoryDestination->scrollTo(index);
    // The place holding the folder, the longest root that starts it.
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < DriveComboBox1->count(); ++i) {
        const QString root = DriveComboBox1->itemData(i).toString();
        const bool holds = folder == root || folder.startsWith(root.endsWith('/') ? root : root + '/');
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    if (best >= 0) {
        DriveComboBox1->setCurrentIndex(best);
    }
}

void TfrmNewWebSite::DriveChanged(int index) {
    SelectFolder(DriveComboBox1->itemData(index).toString());
}

QString TfrmNewWebSite::SelectedFolder() const {
    const QModelIndex current = DirectoryDestination->currentIndex();
    return current.isValid() ? m_folders->filePath(current) : QString();
}

std::string TfrmNewWebSite::Folder() const {
    const QString folder = SelectedFolder();
    return folder.isEmpty() ? std::string() : AddTrailingBackslash(FromQString(folder));
}

std::string TfrmNewWebSite::Name() const {
    return FromQString(edtName->text());
}

void TfrmNewWebSite::btnNewDirClick() {
    std::string name;
    if (!m_prompter.InputBox("Creating New Folder", "Folder Name", name)) {
        return;
    }
    const std::string folder = CreateNewDirectory(Folder(), name, m_prompter);
    if (!folder.empty()) {
        SelectFolder(ToQString(folder));
    }
}

void TfrmNewWebSite::btnOKClick() {
    switch (CheckNewWebsite(m_programFolder, Folder(), Name(), m_prompter)) {
        case TNewWebsiteField::Name:
            edtName->setFocus();
            return;
        case TNewWebsiteField::Folder:
            btnNewDir->setFocus();
            return;
        case TNewWebsiteField::None:
            break;
    }
    if (Folder().empty()) {
        m_prompter.Warn("Please select a new Website development directory.");
        return;
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(Folder() + "Built Website"), ec);
    accept();
}

}  // namespace bix
