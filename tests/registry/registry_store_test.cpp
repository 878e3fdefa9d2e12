#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "store_fixture.h"
#include "store_lock.h"

namespace velmora::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes pattern(std::size_t size)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return bytes;
}

// Reads a value whole; fails the test if it is missing.
Bytes readValue(Registry& registry, RegistryKey key, const std::string& name, ValueType* type = nullptr)
{
    std::uint32_t size = 0;
    EXPECT_EQ(registry.queryValue(key, name, nullptr, size, nullptr), RegistryStatus::moreData);
    Bytes bytes(size);
    EXPECT_EQ(registry.queryValue(key, name, bytes.data(), size, type), RegistryStatus::ok);
    EXPECT_EQ(size, bytes.size());
    return bytes;
}

TEST_F(StoreTest, ValuesOfEveryTypeAndSizeRoundTrip)
{
    auto store = openStore();
    const RegistryKey key = create(*store, storeRoot("Velmora") + "\\prefs");
    const std::uint32_t dword = 0xFFFFFFFF;
    const Bytes one = pattern(1), forty = pattern(40), large = pattern(3 << 20);
    ASSERT_EQ(store->setValue(key, "curSolId", ValueType::dword, &dword, 4), RegistryStatus::ok);
    ASSERT_EQ(store->setValue(key, "timedGame", ValueType::binary, one.data(), 1), RegistryStatus::ok);
    ASSERT_EQ(store->setValue(key, "lastPlayed", ValueType::none, forty.data(), 40), RegistryStatus::ok);
    ASSERT_EQ(store->setValue(key, "data", ValueType::binary, large.data(), large.size()), RegistryStatus::ok);
    ASSERT_EQ(store->setValue(key, "empty", ValueType::binary, nullptr, 0), RegistryStatus::ok);

    std::uint32_t readBack = 0, size = 4;
    ValueType type = ValueType::none;
    EXPECT_EQ(store->queryValue(key, "curSolId", &readBack, size, &type), RegistryStatus::ok);
    EXPECT_EQ(readBack, dword);
    EXPECT_EQ(type, ValueType::dword);
    EXPECT_EQ(readValue(*store, key, "timedGame", &type), one);
    EXPECT_EQ(type, ValueType::binary);
    EXPECT_EQ(readValue(*store, key, "lastPlayed", &type), forty);
    EXPECT_EQ(type, ValueType::none);
    EXPECT_EQ(readValue(*store, key, "data"), large);

    // An empty value exists and fits any buffer, even none at all.
    size = 0;
    EXPECT_EQ(store->queryValue(key, "empty", nullptr, size, &type), RegistryStatus::ok);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(type, ValueType::binary);

    // Writing again replaces type and length.
    ASSERT_EQ(store->setValue(key, "data", ValueType::dword, &dword, 4), RegistryStatus::ok);
    EXPECT_EQ(readValue(*store, key, "data", &type), Bytes(4, 0xFF));
    EXPECT_EQ(type, ValueType::dword);
}

// A batch is one commit: when one of its values is refused, none is written.
TEST_F(StoreTest, ABatchOfValuesIsWrittenWholeOrNotAtAll)
{
    auto store = openStore();
    const RegistryKey key = create(*store, "Root\\gameState0");
    const std::uint32_t oldSize = 3, newSize = 5;
    const Bytes oldData = pattern(3), newData = pattern(5);
    const ValueWrite first[] = {{"size", ValueType::dword, &oldSize, 4}, {"data", ValueType::binary, oldData.data(), 3}};
    ASSERT_EQ(store->setValues(key, first), RegistryStatus::ok);

    const ValueWrite refused[] = {{"size", ValueType::dword, &newSize, 4},
                                  {"data", ValueType::binary, nullptr, 5},  // no bytes: refused
                                  {"failed", ValueType::binary, newData.data(), 1}};
    EXPECT_EQ(store->setValues(key, refused), RegistryStatus::failed);
    EXPECT_EQ(readValue(*store, key, "size"), Bytes({3, 0, 0, 0}));
    EXPECT_EQ(readValue(*store, key, "data"), oldData);
    std::uint32_t size = 0;
    EXPECT_EQ(store->queryValue(key, "failed", nullptr, size, nullptr), RegistryStatus::notFound);

    const ValueWrite second[] = {{"size", ValueType::dword, &newSize, 4}, {"data", ValueType::binary, newData.data(), 5}};
    ASSERT_EQ(store->setValues(key, second), RegistryStatus::ok);
    EXPECT_EQ(readValue(*store, key, "data"), newData);
    // Single writes still work after a batch, and a closed key is refused.
    ASSERT_EQ(store->setValue(key, "size", ValueType::dword, &oldSize, 4), RegistryStatus::ok);
    store->closeKey(key);
    EXPECT_EQ(store->setValues(key, second), RegistryStatus::failed);
}

