#include "TMetaTagsPage.h"

#include "core/document/ubixWebsiteClass.h"
#include "core/shell/MetaKeywords.h"
#include "platform/QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace bix {

TMetaTagsPage::TMetaTagsPage(Prompter& prompter, QWidget* parent) : QWidget(parent), m_prompter(prompter) {
    auto* intro = new QLabel(QStringLiteral(
        "META tags can increase the internet traffic that visits your Web site when your Web site is registered "
        "by a search engine. By entering keywords you increase your potential of internet users visiting your "
        "site."));
    intro->setWordWrap(true);
    edtMetaDescription = new QPlainTextEdit;
    edtMetaDescription->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MetaList = new QListWidget;
    btnNew = new QPushButton(QStringLiteral("New"));
    btnModify = new QPushButton(QStringLiteral("Modify"));
    btnDelete = new QPushButton(QStringLiteral("Delete"));
    btnSort = new QPushButton(QStringLiteral("Sort"));
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {btnNew, btnModify, btnDelete, btnSort}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->addWidget(intro, 0, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("META  Description:")), 1, 0, 1, 2);
    layout->addWidget(edtMetaDescription, 2, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Key Words:")), 3, 0, 1, 2);
    layout->addWidget(MetaList, 4, 0);
    layout->addLayout(buttons, 4, 1);
    layout->setRowStretch(4, 1);

    connect(btnNew, &QPushButton::clicked, this,
            [this] { Apply([this](auto& list, int) { return NewKeyword(list, m_prompter); }); });
    connect(btnModify, &QPushButton::clicked, this,
            [this] { Apply([this](auto& list, int row) { return ModifyKeyword(list, row, m_prompter); }); });
    connect(btnDelete, &QPushButton::clicked, this,
            [this] { Apply([this](auto& list, int row) { return DeleteKeyword(list, row, m_prompter); }); });
    connect(btnSort, &QPushButton::clicked, this,
            [this] { Apply([](auto& list, int) { return SortKeywords(list); }); });
}

std::vector<std::string> TMetaTagsPage::Keywords() const {
    std::vector<std::string> keywords;
    for (int i = 0; i < MetaList->count(); ++i) {
        keywords.push_back(FromQString(MetaList->item(i)->text()));
    }
    return keywords;
}

void TMetaTagsPage::Show(const std::vector<std::string>& keywords) {
    MetaList->clear();
    for (const auto& keyword : keywords) {
        MetaList->addItem(ToQString(keyword));
    }
}

void TMetaTagsPage::Apply(const std::function<bool(std::vector<std::string>&, int)>& command) {
    auto keywords = Keywords();
    const int row = MetaList->currentRow();
    if (command(keywords, row)) {
        Show(keywords);
        MetaList->setCurrentRow(std::min(row, MetaList->count() - 1));
        if (SetModified) {
            SetModified();
        }
    }
}

void TMetaTagsPage::Load(const TWebSite& site) {
    edtMetaDescription->setPlainText(ToQString(site.MetaDescription));
    Show(SplitKeywords(site.Metatags));
}

void TMetaTagsPage::Store(TWebSite& site) const {
    // Lines of the description are separated by CR LF, as typed on the system the format comes from.
    site.MetaDescription =
        FromQString(edtMetaDescription->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
    site.Metatags = JoinKeywords(Keywords());
}

void TMetaTagsPage::Reset() {
    edtMetaDescription->clear();
    MetaList->clear();
}

}  // namespace bix
