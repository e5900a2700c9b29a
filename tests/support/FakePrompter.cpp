#include "FakePrompter.h"

namespace bix::test {

MsgButton FakePrompter::Show(const Message& message) {
    messages.push_back(message);
    if (!answers.empty()) {
        const MsgButton answer = answers.front();
        answers.pop_front();
        return answer;
    }
    for (MsgButton b : {MsgButton::OK, MsgButton::Yes, MsgButton::No, MsgButton::Cancel}) {
        if (message.buttons.Has(b)) {
            return b;
        }
    }
    return MsgButton::OK;
}

bool FakePrompter::InputBox(const std::string& caption, const std::string& prompt, std::string& value) {
    inputBoxes.push_back({caption, prompt, value});
    if (inputs.empty() || !inputs.front()) {
        if (!inputs.empty()) {
            inputs.pop_front();
        }
        return false;
    }
    value = *inputs.front();
    inputs.pop_front();
    return true;
}

std::optional<std::string> FakePrompter::OpenFileName(const FileDialogOptions& options) {
    fileDialogs.push_back(options);
    if (files.empty()) {
        return std::nullopt;
    }
    auto answer = files.front();
    files.pop_front();
    return answer;
}

std::optional<std::string> FakePrompter::SaveFileName(const FileDialogOptions& options) {
    return OpenFileName(options);
}

std::vector<std::string> FakePrompter::Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages) {
        texts.push_back(m.text);
    }
    return texts;
}

}  // namespace bix::test
