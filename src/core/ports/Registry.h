#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace bix {

// The hives a key path is looked up under.
enum class RegistryRoot { CurrentUser, LocalMachine, ClassesRoot };

// One stored value as the store holds it: text, a whole number or a floating-point number.
// Stores without types (an ini file) give text for everything; readers convert.
using RegistryData = std::variant<std::string, std::int64_t, double>;

// The settings store of the current user and the machine. Key paths use backslashes between
// key names ("\Software\RVK\bixWebsite\HTML Editor"); a leading backslash is optional.
class Registry {
public:
    virtual ~Registry() = default;

    // True when the key can be opened for reading. Never creates it.
    virtual bool KeyExists(RegistryRoot root, const std::string& keyPath) const = 0;
    // The value, or nothing when the key or the value is missing. Never creates the key.
    virtual std::optional<RegistryData> ReadValue(RegistryRoot root, const std::string& keyPath,
                                                  const std::string& name) const = 0;
    // Creates the key when missing and writes the value. False when the key cannot be opened for writing.
    virtual bool WriteValue(RegistryRoot root, const std::string& keyPath, const std::string& name,
                            const RegistryData& data) = 0;
    // False when there was nothing to delete or the key cannot be opened.
    virtual bool DeleteValue(RegistryRoot root, const std::string& keyPath, const std::string& name) = 0;
    // The names of the values held directly in the key (not in its sub-keys); empty when it is missing.
    virtual std::vector<std::string> ValueNames(RegistryRoot root, const std::string& keyPath) const = 0;
};

}  // namespace bix
