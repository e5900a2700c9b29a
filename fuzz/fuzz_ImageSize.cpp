// Any bytes given as a JPEG or GIF file: the size readers end, without fault, on every input.
#include "core/filemanager/ImageSize.h"

#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream jpeg(bytes);
    (void)bix::ReadJpegSize(jpeg);
    std::istringstream gif(bytes);
    (void)bix::ReadGifSize(gif);
    return 0;
}
