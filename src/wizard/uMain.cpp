#include "uMain.h"

#include "core/common/Errors.h"
#include "core/common/Paths.h"
#include "core/common/RegistryValues.h"
#include "core/common/TextRoutines.h"
#include "core/editors/TZarpSelectHTMLEditor2.h"
#include "core/generator/udmTables.h"
#include "core/ports/Prompter.h"
#include "core/ports/Shell.h"
#include "core/themes/TThemeCatalogue.h"
#include "platform/QtText.h"
#include "wizard/dialogs/TfrmImageEdit.h"
#include "wizard/dialogs/uNewWebSite.h"
#include "wizard/editors/QtEditorDialogs.h"
#include "wizard/pages/TFrameLinksPage.h"
#include "wizard/pages/TGeneratePage.h"
#include "wizard/pages/TManageFilesPage.h"
#include "wizard/pages/TMetaTagsPage.h"
#include "wizard/pages/TSelectThemePage.h"
#include "wizard/pages/TThemePropertiesPage.h"
#include "wizard/pages/TUploadPage.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <filesystem>

#ifndef BIXWEBSITE_VERSION
#define BIXWEBSITE_VERSION "0.0.0"
#endif

namespace bix {

namespace {

constexpr const char* kSupportEmail = "support@bixwebsite.example";
constexpr const char* kSupportWeb = "https://www.bixwebsite.example/";

// The logo at the top of the step column: a small picture drawn once.
QPixmap Logo() {
    QPixmap logo(131, 64);
    logo.fill(Qt::white);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 64);
    sky.setColorAt(0, QColor(0x2b, 0x7c, 0xc9));
    sky.setColorAt(1, QColor(0x14, 0x4e, 0x8c));
    p.setBrush(sky);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(2, 6, 52, 52), 10, 10);
    p.setPen(Qt::white);
    QFont mark(QStringLiteral("Sans"));
    mark.setPixelSize(26);
    mark.setBold(true);
    p.setFont(mark);
    p.drawText(QRectF(2, 6, 52, 52), Qt::AlignCenter, QStringLiteral("bix"));
    p.setPen(QColor(0x14, 0x4e, 0x8c));
    QFont word(QStringLiteral("Sans"));
    word.setPixelSize(15);
    word.setBold(true);
    p.setFont(word);
    p.drawText(QRectF(60, 6, 71, 52), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Web\nsite"));
    return logo;
}

QString StepsLabelText(const std::string& text) {
    return ToQString(ReplaceAll(text, "\r\n", "\n"));
}

}  // namespace

