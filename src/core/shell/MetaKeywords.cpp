#include "MetaKeywords.h"

#include "core/common/TextRoutines.h"
#include "core/ports/Prompter.h"

#include <algorithm>
#include <locale>
#include <stdexcept>

namespace bix {

namespace {

bool Selected(const std::vector<std::string>& keywords, int selected) {
    return selected >= 0 && static_cast<std::size_t>(selected) < keywords.size();
}

}  // namespace

bool NewKeyword(std::vector<std::string>& keywords, Prompter& prompter) {
    std::string keyword;
    if (!prompter.InputBox("New META Key Word", "Key Word:", keyword) || keyword.empty()) {
        return false;
    }
    keywords.push_back(keyword);
    return true;
}

bool ModifyKeyword(std::vector<std::string>& keywords, int selected, Prompter& prompter) {
    if (!Selected(keywords, selected)) {
        return false;
    }
    std::string keyword = keywords[static_cast<std::size_t>(selected)];
    prompter.InputBox("Modify META Key Word", "Key Word", keyword);  // Cancel keeps it
    if (keyword.empty()) {
        keywords.erase(keywords.begin() + selected);
    } else {
        keywords[static_cast<std::size_t>(selected)] = keyword;
    }
    return true;
}

bool DeleteKeyword(std::vector<std::string>& keywords, int selected, Prompter& prompter) {
    if (!Selected(keywords, selected)) {
        return false;
    }
    const Message question{
        "Are you sure that you want to remove the selected META Tag?", MsgIcon::Warning, MsgButtons::YesNo(), {}};
    if (prompter.Show(question) == MsgButton::Yes) {
        keywords.erase(keywords.begin() + selected);
    }
    return true;
}

bool SortKeywords(std::vector<std::string>& keywords) {
    std::locale user = std::locale::classic();
    try {
        user = std::locale("");
    } catch (const std::runtime_error&) {
        // An unknown locale in the environment: byte order.
    }
    const auto& collate = std::use_facet<std::collate<char>>(user);
    std::stable_sort(keywords.begin(), keywords.end(), [&collate](const std::string& a, const std::string& b) {
        return collate.compare(a.data(), a.data() + a.size(), b.data(), b.data() + b.size()) < 0;
    });
    return true;
}

std::string JoinKeywords(const std::vector<std::string>& keywords) {
    std::string joined;
    for (const auto& keyword : keywords) {
        joined += (joined.empty() ? "" : "\r") + keyword;
    }
    return joined.substr(0, 9999);
}

std::vector<std::string> SplitKeywords(const std::string& stored) {
    return SplitLines(stored);
}

}  // namespace bix
