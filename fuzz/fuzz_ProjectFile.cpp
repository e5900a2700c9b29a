// Any bytes given as a project file: loading either succeeds or throws EBixError, and what loaded
// saves and loads again to the same document.
#include "core/common/Errors.h"
#include "core/document/ubixWebsiteClass.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bix::TWebSite site;
    try {
        site.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const bix::EBixError&) {
        return 0;
    }
    bix::TWebSite again;
    again.LoadFromBytes(site.SaveToBytes());
    if (!(again == site)) {
        std::abort();
    }
    return 0;
}
