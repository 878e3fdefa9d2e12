// A registry that passes every call on to a real one, except the failures a
// test asks for: refused keys, reads that fail as if the store did not
// answer (with readRefusal), or refused writes of chosen values (a batch that
// holds one is refused whole).
#pragma once

#include <set>
#include <string>

#include "registry.h"

namespace velmora::testing {

class FaultyRegistry final : public Registry {
public:
    explicit FaultyRegistry(Registry& inner) : inner_(inner) {}

    bool refuseKeys = false;
    bool refuseReads = false;
    RegistryStatus readRefusal = RegistryStatus::failed;
    std::set<std::string, std::less<>> refusedWrites;  // value names

    RegistryStatus createKey(std::string_view path, std::string_view keyClass, RegistryKey& key,
                             bool& created) override
    {
        if (refuseKeys)
            return RegistryStatus::failed;
        return inner_.createKey(path, keyClass, key, created);
    }
    RegistryStatus openKey(std::string_view path, RegistryKey& key) override
    {
        if (refuseKeys)
            return RegistryStatus::failed;
        return inner_.openKey(path, key);
    }
    RegistryStatus queryValue(RegistryKey key, std::string_view name, void* buffer, std::uint32_t& size,
                              ValueType* type) override
    {
        if (refuseReads)
            return readRefusal;
        return inner_.queryValue(key, name, buffer, size, type);
    }
    RegistryStatus setValue(RegistryKey key, std::string_view name, ValueType type, const void* data,
                            std::uint32_t size) override
    {
        if (refusedWrites.contains(name))
            return RegistryStatus::failed;
        return inner_.setValue(key, name, type, data, size);
    }
    // A batch is refused whole when it holds a refused value.
    RegistryStatus setValues(RegistryKey key, std::span<const ValueWrite> values) override
    {
        for (const ValueWrite& value : values)
            if (refusedWrites.contains(value.name))
                return RegistryStatus::failed;
        return inner_.setValues(key, values);
    }
    RegistryStatus deleteKey(std::string_view path) override { return inner_.deleteKey(path); }
    void closeKey(RegistryKey key) override { inner_.closeKey(key); }

private:
    Registry& inner_;
};

}  // namespace velmora::testing
