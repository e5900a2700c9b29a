#include "FileRoutines.h"

#include "core/common/Errors.h"
#include "core/common/Paths.h"
#include "core/common/TextRoutines.h"
#include "core/ports/Prompter.h"
#include "core/ports/Pump.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

namespace bix {

namespace fs = std::filesystem;

bool IsValidFileName(const std::string& name, bool noSpaces) {
    if (Trim(name).empty()) {
        return false;
    }
    if (name.find_first_of(kForbiddenFileNameChars) != std::string::npos) {
        return false;
    }
    return !(noSpaces && name.find(' ') != std::string::npos);
}

bool AskForFreeValidName(const std::string& folder, std::string& name, const std::string& extension, bool noSpaces,
                         bool lowerCase, Prompter& prompter) {
    // The name the file will really get: on a file system that tells letter cases apart,
    // checking "Index" would miss an existing "index.htm".
    const auto taken = [&] {
        std::error_code ec;
        return fs::exists(fs::path(folder + (lowerCase ? LowerCase(name) : name) + extension), ec);
    };
    bool result = true;
    bool corrected = true;
    while (result && corrected) {
        corrected = false;
        while (taken()) {
            if (!prompter.InputBox("File already exists!", "New Name", name)) {
                result = false;
                break;
            }
        }
        while (result && !IsValidFileName(name, noSpaces)) {
            if (!prompter.InputBox("Illegal characters in File Name.", "Remove characters \"/\\:*?\"<>|\" and spaces.",
                                   name)) {
                result = false;
                break;
            }
            corrected = true;
        }
    }
    if (lowerCase) {
        name = LowerCase(name);
    }
    return result;
}

std::string NextNumberedName(const std::string& folder, const std::string& baseName) {
    std::set<std::string> used;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(folder), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        // Names are matched as the platform's wildcard "base*" would, without regard to case.
        if (entry.size() < baseName.size() || !SameText(entry.substr(0, baseName.size()), baseName)) {
            continue;
        }
        const std::size_t blank = entry.rfind(' ');
        if (blank != std::string::npos) {
            used.insert(entry.substr(blank + 1));
        }
    }
    int n = 1;
    while (used.contains(std::to_string(n))) {
        ++n;
    }
    return baseName + " " + std::to_string(n);
}

std::int64_t FileSizeOf(const std::string& path) {
    try {
        return FileSizeUnlocked(path);
    } catch (const EInOutError&) {
        return 0;
    }
}

std::int64_t FileSizeUnlocked(const std::string& path) {
    // Opening for reading needs no change to the file's read-only state here.
    const fs::path file(path);
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        throw EInOutError("File not found: \"" + path + "\"");
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw EInOutError("Cannot open file \"" + path + "\"");
    }
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec) {
        throw EInOutError("Cannot read file \"" + path + "\". " + ec.message());
    }
    return static_cast<std::int64_t>(size);
}

namespace {

bool IsReadOnly(const fs::path& file) {
    std::error_code ec;
    const fs::perms perms = fs::status(file, ec).permissions();
    return !ec && (perms & fs::perms::owner_write) == fs::perms::none;
}

bool FileExists(const fs::path& file) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(file, ec);
    return !ec && fs::exists(status) && !fs::is_directory(status);
}

}  // namespace

bool DeleteFileWait(const std::string& path, Pump& pump, Prompter& prompter) {
    const fs::path file(path);
    std::error_code ec;
    const bool isFolder = fs::is_directory(fs::symlink_status(file, ec));
    if (!isFolder) {
        if (IsReadOnly(file)) {
            fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ec);
        }
        fs::remove(file, ec);
    }

    using Steady = std::chrono::steady_clock;
    const auto start = Steady::now();
    const auto exists = [&] { return isFolder ? fs::exists(file, ec) : FileExists(file); };
    while (exists() && Steady::now() - start < std::chrono::milliseconds(1000)) {
        pump.ProcessEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const bool stillThere = exists();
    if (stillThere) {
        prompter.Warn("Error removing file \"" + path +
                      "\".\rFile may be in use or set to read only. It is recommended that the contents of the "
                      "\rBuild Catalogue directory is deleted via Windows Explorer and try again");
    }
    return stillThere;
}

void DeleteFolderWebFiles(const std::string& folder, bool recurse, Pump& pump, Prompter& prompter) {
    std::error_code ec;
    if (!fs::is_directory(fs::path(folder), ec)) {
        return;
    }
    const std::string prefix = AddTrailingBackslash(folder);
    std::vector<std::string> subFolders;
    std::vector<std::string> files;
    for (fs::directory_iterator it(fs::path(prefix), ec), end; !ec && it != end; it.increment(ec)) {
        const fs::file_status status = it->symlink_status(ec);
        const std::string name = it->path().filename().string();
        if (fs::is_directory(status)) {
            subFolders.push_back(prefix + name);
        } else if (IsInList(ExtractFileExt(name), {WebsiteFileExtensions.begin(), WebsiteFileExtensions.end()})) {
            files.push_back(prefix + name);
        }
    }
    // The listing is finished before anything is deleted, so that deleting cannot disturb it.
    for (const auto& file : files) {
        DeleteFileWait(file, pump, prompter);
    }
    if (recurse) {
        for (const auto& sub : subFolders) {
            DeleteFolderWebFiles(sub, recurse, pump, prompter);
        }
    }
}

std::vector<fs::directory_entry> SortedEntries(const std::string& folder) {
    std::vector<fs::directory_entry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(folder), ec), end; !ec && it != end; it.increment(ec)) {
        entries.push_back(*it);
    }
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
    return entries;
}

std::vector<std::string> SystemFolders() {
#ifdef _WIN32
    return {WindowsFolder()};
#else
    return {"/bin/", "/boot/", "/dev/", "/etc/", "/lib/", "/lib64/", "/proc/", "/sbin/", "/sys/", "/usr/", "/var/"};
#endif
}

std::string WindowsFolder() {
#ifdef _WIN32
    for (const char* name : {"SystemRoot", "windir"}) {
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0') {
            return AddTrailingBackslash(value);
        }
    }
    return "C:\\Windows\\";
#else
    return SystemFolders().front();
#endif
}

}  // namespace bix
