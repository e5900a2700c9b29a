#include "DateTime.h"

#include "core/common/Errors.h"

#include <chrono>
#include <cmath>

namespace bix {

namespace {

constexpr double kMsPerDay = 86'400'000.0;

// Days between 1970-01-01 and the civil date (proleptic Gregorian calendar).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2 ? 1 : 0));
    month = static_cast<int>(m);
    day = static_cast<int>(d);
}

// 1899-12-30 as days since 1970-01-01.
const std::int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool LocalTime(std::time_t moment, std::tm& out) {
#ifdef _WIN32
    return localtime_s(&out, &moment) == 0;
#else
    return localtime_r(&moment, &out) != nullptr;
#endif
}

}  // namespace

namespace {

TDateTime FromSystemTime(std::chrono::system_clock::time_point moment) {
    const auto seconds = std::chrono::floor<std::chrono::seconds>(moment);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(moment - seconds).count();
    return DateTimeFromTimeT(std::chrono::system_clock::to_time_t(seconds)) + static_cast<double>(ms) / kMsPerDay;
}

}  // namespace

bool IsValidDateTime(const DateTimeParts& p) {
    return p.year >= 1 && p.year <= 9999 && p.month >= 1 && p.month <= 12 && p.day >= 1 &&
           p.day <= DaysInMonth(p.year, p.month) && p.hour >= 0 && p.hour < 24 && p.minute >= 0 && p.minute < 60 &&
           p.second >= 0 && p.second < 60 && p.millisecond >= 0 && p.millisecond < 1000;
}

TDateTime EncodeDateTime(const DateTimeParts& p) {
    if (!IsValidDateTime(p)) {
        throw EBixError("Invalid argument to date encode");
    }
    const auto days = static_cast<double>(
        DaysFromCivil(p.year, static_cast<unsigned>(p.month), static_cast<unsigned>(p.day)) - kEpochOffset);
    const double time = (((p.hour * 60.0 + p.minute) * 60.0 + p.second) * 1000.0 + p.millisecond) / kMsPerDay;
    return days >= 0 ? days + time : days - time;
}

DateTimeParts DecodeDateTime(TDateTime value) {
    // Whole milliseconds from 1899-12-30 00:00, with the fraction counting forward in every day.
    const double whole = std::trunc(value);
    auto days = static_cast<std::int64_t>(whole);
    auto ms = static_cast<std::int64_t>(std::llround(std::fabs(value - whole) * kMsPerDay));
    if (ms >= static_cast<std::int64_t>(kMsPerDay)) {
        ms -= static_cast<std::int64_t>(kMsPerDay);
        days += value >= 0 ? 1 : -1;
    }
    DateTimeParts p;
    CivilFromDays(days + kEpochOffset, p.year, p.month, p.day);
    p.millisecond = static_cast<int>(ms % 1000);
    p.second = static_cast<int>(ms / 1000 % 60);
    p.minute = static_cast<int>(ms / 60'000 % 60);
    p.hour = static_cast<int>(ms / 3'600'000);
    return p;
}

TDateTime DateTimeFromTimeT(std::time_t moment) {
    std::tm tm{};
    if (!LocalTime(moment, tm)) {
        throw EBixError("Invalid date and time");
    }
    return EncodeDateTime(
        {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec == 60 ? 59 : tm.tm_sec, 0});
}

std::time_t DateTimeToTimeT(TDateTime value) {
    const DateTimeParts p = DecodeDateTime(value);
    std::tm tm{};
    tm.tm_year = p.year - 1900;
    tm.tm_mon = p.month - 1;
    tm.tm_mday = p.day;
    tm.tm_hour = p.hour;
    tm.tm_min = p.minute;
    tm.tm_sec = p.second;
    tm.tm_isdst = -1;
    const std::time_t result = std::mktime(&tm);
    if (result == static_cast<std::time_t>(-1)) {
        throw EBixError("Invalid date and time");
    }
    return result;
}

TDateTime NowDateTime() {
    return FromSystemTime(std::chrono::system_clock::now());
}

std::optional<TDateTime> FileDateTime(const std::filesystem::path& path) {
    std::error_code ec;
    const auto stamp = std::filesystem::last_write_time(path, ec);
    if (ec) {
        return std::nullopt;
    }
    try {
        return FromSystemTime(
            std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(stamp)));
    } catch (const EBixError&) {
        return std::nullopt;
    }
}

}  // namespace bix
