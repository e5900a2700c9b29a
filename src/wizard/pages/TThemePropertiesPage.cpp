#include "TThemePropertiesPage.h"

#include "core/common/PageRoutines.h"
#include "platform/QtText.h"
#include "wizard/pages/TPreviewView.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace bix {

namespace {

QWidget* View(const QString& heading, QWidget* content) {
    auto* view = new QWidget;
    auto* layout = new QVBoxLayout(view);
    auto* title = new QLabel(heading);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    layout->addWidget(content, 1);
    return view;
}

}  // namespace

TThemePropertiesPage::TThemePropertiesPage(QWidget* parent) : QWidget(parent) {
    edtCompanyName = new QLineEdit;
    lbThemeButtons = new QListWidget;
    lbThemeButtons->addItems({"Home Page", "About Page", "Contact Us"});
    lbThemeButtons->setMaximumWidth(140);
    DHTML_HomePage = new TPreviewView;
    DHTML_AboutPage = new TPreviewView;
    edtEMail = new QLineEdit;
    auto* contact = new QWidget;
    auto* contactForm = new QFormLayout(contact);
    contactForm->addRow(QStringLiteral("Contact Us Email"), edtEMail);
    contactForm->addRow(QString(), new QLabel(QStringLiteral("for example: ") + QString::fromLatin1(kExampleEmail)));
    Notebook2 = new QStackedWidget;
    Notebook2->addWidget(View(QStringLiteral("Home Page"), DHTML_HomePage));
    Notebook2->addWidget(View(QStringLiteral("About Page"), DHTML_AboutPage));
    Notebook2->addWidget(View(QStringLiteral("Contact Us"), contact));
    btnEditPage = new QPushButton(QStringLiteral("Edit page in selected editor"));

    auto* title = new QFormLayout;
    title->addRow(QStringLiteral("Web Title (Appears in the top bar of browser)"), edtCompanyName);
    auto* middle = new QHBoxLayout;
    middle->addWidget(lbThemeButtons);
    middle->addWidget(Notebook2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(title);
    layout->addLayout(middle, 1);
    layout->addWidget(btnEditPage, 0, Qt::AlignRight);

    connect(lbThemeButtons, &QListWidget::currentRowChanged, this, &TThemePropertiesPage::lbThemeButtonsClick);
    connect(btnEditPage, &QPushButton::clicked, this, &TThemePropertiesPage::btnEditPageClick);
    lbThemeButtons->setCurrentRow(0);
}

QString TThemePropertiesPage::PagePath(const char* name) const {
    return ToQString((WebsiteFolder ? WebsiteFolder() : std::string()) + name);
}

void TThemePropertiesPage::RefreshPagePreviews() {
    if (!WebsiteFolder || WebsiteFolder().empty()) {
        return;
    }
    DHTML_HomePage->ShowFile(PagePath("content.htm"));
    DHTML_AboutPage->ShowFile(PagePath("about.htm"));
}

void TThemePropertiesPage::lbThemeButtonsClick(int row) {
    if (row < 0) {
        return;
    }
    Notebook2->setCurrentIndex(row);
    btnEditPage->setVisible(row != 2);
    RefreshPagePreviews();
}

void TThemePropertiesPage::btnEditPageClick() {
    const int view = Notebook2->currentIndex();
    if (view <= 1 && EditPage) {
        EditPage(FromQString(PagePath(view == 0 ? "content.htm" : "about.htm")));
    }
    RefreshPagePreviews();
    if (SetModified) {
        SetModified();
    }
}

void TThemePropertiesPage::Reset() {
    DHTML_HomePage->ShowBlank();
    DHTML_AboutPage->ShowBlank();
    lbThemeButtons->setCurrentRow(0);
    edtCompanyName->clear();
    edtEMail->clear();
}

}  // namespace bix
