#include "TPageProducer.h"

#include "core/common/Errors.h"
#include "core/common/FileIO.h"

#include <cstring>

namespace bix {

namespace {

bool IsBlank(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsNameChar(char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9');
}

}  // namespace

std::string TPageProducer::Content() const {
    std::string text;
    try {
        text = ReadFileBytes(HTMLFile);
    } catch (const EInOutError&) {
        throw EInOutError("Cannot open file " + HTMLFile);
    }
    return ContentFromString(text);
}

std::string TPageProducer::ContentFromString(std::string_view text) const {
    // A zero byte ends the template.
    if (const void* zero = std::memchr(text.data(), 0, text.size())) {
        text = text.substr(0, static_cast<std::size_t>(static_cast<const char*>(zero) - text.data()));
    }
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const std::size_t open = text.find('<', i);
        if (open == std::string_view::npos) {
            out.append(text.substr(i));
            break;
        }
        out.append(text.substr(i, open - i));
        std::size_t j = open + 1;
        while (j < n && IsBlank(text[j])) {
            ++j;
        }
        if (j >= n || text[j] != '#') {
            // No tag: the "<" is text, and so is what follows it.
            out += '<';
            i = open + 1;
            continue;
        }
        ++j;
        while (j < n && IsBlank(text[j])) {
            ++j;
        }
        std::size_t nameEnd = j;
        if (j < n && IsNameStart(text[j])) {
            nameEnd = j + 1;
            while (nameEnd < n && IsNameChar(text[nameEnd])) {
                ++nameEnd;
            }
        } else if (j < n) {
            nameEnd = j + 1;  // any other character is a name of its own
        }
        const std::size_t close = text.find('>', nameEnd);
        const std::size_t paramsEnd = close == std::string_view::npos ? n : close;
        std::string answer;
        if (OnHTMLTag) {
            OnHTMLTag(std::string(text.substr(j, nameEnd - j)), std::string(text.substr(nameEnd, paramsEnd - nameEnd)),
                      answer);
        }
        out += answer;
        i = close == std::string_view::npos ? n : close + 1;
    }
    return out;
}

}  // namespace bix
