// Where the shell's records live in the registry, and an open key that closes
// itself.
//
// Every record is a key under the store root (storeRoot() of registry.h, made
// from the application title) plus a tail of its own. Records kept per game
// are named after the game: the name's bytes with the top bit cleared.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "registry.h"

namespace velmora {

// The key name of a game's per-game records. Every byte loses its top bit;
// a byte that would then be a backslash (which would split the name into
// nested keys) or NUL (which no key name may hold) becomes '_'. Such bytes
// only come from names outside plain text, so ordinary names are unchanged.
std::string gameKeyName(std::string_view gameName);

std::string preferencesPath(std::string_view storeRoot);
std::string statisticsPath(std::string_view storeRoot, std::string_view gameName);
std::string bestTimesPath(std::string_view storeRoot, std::string_view gameName);

// What a read of a value of exactly known size gave: the value; a value that
// is missing or of another size, which a caller may replace by a default; or
// no answer from the store, which tells nothing about what it holds.
enum class ValueRead { ok, unusable, failed };

// A key created or opened with the program's class string and closed when
// this goes out of scope. isOpen() is false when the store refused the key;
// every read then fails and every write is skipped.
class CreatedKey {
public:
    CreatedKey(Registry& registry, std::string_view path);
    ~CreatedKey();
    CreatedKey(const CreatedKey&) = delete;
    CreatedKey& operator=(const CreatedKey&) = delete;

    bool isOpen() const { return key_ != 0; }
    // The key did not exist before.
    bool wasCreated() const { return created_; }

    // Reads a value of exactly size bytes into buffer; the buffer is left
    // untouched unless the answer is ok. A key the store refused answers failed.
    ValueRead readExact(std::string_view name, void* buffer, std::uint32_t size);
    bool write(std::string_view name, ValueType type, const void* data, std::uint32_t size);
    // Writes all the values in one commit: all of them or none.
    bool writeAll(std::span<const ValueWrite> values);

private:
    Registry& registry_;
    RegistryKey key_ = 0;
    bool created_ = false;
};

// A key opened for reading only (never created, so no write lock is taken),
// closed when this goes out of scope. Its reads tell a value that is missing
// or of another size, which a caller may replace by a default, from a store
// that did not answer.
class OpenedKey {
public:
    OpenedKey(Registry& registry, std::string_view path);
    ~OpenedKey();
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    // ok, notFound (no such key) or failed (the store did not answer).
    RegistryStatus status() const { return status_; }

    // Reads a value of exactly size bytes into buffer; the buffer is left
    // untouched unless the answer is ok.
    ValueRead readExact(std::string_view name, void* buffer, std::uint32_t size);

private:
    Registry& registry_;
    RegistryKey key_ = 0;
    RegistryStatus status_ = RegistryStatus::failed;
};

}  // namespace velmora
