#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bix {

class Clock;

enum class TMode { mdEncrypt = 0, mdDecrypt = 1 };

// Keeps the stored FTP password out of casual view: a keyed substitution with a chained 16-bit key,
// written as three hexadecimal digits per byte. Not a cipher.
class TbixEncrypt final {
public:
    explicit TbixEncrypt(Clock& clock) : m_clock(clock) {}

    std::string Registration;  // the input: the password, or the scrambled text
    std::int32_t StartKey = 517;
    std::int32_t MultKey = 38;
    std::int32_t Addkey = 8042;
    TMode Mode = TMode::mdEncrypt;
    std::int32_t PaddingMax = 2;  // the random prefix number is below this

    // Scrambles or unscrambles Registration by Mode. Empty for an empty input and for any error.
    std::string Execute();

    static std::string ScrambleText(std::string_view text, std::int32_t startKey, std::int32_t multiplier,
                                    std::int32_t addend);
    static std::string UnscrambleText(std::string_view text, std::int32_t startKey, std::int32_t multiplier,
                                      std::int32_t addend);
    // Each byte as three upper-case hexadecimal digits.
    static std::string TextToHex(std::string_view bytes);
    // Groups of three digits back to bytes; throws EBixError on a group that is not hexadecimal.
    static std::string HexToText(std::string_view text);

private:
    Clock& m_clock;
};

}  // namespace bix
