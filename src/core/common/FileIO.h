#pragma once

#include <string>
#include <string_view>

namespace bix {

// The whole file as bytes. Throws EInOutError("Cannot open file "PATH". REASON") when it cannot be read.
std::string ReadFileBytes(const std::string& path);

enum class Durability {
    // On the disk before it replaces the old file: for what the user cannot make again (a project).
    Synced,
    // Left to the system's cache: for output that a rebuild makes again (the pages of a build).
    Cached,
};

// Writes the bytes to a temporary file in the same folder and renames it over path, so that a crash
// or a full disk leaves either the old file or the new one, never half of one.
// Throws EInOutError, with the old file untouched, when any step fails.
void WriteFileAtomic(const std::string& path, std::string_view bytes, Durability durability = Durability::Synced);

}  // namespace bix
