#pragma once

#include "core/ports/Registry.h"

#include <map>
#include <set>
#include <tuple>

namespace bix::test {

// An in-memory registry. Key paths are compared without regard to case and to leading or trailing
// backslashes, as the registry does. A key exists once it was written to or added with AddKey.
class FakeRegistry final : public Registry {
public:
    bool KeyExists(RegistryRoot root, const std::string& keyPath) const override;
    std::optional<RegistryData> ReadValue(RegistryRoot root, const std::string& keyPath,
                                          const std::string& name) const override;
    bool WriteValue(RegistryRoot root, const std::string& keyPath, const std::string& name,
                    const RegistryData& data) override;
    bool DeleteValue(RegistryRoot root, const std::string& keyPath, const std::string& name) override;
    std::vector<std::string> ValueNames(RegistryRoot root, const std::string& keyPath) const override;

    void AddKey(RegistryRoot root, const std::string& keyPath);
    // Keys that refuse to be opened for writing (as one under a hive the user may not change).
    std::set<std::string> readOnlyKeys;
    int writes = 0;

private:
    using KeyId = std::pair<RegistryRoot, std::string>;
    static KeyId Id(RegistryRoot root, const std::string& keyPath);
    std::map<KeyId, std::map<std::string, RegistryData>> m_keys;
};

}  // namespace bix::test
