#include "registry_store.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace velmora {

namespace {

namespace fs = std::filesystem;

// The first 16 bytes of every SQLite database file.
constexpr char kSqliteMagic[16] = "SQLite format 3";

// Keys refer to their parent so that "has sub-keys" is one indexed lookup and
// a parent cannot be deleted under its children. AUTOINCREMENT keeps the id of
// a deleted key from being given to a new one, so a handle still open on the
// deleted key can never reach another key.
constexpr const char* kSchema = R"sql(
CREATE TABLE keys(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  path TEXT NOT NULL UNIQUE COLLATE NOCASE,
  parent_id INTEGER REFERENCES keys(id),
  class TEXT NOT NULL);
CREATE INDEX keys_by_parent ON keys(parent_id);
CREATE TABLE "values"(
  key_id INTEGER NOT NULL REFERENCES keys(id) ON DELETE CASCADE,
  name TEXT NOT NULL COLLATE NOCASE,
  type INTEGER NOT NULL,
  data BLOB NOT NULL,
  PRIMARY KEY(key_id, name)) WITHOUT ROWID;
)sql";

// What the file says about itself before we touch it.
struct FileStamp {
    std::int64_t applicationId = 0;
    std::int64_t userVersion = 0;
    std::int64_t schemaObjects = 0;

    bool isEmpty() const { return applicationId == 0 && userVersion == 0 && schemaObjects == 0; }
};

// Resets a statement and drops its bindings when the scope ends, so that the
// next use starts clean and no read transaction is left open.
class ResetOnExit {
public:
    explicit ResetOnExit(sqlite3_stmt* statement) : statement_(statement) {}
    ~ResetOnExit()
    {
        // The step's own result was already checked; reset repeats it.
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }
    ResetOnExit(const ResetOnExit&) = delete;
    ResetOnExit& operator=(const ResetOnExit&) = delete;

private:
    sqlite3_stmt* statement_;
};

std::string describe(sqlite3* db, std::string_view what)
{
    return std::string(what) + ": " + sqlite3_errmsg(db);
}

bool execute(sqlite3* db, const std::string& sql, std::string& error)
{
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return true;
    error = std::string("cannot run \"") + sql + "\": " + (message ? message : sqlite3_errmsg(db));
    sqlite3_free(message);
    return false;
}

// Runs a statement that answers one row and returns its first column.
bool queryInteger(sqlite3* db, const char* sql, std::int64_t& value, std::string& error)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK) {
        error = describe(db, std::string("cannot read \"") + sql + "\"");
        return false;
    }
    RegistryStore::StatementPtr statement(raw);
    if (sqlite3_step(raw) != SQLITE_ROW) {
        error = describe(db, std::string("cannot read \"") + sql + "\"");
        return false;
    }
    value = sqlite3_column_int64(raw, 0);
    return true;
}

bool readStamp(sqlite3* db, FileStamp& stamp, std::string& error)
{
    return queryInteger(db, "PRAGMA application_id", stamp.applicationId, error) &&
           queryInteger(db, "PRAGMA user_version", stamp.userVersion, error) &&
           queryInteger(db, "SELECT count(*) FROM sqlite_master", stamp.schemaObjects, error);
}

// Accepts an empty file or one of ours in a layout we know.
bool acceptStamp(const FileStamp& stamp, std::string& error)
{
    if (stamp.isEmpty()) return true;
    if (static_cast<std::uint32_t>(stamp.applicationId) != RegistryStore::kApplicationId) {
        error = "the file belongs to another program (application id " +
                std::to_string(stamp.applicationId) + ")";
        return false;
    }
    if (stamp.userVersion > RegistryStore::kSchemaVersion) {
        error = "the file was written by a newer version of the program (layout " +
                std::to_string(stamp.userVersion) + ")";
        return false;
    }
    if (stamp.userVersion < 1) {
        error = "the file is damaged: it carries no layout version";
        return false;
    }
    return true;
}

