#include "QtPrompter.h"

#include "platform/QtText.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace bix {

namespace {

struct ButtonPair final {
    MsgButton ours;
    QMessageBox::StandardButton qt;
};

// In the order the boxes show them.
constexpr ButtonPair kButtons[] = {
    {MsgButton::Yes, QMessageBox::Yes},         {MsgButton::No, QMessageBox::No},
    {MsgButton::OK, QMessageBox::Ok},           {MsgButton::Cancel, QMessageBox::Cancel},
    {MsgButton::NoToAll, QMessageBox::NoToAll}, {MsgButton::YesToAll, QMessageBox::YesToAll},
};

QMessageBox::Icon QtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Warning:
            return QMessageBox::Warning;
        case MsgIcon::Error:
            return QMessageBox::Critical;
        case MsgIcon::Confirmation:
            return QMessageBox::Question;
        case MsgIcon::Information:
            break;
    }
    return QMessageBox::Information;
}

QString StartPath(const FileDialogOptions& options) {
    QString folder = ToQString(options.initialFolder);
    const QString name = ToQString(options.fileName);
    if (folder.isEmpty()) {
        return name;
    }
    return name.isEmpty() ? folder : QDir(folder).filePath(name);
}

}  // namespace

QtPrompter::QtPrompter(QWidget* owner) : m_owner(owner) {}

QWidget* QtPrompter::Owner() const {
    return m_owner ? m_owner.data() : QApplication::activeWindow();
}

QString QtPrompter::TitleFor(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Warning:
            return QStringLiteral("Warning");
        case MsgIcon::Error:
            return QStringLiteral("Error");
        case MsgIcon::Confirmation:
            return QStringLiteral("Confirm");
        case MsgIcon::Information:
            break;
    }
    return QStringLiteral("Information");
}

QString QtPrompter::DisplayText(const std::string& text) {
    QString shown = ToQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QString QtPrompter::QtFilter(const std::string& filter) {
    const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        QString description = parts.at(i);
        // A description that already shows its patterns keeps them; Qt reads the last "(...)".
        if (!description.contains(QLatin1Char('('))) {
            description += QStringLiteral(" (") + patterns + QLatin1Char(')');
        } else {
            description = description.left(description.lastIndexOf(QLatin1Char('('))).trimmed() + QStringLiteral(" (") +
                          patterns + QLatin1Char(')');
        }
        entries << description;
    }
    return entries.join(QStringLiteral(";;"));
}

MsgButton QtPrompter::Show(const Message& message) {
    QMessageBox box(QtIcon(message.icon), message.title.empty() ? TitleFor(message.icon) : ToQString(message.title),
                    DisplayText(message.text), QMessageBox::NoButton, Owner());
    QMessageBox::StandardButtons buttons;
    for (const auto& pair : kButtons) {
        if (message.buttons.Has(pair.ours)) {
            buttons |= pair.qt;
        }
    }
    box.setStandardButtons(buttons == QMessageBox::NoButton ? QMessageBox::Ok : buttons);
    const auto clicked = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const auto& pair : kButtons) {
        if (pair.qt == clicked) {
            return pair.ours;
        }
    }
    return MsgButton::Cancel;
}

bool QtPrompter::InputBox(const std::string& caption, const std::string& prompt, std::string& value) {
    bool ok = false;
    const QString answer = QInputDialog::getText(Owner(), ToQString(caption), DisplayText(prompt), QLineEdit::Normal,
                                                 ToQString(value), &ok);
    if (ok) {
        value = FromQString(answer);
    }
    return ok;
}

std::optional<std::string> QtPrompter::OpenFileName(const FileDialogOptions& options) {
    const QString chosen =
        QFileDialog::getOpenFileName(Owner(), ToQString(options.title), StartPath(options), QtFilter(options.filter));
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return FromQString(QDir::toNativeSeparators(chosen));
}

std::optional<std::string> QtPrompter::SaveFileName(const FileDialogOptions& options) {
    QFileDialog dialog(Owner(), ToQString(options.title), StartPath(options), QtFilter(options.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(ToQString(options.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return FromQString(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

}  // namespace bix
