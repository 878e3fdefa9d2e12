// The database build: ordering, chunking, catalogue tables, rejection of
// conflicting games, and reproducible output.
#include <sstream>

#include <gtest/gtest.h>

#include "database_image.h"
#include "klondike_record.h"
#include "record_decoder.h"
#include "record_loader.h"
#include "resource_source.h"

namespace velmora::gamedb {
namespace {

GameDefinition game(SolitaireId id, std::string name)
{
    GameDefinition d = testing::klondikeDefinition();
    d.id = id;
    d.name = std::move(name);
    return d;
}

std::uint16_t u16At(const Bytes& bytes, std::size_t index)
{
    return static_cast<std::uint16_t>(bytes[2 * index] | (bytes[2 * index + 1] << 8));
}

TEST(DatabaseImage, GamesAreOrderedByNameAndChunkedBySixtyFour)
{
    std::vector<GameDefinition> games;
    for (int i = 0; i < 130; ++i)
        games.push_back(game(static_cast<SolitaireId>(799 - i), "Game " + std::to_string(1000 + (i * 37) % 130)));
    games[5].extraCategories = {3, 9};
    const DatabaseImage image = buildDatabaseImage(games);

    ASSERT_EQ(image.names.size(), 130u);
    EXPECT_TRUE(std::is_sorted(image.names.begin(), image.names.end()));
    EXPECT_TRUE(image.resources.count({"SOLDB", 3922}));
    EXPECT_FALSE(image.resources.count({"SOLDB", 3923}));
    EXPECT_EQ(image.resources.at({"SOLSIZE", 3915}).size(), 260u);
    EXPECT_EQ(image.resources.at({"SOLSKILL", 3913}).size(), 130u);
    EXPECT_EQ(image.resources.at({"SOLACAT", 3912}).size(), 8u);

    ResourceTable table;
    addToTable(image, table);
    EXPECT_EQ(gameCount(table), 130);
    const Bytes& ids = image.resources.at({"SOLID", 3910});
    for (RecordIndex index : {0, 63, 64, 129}) {
        const std::optional<Bytes> record = loadRuleRecord(table, index);
        ASSERT_TRUE(record.has_value()) << index;
        const DecodedRecord decoded = decodeRuleRecord(*record, ScreenMetrics{});
        ASSERT_TRUE(decoded) << decoded.message;
        EXPECT_EQ(decoded.definition->name, image.names[index]);
        EXPECT_EQ(decoded.definition->id, u16At(ids, index));
        const Bytes& name = image.resources.at({"STRING", 4000 + index});
        EXPECT_EQ(std::string(name.begin(), name.end()), image.names[index]);
    }
}

TEST(DatabaseImage, NamesSortWithoutRegardToCase)
{
    const DatabaseImage image = buildDatabaseImage({game(1, "beta"), game(2, "Alpha"), game(3, "Gamma")});
    EXPECT_EQ(image.names, (std::vector<std::string>{"Alpha", "beta", "Gamma"}));
}

TEST(DatabaseImage, ConflictingOrInvalidGamesFailTheBuild)
{
    EXPECT_THROW(buildDatabaseImage({game(1, "A"), game(1, "B")}), DatabaseError);
    EXPECT_THROW(buildDatabaseImage({game(1, "Same"), game(2, "SAME")}), DatabaseError);
    EXPECT_THROW(buildDatabaseImage({game(800, "Too far")}), DatabaseError);
    EXPECT_THROW(buildDatabaseImage({game(1, "")}), DatabaseError);
    GameDefinition broken = game(4, "Broken");
    broken.piles[2].acceptProgram = 40;
    try {
        buildDatabaseImage({broken});
        FAIL() << "a record with an out-of-range program was accepted";
    } catch (const DatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("Broken"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("accept program 40"), std::string::npos);
    }
}

TEST(DatabaseImage, TheSameGamesGiveTheSameBytes)
{
    auto source = [] {
        std::vector<GameDefinition> games;
        for (int i = 0; i < 70; ++i)
            games.push_back(game(static_cast<SolitaireId>(i), "G" + std::to_string(i)));
        std::ostringstream out;
        writeResourceSource(buildDatabaseImage(games), out);
        return out.str();
    };
    const std::string first = source();
    EXPECT_EQ(first, source());
    EXPECT_NE(first.find("addStatic(\"SOLDB\", 3921"), std::string::npos);
}

}  // namespace
}  // namespace velmora::gamedb
