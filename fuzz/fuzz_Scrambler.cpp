// Any text given as a scrambled password unscrambles without fault; any password scrambles and
// unscrambles back to itself.
#include "core/document/uBixEncrypt.h"
#include "core/ports/Clock.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class FixedClock final : public bix::Clock {
public:
    bix::TDateTime Now() override { return 0; }
    void Randomize() override {}
    std::uint32_t Random(std::uint32_t bound) override { return bound > 1 ? 1 : 0; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    FixedClock clock;
    bix::TbixEncrypt encrypt(clock);
    encrypt.Mode = bix::TMode::mdDecrypt;
    encrypt.Registration = input;
    (void)encrypt.Execute();

    if (!input.empty() && input.size() <= 253) {
        encrypt.Mode = bix::TMode::mdEncrypt;
        encrypt.Registration = input;
        const std::string scrambled = encrypt.Execute();
        encrypt.Mode = bix::TMode::mdDecrypt;
        encrypt.Registration = scrambled;
        if (encrypt.Execute() != input) {
            std::abort();
        }
    }
    return 0;
}
