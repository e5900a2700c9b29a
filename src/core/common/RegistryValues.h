#pragma once

#include "core/ports/Registry.h"

#include <cstdint>
#include <string>
#include <variant>

namespace bix {

// The kinds of value the two registry routines read and write; the numbers are the ones callers pass.
enum class TRegValueKind : int {
    String = 0,
    Integer = 1,
    DateTime = 2,
    Float = 3,
    Boolean = 4,
    Date = 5,
    Time = 6,
    Currency = 7,
};

// A tagged value of any of those kinds, or null. Date, time and date-time values are TDateTime days;
// currency is a number with four decimals.
class RegVariant final {
public:
    RegVariant() = default;
    RegVariant(std::string text) : m_value(std::move(text)) {}    // NOLINT: a variant converts implicitly
    RegVariant(const char* text) : m_value(std::string(text)) {}  // NOLINT
    RegVariant(std::int64_t number) : m_value(number) {}          // NOLINT
    RegVariant(int number) : m_value(std::int64_t{number}) {}     // NOLINT
    RegVariant(double number) : m_value(number) {}                // NOLINT
    RegVariant(bool flag) : m_value(flag) {}                      // NOLINT

    bool IsNull() const { return std::holds_alternative<std::monostate>(m_value); }
    // Conversions as the caller needs them; EBixError when the value does not convert (null included).
    std::string AsString() const;
    std::int64_t AsInteger() const;
    double AsFloat() const;
    bool AsBoolean() const;

    bool operator==(const RegVariant&) const = default;

private:
    std::variant<std::monostate, std::string, std::int64_t, double, bool> m_value;
};

// Reads the value as the given kind from the key, never creating the key. Gives the default when the
// key cannot be opened or the value cannot be read as that kind; a missing string value reads as "".
RegVariant ReadRegistryValue(Registry& registry, TRegValueKind kind, RegistryRoot root, const std::string& keyPath,
                             const std::string& name, const RegVariant& defaultValue);

// Converts the value to the kind and writes it, creating the key when missing; writes nothing when
// the key cannot be opened. Throws EBixError when the value does not convert to the kind.
void WriteRegistryValue(Registry& registry, TRegValueKind kind, RegistryRoot root, const std::string& keyPath,
                        const std::string& name, const RegVariant& value);

}  // namespace bix