// Another process holding the write lock makes every write answer busy,
// which callers may tell from damage, while reads go on; nothing is written.
TEST_F(StoreTest, WritesAnswerBusyWhileAnotherProcessHoldsTheWriteLock)
{
    auto store = openStore();
    const RegistryKey key = create(*store, "Root\\gameState0");
    const std::uint8_t zero = 0, one = 1;
    ASSERT_EQ(store->setValue(key, "failed", ValueType::binary, &zero, 1), RegistryStatus::ok);
    store.reset();
    std::string error;
    store = RegistryStore::open(pathOf("store.db"), error, 20);
    ASSERT_NE(store, nullptr) << error;
    RegistryKey reopened = 0;
    ASSERT_EQ(store->openKey("Root\\gameState0", reopened), RegistryStatus::ok);

    StoreWriteLock writer(pathOf("store.db"));
    EXPECT_EQ(store->setValue(reopened, "failed", ValueType::binary, &one, 1), RegistryStatus::busy);
    const ValueWrite batch[] = {{"failed", ValueType::binary, &one, 1}};
    EXPECT_EQ(store->setValues(reopened, batch), RegistryStatus::busy);
    RegistryKey other = 0;
    bool created = false;
    EXPECT_EQ(store->createKey("Root\\gameState1", kAppDataClass, other, created), RegistryStatus::busy);
    EXPECT_EQ(store->deleteKey("Root\\gameState0"), RegistryStatus::busy);
    EXPECT_EQ(readValue(*store, reopened, "failed"), Bytes{0});
    writer.release();

    EXPECT_EQ(store->setValue(reopened, "failed", ValueType::binary, &one, 1), RegistryStatus::ok);
    EXPECT_EQ(readValue(*store, reopened, "failed"), Bytes{1});
}

TEST_F(StoreTest, TooSmallBufferAnswersMoreDataWithTheLengthAndTheStartOfTheValue)
{
    auto store = openStore();
    const RegistryKey key = create(*store, "A");
    const Bytes name = pattern(34);
    ASSERT_EQ(store->setValue(key, "lastEnteredName", ValueType::none, name.data(), 34), RegistryStatus::ok);

    Bytes buffer(32, 0xEE);
    std::uint32_t size = 32;
    EXPECT_EQ(store->queryValue(key, "lastEnteredName", buffer.data(), size, nullptr), RegistryStatus::moreData);
    EXPECT_EQ(size, 34u);
    EXPECT_EQ(buffer, Bytes(name.begin(), name.begin() + 32));

    // A larger buffer than needed is fine and reports the true length.
    buffer.assign(64, 0);
    size = 64;
    EXPECT_EQ(store->queryValue(key, "lastEnteredName", buffer.data(), size, nullptr), RegistryStatus::ok);
    EXPECT_EQ(size, 34u);
    EXPECT_TRUE(std::equal(name.begin(), name.end(), buffer.begin()));

    size = 8;
    EXPECT_EQ(store->queryValue(key, "missing", buffer.data(), size, nullptr), RegistryStatus::notFound);
}

TEST_F(StoreTest, CreateKeyMakesParentsAndTellsCreatedFromExisted)
{
    auto store = openStore();
    bool created = false;
    store->closeKey(create(*store, "SOFTWARE\\Trelk\\Velmora\\gameState3", &created));
    EXPECT_TRUE(created);
    for (const char* parent : {"SOFTWARE", "SOFTWARE\\Trelk", "SOFTWARE\\Trelk\\Velmora"}) {
        RegistryKey key = 0;
        EXPECT_EQ(store->openKey(parent, key), RegistryStatus::ok) << parent;
        EXPECT_NE(key, 0u);
    }
    store->closeKey(create(*store, "SOFTWARE\\Trelk\\Velmora", &created));
    EXPECT_FALSE(created);
    store->closeKey(create(*store, "SOFTWARE\\Trelk\\Velmora\\gameState3", &created));
    EXPECT_FALSE(created);

    RegistryKey key = 0;
    EXPECT_EQ(store->openKey("SOFTWARE\\Trelk\\Other", key), RegistryStatus::notFound);
    for (const char* bad : {"", "\\A", "A\\", "A\\\\B"}) {
        EXPECT_EQ(store->createKey(bad, kAppDataClass, key, created), RegistryStatus::failed) << bad;
        EXPECT_EQ(store->openKey(bad, key), RegistryStatus::failed) << bad;
    }
}

TEST_F(StoreTest, PathsAndValueNamesIgnoreCase)
{
    auto store = openStore();
    const RegistryKey key = create(*store, "Software\\Trelk\\Prefs");
    const std::uint32_t value = 5;
    ASSERT_EQ(store->setValue(key, "timeLimit", ValueType::dword, &value, 4), RegistryStatus::ok);

    bool created = true;
    const RegistryKey other = create(*store, "SOFTWARE\\TRELK\\prefs", &created);
    EXPECT_FALSE(created);
    std::uint32_t readBack = 0, size = 4;
    EXPECT_EQ(store->queryValue(other, "TIMELIMIT", &readBack, size, nullptr), RegistryStatus::ok);
    EXPECT_EQ(readBack, 5u);
    EXPECT_EQ(store->deleteKey("software\\trelk\\PREFS"), RegistryStatus::ok);
}

