#pragma once

#include <string>
#include <vector>

namespace bix {

class Prompter;

// The META keyword list of the Meta Tags page. Each command gives true when the website is to be
// marked changed.
bool NewKeyword(std::vector<std::string>& keywords, Prompter& prompter);
bool ModifyKeyword(std::vector<std::string>& keywords, int selected, Prompter& prompter);
bool DeleteKeyword(std::vector<std::string>& keywords, int selected, Prompter& prompter);
// Sorted once in the user's collating order; later additions are appended unsorted.
bool SortKeywords(std::vector<std::string>& keywords);

// The stored form: keywords joined by CR, at most 9,999 characters; and back, one per line.
std::string JoinKeywords(const std::vector<std::string>& keywords);
std::vector<std::string> SplitKeywords(const std::string& stored);

}  // namespace bix
