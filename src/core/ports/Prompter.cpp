#include "Prompter.h"

namespace bix {

void Prompter::Warn(const std::string& text) {
    Show({text, MsgIcon::Warning, MsgButtons::Ok(), {}});
}

void Prompter::Inform(const std::string& text) {
    Show({text, MsgIcon::Information, MsgButtons::Ok(), {}});
}

void Prompter::Error(const std::string& text) {
    Show({text, MsgIcon::Error, MsgButtons::Ok(), {}});
}

MsgButton Prompter::Confirm(const std::string& text, MsgButtons buttons) {
    return Show({text, MsgIcon::Confirmation, buttons, {}});
}

}  // namespace bix
