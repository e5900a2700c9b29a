#include "TestFiles.h"

#include "core/common/TextRoutines.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace bix::test {

void WriteBytes(const std::string& path, std::string_view bytes) {
    const std::filesystem::path file(path);
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path());
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write test file " + path);
    }
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string FolderOf(const QString& path) {
    return AddTrailingBackslash(path.toLocal8Bit().toStdString());
}

}  // namespace bix::test
