#include "Paths.h"

#include <algorithm>

namespace bix {

bool IsSafeStoredName(std::string_view stored) {
    if (stored.empty() || stored.find(':') != std::string_view::npos || stored.find('\0') != std::string_view::npos) {
        return false;
    }
    // Either separator counts: a name made on one platform must not climb out on the other.
    std::size_t start = 0;
    while (start <= stored.size()) {
        const std::size_t end = stored.find_first_of("\\/", start);
        const std::string_view part =
            stored.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (part.empty() || part == "." || part == "..") {
            return false;
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return true;
}

std::optional<std::string> StoredNameToLocal(std::string_view stored) {
    if (!IsSafeStoredName(stored)) {
        return std::nullopt;
    }
    std::string local(stored);
    std::replace(local.begin(), local.end(), StoredDelim, PathDelim);
    return local;
}

std::string LocalNameToStored(std::string_view local) {
    std::string stored(local);
    std::replace(stored.begin(), stored.end(), PathDelim, StoredDelim);
    return stored;
}

std::optional<std::string> JoinStoredName(const std::string& folder, std::string_view stored) {
    auto local = StoredNameToLocal(stored);
    if (!local) {
        return std::nullopt;
    }
    return folder + *local;
}

std::string ExtractFileName(std::string_view path) {
    const std::size_t pos = path.find_last_of("\\/:");
    return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

std::string ExtractFileExt(std::string_view path) {
    const std::string name = ExtractFileName(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

}  // namespace bix
