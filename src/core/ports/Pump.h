#pragma once

namespace bix {

// Lets the waiting window events run during a long wait on the user-interface thread,
// so that a window never freezes. A no-op where there are no windows.
class Pump {
public:
    virtual ~Pump() = default;
    virtual void ProcessEvents() = 0;
};

}  // namespace bix