// Refuses an existing non-empty file that does not start like an SQLite
// database before SQLite opens it, so that nothing is ever written into it.
bool checkFileHeader(const std::string& filePath, std::string& error)
{
    std::error_code failure;
    const fs::file_status status = fs::status(filePath, failure);
    if (!fs::exists(status)) return true;
    if (!fs::is_regular_file(status)) {
        error = "the path is not a regular file";
        return false;
    }
    if (fs::file_size(filePath, failure) == 0 && !failure) return true;
    std::ifstream file(filePath, std::ios::binary);
    if (!file) {
        error = "the file cannot be read";
        return false;
    }
    char header[sizeof kSqliteMagic] = {};
    file.read(header, sizeof header);
    if (file.gcount() != sizeof header || std::memcmp(header, kSqliteMagic, sizeof header) != 0) {
        error = "the file is not a registry store (not an SQLite database)";
        return false;
    }
    return true;
}

bool createParentFolders(const std::string& filePath, std::string& error)
{
    const fs::path parent = fs::path(filePath).parent_path();
    if (parent.empty()) return true;
    std::error_code failure;
    fs::create_directories(parent, failure);
    if (failure) {
        error = "cannot create the folder " + parent.string() + ": " + failure.message();
        return false;
    }
    return true;
}

RegistryStore::DatabasePtr openDatabase(const std::string& filePath, int busyTimeoutMs, std::string& error)
{
    sqlite3* raw = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXRESCODE;
    const int result = sqlite3_open_v2(filePath.c_str(), &raw, flags, nullptr);
    RegistryStore::DatabasePtr db(raw);
    if (result != SQLITE_OK) {
        error = std::string("cannot open the file: ") +
                (raw ? sqlite3_errmsg(raw) : sqlite3_errstr(result));
        return nullptr;
    }
    // SQLite quietly falls back to read-only when the file is write-protected.
    if (sqlite3_db_readonly(raw, "main") != 0) {
        error = "the file cannot be written";
        return nullptr;
    }
    if (sqlite3_busy_timeout(raw, busyTimeoutMs) != SQLITE_OK) {
        error = describe(raw, "cannot set the busy timeout");
        return nullptr;
    }
    return db;
}

bool passesQuickCheck(sqlite3* db, std::string& error)
{
    sqlite3_stmt* raw = nullptr;
    // One finding is enough to refuse the file and keeps the message short.
    if (sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &raw, nullptr) != SQLITE_OK) {
        error = describe(db, "the file cannot be checked");
        return false;
    }
    RegistryStore::StatementPtr statement(raw);
    if (sqlite3_step(raw) != SQLITE_ROW) {
        error = describe(db, "the file failed its integrity check");
        return false;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(raw, 0));
    std::string verdict = text ? text : "";
    std::replace(verdict.begin(), verdict.end(), '\n', ' ');
    if (verdict != "ok") {
        error = "the file failed its integrity check: " + verdict;
        return false;
    }
    return true;
}

// Connection settings: every commit is synced in full, and the write-ahead log
// keeps the file whole whatever moment a crash hits. Should the file system
// not support the log, SQLite stays with its rollback journal, which with full
// sync is just as safe, so the answer to the mode change is not insisted on.
bool configure(sqlite3* db, std::string& error)
{
    return execute(db, "PRAGMA foreign_keys = ON", error) &&
           execute(db, "PRAGMA synchronous = FULL", error) &&
           execute(db, "PRAGMA journal_mode = WAL", error);
}

