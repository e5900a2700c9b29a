#include "ImageSize.h"

#include "core/common/Paths.h"
#include "core/common/TextRoutines.h"

#include <filesystem>
#include <fstream>
#include <optional>

namespace bix {

namespace {

// A stream read byte by byte; every read says whether it delivered.
class ByteReader final {
public:
    explicit ByteReader(std::istream& in) : m_in(in) {}

    std::optional<std::uint8_t> Byte() {
        const int c = m_in.get();
        if (c == std::char_traits<char>::eof()) {
            return std::nullopt;
        }
        return static_cast<std::uint8_t>(c);
    }
    std::optional<std::uint16_t> BigEndian16() {
        const auto hi = Byte();
        const auto lo = hi ? Byte() : std::nullopt;
        if (!lo) {
            return std::nullopt;
        }
        return static_cast<std::uint16_t>((*hi << 8U) | *lo);
    }
    bool Read(char* buffer, std::streamsize count) {
        m_in.read(buffer, count);
        return m_in.gcount() == count;
    }
    // Moves on from the current position; false past the end of the file.
    bool Skip(std::streamoff count) {
        m_in.clear();
        m_in.seekg(count, std::ios::cur);
        return static_cast<bool>(m_in) && m_in.peek() != std::char_traits<char>::eof();
    }
    bool SeekTo(std::streamoff position) {
        m_in.clear();
        m_in.seekg(position, std::ios::beg);
        return static_cast<bool>(m_in);
    }

private:
    std::istream& m_in;
};

}  // namespace

ImageSize ReadJpegSize(std::istream& stream) {
    ImageSize size;
    ByteReader in(stream);
    const auto soi1 = in.Byte();
    const auto soi2 = in.Byte();
    if (!soi1 || !soi2 || *soi1 != 0xFF || *soi2 != 0xD8) {
        return size;
    }
    std::optional<std::uint8_t> m = in.Byte();
    while (m && *m == 0xFF) {
        const auto code = in.Byte();
        if (!code) {
            break;
        }
        const std::uint8_t c = *code;
        if (c == 0xFF) {
            continue;  // a fill byte
        }
        if (c == 0xC0 || c == 0xC1) {
            // Segment length and sample precision, then height and width.
            if (!in.Skip(3)) {
                break;
            }
            if (const auto h = in.BigEndian16()) {
                size.height = *h;
                if (const auto w = in.BigEndian16()) {
                    size.width = *w;
                }
            }
            break;
        }
        if (c == 0x01 || (c >= 0xD0 && c <= 0xD7)) {
            continue;  // a marker without a segment; m stays FF
        }
        const auto length = in.BigEndian16();
        // A length below 2 would step back into the same bytes for ever.
        if (!length || *length < 2 || !in.Skip(*length - 2)) {
            break;
        }
        m = in.Byte();
    }
    return size;
}

ImageSize ReadGifSize(std::istream& stream) {
    ImageSize size;
    ByteReader in(stream);
    char header[13];
    if (!in.Read(header, sizeof header) || std::string_view(header, 3) != "GIF") {
        return size;
    }
    const auto packed = static_cast<std::uint8_t>(header[10]);
    std::streamoff start = 13;
    if ((packed & 0x80U) != 0) {
        start += 3 * (std::streamoff{1} << ((packed & 7U) + 1));
    }
    if (!in.SeekTo(start)) {
        return size;
    }
    for (auto b = in.Byte(); b; b = in.Byte()) {
        if (*b == 0x2C) {
            char descriptor[10];
            if (in.Read(descriptor, sizeof descriptor)) {
                const auto le16 = [&](int at) {
                    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(descriptor[at]) |
                                                      (static_cast<std::uint8_t>(descriptor[at + 1]) << 8U));
                };
                size.width = le16(4);
                size.height = le16(6);
            }
            break;
        }
    }
    return size;
}

std::string ImageSizeText(const std::string& path) {
    const std::string ext = LowerCase(ExtractFileExt(path));
    const bool jpeg = ext == ".jpg" || ext == ".jpeg";
    if (!jpeg && ext != ".gif") {
        return {};
    }
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    const ImageSize size = jpeg ? ReadJpegSize(in) : ReadGifSize(in);
    return "w:" + std::to_string(size.width) + " h:" + std::to_string(size.height);
}

}  // namespace bix
