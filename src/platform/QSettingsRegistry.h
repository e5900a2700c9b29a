#pragma once

#include "core/ports/Registry.h"

#include <QSettings>

#include <memory>

namespace bix {

// The registry through QSettings in native format: the real registry on Windows; elsewhere a key
// "\Software\ORG\APP\rest" of the current user lives in ~/.config/ORG/APP.conf under the group "rest",
// of the machine in the system-wide file of the same name. The classes root exists only on Windows.
class QSettingsRegistry final : public Registry {
public:
    bool KeyExists(RegistryRoot root, const std::string& keyPath) const override;
    std::optional<RegistryData> ReadValue(RegistryRoot root, const std::string& keyPath,
                                          const std::string& name) const override;
    bool WriteValue(RegistryRoot root, const std::string& keyPath, const std::string& name,
                    const RegistryData& data) override;
    bool DeleteValue(RegistryRoot root, const std::string& keyPath, const std::string& name) override;
    std::vector<std::string> ValueNames(RegistryRoot root, const std::string& keyPath) const override;

private:
    // The settings positioned at the key's group; nothing when the key has no place on this platform.
    static std::unique_ptr<QSettings> Open(RegistryRoot root, const std::string& keyPath);
};

}  // namespace bix
