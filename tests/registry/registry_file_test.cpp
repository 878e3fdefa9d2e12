// Opening the store file: what a fresh file is stamped with, and which files
// are refused. A refused file must be left exactly as it was found.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <random>
#include <string>
#include <vector>

#include "store_fixture.h"

namespace velmora::testing {
namespace {

// Runs SQL on a file through a separate connection, as another program would.
void runSql(const std::string& path, const std::string& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* message = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message), SQLITE_OK) << message;
    sqlite3_free(message);
    sqlite3_close(db);
}

std::string pragma(const std::string& path, const std::string& name)
{
    sqlite3* db = nullptr;
    std::string answer;
    if (sqlite3_open(path.c_str(), &db) == SQLITE_OK) {
        sqlite3_exec(db, ("PRAGMA " + name).c_str(),
                     [](void* out, int, char** values, char**) {
                         *static_cast<std::string*>(out) = values[0] ? values[0] : "";
                         return 0;
                     },
                     &answer, nullptr);
    }
    sqlite3_close(db);
    return answer;
}

class StoreFileTest : public StoreTest {
protected:
    // Expects the file to be refused with a message containing reason, and
    // left byte for byte as it was.
    void expectRefusedUnchanged(const std::string& path, const std::string& reason)
    {
        const std::vector<char> before = readFile(path);
        std::string error;
        EXPECT_EQ(RegistryStore::open(path, error), nullptr);
        EXPECT_NE(error.find(reason), std::string::npos) << error;
        EXPECT_NE(error.find(path), std::string::npos) << error;
        EXPECT_EQ(readFile(path), before);
    }
};

TEST_F(StoreFileTest, FreshFileIsCreatedInNewFoldersAndStamped)
{
    const std::string path = pathOf("a/b/registry.db");
    std::string error;
    auto store = RegistryStore::open(path, error);
    ASSERT_NE(store, nullptr) << error;
    EXPECT_TRUE(error.empty());
    EXPECT_EQ(pragma(path, "application_id"), std::to_string(RegistryStore::kApplicationId));
    EXPECT_EQ(pragma(path, "user_version"), "1");
    EXPECT_EQ(pragma(path, "journal_mode"), "wal");
}

TEST_F(StoreFileTest, EmptyFileIsTakenAsFresh)
{
    writeFile(pathOf("store.db"), {});
    auto store = openStore();
    ASSERT_NE(store, nullptr);
    store->closeKey(create(*store, "A"));
}

TEST_F(StoreFileTest, ForeignSqliteFilesAreRefusedUnchanged)
{
    const std::string stamped = pathOf("stamped.db");
    runSql(stamped, "PRAGMA application_id = 1234; CREATE TABLE t(x); INSERT INTO t VALUES(1);");
    expectRefusedUnchanged(stamped, "another program");

    // Another program's database without any stamp is not taken as empty.
    const std::string unstamped = pathOf("unstamped.db");
    runSql(unstamped, "CREATE TABLE keys(x); INSERT INTO keys VALUES(1);");
    expectRefusedUnchanged(unstamped, "another program");
}

TEST_F(StoreFileTest, GarbageFilesAreRefusedUnchanged)
{
    std::mt19937 random(42);
    for (std::size_t size : {10u, 100u, 8192u}) {
        std::vector<char> bytes(size);
        for (char& byte : bytes) byte = static_cast<char>(random());
        const std::string path = pathOf("garbage" + std::to_string(size) + ".db");
        writeFile(path, bytes);
        expectRefusedUnchanged(path, "not a registry store");
    }
}

TEST_F(StoreFileTest, NewerLayoutIsRefusedUnchanged)
{
    openStore().reset();
    runSql(pathOf("store.db"), "PRAGMA user_version = 2;");
    expectRefusedUnchanged(pathOf("store.db"), "newer version");
}

TEST_F(StoreFileTest, DamagedStoreIsRefusedUnchanged)
{
    {
        auto store = openStore();
        const std::vector<char> filler(600, 'x');
        for (int i = 0; i < 200; ++i) {
            const RegistryKey key = create(*store, "Key" + std::to_string(i));
            ASSERT_EQ(store->setValue(key, "v", ValueType::binary, filler.data(), 600), RegistryStatus::ok);
        }
    }
    const std::string path = pathOf("store.db");
    std::vector<char> bytes = readFile(path);
    ASSERT_GT(bytes.size(), 20000u);
    // Scribble over the b-tree pages past the first, keeping the header intact.
    for (std::size_t i = 5000; i < bytes.size(); i += 97) bytes[i] = static_cast<char>(0xA5);
    writeFile(path, bytes);

    const std::vector<char> before = readFile(path);
    std::string error;
    EXPECT_EQ(RegistryStore::open(path, error), nullptr);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readFile(path), before);
}

TEST_F(StoreFileTest, UnusableLocationsAreReported)
{
    writeFile(pathOf("plain"), {'x'});
    std::string error;
    EXPECT_EQ(RegistryStore::open(pathOf("plain/sub/store.db"), error), nullptr);
    EXPECT_NE(error.find("cannot create the folder"), std::string::npos) << error;

    std::filesystem::create_directory(pathOf("folder.db"));
    EXPECT_EQ(RegistryStore::open(pathOf("folder.db"), error), nullptr);
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
}

}  // namespace
}  // namespace velmora::testing
