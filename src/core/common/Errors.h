#pragma once

#include <stdexcept>
#include <string>

namespace bix {

// An error that carries the system's own message text to the command that started the work.
class EBixError : public std::runtime_error {
public:
    explicit EBixError(const std::string& message) : std::runtime_error(message) {}
};

// A file could not be opened, read or written.
class EInOutError final : public EBixError {
public:
    explicit EInOutError(const std::string& message) : EBixError(message) {}
};

// Ends a command without a further message: the user has already been told, or chose to stop.
// The command dispatcher of each program swallows it.
class EAbort final : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

}  // namespace bix
