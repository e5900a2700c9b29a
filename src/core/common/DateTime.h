#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>

namespace bix {

// A local date and time as days since 1899-12-30 00:00; the fraction is the time of day.
// Before that day the whole part counts back while the fraction still counts forward
// (-1.25 is 1899-12-29 06:00), as the stored form has it.
using TDateTime = double;

struct DateTimeParts final {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    bool operator==(const DateTimeParts&) const = default;
};

// False for a month, day, hour, minute, second or millisecond out of range.
bool IsValidDateTime(const DateTimeParts& parts);
// Throws EBixError for parts that are not a valid date and time.
TDateTime EncodeDateTime(const DateTimeParts& parts);
// Rounds to the nearest millisecond.
DateTimeParts DecodeDateTime(TDateTime value);

// Local wall-clock time of a moment, and back. Throws EBixError when the moment cannot be expressed.
TDateTime DateTimeFromTimeT(std::time_t moment);
std::time_t DateTimeToTimeT(TDateTime value);

// The local date and time now.
TDateTime NowDateTime();

// The file's modification time as a local TDateTime; nothing when it cannot be read.
std::optional<TDateTime> FileDateTime(const std::filesystem::path& path);

}  // namespace bix
