#pragma once

#include "core/common/DateTime.h"

#include <optional>

namespace bix {

// Date-times in a stored table: milliseconds since 0001-01-01 00:00 as a double, so that
// 1899-12-30 00:00 is 59,926,521,600,000.
inline constexpr double kStoredMsAt18991230 = 59'926'521'600'000.0;

double DateTimeToStoredMs(TDateTime value);
// Nothing for a number that is no date between the years 1 and 9999 (a damaged file).
std::optional<TDateTime> StoredMsToDateTime(double ms);

}  // namespace bix
