// The persistent key-value store as the engine and the shell see it: a
// registry of keys named by backslash-separated paths, each holding named,
// typed byte values. The program's one implementation stores it in SQLite
// (framework/registry_store.h); tests may use it on a temporary file.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

enum class ValueType : std::uint32_t { none = 0, binary = 3, dword = 4 };

enum class RegistryStatus {
    ok,
    notFound,  // no such key or value
    moreData,  // the value is longer than the buffer: size holds its length and
               // the buffer the part of the value that fits
    failed,    // the store could not do it (I/O error, damaged store, bad handle)
    busy,      // a write found another process holding the store's write lock
               // for longer than the store waits: nothing was written, and a
               // later write may get through. Opening and reading never
               // answer busy.
};

using RegistryKey = std::uint32_t;  // an open key's handle; never 0

// One value of a batch written by setValues.
struct ValueWrite {
    std::string_view name;
    ValueType type = ValueType::none;
    const void* data = nullptr;
    std::uint32_t size = 0;
};

class Registry {
public:
    virtual ~Registry() = default;

    // Opens the key, creating it (and its parents) when missing. created tells
    // which of the two happened.
    virtual RegistryStatus createKey(std::string_view path, std::string_view keyClass,
                                     RegistryKey& key, bool& created) = 0;
    virtual RegistryStatus openKey(std::string_view path, RegistryKey& key) = 0;
    // size: in, the buffer's size; out, the value's length (also on moreData).
    // type may be null.
    virtual RegistryStatus queryValue(RegistryKey key, std::string_view name, void* buffer,
                                      std::uint32_t& size, ValueType* type) = 0;
    // Durable when it returns ok.
    virtual RegistryStatus setValue(RegistryKey key, std::string_view name, ValueType type,
                                    const void* data, std::uint32_t size) = 0;
    // Writes every value of the batch into the key in one commit: whatever
    // fails or crashes, either all of them have changed or none has. Values
    // that belong together (a saved game's length and bytes) go this way.
    virtual RegistryStatus setValues(RegistryKey key, std::span<const ValueWrite> values) = 0;
    // Deletes a key without sub-keys, with its values.
    virtual RegistryStatus deleteKey(std::string_view path) = 0;
    virtual void closeKey(RegistryKey key) = 0;
};

// The path under which every stored record of the program lives.
inline std::string storeRoot(std::string_view appTitle)
{
    return std::string("SOFTWARE\\Trelk Software\\Velmora\\") + std::string(appTitle);
}

inline constexpr const char* kAppDataClass = "appData";

}  // namespace velmora