// Writes the tables and the stamp in one transaction. Another instance of the
// program may have done it meanwhile; then its work is checked instead.
bool createSchema(sqlite3* db, std::string& error)
{
    if (!execute(db, "BEGIN IMMEDIATE", error)) return false;
    FileStamp stamp;
    bool done = readStamp(db, stamp, error);
    if (done && stamp.isEmpty()) {
        done = execute(db, kSchema, error) &&
               execute(db, "PRAGMA application_id = " + std::to_string(RegistryStore::kApplicationId), error) &&
               execute(db, "PRAGMA user_version = " + std::to_string(RegistryStore::kSchemaVersion), error) &&
               execute(db, "COMMIT", error);
    } else if (done) {
        done = acceptStamp(stamp, error);
    }
    if (sqlite3_get_autocommit(db) == 0) {
        std::string rollbackError;
        if (!execute(db, "ROLLBACK", rollbackError)) error += "; " + rollbackError;
    }
    return done;
}

bool isValidText(std::string_view text)
{
    return text.find('\0') == std::string_view::npos;
}

// A path is one or more non-empty names separated by single backslashes.
bool isValidPath(std::string_view path)
{
    return !path.empty() && path.front() != '\\' && path.back() != '\\' &&
           path.find("\\\\") == std::string_view::npos && isValidText(path);
}

int bindText(sqlite3_stmt* statement, int index, std::string_view text)
{
    return sqlite3_bind_text64(statement, index, text.data(), text.size(), SQLITE_STATIC, SQLITE_UTF8);
}

}  // namespace

void RegistryStore::DatabaseCloser::operator()(sqlite3* db) const
{
    // Every statement is finalized first, so the close cannot be refused.
    sqlite3_close_v2(db);
}

void RegistryStore::StatementFinalizer::operator()(sqlite3_stmt* statement) const
{
    sqlite3_finalize(statement);
}

// A write transaction that rolls back unless committed.
class RegistryStore::Transaction {
public:
    explicit Transaction(RegistryStore& store) : store_(store), status_(store.beginWrite()) {}
    ~Transaction()
    {
        if (sqlite3_get_autocommit(store_.db_.get()) != 0) return;
        const std::string earlier = store_.lastError_;
        if (store_.execute(store_.rollback_.get(), "cannot roll back") != RegistryStatus::ok)
            store_.lastError_ = earlier + "; " + store_.lastError_;
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    RegistryStatus status() const { return status_; }
    RegistryStatus commit() { return store_.execute(store_.commit_.get(), "cannot commit"); }

private:
    RegistryStore& store_;
    RegistryStatus status_;
};

std::unique_ptr<RegistryStore> RegistryStore::open(const std::string& filePath, std::string& error,
                                                   int busyTimeoutMs)
{
    std::string reason;
    auto refused = [&]() -> std::unique_ptr<RegistryStore> {
        error = "registry store " + filePath + ": " + reason;
        return nullptr;
    };
    if (!checkFileHeader(filePath, reason) || !createParentFolders(filePath, reason)) return refused();
    DatabasePtr db = openDatabase(filePath, busyTimeoutMs, reason);
    if (!db) return refused();
    FileStamp stamp;
    if (!readStamp(db.get(), stamp, reason) || !acceptStamp(stamp, reason)) return refused();
    if (!stamp.isEmpty() && !passesQuickCheck(db.get(), reason)) return refused();
    if (!configure(db.get(), reason)) return refused();
    if (stamp.isEmpty() && !createSchema(db.get(), reason)) return refused();

    std::unique_ptr<RegistryStore> store(new RegistryStore(std::move(db)));
    if (!store->prepareStatements(reason)) return refused();
    error.clear();
    return store;
}

std::unique_ptr<RegistryStore> RegistryStore::openInMemory(std::string& error)
{
    std::string reason;
    DatabasePtr db = openDatabase(":memory:", 0, reason);
    std::unique_ptr<RegistryStore> store;
    if (db && configure(db.get(), reason) && createSchema(db.get(), reason)) {
        store.reset(new RegistryStore(std::move(db)));
        if (!store->prepareStatements(reason)) store.reset();
    }
    if (!store) {
        error = "registry store in memory: " + reason;
        return nullptr;
    }
    error.clear();
    return store;
}

RegistryStore::RegistryStore(DatabasePtr db) : db_(std::move(db)) {}

RegistryStore::~RegistryStore() = default;

bool RegistryStore::prepareStatements(std::string& error)
{
    const struct {
        StatementPtr& statement;
        const char* sql;
    } statements[] = {
        {begin_, "BEGIN IMMEDIATE"},
        {commit_, "COMMIT"},
        {rollback_, "ROLLBACK"},
        {findKey_, "SELECT id FROM keys WHERE path = ?1"},
        {insertKey_, "INSERT INTO keys(path, parent_id, class) VALUES(?1, ?2, ?3)"},
        {hasSubKeys_, "SELECT EXISTS(SELECT 1 FROM keys WHERE parent_id = ?1)"},
        {deleteKey_, "DELETE FROM keys WHERE id = ?1"},
        {selectValue_, "SELECT type, data FROM \"values\" WHERE key_id = ?1 AND name = ?2"},
        {upsertValue_,
         "INSERT OR REPLACE INTO \"values\"(key_id, name, type, data) VALUES(?1, ?2, ?3, ?4)"},
    };
    for (const auto& [statement, sql] : statements) {
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v3(db_.get(), sql, -1, SQLITE_PREPARE_PERSISTENT, &raw, nullptr) !=
            SQLITE_OK) {
            error = describe(db_.get(), std::string("the file's tables are not usable (") + sql + ")");
            return false;
        }
        statement.reset(raw);
    }
    return true;
}

