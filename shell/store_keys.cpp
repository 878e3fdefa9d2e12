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

ValueRead readExactValue(Registry& registry, RegistryKey key, std::string_view name, void* buffer,
                         std::uint32_t size)
{
    // Read through a buffer of our own: a longer value still fills the part
    // that fits, and a damaged value must leave the caller's field as it was.
    std::vector<std::uint8_t> bytes(size);
    std::uint32_t length = size;
    const RegistryStatus status = registry.queryValue(key, name, bytes.data(), length, nullptr);
    // Only a missing or longer value is an answer about what the store
    // holds; any other refusal (failed, or busy should a read ever say so)
    // is none.
    if (status == RegistryStatus::notFound || status == RegistryStatus::moreData)
        return ValueRead::unusable;
    if (status != RegistryStatus::ok)
        return ValueRead::failed;
    if (length != size)
        return ValueRead::unusable;
    if (size > 0)
        std::memcpy(buffer, bytes.data(), size);
    return ValueRead::ok;
}

}  // namespace

ValueRead CreatedKey::readExact(std::string_view name, void* buffer, std::uint32_t size)
{
    if (!isOpen())
        return ValueRead::failed;
    return readExactValue(registry_, key_, name, buffer, size);
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

ValueRead OpenedKey::readExact(std::string_view name, void* buffer, std::uint32_t size)
{
    if (status_ != RegistryStatus::ok)
        return ValueRead::failed;
    return readExactValue(registry_, key_, name, buffer, size);
}

}  // namespace velmora
