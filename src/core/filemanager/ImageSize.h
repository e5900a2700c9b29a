#pragma once

#include <cstdint>
#include <istream>
#include <string>

namespace bix {

struct ImageSize final {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

// Reads the size from a JPEG file's first C0 or C1 frame header, skipping segments (not decoding).
// Gives up silently on anything unexpected, keeping what it had read (0 x 0 at first).
ImageSize ReadJpegSize(std::istream& in);
// Reads the size of a GIF file's first image descriptor, after the global colour table.
ImageSize ReadGifSize(std::istream& in);

// "w:640 h:480" for .jpg, .jpeg and .gif files (w:0 h:0 when unreadable), "" for .bmp and others.
std::string ImageSizeText(const std::string& path);

}  // namespace bix