RegistryStatus RegistryStore::execute(sqlite3_stmt* statement, std::string_view what)
{
    ResetOnExit reset(statement);
    if (sqlite3_step(statement) != SQLITE_DONE) return fail(what);
    return RegistryStatus::ok;
}

// The write lock is taken at the start (BEGIN IMMEDIATE), after waiting up to
// the busy timeout for another connection to release it.
RegistryStatus RegistryStore::beginWrite()
{
    const RegistryStatus status = execute(begin_.get(), "cannot start a transaction");
    if (status != RegistryStatus::ok && (sqlite3_extended_errcode(db_.get()) & 0xFF) == SQLITE_BUSY)
        return RegistryStatus::busy;
    return status;
}

RegistryStatus RegistryStore::fail(std::string_view what)
{
    lastError_ = describe(db_.get(), what);
    return RegistryStatus::failed;
}

RegistryStatus RegistryStore::refuse(std::string message)
{
    lastError_ = std::move(message);
    return RegistryStatus::failed;
}

RegistryStatus RegistryStore::findKey(std::string_view path, std::int64_t& id)
{
    ResetOnExit reset(findKey_.get());
    if (bindText(findKey_.get(), 1, path) != SQLITE_OK) return fail("cannot look up a key");
    const int result = sqlite3_step(findKey_.get());
    if (result == SQLITE_DONE) return RegistryStatus::notFound;
    if (result != SQLITE_ROW) return fail("cannot look up a key");
    id = sqlite3_column_int64(findKey_.get(), 0);
    return RegistryStatus::ok;
}

RegistryStatus RegistryStore::insertKey(std::string_view path, const std::int64_t* parentId,
                                        std::string_view keyClass, std::int64_t& id)
{
    sqlite3_stmt* statement = insertKey_.get();
    ResetOnExit reset(statement);
    const int parentBound = parentId ? sqlite3_bind_int64(statement, 2, *parentId)
                                     : sqlite3_bind_null(statement, 2);
    if (bindText(statement, 1, path) != SQLITE_OK || parentBound != SQLITE_OK ||
        bindText(statement, 3, keyClass) != SQLITE_OK)
        return fail("cannot create a key");
    if (sqlite3_step(statement) != SQLITE_DONE) return fail("cannot create a key");
    id = sqlite3_last_insert_rowid(db_.get());
    return RegistryStatus::ok;
}

