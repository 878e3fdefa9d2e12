// The registry of the current user, kept in one SQLite database file.
//
// Keys are rows named by their full backslash-separated path (compared without
// regard to ASCII case); values are rows of (key, name, type, bytes). Every
// write is committed with a full sync before it returns, in write-ahead-log
// mode, so a crash loses at most the call in progress and never damages the
// file; a batch of values (setValues) is one call and one commit. Readers
// take no write lock, so a store that another process is writing to can
// still be read while writes wait for it (up to the busy timeout, then they
// answer busy). A file that is not ours, is damaged or was written by a
// newer version is refused on open and left exactly as it was.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "registry.h"

struct sqlite3;
struct sqlite3_stmt;

namespace velmora {

class RegistryStore final : public Registry {
public:
    // Stamped into every store file, so that a foreign SQLite file is refused.
    static constexpr std::uint32_t kApplicationId = 0x564C4D52;  // "VLMR"
    // The layout version this code writes and understands.
    static constexpr std::uint32_t kSchemaVersion = 1;

    // How long a call waits for another process's write to finish.
    static constexpr int kDefaultBusyTimeoutMs = 5000;

    // Opens the store at filePath, creating the file and its parent folders
    // when missing. Returns null and sets error when the file cannot be used.
    static std::unique_ptr<RegistryStore> open(const std::string& filePath, std::string& error,
                                               int busyTimeoutMs = kDefaultBusyTimeoutMs);
    // A store kept in memory only, empty at the start and gone at the end:
    // the program plays on it when its file cannot be used.
    static std::unique_ptr<RegistryStore> openInMemory(std::string& error);

    ~RegistryStore() override;
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    RegistryStatus createKey(std::string_view path, std::string_view keyClass, RegistryKey& key,
                             bool& created) override;
    RegistryStatus openKey(std::string_view path, RegistryKey& key) override;
    RegistryStatus queryValue(RegistryKey key, std::string_view name, void* buffer,
                              std::uint32_t& size, ValueType* type) override;
    RegistryStatus setValue(RegistryKey key, std::string_view name, ValueType type,
                            const void* data, std::uint32_t size) override;
    RegistryStatus setValues(RegistryKey key, std::span<const ValueWrite> values) override;
    RegistryStatus deleteKey(std::string_view path) override;
    void closeKey(RegistryKey key) override;

    // Why the last call that answered failed did so.
    const std::string& lastError() const { return lastError_; }

    struct DatabaseCloser {
        void operator()(sqlite3* db) const;
    };
    struct StatementFinalizer {
        void operator()(sqlite3_stmt* statement) const;
    };
    using DatabasePtr = std::unique_ptr<sqlite3, DatabaseCloser>;
    using StatementPtr = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

private:
    class Transaction;

    explicit RegistryStore(DatabasePtr db);
    bool prepareStatements(std::string& error);
    // Starts a write transaction: ok, busy or failed.
    RegistryStatus beginWrite();
    // Steps a statement that yields no rows and resets it.
    RegistryStatus execute(sqlite3_stmt* statement, std::string_view what);

    // Looks a key up by path: ok with its id, notFound, or failed.
    RegistryStatus findKey(std::string_view path, std::int64_t& id);
    RegistryStatus insertKey(std::string_view path, const std::int64_t* parentId,
                             std::string_view keyClass, std::int64_t& id);
    RegistryStatus hasSubKeys(std::int64_t id, bool& result);
    // Ensures every key along path exists; created tells whether the last did not.
    RegistryStatus createKeyChain(std::string_view path, std::string_view keyClass,
                                  std::int64_t& id, bool& created);
    RegistryStatus keyIdOf(RegistryKey key, std::int64_t& id);
    RegistryKey newHandle(std::int64_t id);
    // Writes one value inside the open transaction.
    RegistryStatus writeValue(std::int64_t keyId, const ValueWrite& value);

    RegistryStatus fail(std::string_view what);
    RegistryStatus refuse(std::string message);

    // Declared first so that it is closed after the statements are finalized.
    DatabasePtr db_;
    StatementPtr begin_;
    StatementPtr commit_;
    StatementPtr rollback_;
    StatementPtr findKey_;
    StatementPtr insertKey_;
    StatementPtr hasSubKeys_;
    StatementPtr deleteKey_;
    StatementPtr selectValue_;
    StatementPtr upsertValue_;

    std::unordered_map<RegistryKey, std::int64_t> handles_;
    RegistryKey lastHandle_ = 0;
    std::string lastError_;
};

}  // namespace velmora
