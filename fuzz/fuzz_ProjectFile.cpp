// Any bytes given as a project file: loading either succeeds or throws EBixError, and from the second
// save on, saving and loading change nothing. (The first round may: a text stored explicitly empty
// loads as empty, is then left out of the file, and so reads back as its default.)
#include "core/common/Errors.h"
#include "core/document/ubixWebsiteClass.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bix::TWebSite site;
    try {
        site.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const bix::EBixError&) {
        return 0;
    }
    bix::TWebSite second;
    second.LoadFromBytes(site.SaveToBytes());
    const std::string saved = second.SaveToBytes();
    bix::TWebSite third;
    third.LoadFromBytes(saved);
    if (!(third == second) || third.SaveToBytes() != saved) {
        std::abort();
    }
    return 0;
}
