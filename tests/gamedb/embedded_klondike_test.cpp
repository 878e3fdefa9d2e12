// The Klondike of the embedded database is the original record: everything
// but the description equals the bytes the reference fixture builds.
#include <gtest/gtest.h>

#include "game_database.h"
#include "klondike_record.h"
#include "record_decoder.h"
#include "record_encoder.h"
#include "record_loader.h"

namespace velmora {
namespace {

std::optional<GameDefinition> embeddedGame(const std::string& name)
{
    ResourceTable resources;
    addGameDatabase(resources);
    for (int index = 0; index < gameCount(resources); ++index) {
        const std::optional<Bytes> record = loadRuleRecord(resources, static_cast<RecordIndex>(index));
        if (!record)
            return std::nullopt;
        DecodedRecord decoded = decodeRuleRecord(*record, ScreenMetrics{});
        if (decoded && decoded.definition->name == name)
            return decoded.definition;
    }
    return std::nullopt;
}

TEST(EmbeddedDatabase, KlondikeIsTheOriginalRecord)
{
    std::optional<GameDefinition> embedded = embeddedGame("Klondike");
    ASSERT_TRUE(embedded.has_value());
    GameDefinition reference = testing::klondikeDefinition();
    // Decoding adapted both the same way; compare the record bytes with the
    // reference's description put in.
    const DecodedRecord adapted = decodeRuleRecord(encodeRuleRecord(reference), ScreenMetrics{});
    ASSERT_TRUE(adapted);
    reference = *adapted.definition;
    embedded->description = reference.description;
    EXPECT_EQ(encodeRuleRecord(*embedded), encodeRuleRecord(reference));
    EXPECT_EQ(embedded->id, 212);
}

}  // namespace
}  // namespace velmora
