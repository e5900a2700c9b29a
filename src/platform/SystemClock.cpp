#include "SystemClock.h"

#include <chrono>

namespace bix {

SystemClock::SystemClock() {
    Randomize();
}

TDateTime SystemClock::Now() {
    return NowDateTime();
}

void SystemClock::Randomize() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::random_device device;
    m_engine.seed(static_cast<std::uint32_t>(ticks) ^ device());
}

std::uint32_t SystemClock::Random(std::uint32_t bound) {
    if (bound == 0) {
        return 0;
    }
    return std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(m_engine);
}

}  // namespace bix
