#pragma once

#include "core/ports/Pump.h"

namespace bix {

// Lets the Qt event loop handle what is waiting (repaints, clicks on Cancel) during a long wait.
class QtPump final : public Pump {
public:
    void ProcessEvents() override;
};

// For programs without windows: nothing waits to be handled.
class NullPump final : public Pump {
public:
    void ProcessEvents() override {}
};

}  // namespace bix
