#pragma once

#include "core/ports/Clock.h"
#include "core/ports/Pump.h"
#include "core/ports/Shell.h"

#include <functional>
#include <string>
#include <vector>

namespace bix::test {

// Records what was opened and started; succeeds unless told otherwise (or throws when told to).
class FakeShell final : public Shell {
public:
    struct Start final {
        std::string program;
        std::vector<std::string> arguments;
        std::string workingFolder;
    };

    bool OpenDocument(const std::string& pathOrAddress) override;
    bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& workingFolder) override;

    bool succeed = true;
    bool raise = false;
    std::vector<std::string> opened;
    std::vector<Start> started;
};

// Counts the calls and runs an optional action on each, so a test can change the world mid-wait.
class FakePump final : public Pump {
public:
    void ProcessEvents() override;
    int calls = 0;
    std::function<void()> onPump;
};

// A clock that stands still and a random source that gives the scripted numbers in turn.
class FakeClock final : public Clock {
public:
    TDateTime Now() override { return now; }
    void Randomize() override { ++randomizes; }
    std::uint32_t Random(std::uint32_t bound) override;

    TDateTime now = 45000.5;
    std::vector<std::uint32_t> numbers;
    int randomizes = 0;

private:
    std::size_t m_next = 0;
};

}  // namespace bix::test
