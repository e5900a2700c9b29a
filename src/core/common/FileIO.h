#pragma once

#include <string>
#include <string_view>

namespace bix {

// The whole file as bytes. Throws EInOutError("Cannot open file "PATH". REASON") when it cannot be read.
std::string ReadFileBytes(const std::string& path);

// Writes the bytes to a temporary file in the same folder and renames it over path, so that a crash
// or a full disk leaves either the old file or the new one, never half of one.
// Throws EInOutError, with the old file untouched, when any step fails.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

}  // namespace bix
