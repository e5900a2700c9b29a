#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace bix {

class Prompter;
class Pump;

// Characters a file name may not contain.
inline constexpr const char* kForbiddenFileNameChars = "/\\:*?\"<>|@";

// The extensions of the files that make up a website, compared without regard to case.
inline const std::array<std::string, 8> WebsiteFileExtensions = {".htm", ".html", ".jpg", ".jpeg",
                                                                 ".gif", ".bmp",  ".js",  ".asp"};

// A name is acceptable when it is not blank, has none of the forbidden characters and,
// with noSpaces, no blank.
bool IsValidFileName(const std::string& name, bool noSpaces);

// Asks with input boxes until folder + name + extension is an acceptable name not yet taken.
// False when the user cancelled. With lowerCase the name ends in lower case (also on cancel),
// and it is that lower-case name whose existence is checked.
bool AskForFreeValidName(const std::string& folder, std::string& name, const std::string& extension, bool noSpaces,
                         bool lowerCase, Prompter& prompter);

// The base name, a blank and the smallest number n from 1 up such that no entry of the folder whose
// name starts with the base ends in " n".
std::string NextNumberedName(const std::string& folder, const std::string& baseName);

// Size in bytes; 0 when the file cannot be opened.
std::int64_t FileSizeOf(const std::string& path);
// Size in bytes; throws EInOutError when the file cannot be opened.
std::int64_t FileSizeUnlocked(const std::string& path);

// Deletes the file (read-only or not) and waits up to a second, letting window events run, for it to
// vanish. Warns when it is still there. Gives true when the file still exists.
bool DeleteFileWait(const std::string& path, Pump& pump, Prompter& prompter);

// Deletes the website files (by extension) in the folder, and with recurse in every sub-folder.
// Other files stay. Linked folders are not followed.
void DeleteFolderWebFiles(const std::string& folder, bool recurse, Pump& pump, Prompter& prompter);

// The entries of a folder (every kind, "." and ".." aside) sorted by name, listed before anything is
// done with them: what is built from a folder comes out in the same order on every machine.
// Empty when the folder cannot be read.
std::vector<std::filesystem::directory_entry> SortedEntries(const std::string& folder);

// The folders of the operating system that a website must never be built into, each with a trailing
// separator. On Windows the Windows folder alone.
std::vector<std::string> SystemFolders();

// The Windows folder with a trailing separator; elsewhere the first of the system folders.
std::string WindowsFolder();

}  // namespace bix
