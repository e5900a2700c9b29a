#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace bix {

// The four icons a message box may carry.
enum class MsgIcon { Warning, Information, Error, Confirmation };

// One button of a message box; also the answer the user gave.
enum class MsgButton : std::uint8_t {
    None = 0,
    OK = 1U << 0U,
    Cancel = 1U << 1U,
    Yes = 1U << 2U,
    No = 1U << 3U,
    YesToAll = 1U << 4U,
    NoToAll = 1U << 5U,
};

// A set of buttons, e.g. MsgButtons::YesNoCancel.
class MsgButtons final {
public:
    constexpr MsgButtons(MsgButton single)
        : m_bits(static_cast<std::uint8_t>(single)) {}  // NOLINT: implicit on purpose
    constexpr MsgButtons operator|(MsgButton other) const {
        return MsgButtons(static_cast<std::uint8_t>(m_bits | static_cast<std::uint8_t>(other)));
    }
    constexpr bool Has(MsgButton b) const { return (m_bits & static_cast<std::uint8_t>(b)) != 0; }
    constexpr bool operator==(const MsgButtons&) const = default;

    static constexpr MsgButtons Ok() { return MsgButton::OK; }
    static constexpr MsgButtons YesNo() { return MsgButtons(MsgButton::Yes) | MsgButton::No; }
    static constexpr MsgButtons YesNoCancel() { return YesNo() | MsgButton::Cancel; }
    // Yes, No, No to All, Yes to All: the question asked once per row of a long walk.
    static constexpr MsgButtons YesNoAll() { return YesNo() | MsgButton::NoToAll | MsgButton::YesToAll; }

private:
    explicit constexpr MsgButtons(std::uint8_t bits) : m_bits(bits) {}
    std::uint8_t m_bits;
};

constexpr MsgButtons operator|(MsgButton a, MsgButton b) {
    return MsgButtons(a) | b;
}

// What one message box shows. Text is in the system's 8-bit code page; "\r\n" and "\r" are line breaks.
struct Message final {
    std::string text;
    MsgIcon icon = MsgIcon::Information;
    MsgButtons buttons = MsgButtons::Ok();
    // Empty: the box takes the usual title of its icon ("Warning", "Information", "Error", "Confirm").
    std::string title;
};

// The options of an open or save file dialog.
struct FileDialogOptions final {
    std::string title;
    // "Description|pattern;pattern|Description|pattern" pairs.
    std::string filter;
    std::string initialFolder;
    std::string fileName;
    // Without its dot; added to a typed name that has no extension.
    std::string defaultExtension;
};

// How the core asks the user something: message boxes, input boxes and file dialogs.
class Prompter {
public:
    virtual ~Prompter() = default;

    // Shows the box and gives the button the user chose (Cancel when the box was closed otherwise).
    virtual MsgButton Show(const Message& message) = 0;
    // An input box: true with the answer in value on OK, false (value unchanged) on Cancel.
    virtual bool InputBox(const std::string& caption, const std::string& prompt, std::string& value) = 0;
    // The chosen file's path, or nothing when the user cancelled.
    virtual std::optional<std::string> OpenFileName(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> SaveFileName(const FileDialogOptions& options) = 0;

    // The usual boxes of the system, each with the icon its name says.
    void Warn(const std::string& text);
    void Inform(const std::string& text);
    void Error(const std::string& text);
    MsgButton Confirm(const std::string& text, MsgButtons buttons = MsgButtons::YesNo());
};

}  // namespace bix
