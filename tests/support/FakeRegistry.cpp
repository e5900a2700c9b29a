#include "FakeRegistry.h"

#include "core/common/TextRoutines.h"

namespace bix::test {

FakeRegistry::KeyId FakeRegistry::Id(RegistryRoot root, const std::string& keyPath) {
    std::string_view path(keyPath);
    while (!path.empty() && path.front() == '\\') {
        path.remove_prefix(1);
    }
    while (!path.empty() && path.back() == '\\') {
        path.remove_suffix(1);
    }
    return {root, LowerCase(path)};
}

bool FakeRegistry::KeyExists(RegistryRoot root, const std::string& keyPath) const {
    return m_keys.contains(Id(root, keyPath));
}

std::optional<RegistryData> FakeRegistry::ReadValue(RegistryRoot root, const std::string& keyPath,
                                                    const std::string& name) const {
    const auto key = m_keys.find(Id(root, keyPath));
    if (key == m_keys.end()) {
        return std::nullopt;
    }
    const auto value = key->second.find(name);
    if (value == key->second.end()) {
        return std::nullopt;
    }
    return value->second;
}

bool FakeRegistry::WriteValue(RegistryRoot root, const std::string& keyPath, const std::string& name,
                              const RegistryData& data) {
    const KeyId id = Id(root, keyPath);
    if (readOnlyKeys.contains(id.second)) {
        return false;
    }
    ++writes;
    m_keys[id][name] = data;
    return true;
}

bool FakeRegistry::DeleteValue(RegistryRoot root, const std::string& keyPath, const std::string& name) {
    const auto key = m_keys.find(Id(root, keyPath));
    return key != m_keys.end() && key->second.erase(name) > 0;
}

std::vector<std::string> FakeRegistry::ValueNames(RegistryRoot root, const std::string& keyPath) const {
    std::vector<std::string> names;
    const auto key = m_keys.find(Id(root, keyPath));
    if (key != m_keys.end()) {
        for (const auto& [name, data] : key->second) {
            names.push_back(name);
        }
    }
    return names;
}

void FakeRegistry::AddKey(RegistryRoot root, const std::string& keyPath) {
    m_keys[Id(root, keyPath)];
}

}  // namespace bix::test