TEST_F(StoreTest, DeleteRemovesValuesAndRefusesKeysWithSubKeys)
{
    auto store = openStore();
    const RegistryKey slot = create(*store, "Root\\gameState0");
    const Bytes data = pattern(100);
    ASSERT_EQ(store->setValue(slot, "data", ValueType::binary, data.data(), 100), RegistryStatus::ok);
    store->closeKey(slot);

    EXPECT_EQ(store->deleteKey("Root"), RegistryStatus::failed);
    EXPECT_FALSE(store->lastError().empty());
    EXPECT_EQ(store->deleteKey("Root\\gameState0"), RegistryStatus::ok);
    EXPECT_EQ(store->deleteKey("Root\\gameState0"), RegistryStatus::notFound);

    bool created = false;
    const RegistryKey again = create(*store, "Root\\gameState0", &created);
    EXPECT_TRUE(created);
    std::uint32_t size = 0;
    EXPECT_EQ(store->queryValue(again, "data", nullptr, size, nullptr), RegistryStatus::notFound);
    store->closeKey(again);
    EXPECT_EQ(store->deleteKey("Root\\gameState0"), RegistryStatus::ok);
    EXPECT_EQ(store->deleteKey("Root"), RegistryStatus::ok);
}

TEST_F(StoreTest, HandlesOfDeletedOrClosedKeysAreRefusedWithoutReachingOtherKeys)
{
    auto store = openStore();
    const RegistryKey doomed = create(*store, "Doomed");
    ASSERT_EQ(store->deleteKey("Doomed"), RegistryStatus::ok);
    // A new key must not take over the deleted key's identity.
    const RegistryKey fresh = create(*store, "Fresh");
    const std::uint8_t one = 1;
    ASSERT_EQ(store->setValue(fresh, "failed", ValueType::binary, &one, 1), RegistryStatus::ok);

    std::uint8_t byte = 0;
    std::uint32_t size = 1;
    EXPECT_EQ(store->queryValue(doomed, "failed", &byte, size, nullptr), RegistryStatus::notFound);
    EXPECT_EQ(store->setValue(doomed, "failed", ValueType::binary, &one, 1), RegistryStatus::failed);
    EXPECT_NE(store->lastError().find("deleted"), std::string::npos) << store->lastError();

    store->closeKey(fresh);
    for (RegistryKey gone : {fresh, RegistryKey{0}, RegistryKey{9999}}) {
        EXPECT_EQ(store->queryValue(gone, "failed", &byte, size, nullptr), RegistryStatus::failed);
        EXPECT_EQ(store->setValue(gone, "failed", ValueType::binary, &one, 1), RegistryStatus::failed);
    }
    EXPECT_EQ(store->setValue(doomed, "x", ValueType::binary, nullptr, 4), RegistryStatus::failed);
}

TEST_F(StoreTest, ReopenedStoreKeepsEverything)
{
    const Bytes favList = pattern(6);
    {
        auto store = openStore();
        const RegistryKey prefs = create(*store, storeRoot("Velmora") + "\\prefs");
        ASSERT_EQ(store->setValue(prefs, "favList", ValueType::binary, favList.data(), 6), RegistryStatus::ok);
        store->closeKey(create(*store, storeRoot("Velmora") + "\\statistics\\Klondike"));
        ASSERT_EQ(store->deleteKey(storeRoot("Velmora") + "\\statistics\\Klondike"), RegistryStatus::ok);
    }
    auto store = openStore();
    bool created = true;
    const RegistryKey prefs = create(*store, storeRoot("Velmora") + "\\prefs", &created);
    EXPECT_FALSE(created);
    ValueType type = ValueType::none;
    EXPECT_EQ(readValue(*store, prefs, "favList", &type), favList);
    EXPECT_EQ(type, ValueType::binary);
    RegistryKey key = 0;
    EXPECT_EQ(store->openKey(storeRoot("Velmora") + "\\statistics", key), RegistryStatus::ok);
    EXPECT_EQ(store->openKey(storeRoot("Velmora") + "\\statistics\\Klondike", key), RegistryStatus::notFound);
}

TEST_F(StoreTest, ManyKeysEachKeepTheirOwnValues)
{
    auto store = openStore();
    constexpr std::uint32_t kCount = 300;
    std::vector<RegistryKey> keys;
    for (std::uint32_t i = 0; i < kCount; ++i) {
        keys.push_back(create(*store, "Games\\game" + std::to_string(i)));
        ASSERT_EQ(store->setValue(keys.back(), "n", ValueType::dword, &i, 4), RegistryStatus::ok);
    }
    for (std::uint32_t i = 0; i < kCount; ++i) {
        for (std::uint32_t j = 0; j < i; ++j) ASSERT_NE(keys[i], keys[j]);
        std::uint32_t value = 0, size = 4;
        ASSERT_EQ(store->queryValue(keys[i], "n", &value, size, nullptr), RegistryStatus::ok);
        EXPECT_EQ(value, i);
    }
}

}  // namespace
}  // namespace velmora::testing
