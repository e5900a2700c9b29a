#pragma once

#include "core/ports/Prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace bix::test {

// Records every box and answers from a script. An unscripted message box gets its first button
// in the order OK, Yes, No, Cancel; an unscripted input box or file dialog is cancelled.
class FakePrompter final : public Prompter {
public:
    struct Input final {
        std::string caption;
        std::string prompt;
        std::string shown;
    };

    MsgButton Show(const Message& message) override;
    bool InputBox(const std::string& caption, const std::string& prompt, std::string& value) override;
    std::optional<std::string> OpenFileName(const FileDialogOptions& options) override;
    std::optional<std::string> SaveFileName(const FileDialogOptions& options) override;

    // Answers for the next message boxes, in order.
    std::deque<MsgButton> answers;
    // Answers for the next input boxes, in order; nothing stands for Cancel.
    std::deque<std::optional<std::string>> inputs;
    // Answers for the next file dialogs, open and save alike; nothing stands for Cancel.
    std::deque<std::optional<std::string>> files;

    std::vector<Message> messages;
    std::vector<Input> inputBoxes;
    std::vector<FileDialogOptions> fileDialogs;

    // The texts of the boxes shown so far, in order.
    std::vector<std::string> Texts() const;
};

}  // namespace bix::test
