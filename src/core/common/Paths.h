#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace bix {

// The separator between folder names on this platform. Folders are held with it at the end
// and joined to names by plain concatenation.
#ifdef _WIN32
inline constexpr char PathDelim = '\\';
#else
inline constexpr char PathDelim = '/';
#endif

// The separator between folder names in a stored relative name (the file list of a project file),
// the same on every platform.
inline constexpr char StoredDelim = '\\';

// True when a stored relative name stays inside the folder it is joined to: not empty, not absolute,
// no drive letter or other colon, no "." or ".." folder, no empty folder name.
bool IsSafeStoredName(std::string_view stored);

// The stored name with this platform's separators, or nothing when it would leave its folder.
std::optional<std::string> StoredNameToLocal(std::string_view stored);

// A relative local name in its stored form (backslashes between folder names).
std::string LocalNameToStored(std::string_view local);

// folder (with its trailing separator) + the stored name in local form; nothing when the name is not safe.
std::optional<std::string> JoinStoredName(const std::string& folder, std::string_view stored);

// The file name part of a path: what follows the last separator of either kind, or the last colon.
std::string ExtractFileName(std::string_view path);

// The extension with its dot ("" when there is none), taken from the file name part only.
std::string ExtractFileExt(std::string_view path);

}  // namespace bix
