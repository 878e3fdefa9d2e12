#include "store_keys.h"

#include <cstring>
#include <vector>

namespace velmora {

std::string gameKeyName(std::string_view gameName)
{
    std::string keyName;
    keyName.reserve(gameName.size());
    for (const char byte : gameName) {
        const char low = static_cast<char>(static_cast<unsigned char>(byte) & 0x7F);
        keyName.push_back(low == '\\' || low == '\0' ? '_' : low);
    }
    return keyName;
}

std::string preferencesPath(std::string_view storeRoot)
{
    return std::string(storeRoot) + "\\prefs";
}

std::string statisticsPath(std::string_view storeRoot, std::string_view gameName)
{
    return std::string(storeRoot) + "\\statistics\\" + gameKeyName(gameName);
}

std::string bestTimesPath(std::string_view storeRoot, std::string_view gameName)
{
    return std::string(storeRoot) + "\\bestScores\\" + gameKeyName(gameName);
}

CreatedKey::CreatedKey(Registry& registry, std::string_view path) : registry_(registry)
{
    if (registry_.createKey(path, kAppDataClass, key_, created_) != RegistryStatus::ok) {
        key_ = 0;
        created_ = false;
    }
}

CreatedKey::~CreatedKey()
{
    if (isOpen())
        registry_.closeKey(key_);
}

namespace {

OpenedKey::Read readExactValue(Registry& registry, RegistryKey key, std::string_view name, void* buffer,
                               std::uint32_t size)
{
    // Read through a buffer of our own: a longer value still fills the part
    // that fits, and a damaged value must leave the caller's field as it was.
    std::vector<std::uint8_t> bytes(size);
    std::uint32_t length = size;
    const RegistryStatus status = registry.queryValue(key, name, bytes.data(), length, nullptr);
    if (status == RegistryStatus::failed)
        return OpenedKey::Read::failed;
    if (status != RegistryStatus::ok || length != size)
        return OpenedKey::Read::unusable;
    if (size > 0)
        std::memcpy(buffer, bytes.data(), size);
    return OpenedKey::Read::ok;
}

}  // namespace

bool CreatedKey::readExact(std::string_view name, void* buffer, std::uint32_t size)
{
    return isOpen() && readExactValue(registry_, key_, name, buffer, size) == OpenedKey::Read::ok;
}

bool CreatedKey::write(std::string_view name, ValueType type, const void* data, std::uint32_t size)
{
    return isOpen() && registry_.setValue(key_, name, type, data, size) == RegistryStatus::ok;
}

bool CreatedKey::writeAll(std::span<const ValueWrite> values)
{
    return isOpen() && registry_.setValues(key_, values) == RegistryStatus::ok;
}

OpenedKey::OpenedKey(Registry& registry, std::string_view path) : registry_(registry)
{
    status_ = registry_.openKey(path, key_);
    if (status_ != RegistryStatus::ok)
        key_ = 0;
}

OpenedKey::~OpenedKey()
{
    if (status_ == RegistryStatus::ok)
        registry_.closeKey(key_);
}

OpenedKey::Read OpenedKey::readExact(std::string_view name, void* buffer, std::uint32_t size)
{
    if (status_ != RegistryStatus::ok)
        return Read::failed;
    return readExactValue(registry_, key_, name, buffer, size);
}

}  // namespace velmora
