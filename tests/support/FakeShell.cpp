#include "FakeShell.h"

#include <stdexcept>

namespace bix::test {

bool FakeShell::OpenDocument(const std::string& pathOrAddress) {
    opened.push_back(pathOrAddress);
    if (raise) {
        throw std::runtime_error("shell failed");
    }
    return succeed;
}

bool FakeShell::StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                             const std::string& workingFolder) {
    started.push_back({program, arguments, workingFolder});
    if (raise) {
        throw std::runtime_error("shell failed");
    }
    return succeed;
}

void FakePump::ProcessEvents() {
    ++calls;
    if (onPump) {
        onPump();
    }
}

std::uint32_t FakeClock::Random(std::uint32_t bound) {
    if (numbers.empty() || bound == 0) {
        return 0;
    }
    const std::uint32_t n = numbers[m_next % numbers.size()];
    ++m_next;
    return n % bound;
}

}  // namespace bix::test
