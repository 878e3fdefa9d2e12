// Another process writing to a store file: a connection of its own that holds
// the write lock (others may still read) until release() or the end of the
// object.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

namespace velmora::testing {

class StoreWriteLock {
public:
    explicit StoreWriteLock(const std::string& path)
    {
        EXPECT_EQ(sqlite3_open(path.c_str(), &db_), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db_);
    }
    ~StoreWriteLock() { release(); }
    StoreWriteLock(const StoreWriteLock&) = delete;
    StoreWriteLock& operator=(const StoreWriteLock&) = delete;

    void release()
    {
        if (db_ == nullptr)
            return;
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
        db_ = nullptr;
    }

private:
    sqlite3* db_ = nullptr;
};

}  // namespace velmora::testing
