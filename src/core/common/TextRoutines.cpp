#include "TextRoutines.h"

#include "core/common/Paths.h"

#include <algorithm>
#include <locale>
#include <stdexcept>

namespace bix {

std::string AddTrailingBackslash(std::string_view text) {
    std::string result(text);
    if (!result.empty() && result.back() != PathDelim) {
        result += PathDelim;
    }
    return result;
}

std::string RemoveTrailingBackslash(std::string_view text) {
    if (!text.empty() && text.back() == PathDelim) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

std::string ReplaceAll(std::string_view text, std::string_view search, std::string_view replacement) {
    if (search.empty()) {
        return std::string(text);
    }
    std::string result;
    result.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t hit = text.find(search); hit != std::string_view::npos; hit = text.find(search, from)) {
        result.append(text.substr(from, hit - from));
        result.append(replacement);
        from = hit + search.size();
    }
    result.append(text.substr(from));
    return result;
}

std::string ReplaceChar(std::string_view search, char replacement, std::string_view text) {
    std::string result(text);
    if (!search.empty()) {
        std::replace(result.begin(), result.end(), search.front(), replacement);
    }
    return result;
}

std::string FormatThousands(std::int64_t value, char separator) {
    // Work on the magnitude as unsigned so that the smallest 64-bit number has no overflow.
    const bool negative = value < 0;
    const std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(value) + 1U : static_cast<std::uint64_t>(value);
    const std::string digits = std::to_string(magnitude);
    std::string result;
    result.reserve(digits.size() + digits.size() / 3 + 1);
    if (negative) {
        result += '-';
    }
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            result += separator;
        }
        result += digits[i];
    }
    return result;
}

char UserThousandSeparator() {
    try {
        const std::locale user("");
        const auto& punct = std::use_facet<std::numpunct<char>>(user);
        const char sep = punct.thousands_sep();
        const auto code = static_cast<unsigned char>(sep);
        if (!punct.grouping().empty() && code >= 32 && code < 127) {
            return sep;
        }
    } catch (const std::runtime_error&) {
        // An unknown locale name in the environment: keep the default.
    }
    return ',';
}

std::string FormatThousands(std::int64_t value) {
    return FormatThousands(value, UserThousandSeparator());
}

std::string UnescapeAngleBrackets(std::string_view text) {
    return ReplaceAll(ReplaceAll(text, "&lt;", "<"), "&gt;", ">");
}

bool IsInList(std::string_view text, const std::vector<std::string>& list) {
    return IndexInList(text, list) >= 0;
}

int IndexInList(std::string_view text, const std::vector<std::string>& list) {
    const std::string wanted = LowerCase(text);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (LowerCase(list[i]) == wanted) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string LowerCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return result;
}

std::string UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return result;
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && LowerCase(a) == LowerCase(b);
}

std::string Trim(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

std::string JoinLinesCRLF(const std::vector<std::string>& lines) {
    std::string result;
    for (const auto& line : lines) {
        result += line;
        result += "\r\n";
    }
    return result;
}

}  // namespace bix
