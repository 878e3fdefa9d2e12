// Reading and writing single values by key path, to look at a store's
// contents from outside the code under test or to plant damaged values.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "registry.h"

namespace velmora::testing {

struct StoredValue {
    ValueType type;
    std::vector<std::uint8_t> bytes;
};

inline std::optional<StoredValue> readValue(Registry& registry, const std::string& path, const std::string& name)
{
    RegistryKey key = 0;
    if (registry.openKey(path, key) != RegistryStatus::ok)
        return std::nullopt;
    std::uint32_t size = 0;
    ValueType type = ValueType::none;
    std::optional<StoredValue> value;
    const RegistryStatus probe = registry.queryValue(key, name, nullptr, size, &type);
    if (probe == RegistryStatus::ok || probe == RegistryStatus::moreData) {
        value = StoredValue{type, std::vector<std::uint8_t>(size)};
        EXPECT_EQ(registry.queryValue(key, name, value->bytes.data(), size, nullptr), RegistryStatus::ok);
    }
    registry.closeKey(key);
    return value;
}

inline void writeValue(Registry& registry, const std::string& path, const std::string& name, ValueType type,
                       const std::vector<std::uint8_t>& bytes)
{
    RegistryKey key = 0;
    bool created = false;
    ASSERT_EQ(registry.createKey(path, kAppDataClass, key, created), RegistryStatus::ok);
    EXPECT_EQ(registry.setValue(key, name, type, bytes.data(), static_cast<std::uint32_t>(bytes.size())),
              RegistryStatus::ok);
    registry.closeKey(key);
}

inline bool keyExists(Registry& registry, const std::string& path)
{
    RegistryKey key = 0;
    if (registry.openKey(path, key) != RegistryStatus::ok)
        return false;
    registry.closeKey(key);
    return true;
}

}  // namespace velmora::testing
