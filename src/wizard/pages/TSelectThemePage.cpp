#include "TSelectThemePage.h"

#include "core/ports/Prompter.h"
#include "core/themes/TThemeCatalogue.h"
#include "platform/QtText.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace bix {

TSelectThemePage::TSelectThemePage(TThemeCatalogue& catalogue, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_catalogue(catalogue), m_prompter(prompter) {
    lbThemes = new QListWidget;
    lblThemeCount = new QLabel(QStringLiteral("0"));
    imageThumb = new QLabel(QStringLiteral("No Theme Loaded"));
    imageThumb->setFixedSize(175, 135);
    imageThumb->setAlignment(Qt::AlignCenter);
    imageThumb->setFrameShape(QFrame::StyledPanel);
    lblTheme = new QLabel;
    btnReloadAllThemes = new QPushButton(QStringLiteral("Reload All Themes"));

    auto* facts = new QFormLayout;
    facts->addRow(QStringLiteral("Theme Count"), lblThemeCount);
    facts->addRow(QStringLiteral("Selected Theme"), lblTheme);
    auto* layout = new QGridLayout(this);
    layout->addWidget(lbThemes, 0, 0, 3, 1);
    layout->addWidget(imageThumb, 0, 1, Qt::AlignHCenter);
    layout->addLayout(facts, 1, 1);
    layout->addWidget(btnReloadAllThemes, 2, 1, Qt::AlignBottom);
    layout->setColumnStretch(0, 1);

    // A theme chosen by click or by keyboard; rebuilding the list chooses nothing.
    connect(lbThemes, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_showing && row >= 0) {
            m_catalogue.Select(static_cast<std::size_t>(row));
            lbThemesClick();
        }
    });
    connect(btnReloadAllThemes, &QPushButton::clicked, this, &TSelectThemePage::LoadThemesClick);
}

void TSelectThemePage::ShowList() {
    setUpdatesEnabled(false);  // no flicker while the list is rebuilt
    m_showing = true;
    lbThemes->clear();
    for (const TThemeData& theme : m_catalogue.Themes()) {
        lbThemes->addItem(ToQString(theme.DisplayName));
    }
    lblThemeCount->setText(QString::number(m_catalogue.ThemeCount()));
    const auto selected = m_catalogue.Selected();
    lbThemes->setCurrentRow(selected ? static_cast<int>(*selected) : -1);
    m_showing = false;
    setUpdatesEnabled(true);
}

void TSelectThemePage::LoadThemesClick() {
    m_catalogue.LoadThemesClick();
    ShowList();
    lbThemesClick();
}

void TSelectThemePage::SelectTheme(const std::string& displayName) {
    m_catalogue.SelectByName(displayName);
    ShowList();
    lbThemesClick();
}

void TSelectThemePage::lbThemesClick() {
    imageThumb->setPixmap(QPixmap());
    imageThumb->setText(QStringLiteral("No Theme Loaded"));
    const TThemeData* theme = m_catalogue.SelectedTheme();
    if (theme == nullptr) {
        lblTheme->clear();
        return;
    }
    const QString thumbnail = ToQString(theme->ThumbnailPath);
    if (QFileInfo::exists(thumbnail)) {
        QImageReader reader(thumbnail);
        const QImage image = reader.read();
        if (image.isNull()) {
            // A thumbnail that is no readable picture: said, and the theme stays selected.
            m_prompter.Error("The picture " + theme->ThumbnailPath +
                             " cannot be shown: " + FromQString(reader.errorString()));
            return;
        }
        imageThumb->setPixmap(QPixmap::fromImage(image));
    }
    lblTheme->setText(ToQString(theme->DisplayName));
    if (SetModified) {
        SetModified();
    }
}

}  // namespace bix
