#include <gtest/gtest.h>

#include "database_builder.h"
#include "klondike_record.h"
#include "record_decoder.h"
#include "record_encoder.h"
#include "record_loader.h"

namespace velmora {
namespace {

using testing::buildDatabase;
using testing::klondikeDefinition;

// Klondike records that differ in name, id and description length, so that
// every record has its own size and its own bytes.
std::vector<Bytes> variedRecords(int count)
{
    std::vector<Bytes> records;
    GameDefinition definition = klondikeDefinition();
    const std::string description = definition.description;
    for (int i = 0; i < count; ++i) {
        definition.id = static_cast<SolitaireId>(i);
        definition.name = "Game " + std::to_string(i);
        definition.description = description + std::string(static_cast<std::size_t>(i % 37) * 11, 'a' + i % 26);
        records.push_back(encodeRuleRecord(definition));
    }
    return records;
}

Bytes littleEndian(const std::vector<std::uint16_t>& sizes)
{
    Bytes table;
    for (std::uint16_t size : sizes) {
        table.push_back(static_cast<std::uint8_t>(size & 0xFF));
        table.push_back(static_cast<std::uint8_t>(size >> 8));
    }
    return table;
}

Bytes chunk(const ResourceTable& resources, int number)
{
    const ByteView view = *resources.find(kDatabaseResourceType, kFirstChunkId + number);
    return Bytes(view.begin(), view.end());
}

TEST(RecordLoader, EveryRecordOfAMultiChunkDatabaseComesBackByteForByte)
{
    const std::vector<Bytes> records = variedRecords(130);  // chunks of 64, 64 and 2
    const ResourceTable resources = buildDatabase(records);
    ASSERT_EQ(gameCount(resources), 130);
    for (int i = 0; i < 130; ++i) {
        const std::optional<Bytes> record = loadRuleRecord(resources, static_cast<RecordIndex>(i));
        ASSERT_TRUE(record) << "record " << i;
        EXPECT_EQ(*record, records[static_cast<std::size_t>(i)]) << "record " << i;
        const DecodedRecord decoded = decodeRuleRecord(*record, ScreenMetrics{});
        EXPECT_TRUE(decoded) << "record " << i << ": " << decoded.message;
    }
    EXPECT_FALSE(loadRuleRecord(resources, 130));
}

TEST(RecordLoader, FullDatabaseEndsWithA32RecordChunk)
{
    const std::vector<Bytes> records = variedRecords(kMaxGames);
    const ResourceTable resources = buildDatabase(records);
    ASSERT_EQ(gameCount(resources), kMaxGames);
    EXPECT_TRUE(resources.find(kDatabaseResourceType, 3932));
    EXPECT_FALSE(resources.find(kDatabaseResourceType, 3933));
    for (RecordIndex i : {0, 63, 64, 767, 768, 798, 799})
        EXPECT_EQ(loadRuleRecord(resources, i), records[i]) << "record " << i;
    EXPECT_FALSE(loadRuleRecord(resources, 800));
}

TEST(RecordLoader, GameCountIsCappedAt800)
{
    ResourceTable resources;
    resources.add(kSizeTableResourceType, kSizeTableId, Bytes(2 * 900, 1));
    EXPECT_EQ(gameCount(resources), kMaxGames);
}

TEST(RecordLoader, LastRecordOfAChunkEndsExactlyAtTheStreamEnd)
{
    const std::vector<Bytes> records = variedRecords(64);
    ResourceTable resources = buildDatabase(records);
    EXPECT_EQ(loadRuleRecord(resources, 63), records[63]);

    // One byte more than the chunk holds: the stream ends first.
    std::vector<std::uint16_t> sizes;
    for (const Bytes& record : records)
        sizes.push_back(static_cast<std::uint16_t>(record.size()));
    ++sizes[63];
    resources.add(kSizeTableResourceType, kSizeTableId, littleEndian(sizes));
    EXPECT_FALSE(loadRuleRecord(resources, 63));
    EXPECT_EQ(loadRuleRecord(resources, 62), records[62]);
}

TEST(RecordLoader, MissingOrMalformedResourcesGiveNoRecord)
{
    const std::vector<Bytes> records = variedRecords(70);

    ResourceTable noSizes;
    noSizes.add(kDatabaseResourceType, kFirstChunkId, chunk(buildDatabase(records), 0));
    EXPECT_EQ(gameCount(noSizes), 0);
    EXPECT_FALSE(loadRuleRecord(noSizes, 0));

    ResourceTable noSecondChunk;
    noSecondChunk.add(kDatabaseResourceType, kFirstChunkId, chunk(buildDatabase(records), 0));
    noSecondChunk.add(kSizeTableResourceType, kSizeTableId, testing::sizeTable(records));
    EXPECT_EQ(loadRuleRecord(noSecondChunk, 5), records[5]);
    EXPECT_FALSE(loadRuleRecord(noSecondChunk, 64));

    ResourceTable oddSizes = buildDatabase(records);
    Bytes table = testing::sizeTable(records);
    table.push_back(0);
    oddSizes.add(kSizeTableResourceType, kSizeTableId, table);
    EXPECT_EQ(gameCount(oddSizes), 0);
    EXPECT_FALSE(loadRuleRecord(oddSizes, 0));
}

TEST(RecordLoader, ZeroSizeRecordGivesNoRecord)
{
    const std::vector<Bytes> records = variedRecords(2);
    ResourceTable resources = buildDatabase(records);
    resources.add(kSizeTableResourceType, kSizeTableId,
                  littleEndian({static_cast<std::uint16_t>(records[0].size()), 0}));
    EXPECT_TRUE(loadRuleRecord(resources, 0));
    EXPECT_FALSE(loadRuleRecord(resources, 1));
}

TEST(RecordLoader, DamagedChunksGiveNoRecord)
{
    const std::vector<Bytes> records = variedRecords(64);
    ResourceTable resources = buildDatabase(records);
    const Bytes intact = chunk(resources, 0);

    Bytes badHeader = intact;
    badHeader[0] ^= 0xFF;
    resources.add(kDatabaseResourceType, kFirstChunkId, badHeader);
    EXPECT_FALSE(loadRuleRecord(resources, 0));
    EXPECT_FALSE(loadRuleRecord(resources, 63));

    // A cut stream still yields the records it holds, never the later ones.
    resources.add(kDatabaseResourceType, kFirstChunkId, Bytes(intact.begin(), intact.begin() + intact.size() / 2));
    EXPECT_EQ(loadRuleRecord(resources, 0), records[0]);
    EXPECT_FALSE(loadRuleRecord(resources, 63));

    resources.add(kDatabaseResourceType, kFirstChunkId, Bytes{});
    EXPECT_FALSE(loadRuleRecord(resources, 0));

    resources.add(kDatabaseResourceType, kFirstChunkId, Bytes(intact.size(), 0x5A));
    EXPECT_FALSE(loadRuleRecord(resources, 0));
}

TEST(RecordLoader, AnySingleFlippedByteGivesNoRecordOrOneOfTheRightSize)
{
    const std::vector<Bytes> records = variedRecords(3);
    ResourceTable resources = buildDatabase(records);
    const Bytes intact = chunk(resources, 0);
    int rejected = 0;
    for (std::size_t at = 0; at < intact.size(); ++at) {
        Bytes damaged = intact;
        damaged[at] ^= 0x55;
        resources.add(kDatabaseResourceType, kFirstChunkId, damaged);
        for (RecordIndex i = 0; i < 3; ++i) {
            const std::optional<Bytes> record = loadRuleRecord(resources, i);
            if (record)
                EXPECT_EQ(record->size(), records[i].size());
            else
                ++rejected;
        }
    }
    EXPECT_GT(rejected, 0);
}

}  // namespace
}  // namespace velmora
