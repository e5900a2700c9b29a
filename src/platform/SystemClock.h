#pragma once

#include "core/ports/Clock.h"

#include <random>

namespace bix {

// The real clock and a pseudo-random source seeded from it.
class SystemClock final : public Clock {
public:
    SystemClock();
    TDateTime Now() override;
    void Randomize() override;
    std::uint32_t Random(std::uint32_t bound) override;

private:
    std::mt19937 m_engine;
};

}  // namespace bix
