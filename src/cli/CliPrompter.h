#pragma once

#include "core/ports/Prompter.h"

#include <iosfwd>

namespace bix {

// The message boxes of a program without windows: each text goes to the error stream as
// "warning: TEXT", "error: TEXT" or "info: TEXT". Questions are answered No, or with yes set Yes
// (Yes to All where the question offers it). Input boxes and file dialogs are cancelled.
class CliPrompter final : public Prompter {
public:
    CliPrompter(std::ostream& err, bool yes) : m_err(err), m_yes(yes) {}

    MsgButton Show(const Message& message) override;
    bool InputBox(const std::string& caption, const std::string& prompt, std::string& value) override;
    std::optional<std::string> OpenFileName(const FileDialogOptions& options) override;
    std::optional<std::string> SaveFileName(const FileDialogOptions& options) override;

private:
    std::ostream& m_err;
    bool m_yes;
};

}  // namespace bix
