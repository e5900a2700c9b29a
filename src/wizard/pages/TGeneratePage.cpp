#include "TGeneratePage.h"

#include "core/common/Errors.h"
#include "core/generator/TGenerateCommands.h"
#include "platform/QtText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace bix {

TGeneratePage::TGeneratePage(TGenerateCommands& commands, QWidget* parent) : QWidget(parent), m_commands(commands) {
    btnCreateWebsite = new QPushButton(QStringLiteral("Create Website Now"));
    ckCleanFirst = new QCheckBox(QStringLiteral("Delete all Website files first"));
    ckAutoPreview = new QCheckBox(QStringLiteral("Automatically Preview"));
    ckCleanFirst->setChecked(true);
    ckAutoPreview->setChecked(true);
    btnPreview = new QPushButton(QStringLiteral("Preview Built Website"));
    btnPreview->setEnabled(false);
    cbLeadingPageTitle = new QComboBox;
    cbLeadingPageTitle->setEditable(true);
    cbLeadingPageTitle->addItems({"index.htm", "index.html", "default.htm", "default.html"});
    cbLeadingPageTitle->setCurrentText(QStringLiteral("index.htm"));

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QStringLiteral("/"));
    DirectoryListBox1 = new QTreeView;
    DirectoryListBox1->setModel(m_folders);
    for (int c = 1; c < m_folders->columnCount(); ++c) {
        DirectoryListBox1->hideColumn(c);
    }
    DirectoryListBox1->header()->hide();
    DriveComboBox1 = new QComboBox;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady()) {
            DriveComboBox1->addItem(volume.rootPath());
        }
    }
    btnNewFolder = new QPushButton(QStringLiteral("Create New Folder"));
    btnViewInExplorer = new QPushButton(QStringLiteral("View In Explorer"));

    auto* destination = new QGroupBox(QStringLiteral("Please Select a Build Destination"));
    auto* destinationLayout = new QVBoxLayout(destination);
    destinationLayout->addWidget(DriveComboBox1);
    destinationLayout->addWidget(DirectoryListBox1, 1);
    auto* folderButtons = new QHBoxLayout;
    folderButtons->addWidget(btnNewFolder);
    folderButtons->addWidget(btnViewInExplorer);
    folderButtons->addStretch(1);
    destinationLayout->addLayout(folderButtons);

    auto* leading = new QHBoxLayout;
    leading->addWidget(new QLabel(QStringLiteral("Leading Page File Name")));
    leading->addWidget(cbLeadingPageTitle, 1);
    auto* actions = new QHBoxLayout;
    actions->addWidget(btnCreateWebsite);
    actions->addWidget(btnPreview);
    actions->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(destination, 1);
    layout->addLayout(leading);
    layout->addWidget(ckCleanFirst);
    layout->addWidget(ckAutoPreview);
    layout->addLayout(actions);

    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!m_showing && current.isValid()) {
                    DirectoryListBox1Change(m_folders->filePath(current));
                }
            });
    connect(DriveComboBox1, &QComboBox::activated, this, [this](int index) {
        DirectoryListBox1->setCurrentIndex(m_folders->index(DriveComboBox1->itemText(index)));
    });
    // A new name only changes the website; the preview is re-tested at the next folder change or build.
    connect(cbLeadingPageTitle, &QComboBox::currentTextChanged, this, [this] {
        if (m_commands.SetModified) {
            m_commands.SetModified();
        }
    });
    connect(btnNewFolder, &QPushButton::clicked, this, [this] {
        if (m_commands.CreateNewFolder(LeadingPage())) {
            ShowBuildFolder();
            Refresh();
        }
    });
    connect(btnViewInExplorer, &QPushButton::clicked, this, [this] { m_commands.ViewInExplorer(); });
    connect(btnPreview, &QPushButton::clicked, this, [this] { m_commands.Preview(LeadingPage()); });
    connect(btnCreateWebsite, &QPushButton::clicked, this, [this] {
        btnCreateWebsite->setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        // The button and the cursor come back however the build ends; a stop (a save that failed and
        // has said so) ends it quietly.
        const auto restore = qScopeGuard([this] {
            QApplication::restoreOverrideCursor();
            btnCreateWebsite->setEnabled(true);
            Refresh();
        });
        try {
            m_commands.CreateWebsiteNow(LeadingPage(), ckCleanFirst->isChecked(), ckAutoPreview->isChecked());
        } catch (const EAbort&) {
        }
    });
}

std::string TGeneratePage::LeadingPage() const {
    return FromQString(cbLeadingPageTitle->currentText());
}

void TGeneratePage::Refresh() {
    btnPreview->setEnabled(m_commands.PreviewEnabled());
}

void TGeneratePage::ShowBuildFolder() {
    const QString folder = QDir::cleanPath(ToQString(m_commands.BuildFolder()));
    m_showing = true;
    const QModelIndex index = m_folders->index(folder);
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->scrollTo(index);
    m_showing = false;
    m_commands.RetestPreview(LeadingPage());
    Refresh();
}

void TGeneratePage::DirectoryListBox1Change(const QString& folder) {
    m_commands.BuildFolderChanged(FromQString(folder), LeadingPage());
    Refresh();
}

}  // namespace bix