RegistryStatus RegistryStore::hasSubKeys(std::int64_t id, bool& result)
{
    ResetOnExit reset(hasSubKeys_.get());
    if (sqlite3_bind_int64(hasSubKeys_.get(), 1, id) != SQLITE_OK ||
        sqlite3_step(hasSubKeys_.get()) != SQLITE_ROW)
        return fail("cannot look for sub-keys");
    result = sqlite3_column_int(hasSubKeys_.get(), 0) != 0;
    return RegistryStatus::ok;
}

RegistryStatus RegistryStore::createKeyChain(std::string_view path, std::string_view keyClass,
                                             std::int64_t& id, bool& created)
{
    std::int64_t parentId = 0;
    const std::int64_t* parent = nullptr;
    for (std::size_t end = 0;; ++end) {
        end = path.find('\\', end);
        const std::string_view prefix = path.substr(0, end);
        RegistryStatus status = findKey(prefix, id);
        created = status == RegistryStatus::notFound;
        if (created) status = insertKey(prefix, parent, keyClass, id);
        if (status != RegistryStatus::ok) return status;
        if (end == std::string_view::npos) return RegistryStatus::ok;
        parentId = id;
        parent = &parentId;
    }
}

RegistryStatus RegistryStore::keyIdOf(RegistryKey key, std::int64_t& id)
{
    const auto found = handles_.find(key);
    if (found == handles_.end()) return refuse("unknown or closed key handle " + std::to_string(key));
    id = found->second;
    return RegistryStatus::ok;
}

RegistryKey RegistryStore::newHandle(std::int64_t id)
{
    do {
        ++lastHandle_;
    } while (lastHandle_ == 0 || handles_.contains(lastHandle_));
    handles_.emplace(lastHandle_, id);
    return lastHandle_;
}

RegistryStatus RegistryStore::createKey(std::string_view path, std::string_view keyClass,
                                        RegistryKey& key, bool& created)
{
    key = 0;
    created = false;
    if (!isValidPath(path)) return refuse("invalid key path");
    if (!isValidText(keyClass)) return refuse("invalid key class");
    Transaction transaction(*this);
    if (transaction.status() != RegistryStatus::ok) return transaction.status();
    std::int64_t id = 0;
    bool isNew = false;
    RegistryStatus status = createKeyChain(path, keyClass, id, isNew);
    if (status == RegistryStatus::ok) status = transaction.commit();
    if (status != RegistryStatus::ok) return status;
    created = isNew;
    key = newHandle(id);
    return RegistryStatus::ok;
}

RegistryStatus RegistryStore::openKey(std::string_view path, RegistryKey& key)
{
    key = 0;
    if (!isValidPath(path)) return refuse("invalid key path");
    std::int64_t id = 0;
    const RegistryStatus status = findKey(path, id);
    if (status == RegistryStatus::ok) key = newHandle(id);
    return status;
}

RegistryStatus RegistryStore::queryValue(RegistryKey key, std::string_view name, void* buffer,
                                         std::uint32_t& size, ValueType* type)
{
    std::int64_t keyId = 0;
    if (keyIdOf(key, keyId) != RegistryStatus::ok) return RegistryStatus::failed;
    if (!isValidText(name)) return refuse("invalid value name");
    sqlite3_stmt* statement = selectValue_.get();
    ResetOnExit reset(statement);
    if (sqlite3_bind_int64(statement, 1, keyId) != SQLITE_OK || bindText(statement, 2, name) != SQLITE_OK)
        return fail("cannot read a value");
    const int result = sqlite3_step(statement);
    if (result == SQLITE_DONE) return RegistryStatus::notFound;
    if (result != SQLITE_ROW) return fail("cannot read a value");

    const auto storedType = static_cast<ValueType>(static_cast<std::uint32_t>(sqlite3_column_int64(statement, 0)));
    const void* data = sqlite3_column_blob(statement, 1);
    const int length = sqlite3_column_bytes(statement, 1);
    if (data == nullptr && sqlite3_errcode(db_.get()) == SQLITE_NOMEM) return fail("cannot read a value");
    if (type) *type = storedType;
    const std::uint32_t capacity = buffer ? size : 0;
    size = static_cast<std::uint32_t>(length);
    if (size > capacity) {
        // The part that fits is filled in, so that a short read can look at
        // the start of a long value (the saved games identify their owner so).
        if (capacity > 0) std::memcpy(buffer, data, capacity);
        return RegistryStatus::moreData;
    }
    if (size > 0) std::memcpy(buffer, data, size);
    return RegistryStatus::ok;
}

