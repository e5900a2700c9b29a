#include "FileIO.h"

#include "core/common/Errors.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

namespace bix {

namespace fs = std::filesystem;

namespace {

std::string Reason(int error) {
    return error != 0 ? std::string(std::strerror(error)) : std::string("I/O error");
}

[[noreturn]] void ThrowOpen(const std::string& path, int error) {
    throw EInOutError("Cannot open file \"" + path + "\". " + Reason(error));
}

[[noreturn]] void ThrowWrite(const std::string& path, const std::string& reason) {
    throw EInOutError("Cannot write file \"" + path + "\". " + reason);
}

// Makes the operating system put the file's bytes on the disk, so that the rename that follows
// never publishes a file whose contents a power cut could still lose. False when that failed.
bool SyncToDisk(const fs::path& file) {
#ifdef _WIN32
    const int fd = _wopen(file.c_str(), _O_RDWR | _O_BINARY);
    if (fd < 0) {
        return false;
    }
    const bool ok = _commit(fd) == 0;
    _close(fd);
#else
    const int fd = ::open(file.c_str(), O_RDONLY);
    if (fd < 0) {
        return false;
    }
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
#endif
    return ok;
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(fs::path(path), ec)) {
        ThrowOpen(path, EISDIR);
    }
    errno = 0;
    std::ifstream in(fs::path(path), std::ios::binary);
    if (!in) {
        ThrowOpen(path, errno);
    }
    std::string bytes;
    const std::uintmax_t size = fs::file_size(fs::path(path), ec);
    if (!ec) {
        bytes.reserve(static_cast<std::size_t>(size));
    }
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        ThrowOpen(path, errno);
    }
    return bytes;
}

void WriteFileAtomic(const std::string& path, std::string_view bytes, Durability durability) {
    const fs::path target(path);
    std::random_device seed;
    const fs::path temp =
        target.parent_path() / (target.filename().string() + ".tmp" + std::to_string(seed() % 100000));
    {
        errno = 0;
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            ThrowWrite(path, Reason(errno));
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (out.fail()) {
            const int error = errno;
            std::error_code ignored;
            fs::remove(temp, ignored);
            ThrowWrite(path, Reason(error));
        }
    }
    if (durability == Durability::Synced && !SyncToDisk(temp)) {
        const int error = errno;
        std::error_code ignored;
        fs::remove(temp, ignored);
        ThrowWrite(path, Reason(error));
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        ThrowWrite(path, ec.message());
    }
}

}  // namespace bix
