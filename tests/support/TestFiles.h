#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace bix::test {

// Writes bytes to a file exactly as given (no line-break translation), creating missing folders.
void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);

// A QTemporaryDir path as the core holds folders: 8-bit text with a trailing separator.
std::string FolderOf(const QString& path);

}  // namespace bix::test
