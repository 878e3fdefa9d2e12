// Statistics through the real store: recording, reading, clearing, the
// stored bytes, names with top-bit characters, damage and failures.
#include <gtest/gtest.h>

#include "faulty_registry.h"
#include "registry_values.h"
#include "statistics.h"
#include "store_keys.h"
#include "store_fixture.h"

namespace velmora {
namespace {

using namespace velmora::testing;
using ByteList = std::vector<std::uint8_t>;

const std::string kRoot = storeRoot("Velmora");
const std::string kStatistics = "SOFTWARE\\Trelk Software\\Velmora\\Velmora\\statistics\\";

class StatisticsTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        store = openStore();
        statistics = std::make_unique<StatisticsStore>(*store, kRoot);
    }

    std::unique_ptr<RegistryStore> store;
    std::unique_ptr<StatisticsStore> statistics;
};

TEST_F(StatisticsTest, PlaysAccumulateIntoTheStoredRecord)
{
    EXPECT_EQ(statistics->read("Klondike"), StatisticsRecord{});
    EXPECT_TRUE(keyExists(*store, kStatistics + "Klondike"));  // an empty key, no value yet
    EXPECT_FALSE(readValue(*store, kStatistics + "Klondike", "data").has_value());

    EXPECT_TRUE(statistics->recordPlay("Klondike", true, 125));
    EXPECT_TRUE(statistics->recordPlay("Klondike", false, 0));  // New Game right after the deal
    EXPECT_TRUE(statistics->recordPlay("Klondike", true, 0x01020304));
    EXPECT_EQ(statistics->read("Klondike"), (StatisticsRecord{3, 2, 125 + 0x01020304}));

    const std::optional<StoredValue> data = readValue(*store, kStatistics + "Klondike", "data");
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(data->type, ValueType::dword);
    EXPECT_EQ(data->bytes, (ByteList{3, 0, 2, 0, 0x81, 0x03, 0x02, 0x01}));

    EXPECT_EQ(statistics->read("FreeCell"), StatisticsRecord{});
    EXPECT_TRUE(statistics->clear("Klondike"));
    EXPECT_EQ(statistics->read("Klondike"), StatisticsRecord{});
    EXPECT_EQ(readValue(*store, kStatistics + "Klondike", "data")->bytes, ByteList(8, 0));
}

TEST_F(StatisticsTest, NamesAreKeyedWithoutTheirTopBits)
{
    EXPECT_TRUE(statistics->recordPlay("Caf\xE9", true, 10));
    EXPECT_TRUE(keyExists(*store, kStatistics + "Cafi"));
    // A name that becomes the same key name shares the record.
    EXPECT_TRUE(statistics->recordPlay("Cafi", false, 5));
    EXPECT_EQ(statistics->read("Caf\xE9"), (StatisticsRecord{2, 1, 15}));
    // A byte that would turn into a separator does not make a nested key.
    EXPECT_TRUE(statistics->recordPlay("A\xDC" "B", false, 1));
    EXPECT_TRUE(keyExists(*store, kStatistics + "A_B"));
    EXPECT_FALSE(keyExists(*store, kStatistics + "A"));
    EXPECT_EQ(gameKeyName(std::string("A\\B\0C\x80", 6)), "A_B_C_");
}

TEST_F(StatisticsTest, DamagedRecordsCountAsZerosAndCountersStopAtTheirLimits)
{
    writeValue(*store, kStatistics + "Golf", "data", ValueType::binary, {9, 0, 9, 0});
    EXPECT_EQ(statistics->read("Golf"), StatisticsRecord{});
    EXPECT_TRUE(statistics->recordPlay("Golf", false, 30));
    EXPECT_EQ(readValue(*store, kStatistics + "Golf", "data")->bytes, (ByteList{1, 0, 0, 0, 30, 0, 0, 0}));

    // More games won than played: the record contradicts itself and counts
    // as zeros; the next game starts it afresh.
    writeValue(*store, kStatistics + "Golf", "data", ValueType::dword, {2, 0, 3, 0, 50, 0, 0, 0});
    EXPECT_EQ(statistics->read("Golf"), StatisticsRecord{});
    EXPECT_TRUE(statistics->recordPlay("Golf", true, 20));
    EXPECT_EQ(statistics->read("Golf"), (StatisticsRecord{1, 1, 20}));

    // Only the size counts, not the type.
    writeValue(*store, kStatistics + "Golf", "data", ValueType::none, {0xFF, 0xFF, 0xFE, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF});
    EXPECT_TRUE(statistics->recordPlay("Golf", true, 100));
    EXPECT_TRUE(statistics->recordPlay("Golf", true, 1));
    EXPECT_EQ(statistics->read("Golf"), (StatisticsRecord{0xFFFF, 0xFFFF, 0xFFFFFFFF}));
}

TEST_F(StatisticsTest, RefusedWritesLeaveTheRecordAsItWas)
{
    EXPECT_TRUE(statistics->recordPlay("Yukon", true, 40));
    FaultyRegistry faulty(*store);
    StatisticsStore failing(faulty, kRoot);
    faulty.refusedWrites = {"data"};
    EXPECT_FALSE(failing.recordPlay("Yukon", true, 40));
    EXPECT_FALSE(failing.clear("Yukon"));
    faulty.refuseKeys = true;
    EXPECT_FALSE(failing.recordPlay("Yukon", false, 1));
    EXPECT_EQ(failing.read("Yukon"), StatisticsRecord{});
    EXPECT_EQ(statistics->read("Yukon"), (StatisticsRecord{1, 1, 40}));
}

// A store that takes writes but gives no answer to a read (it failed, or
// was busy): the record it holds is unknown and may be whole, so the game
// goes uncounted instead of replacing the record.
TEST_F(StatisticsTest, ARecordTheStoreCannotGiveIsNeverWrittenOverAsIfEmpty)
{
    ASSERT_TRUE(statistics->recordPlay("Yukon", true, 40));
    ASSERT_TRUE(statistics->recordPlay("Yukon", false, 60));
    const StatisticsRecord stored{2, 1, 100};
    FaultyRegistry faulty(*store);
    StatisticsStore failing(faulty, kRoot);
    faulty.refuseReads = true;
    for (const RegistryStatus refusal : {RegistryStatus::failed, RegistryStatus::busy}) {
        faulty.readRefusal = refusal;
        EXPECT_FALSE(failing.recordPlay("Yukon", true, 30));
        EXPECT_EQ(failing.read("Yukon"), StatisticsRecord{});
        EXPECT_EQ(statistics->read("Yukon"), stored);
    }
    // A game never played has nothing to lose: its new key is counted from zero.
    EXPECT_TRUE(failing.recordPlay("Spider", true, 30));
    EXPECT_EQ(statistics->read("Spider"), (StatisticsRecord{1, 1, 30}));

    faulty.refuseReads = false;
    EXPECT_TRUE(failing.recordPlay("Yukon", true, 30));
    EXPECT_EQ(statistics->read("Yukon"), (StatisticsRecord{3, 2, 130}));
}

}  // namespace
}  // namespace velmora
