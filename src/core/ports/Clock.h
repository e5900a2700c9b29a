#pragma once

#include "core/common/DateTime.h"

#include <cstdint>

namespace bix {

// The wall clock and the random source, so that tests can fix both.
class Clock {
public:
    virtual ~Clock() = default;

    // The local date and time now.
    virtual TDateTime Now() = 0;
    // Seeds the random source from the clock (as the scrambler does before each draw).
    virtual void Randomize() = 0;
    // A random number n with 0 <= n < bound; 0 when bound is 0.
    virtual std::uint32_t Random(std::uint32_t bound) = 0;
};

}  // namespace bix
