#pragma once

#include "core/ports/Prompter.h"

#include <QPointer>
#include <QString>

class QWidget;

namespace bix {

// Message boxes, input boxes and file dialogs of both windowed programs. Each box is modal to the
// owner window given (or to the active window when there is none).
class QtPrompter final : public Prompter {
public:
    explicit QtPrompter(QWidget* owner = nullptr);
    void SetOwner(QWidget* owner) { m_owner = owner; }

    MsgButton Show(const Message& message) override;
    bool InputBox(const std::string& caption, const std::string& prompt, std::string& value) override;
    std::optional<std::string> OpenFileName(const FileDialogOptions& options) override;
    std::optional<std::string> SaveFileName(const FileDialogOptions& options) override;

    // The usual title of a box with that icon.
    static QString TitleFor(MsgIcon icon);
    // A "Text|*.a;*.b|Other|*.c" filter in Qt's form: "Text (*.a *.b);;Other (*.c)".
    static QString QtFilter(const std::string& filter);
    // CR LF and lone CR line breaks as Qt shows them.
    static QString DisplayText(const std::string& text);

private:
    QWidget* Owner() const;
    QPointer<QWidget> m_owner;
};

}  // namespace bix
