#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bix {

// Appends the platform separator unless the text is empty or already ends with one.
std::string AddTrailingBackslash(std::string_view text);
// Removes one final platform separator when present.
std::string RemoveTrailingBackslash(std::string_view text);

// Replaces every occurrence of search, left to right; inserted text is not searched again.
// An empty search text changes nothing. Case matters.
std::string ReplaceAll(std::string_view text, std::string_view search, std::string_view replacement);
// Replaces every character equal to the first character of search (an empty search changes nothing).
std::string ReplaceChar(std::string_view search, char replacement, std::string_view text);

// The number with its digits grouped in threes, no decimals: 1234567 -> "1,234,567".
// The separator is the user's (from the environment's locale), "," where the locale has none.
std::string FormatThousands(std::int64_t value);
std::string FormatThousands(std::int64_t value, char separator);
// The thousands separator of the user's locale, "," when it has no grouping or no single-byte separator.
char UserThousandSeparator();

// "&lt;" back to "<", then "&gt;" back to ">" (case matters).
std::string UnescapeAngleBrackets(std::string_view text);

// True when some entry equals the text, both compared in lower case.
bool IsInList(std::string_view text, const std::vector<std::string>& list);
// Position from 0 of the first entry equal to the text in lower case; -1 when none.
int IndexInList(std::string_view text, const std::vector<std::string>& list);

// ASCII case conversion; bytes above 127 pass through unchanged.
std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);

// Removes leading and trailing blanks (codes 0 to 32).
std::string Trim(std::string_view text);

// Splits text into lines at CR LF, LF or a lone CR; a final line break adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
// Each line followed by CR LF.
std::string JoinLinesCRLF(const std::vector<std::string>& lines);

}  // namespace bix
