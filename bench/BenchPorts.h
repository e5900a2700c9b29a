#pragma once

#include "core/ports/Clock.h"
#include "core/ports/Prompter.h"
#include "core/ports/Pump.h"

#include <optional>
#include <string>

namespace bix::bench {

// Ports that stay silent, so that a benchmark times the work and nothing else.
class QuietPrompter final : public Prompter {
public:
    MsgButton Show(const Message&) override { return MsgButton::OK; }
    bool InputBox(const std::string&, const std::string&, std::string&) override { return false; }
    std::optional<std::string> OpenFileName(const FileDialogOptions&) override { return std::nullopt; }
    std::optional<std::string> SaveFileName(const FileDialogOptions&) override { return std::nullopt; }
};

class NoPump final : public Pump {
public:
    void ProcessEvents() override {}
};

class FixedClock final : public Clock {
public:
    TDateTime Now() override { return 46000.0; }
    void Randomize() override {}
    std::uint32_t Random(std::uint32_t) override { return 0; }
};

}  // namespace bix::bench