RegistryStatus RegistryStore::setValue(RegistryKey key, std::string_view name, ValueType type,
                                       const void* data, std::uint32_t size)
{
    // A transaction of its own, so that waiting for another writer ends in
    // busy like every other write.
    const ValueWrite value{name, type, data, size};
    return setValues(key, {&value, 1});
}

RegistryStatus RegistryStore::setValues(RegistryKey key, std::span<const ValueWrite> values)
{
    std::int64_t keyId = 0;
    if (keyIdOf(key, keyId) != RegistryStatus::ok) return RegistryStatus::failed;
    Transaction transaction(*this);
    if (transaction.status() != RegistryStatus::ok) return transaction.status();
    for (const ValueWrite& value : values) {
        const RegistryStatus status = writeValue(keyId, value);
        if (status != RegistryStatus::ok) return status;  // the transaction rolls back
    }
    return transaction.commit();
}

RegistryStatus RegistryStore::writeValue(std::int64_t keyId, const ValueWrite& value)
{
    if (!isValidText(value.name)) return refuse("invalid value name");
    if (value.data == nullptr && value.size > 0)
        return refuse("no data for a value of " + std::to_string(value.size) + " bytes");
    sqlite3_stmt* statement = upsertValue_.get();
    ResetOnExit reset(statement);
    // An empty value is bound as a zero-length blob, never as NULL.
    const int dataBound = value.size == 0 ? sqlite3_bind_zeroblob(statement, 4, 0)
                                          : sqlite3_bind_blob64(statement, 4, value.data, value.size, SQLITE_STATIC);
    if (sqlite3_bind_int64(statement, 1, keyId) != SQLITE_OK || bindText(statement, 2, value.name) != SQLITE_OK ||
        sqlite3_bind_int64(statement, 3, static_cast<std::uint32_t>(value.type)) != SQLITE_OK ||
        dataBound != SQLITE_OK)
        return fail("cannot write a value");
    if (sqlite3_step(statement) != SQLITE_DONE) {
        if (sqlite3_extended_errcode(db_.get()) == SQLITE_CONSTRAINT_FOREIGNKEY)
            return refuse("cannot write a value: the key has been deleted");
        return fail("cannot write a value");
    }
    return RegistryStatus::ok;
}

RegistryStatus RegistryStore::deleteKey(std::string_view path)
{
    if (!isValidPath(path)) return refuse("invalid key path");
    Transaction transaction(*this);
    if (transaction.status() != RegistryStatus::ok) return transaction.status();
    std::int64_t id = 0;
    RegistryStatus status = findKey(path, id);
    if (status != RegistryStatus::ok) return status;
    bool busy = false;
    status = hasSubKeys(id, busy);
    if (status != RegistryStatus::ok) return status;
    if (busy) return refuse("cannot delete a key that has sub-keys");
    sqlite3_stmt* statement = deleteKey_.get();
    {
        ResetOnExit reset(statement);
        if (sqlite3_bind_int64(statement, 1, id) != SQLITE_OK || sqlite3_step(statement) != SQLITE_DONE)
            return fail("cannot delete a key");
    }
    return transaction.commit();
}

void RegistryStore::closeKey(RegistryKey key)
{
    handles_.erase(key);
}

}  // namespace velmora
