#include "CliPrompter.h"

#include "core/common/TextRoutines.h"

#include <ostream>

namespace bix {

MsgButton CliPrompter::Show(const Message& message) {
    const char* prefix = message.icon == MsgIcon::Warning ? "warning: "
                         : message.icon == MsgIcon::Error ? "error: "
                                                          : "info: ";
    // A box's line breaks become the terminal's.
    m_err << prefix << ReplaceChar("\r", '\n', ReplaceAll(message.text, "\r\n", "\n")) << '\n';
    if (message.buttons.Has(MsgButton::OK)) {
        return MsgButton::OK;
    }
    if (m_yes) {
        return message.buttons.Has(MsgButton::YesToAll) ? MsgButton::YesToAll : MsgButton::Yes;
    }
    return message.buttons.Has(MsgButton::No) ? MsgButton::No : MsgButton::Cancel;
}

bool CliPrompter::InputBox(const std::string&, const std::string&, std::string&) {
    return false;
}

std::optional<std::string> CliPrompter::OpenFileName(const FileDialogOptions&) {
    return std::nullopt;
}

std::optional<std::string> CliPrompter::SaveFileName(const FileDialogOptions&) {
    return std::nullopt;
}

}  // namespace bix
