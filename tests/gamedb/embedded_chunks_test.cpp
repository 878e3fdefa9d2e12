// The shipped database spans several compressed chunks of 64 records: every
// record loads whichever chunk holds it and in whatever order records are
// asked for, agrees with the catalogue, and an index past the end is refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "game_database.h"
#include "record_decoder.h"
#include "record_loader.h"

namespace velmora {
namespace {

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

TEST(EmbeddedChunks, EveryRecordLoadsOnBothSidesOfEachChunkBoundaryInAnyOrder)
{
    ResourceTable resources;
    addGameDatabase(resources);
    const int count = gameCount(resources);
    ASSERT_GT(count, 64) << "the shipped database should span more than one chunk";

    std::vector<Bytes> forward;
    for (int index = 0; index < count; ++index) {
        const std::optional<Bytes> record = loadRuleRecord(resources, static_cast<RecordIndex>(index));
        ASSERT_TRUE(record.has_value()) << "record " << index;
        forward.push_back(*record);
    }
    // Backwards, so that each load crosses into the chunk before.
    for (int index = count - 1; index >= 0; --index) {
        const std::optional<Bytes> record = loadRuleRecord(resources, static_cast<RecordIndex>(index));
        ASSERT_TRUE(record.has_value()) << "record " << index;
        EXPECT_EQ(*record, forward[static_cast<std::size_t>(index)]) << "record " << index;
    }
    EXPECT_FALSE(loadRuleRecord(resources, static_cast<RecordIndex>(count)).has_value());

    std::set<SolitaireId> ids;
    std::string previous;
    for (int index = 0; index < count; ++index) {
        const DecodedRecord decoded = decodeRuleRecord(forward[static_cast<std::size_t>(index)], ScreenMetrics{});
        ASSERT_TRUE(decoded) << "record " << index << ": " << decoded.message;
        const std::string name = lowered(decoded.definition->name);
        EXPECT_LT(previous, name) << "record " << index << " is out of name order";
        previous = name;
        EXPECT_TRUE(ids.insert(decoded.definition->id).second) << decoded.definition->name << ": id used twice";
        EXPECT_LT(forward[static_cast<std::size_t>(index)].size(), 65535u / 4) << decoded.definition->name;
    }
}

}  // namespace
}  // namespace velmora
