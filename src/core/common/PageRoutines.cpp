#include "PageRoutines.h"

#include "core/common/FileIO.h"
#include "core/common/Paths.h"
#include "core/common/TextRoutines.h"
#include "core/ports/Prompter.h"
#include "core/ports/Shell.h"

#include <array>
#include <exception>
#include <filesystem>
#include <optional>

namespace bix {

namespace fs = std::filesystem;

bool IsValidEmail(const std::string& address, Prompter& prompter) {
    const std::size_t at = address.find('@');
    const bool valid =
        at != std::string::npos && at != 0 && at + 1 < address.size() && address.find('.', at + 1) != std::string::npos;
    if (!valid) {
        prompter.Warn(std::string("You have entered an illegal email address.\r\n\r\n"
                                  "Please ensure you have entered it correctly. i.e. ") +
                      kExampleEmail);
    }
    return valid;
}

bool OpenDocument(const std::string& pathOrAddress, Shell& shell, Prompter& prompter) {
    try {
        if (!shell.OpenDocument(pathOrAddress)) {
            prompter.Warn("An error occurred while trying to execute your Internet Browser.");
            return false;
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::string GetPageTitle(const std::string& path) {
    const std::string text = JoinLinesCRLF(SplitLines(ReadFileBytes(path)));
    const std::string upper = UpperCase(text);
    const std::size_t open = upper.find("<TITLE");
    if (open == std::string::npos) {
        return {};
    }
    const std::size_t close = text.find('>', open + 1);
    if (close == std::string::npos) {
        return {};
    }
    const std::size_t start = close + 1;
    const std::size_t end = upper.find("</TITLE", start);
    if (end == std::string::npos) {
        return text.substr(start);
    }
    return Trim(std::string_view(text).substr(start, end - start));
}

bool IsFrameset(const std::string& path, Prompter& prompter) {
    if (LowerCase(ReadFileBytes(path)).find("<frameset") == std::string::npos) {
        return false;
    }
    prompter.Warn("Framesets can not be opened");
    return true;
}

namespace {

// The value of one SRC= or background= attribute: where it stands and its trimmed text.
struct AttributeValue final {
    std::size_t start = 0;
    std::size_t end = 0;
    std::string trimmed;
};

// Reads the value after the attribute name that ends just before position i; nothing when no "=" follows.
std::optional<AttributeValue> ValueAfterName(const std::string& text, std::size_t i) {
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    if (i >= text.size() || text[i] != '=') {
        return std::nullopt;
    }
    ++i;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    AttributeValue value;
    const bool quoted = i < text.size() && text[i] == '"';
    value.start = quoted ? i + 1 : i;
    value.end = text.find_first_of(quoted ? "\">" : " >", value.start);
    if (value.end == std::string::npos) {
        value.end = text.size();
    }
    value.trimmed = Trim(std::string_view(text).substr(value.start, value.end - value.start));
    return value;
}

// The picture's path in local form: file: addresses opened, separators made this platform's.
std::string LocalPicturePath(const std::string& value) {
#ifdef _WIN32
    return ReplaceChar("/", '\\', ReplaceAll(value, "file:///", ""));
#else
    // A file address keeps its root slash here: file:///home/me/a.jpg is /home/me/a.jpg.
    return ReplaceChar("\\", '/', ReplaceAll(value, "file:///", "/"));
#endif
}

void CopyPicture(const std::string& source, const std::string& target, Prompter& prompter) {
    std::error_code ec;
    fs::create_directories(fs::path(target).parent_path(), ec);
    // A picture that already is the target needs no copy; copying a file onto itself would fail.
    const bool same = fs::equivalent(fs::path(source), fs::path(target), ec) && !ec;
    ec.clear();
    if (!same) {
        fs::copy_file(fs::path(source), fs::path(target), fs::copy_options::overwrite_existing, ec);
    }
    if (ec || !fs::is_regular_file(fs::path(target))) {
        prompter.Error("Image was not copied\r\nFrom: " + source + "\r\nTo: " + target);
    }
}

}  // namespace

std::string LocalisePageImages(const std::string& pageText, const std::string& websiteFolder,
                               const std::string& imagesFolder, Prompter& prompter) {
    std::string text = ReplaceAll(pageText, "%20", " ");
    text = ReplaceAll(text, "src", "SRC");
    text = ReplaceAll(text, "HTTP:", "http:");
    text = ReplaceAll(text, "BACKGROUND", "background");

    static const std::array<std::string, 2> kAttributes = {"SRC", "background"};
    for (const std::string& name : kAttributes) {
        for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name)) {
            // The mark makes the next search find the next occurrence.
            text.insert(at + 1, "~");
            const auto value = ValueAfterName(text, at + name.size() + 1);
            if (!value || value->trimmed.empty() || value->trimmed.find(".js") != std::string::npos ||
                value->trimmed.starts_with("images/") || value->trimmed.find("http:") != std::string::npos) {
                continue;
            }
            const std::string picture = LocalPicturePath(value->trimmed);
            const std::string fileName = ExtractFileName(picture);
            text.replace(value->start, value->end - value->start, "images/" + fileName);

            const fs::path source = fs::path(websiteFolder) / fs::path(picture);
            CopyPicture(source.lexically_normal().string(), AddTrailingBackslash(imagesFolder) + fileName, prompter);
        }
    }
    text = ReplaceAll(text, "S~RC", "SRC");
    return ReplaceAll(text, "b~ackground", "background");
}

}  // namespace bix
