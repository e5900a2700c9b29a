// Any bytes given as a page template: the tag scan ends without fault, calls the handler once per
// tag, and copies text without tags unchanged.
#include "core/generator/TPageProducer.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    bix::TPageProducer producer;
    std::size_t tags = 0;
    producer.OnHTMLTag = [&tags](const std::string&, const std::string&, std::string& answer) {
        ++tags;
        answer = "T";
    };
    const std::string out = producer.ContentFromString(text);
    const std::string plain = text.substr(0, text.find('\0'));
    if (tags == 0 && out != plain) {
        std::abort();
    }
    if (out.size() > plain.size() + tags) {
        std::abort();
    }
    return 0;
}
