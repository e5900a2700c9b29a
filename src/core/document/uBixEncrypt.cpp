#include "uBixEncrypt.h"

#include "core/common/Errors.h"
#include "core/ports/Clock.h"

#include <charconv>

namespace bix {

namespace {

// The high byte of the running 16-bit key.
char KeyByte(std::uint16_t key) {
    return static_cast<char>(key >> 8U);
}

std::uint16_t NextKey(std::uint8_t fed, std::uint16_t key, std::int32_t multiplier, std::int32_t addend) {
    // All key arithmetic is modulo 65,536.
    const std::uint32_t sum = static_cast<std::uint32_t>(fed) + key;
    return static_cast<std::uint16_t>(sum * static_cast<std::uint32_t>(multiplier) +
                                      static_cast<std::uint32_t>(addend));
}

}  // namespace

std::string TbixEncrypt::ScrambleText(std::string_view text, std::int32_t startKey, std::int32_t multiplier,
                                      std::int32_t addend) {
    std::string out(text.size(), '\0');
    auto key = static_cast<std::uint16_t>(startKey);
    for (std::size_t i = 0; i < text.size(); ++i) {
        out[i] = static_cast<char>(text[i] ^ KeyByte(key));
        key = NextKey(static_cast<std::uint8_t>(out[i]), key, multiplier, addend);
    }
    return out;
}

std::string TbixEncrypt::UnscrambleText(std::string_view text, std::int32_t startKey, std::int32_t multiplier,
                                        std::int32_t addend) {
    std::string out(text.size(), '\0');
    auto key = static_cast<std::uint16_t>(startKey);
    for (std::size_t i = 0; i < text.size(); ++i) {
        out[i] = static_cast<char>(text[i] ^ KeyByte(key));
        key = NextKey(static_cast<std::uint8_t>(text[i]), key, multiplier, addend);
    }
    return out;
}

std::string TbixEncrypt::TextToHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        hex += '0';
        hex += kDigits[b >> 4U];
        hex += kDigits[b & 0x0FU];
    }
    return hex;
}

std::string TbixEncrypt::HexToText(std::string_view text) {
    std::string bytes;
    // Groups start at every third character, as long as the start lies before the last character.
    for (std::size_t start = 0; start + 1 < text.size(); start += 3) {
        const std::string_view group = text.substr(start, 3);
        unsigned value = 0;
        const auto [end, error] = std::from_chars(group.data(), group.data() + group.size(), value, 16);
        if (error != std::errc() || end != group.data() + group.size()) {
            throw EBixError("'" + std::string(group) + "' is not a valid hexadecimal group");
        }
        bytes += static_cast<char>(value & 0xFFU);
    }
    return bytes;
}

std::string TbixEncrypt::Execute() {
    if (Registration.empty()) {
        return {};
    }
    try {
        if (Mode == TMode::mdEncrypt) {
            m_clock.Randomize();
            const std::uint32_t bound = PaddingMax > 0 ? static_cast<std::uint32_t>(PaddingMax) : 0;
            const std::string number = std::to_string(m_clock.Random(bound));
            const std::string prefixed = std::to_string(number.size() + 1) + number + Registration;
            return TextToHex(ScrambleText(prefixed, StartKey, MultKey, Addkey));
        }
        const std::string text = UnscrambleText(HexToText(Registration), StartKey, MultKey, Addkey);
        if (text.empty() || text[0] < '0' || text[0] > '9') {
            return {};
        }
        const auto skip = static_cast<std::size_t>(text[0] - '0');
        return skip >= text.size() ? std::string() : text.substr(skip);
    } catch (const EBixError&) {
        return {};
    }
}

}  // namespace bix
