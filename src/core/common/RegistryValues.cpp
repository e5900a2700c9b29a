#include "RegistryValues.h"

#include "core/common/Errors.h"
#include "core/common/TextRoutines.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace bix {

namespace {

std::optional<std::int64_t> ParseInteger(std::string_view text) {
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return number;
}

std::optional<double> ParseFloat(std::string_view text) {
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || !std::isfinite(number)) {
        return std::nullopt;
    }
    return number;
}

[[noreturn]] void ThrowConvert(const std::string& what) {
    throw EBixError("Could not convert variant of type (" + what + ")");
}

std::string FloatText(double number) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, number);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

double RoundCurrency(double number) {
    return std::round(number * 10000.0) / 10000.0;
}

// The stored data read as the kind; nothing when it is not of that kind.
std::optional<RegVariant> Convert(TRegValueKind kind, const RegistryData& data) {
    const auto* text = std::get_if<std::string>(&data);
    const auto* integer = std::get_if<std::int64_t>(&data);
    const auto* real = std::get_if<double>(&data);
    switch (kind) {
        case TRegValueKind::String:
            if (text != nullptr) {
                return RegVariant(*text);
            }
            return std::nullopt;
        case TRegValueKind::Integer:
        case TRegValueKind::Boolean: {
            std::optional<std::int64_t> number;
            if (integer != nullptr) {
                number = *integer;
            } else if (text != nullptr) {
                number = ParseInteger(*text);
            }
            if (!number) {
                return std::nullopt;
            }
            return kind == TRegValueKind::Boolean ? RegVariant(*number != 0) : RegVariant(*number);
        }
        case TRegValueKind::DateTime:
        case TRegValueKind::Float:
        case TRegValueKind::Date:
        case TRegValueKind::Time:
        case TRegValueKind::Currency: {
            std::optional<double> number;
            if (real != nullptr) {
                number = *real;
            } else if (integer != nullptr) {
                number = static_cast<double>(*integer);
            } else if (text != nullptr) {
                number = ParseFloat(*text);
            }
            if (!number) {
                return std::nullopt;
            }
            return RegVariant(kind == TRegValueKind::Currency ? RoundCurrency(*number) : *number);
        }
    }
    return std::nullopt;
}

}  // namespace

std::string RegVariant::AsString() const {
    if (const auto* text = std::get_if<std::string>(&m_value)) {
        return *text;
    }
    if (const auto* integer = std::get_if<std::int64_t>(&m_value)) {
        return std::to_string(*integer);
    }
    if (const auto* real = std::get_if<double>(&m_value)) {
        return FloatText(*real);
    }
    if (const auto* flag = std::get_if<bool>(&m_value)) {
        return *flag ? "True" : "False";
    }
    ThrowConvert("Null");
}

std::int64_t RegVariant::AsInteger() const {
    if (const auto* integer = std::get_if<std::int64_t>(&m_value)) {
        return *integer;
    }
    if (const auto* flag = std::get_if<bool>(&m_value)) {
        return *flag ? -1 : 0;
    }
    if (const auto* real = std::get_if<double>(&m_value)) {
        const double rounded = std::nearbyint(*real);
        if (rounded >= -9.2e18 && rounded <= 9.2e18) {
            return static_cast<std::int64_t>(rounded);
        }
        ThrowConvert("Double");
    }
    if (const auto* text = std::get_if<std::string>(&m_value)) {
        if (auto number = ParseInteger(Trim(*text))) {
            return *number;
        }
        ThrowConvert("String");
    }
    ThrowConvert("Null");
}

double RegVariant::AsFloat() const {
    if (const auto* real = std::get_if<double>(&m_value)) {
        return *real;
    }
    if (const auto* integer = std::get_if<std::int64_t>(&m_value)) {
        return static_cast<double>(*integer);
    }
    if (const auto* flag = std::get_if<bool>(&m_value)) {
        return *flag ? -1.0 : 0.0;
    }
    if (const auto* text = std::get_if<std::string>(&m_value)) {
        if (auto number = ParseFloat(Trim(*text))) {
            return *number;
        }
        ThrowConvert("String");
    }
    ThrowConvert("Null");
}

bool RegVariant::AsBoolean() const {
    if (const auto* flag = std::get_if<bool>(&m_value)) {
        return *flag;
    }
    if (const auto* text = std::get_if<std::string>(&m_value)) {
        if (SameText(*text, "true")) {
            return true;
        }
        if (SameText(*text, "false")) {
            return false;
        }
    }
    return AsFloat() != 0.0;
}

RegVariant ReadRegistryValue(Registry& registry, TRegValueKind kind, RegistryRoot root, const std::string& keyPath,
                             const std::string& name, const RegVariant& defaultValue) {
    if (!registry.KeyExists(root, keyPath)) {
        return defaultValue;
    }
    const std::optional<RegistryData> data = registry.ReadValue(root, keyPath, name);
    if (!data) {
        // A missing text value reads as the empty text, which is a value and not the default.
        return kind == TRegValueKind::String ? RegVariant(std::string()) : defaultValue;
    }
    std::optional<RegVariant> value = Convert(kind, *data);
    return value ? *value : defaultValue;
}

void WriteRegistryValue(Registry& registry, TRegValueKind kind, RegistryRoot root, const std::string& keyPath,
                        const std::string& name, const RegVariant& value) {
    RegistryData data;
    switch (kind) {
        case TRegValueKind::String:
            data = value.AsString();
            break;
        case TRegValueKind::Integer:
            data = value.AsInteger();
            break;
        case TRegValueKind::Boolean:
            // Booleans are stored as 0 and 1.
            data = std::int64_t{value.AsBoolean() ? 1 : 0};
            break;
        case TRegValueKind::Currency:
            data = RoundCurrency(value.AsFloat());
            break;
        case TRegValueKind::DateTime:
        case TRegValueKind::Float:
        case TRegValueKind::Date:
        case TRegValueKind::Time:
            data = value.AsFloat();
            break;
    }
    registry.WriteValue(root, keyPath, name, data);
}

}  // namespace bix