TfrmMain::TfrmMain(TMainServices services, QWidget* parent)
    : QMainWindow(parent),
      m_services(services),
      m_editorDialogs(std::make_unique<QtEditorDialogs>(services.prompter, this)),
      m_project(services.dm, services.prompter),
      m_commands(m_project, services.registry, services.prompter),
      m_generate(services.dm, services.catalogue, services.shell, services.prompter) {
    setWindowTitle(QStringLiteral("RVK bixWebsite"));
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);

    CreateActions();
    CreateMenus();

    Notebook1 = new QStackedWidget;
    pgSelectTheme = new TSelectThemePage(services.catalogue, services.prompter);
    pgThemeProperties = new TThemePropertiesPage;
    pgFrameLinks = new TFrameLinksPage(services.dm.tblFrameLinks, services.prompter, services.shell);
    pgMetaTags = new TMetaTagsPage(services.prompter);
    pgGenerate = new TGeneratePage(m_generate);
    pgManageFiles = new TManageFilesPage(services.dm, services.prompter);
    pgUpload = new TUploadPage(services.dm, services.prompter);
    Notebook1->addWidget(CreateWelcomePage());
    for (QWidget* page : std::initializer_list<QWidget*>{pgSelectTheme, pgThemeProperties, pgFrameLinks, pgMetaTags,
                                                         pgGenerate, pgManageFiles, pgUpload}) {
        Notebook1->addWidget(page);
    }
    WirePages();

    lblPageTitle = new QLabel;
    QFont heading = lblPageTitle->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.35);
    heading.setBold(true);
    lblPageTitle->setFont(heading);

    btnPrior = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Prior"));
    btnNext = new QPushButton(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Next"));
    btnSave = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("Save"));
    btnPrior->setStatusTip(QStringLiteral("Go back one step"));
    btnNext->setStatusTip(QStringLiteral("Go on to the next step"));
    btnSave->setStatusTip(QStringLiteral("Save the website"));
    btnPrior->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    btnNext->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    connect(btnPrior, &QPushButton::clicked, this, [this] { ShowPage(m_navigation.Page() - 1); });
    connect(btnNext, &QPushButton::clicked, this, [this] { ShowPage(m_navigation.Page() + 1); });
    connect(btnSave, &QPushButton::clicked, FileSaveCmd, &QAction::trigger);
    connect(FileSaveCmd, &QAction::changed, btnSave, [this] { btnSave->setEnabled(FileSaveCmd->isEnabled()); });

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(btnPrior);
    bottom->addWidget(btnNext);
    bottom->addSpacing(12);
    bottom->addWidget(btnSave);
    auto* right = new QVBoxLayout;
    right->addWidget(lblPageTitle);
    right->addWidget(Notebook1, 1);
    right->addLayout(bottom);
    auto* central = new QWidget;
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(0, 0, 8, 4);
    columns->addWidget(CreateStepColumn());
    columns->addLayout(right, 1);
    setCentralWidget(central);
    statusBar()->setSizeGripEnabled(true);

    connect(Notebook1, &QStackedWidget::currentChanged, this, &TfrmMain::NotebookChanged);
    qApp->installEventFilter(this);  // the window sees typed keys before its controls

    m_commands.LoadControls = [this](bool opened) { LoadControls(opened); };
    m_commands.StoreControls = [this] { StoreControls(); };
    m_commands.ResetControls = [this] { ResetWizard(); };
    m_commands.ChooseProjectFile = [this](const std::string& startAt) {
        FileDialogOptions options;
        options.title = "Open";
        options.filter = "Web Site File|*.mcs|All Files|*.*";
        options.defaultExtension = "*.mcs";
        options.initialFolder = std::filesystem::path(startAt).parent_path().string();
        return m_services.prompter.OpenFileName(options).value_or(std::string());
    };

    pgSelectTheme->LoadThemesClick();
    ShowPage(0);
    const auto flag = [this](const char* name) {
        return ReadRegistryValue(m_services.registry, TRegValueKind::Boolean, RegistryRoot::CurrentUser,
                                 TWebsiteCommands::kMainKey, name, true)
            .AsBoolean();
    };
    pgGenerate->ckCleanFirst->setChecked(flag("CleanFirst"));
    pgGenerate->ckAutoPreview->setChecked(flag("Preview"));
    ShowPage(0);
    SetModified(false);

    // 711 × 503 where the pages fit in it, never less than 640 × 480, centred on the screen.
    setMinimumSize(640, 480);
    resize(sizeHint().expandedTo(QSize(711, 503)));
    if (const QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TfrmMain::~TfrmMain() {
    qApp->removeEventFilter(this);
}

void TfrmMain::CreateActions() {
    const auto make = [this](const char* caption, const char* hint, const QKeySequence& shortcut,
                             void (TfrmMain::*slot)()) {
        auto* action = new QAction(QString::fromUtf8(caption), this);
        action->setStatusTip(QString::fromUtf8(hint));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    FileNewCmd = make("&Create a New Website", "Create a New Website", QKeySequence(Qt::CTRL | Qt::Key_N),
                      &TfrmMain::FileNewCmdExecute);
    FileLastWebsiteCmd = make("Open the &Last Website", "", {}, &TfrmMain::FileLastWebsiteCmdExecute);
    FileOpenCmd = make("&Open an Existing Website", "Open an Existing Website", QKeySequence(Qt::CTRL | Qt::Key_O),
                       &TfrmMain::FileOpenCmdExecute);
    FileExitCmd = new QAction(QStringLiteral("E&xit"), this);
    FileExitCmd->setStatusTip(QStringLiteral("Exit this application"));
    FileExitCmd->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    connect(FileExitCmd, &QAction::triggered, this, &QWidget::close);
    FileCloseCmd = make("Close", "", QKeySequence(Qt::CTRL | Qt::Key_Q), &TfrmMain::FileCloseCmdExecute);
    FileSaveCmd = make("Save", "", QKeySequence(QKeySequence::Save), &TfrmMain::FileSaveCmdExecute);
    FileCloseCmd->setEnabled(false);
    FileSaveCmd->setEnabled(false);
    SelectEditorCmd = new QAction(QStringLiteral("Select HTML Editor"), this);
    SelectEditorCmd->setStatusTip(QStringLiteral("Choose the program that edits your pages"));
    connect(SelectEditorCmd, &QAction::triggered, this,
            [this] { Run([this] { m_services.editor.SelectEditor(*m_editorDialogs); }); });
    HelpCmd = make("Help", "Show the user manual", QKeySequence(Qt::Key_F1), &TfrmMain::HelpCmdExecute);
    AboutCmd = make("&About", "About this program", {}, &TfrmMain::AboutCmdExecute);
}

void TfrmMain::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    // The File menu names the commands shortly and owns their keys; the Welcome page uses the actions.
    const auto item = [this, file](const char* caption, QAction* command) {
        QAction* entry = file->addAction(QString::fromUtf8(caption));
        entry->setShortcut(command->shortcut());
        entry->setStatusTip(command->statusTip());
        entry->setEnabled(command->isEnabled());
        connect(entry, &QAction::triggered, command, &QAction::trigger);
        connect(command, &QAction::changed, entry, [entry, command] { entry->setEnabled(command->isEnabled()); });
    };
    item("&New Website", FileNewCmd);
    item("&Open Existing Website", FileOpenCmd);
    item("Save", FileSaveCmd);
    item("Close", FileCloseCmd);
    file->addSeparator();
    item("E&xit", FileExitCmd);
    QMenu* settings = menuBar()->addMenu(QStringLiteral("Settings"));
    settings->addAction(SelectEditorCmd);
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(HelpCmd);
    help->addAction(AboutCmd);
}

QWidget* TfrmMain::CreateStepColumn() {
    auto* column = new QWidget;
    column->setFixedWidth(151);
    column->setAutoFillBackground(true);
    QPalette white = column->palette();
    white.setColor(QPalette::Window, Qt::white);
    column->setPalette(white);
    auto* logo = new QLabel;
    logo->setPixmap(Logo());
    logo->setAlignment(Qt::AlignCenter);
    lblSteps = new QLabel;
    lblSteps->setWordWrap(true);
    QFont bold = lblSteps->font();
    bold.setBold(true);
    lblSteps->setFont(bold);
    tvNavigation = new QTreeWidget;
    tvNavigation->setHeaderHidden(true);
    tvNavigation->setRootIsDecorated(false);
    tvNavigation->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvNavigation->setFrameShape(QFrame::NoFrame);
    tvNavigation->setIndentation(0);
    // The longest step name fits the narrow column whole.
    QFont small = tvNavigation->font();
    small.setPointSizeF(small.pointSizeF() * 0.92);
    tvNavigation->setFont(small);
    tvNavigation->setTextElideMode(Qt::ElideNone);
    tvNavigation->setStyleSheet(QStringLiteral("QTreeView::item { padding: 2px 0px; }"));
    for (int page = 1; page < TWizardNavigation::kPages; ++page) {
        auto* item = new QTreeWidgetItem(tvNavigation);
        item->setText(0, QString::fromLatin1(TWizardNavigation::kCaptions[static_cast<std::size_t>(page)]));
        item->setToolTip(0, QStringLiteral("Step %1 of 7").arg(page));
    }
    tvNavigation->hide();
    connect(tvNavigation, &QTreeWidget::itemSelectionChanged, this, &TfrmMain::TreeSelectionChanged);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(4, 8, 2, 8);
    layout->addWidget(logo);
    layout->addWidget(lblSteps);
    layout->addWidget(tvNavigation, 1);
    layout->addStretch(0);
    return column;
}

QWidget* TfrmMain::CreateWelcomePage() {
    auto* page = new QWidget;
    auto* title = new QLabel(QStringLiteral("Welcome"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    auto* intro = new QLabel(QStringLiteral(
        "Pick a theme, type your words, and bixWebsite builds the pages and puts them on your web server. "
        "Start with one of these:"));
    intro->setWordWrap(true);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title);
    layout->addWidget(intro);
    const std::pair<const char*, QAction*> links[] = {{"Create A New Web Site", FileNewCmd},
                                                      {"Open the Last Web Site", FileLastWebsiteCmd},
                                                      {"Open an Existing Web Site", FileOpenCmd}};
    for (const auto& [caption, action] : links) {
        auto* link = new QCommandLinkButton(QString::fromLatin1(caption));
        link->setStatusTip(action->statusTip());
        connect(link, &QCommandLinkButton::clicked, action, &QAction::trigger);
        layout->addWidget(link);
    }
    layout->addStretch(1);
    return page;
}

void TfrmMain::WirePages() {
    // Every page marks the open website changed through here; nothing is marked while none is open.
    const auto modified = [this] {
        if (m_project.IsOpen()) {
            SetModified(true);
        }
    };
    const auto folder = [this] { return m_project.IsOpen() ? m_project.WebsiteFolder() : std::string(); };
    const auto edit = [this](const std::string& path) { EditPage(path); };
    const auto buildFolder = [this] { return m_generate.BuildFolder(); };
    pgSelectTheme->SetModified = modified;
    pgThemeProperties->SetModified = modified;
    pgThemeProperties->WebsiteFolder = folder;
    pgThemeProperties->EditPage = edit;
    pgFrameLinks->SetModified = modified;
    pgFrameLinks->WebsiteFolder = folder;
    pgFrameLinks->EditPage = edit;
    pgMetaTags->SetModified = modified;
    m_generate.SetModified = modified;
    // A build saves first; when that fails the build stops, after the error, with nothing lost.
    m_generate.Save = [this] {
        try {
            m_commands.Save();
        } catch (const EBixError& e) {
            UpdateCaption();
            m_services.prompter.Error(e.what());
            throw EAbort();
        }
        UpdateCaption();
    };
    pgManageFiles->SetModified = modified;
    pgManageFiles->BuildFolder = buildFolder;
    pgManageFiles->EditPage = edit;
    pgManageFiles->ShowImage = [this](const std::string& path) { TfrmImageEdit::ShowImage(path, this); };
    pgUpload->SetModified = modified;
    pgUpload->BuildFolder = buildFolder;
}

void TfrmMain::Run(const std::function<void()>& command) {
    try {
        command();
    } catch (const EAbort&) {
        // a silent stop
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        m_services.prompter.Error(e.what());
    }
    UpdateCaption();
}

void TfrmMain::SetModified(bool value) {
    m_commands.SetModified(value);
    UpdateCaption();
}

void TfrmMain::UpdateCaption() {
    setWindowTitle(ToQString(m_commands.Caption()));
    FileSaveCmd->setEnabled(m_commands.SaveEnabled());
    FileCloseCmd->setEnabled(m_commands.CloseEnabled());
    btnSave->setEnabled(FileSaveCmd->isEnabled());
}

// ---- navigation

void TfrmMain::ShowPage(int page) {
    const int before = m_navigation.Page();
    m_navigation.ShowPage(page);
    // The previews of Theme Properties are reloaded just before the step moves to it.
    if (m_navigation.Page() == 2 && before != 2) {
        pgThemeProperties->RefreshPagePreviews();
    }
    if (Notebook1->currentIndex() != m_navigation.Page()) {
        Notebook1->setCurrentIndex(m_navigation.Page());  // NotebookChanged follows
    } else {
        NotebookChanged(m_navigation.Page());
    }
}

void TfrmMain::NotebookChanged(int page) {
    btnPrior->setVisible(m_navigation.PriorNextVisible());
    btnNext->setVisible(m_navigation.PriorNextVisible());
    btnPrior->setEnabled(m_navigation.PriorEnabled());
    btnNext->setEnabled(m_navigation.NextEnabled());
    lblSteps->setText(StepsLabelText(m_navigation.StepsText()));
    // Manage Web Site Files and Upload To Server carry their own titles.
    lblPageTitle->setVisible(page >= 1 && page <= 5);
    lblPageTitle->setText(
        page == 0 ? QString()
                  : QStringLiteral("Step %1 of 7: %2")
                        .arg(page)
                        .arg(QString::fromLatin1(TWizardNavigation::kCaptions[static_cast<std::size_t>(page)])));
    tvNavigation->setVisible(m_navigation.TreeVisible());
    m_syncingTree = true;
    if (const auto item = m_navigation.TreeItem()) {
        tvNavigation->setCurrentItem(tvNavigation->topLevelItem(*item));
    }
    m_syncingTree = false;
}

void TfrmMain::TreeSelectionChanged() {
    if (m_syncingTree) {
        return;
    }
    const QList<QTreeWidgetItem*> selected = tvNavigation->selectedItems();
    if (!selected.isEmpty()) {
        if (const auto page = TWizardNavigation::PageOfTreeItem(FromQString(selected.front()->text(0)))) {
            ShowPage(*page);
        }
    }
}

// ---- the website commands

void TfrmMain::FileNewCmdExecute() {
    Run([this] {
        std::string folder;
        std::string name;
        bool accepted = false;
        if (ChooseNewWebsite) {
            accepted = ChooseNewWebsite(folder, name);
        } else {
            TfrmNewWebSite dialog(m_services.dm.ProgramFolder(), m_services.prompter, this);
            accepted = dialog.exec() == QDialog::Accepted;
            folder = dialog.Folder();
            name = dialog.Name();
        }
        if (accepted) {
            m_commands.New(folder, name);
        }
    });
}

void TfrmMain::FileOpenCmdExecute() {
    Run([this] { m_commands.Open(); });
}

void TfrmMain::FileLastWebsiteCmdExecute() {
    Run([this] { m_commands.OpenLast(); });
}

void TfrmMain::FileSaveCmdExecute() {
    Run([this] { m_commands.Save(); });
}

void TfrmMain::FileCloseCmdExecute() {
    Run([this] { m_commands.Close(); });
}

void TfrmMain::LoadControls(bool opened) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TWebSite& site = m_project.WebSite();
    const std::string& folder = m_project.WebsiteFolder();
    if (opened) {
        pgSelectTheme->SelectTheme(site.CurrentTheme);
        pgThemeProperties->edtCompanyName->setText(ToQString(site.CompanyName));
        pgThemeProperties->edtEMail->setText(ToQString(site.Email));
        pgFrameLinks->edtAdditionalLinksTitle->setText(ToQString(site.FrameLinksTitle));
        pgGenerate->cbLeadingPageTitle->setCurrentText(ToQString(site.LeadingPage));
        pgMetaTags->Load(site);
    }
    m_navigation.SetWebsiteOpen(true);
    pgUpload->LoadFtpSettings(site);
    m_generate.SetBuildFolder(site.BuiltWebSitePath, folder);
    pgGenerate->ShowBuildFolder();
    m_services.editor.ProjectPath = folder;
    ShowPage(1);
    pgFrameLinks->RefreshPreview();
    QApplication::restoreOverrideCursor();
}

void TfrmMain::StoreControls() {
    TWebSite& site = m_project.WebSite();
    const TThemeData* theme = m_services.catalogue.SelectedTheme();
    site.CurrentTheme = theme != nullptr ? theme->DisplayName : std::string();
    site.CompanyName = FromQString(pgThemeProperties->edtCompanyName->text());
    site.Email = FromQString(pgThemeProperties->edtEMail->text());
    site.FrameLinksTitle = FromQString(pgFrameLinks->edtAdditionalLinksTitle->text());
    site.LeadingPage = pgGenerate->LeadingPage();
    site.BuiltWebSitePath = m_generate.BuildFolder();
    pgMetaTags->Store(site);
    pgUpload->StoreFtpSettings(site);
}

void TfrmMain::ResetWizard() {
    m_navigation.SetWebsiteOpen(false);
    m_syncingTree = true;
    tvNavigation->setCurrentItem(tvNavigation->topLevelItem(0));
    m_syncingTree = false;
    ShowPage(0);
    pgThemeProperties->Reset();
    pgUpload->Reset();
    pgMetaTags->Reset();
    m_services.editor.ProjectPath.clear();
    if (m_services.catalogue.ThemeCount() > 0) {
        pgSelectTheme->lbThemes->setCurrentRow(0);
    }
    pgSelectTheme->lbThemesClick();
    pgFrameLinks->RefreshPreview();
}

void TfrmMain::EditPage(const std::string& path) {
    Run([this, &path] { m_services.editor.EditFile(path, *m_editorDialogs); });
}

// ---- key tracking and the end

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool shortcut = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
        if (!key->text().isEmpty() && !shortcut && m_project.IsOpen() && !m_commands.Dirty()) {
            m_commands.KeyTyped();
            UpdateCaption();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    bool canClose = false;
    Run([this, &canClose] { canClose = m_commands.CloseQuery(); });
    if (!canClose) {
        event->ignore();
        return;
    }
    const auto store = [this](const char* name, bool value) {
        WriteRegistryValue(m_services.registry, TRegValueKind::Boolean, RegistryRoot::CurrentUser,
                           TWebsiteCommands::kMainKey, name, value);
    };
    store("CleanFirst", pgGenerate->ckCleanFirst->isChecked());
    store("Preview", pgGenerate->ckAutoPreview->isChecked());
    event->accept();
}

// ---- help

void TfrmMain::HelpCmdExecute() {
    // The manual is a set of pages beside the program; without it nothing happens.
    const std::string manual = m_services.dm.ProgramFolder() + "help" + PathDelim + "index.html";
    if (QFileInfo(ToQString(manual)).isFile()) {
        m_services.shell.OpenDocument(manual);
    }
}

void TfrmMain::AboutCmdExecute() {
    QDialog about(this);
    about.setWindowTitle(QStringLiteral("About RVK"));
    auto* text = new QLabel(QStringLiteral("<p><b>bixWebsite</b><br>Version %1</p>"
                                           "<p>Build your Website for home or office in just minutes.</p>"
                                           "<p>Product support: %2<br><a href=\"%3\">%3</a></p>")
                                .arg(QStringLiteral(BIXWEBSITE_VERSION), QString::fromLatin1(kSupportEmail),
                                     QString::fromLatin1(kSupportWeb)));
    text->setObjectName(QStringLiteral("lblVersion"));
    text->setTextInteractionFlags(Qt::TextBrowserInteraction);
    text->setOpenExternalLinks(true);
    auto* logo = new QLabel;
    logo->setPixmap(Logo());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, &about, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(logo, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(&about);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    about.exec();
}

}  // namespace bix
