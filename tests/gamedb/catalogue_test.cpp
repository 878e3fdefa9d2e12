#include <gtest/gtest.h>

#include "catalogue.h"
#include "database_image.h"
#include "klondike_record.h"

namespace velmora::gamedb {
namespace {

TEST(Catalogue, ReadsEveryTableBackInRecordIndexOrder)
{
    GameDefinition klondike = testing::klondikeDefinition();
    GameDefinition other = klondike;
    other.id = 5;
    other.name = "Aces Up";
    other.category = 0;
    other.skill = 0;
    other.playTime = 0;
    other.extraCategories = {7, 2};
    ResourceTable table;
    addToTable(buildDatabaseImage({klondike, other}), table);

    const std::vector<CatalogueEntry> entries = readCatalogue(table);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "Aces Up");
    EXPECT_EQ(entries[0].id, 5);
    EXPECT_EQ(entries[0].category, kOtherCategory);
    EXPECT_EQ(entries[0].extraCategories, (std::vector<int>{7, 2}));
    EXPECT_EQ(entries[0].skill, 1);
    EXPECT_EQ(entries[0].timeClass, 1);
    EXPECT_EQ(entries[1].name, "Klondike");
    EXPECT_EQ(entries[1].index, 1);
    EXPECT_EQ(entries[1].id, 212);
    EXPECT_EQ(entries[1].category, 7);
    EXPECT_TRUE(entries[1].extraCategories.empty());
    EXPECT_EQ(entries[1].timeClass, 2);
    EXPECT_STREQ(categoryName(entries[1].category), "Klondike");
    EXPECT_STREQ(categoryName(kOtherCategory), "Other");
    EXPECT_STREQ(timeClassName(2), "3-5m");
}

TEST(Catalogue, MissingTablesLeaveDefaults)
{
    ResourceTable table;
    addToTable(buildDatabaseImage({testing::klondikeDefinition()}), table);
    ResourceTable sizesOnly;
    const ByteView sizes = *table.find("SOLSIZE", 3915);
    sizesOnly.add("SOLSIZE", 3915, Bytes(sizes.begin(), sizes.end()));
    const std::vector<CatalogueEntry> entries = readCatalogue(sizesOnly);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "");
    EXPECT_EQ(entries[0].category, kOtherCategory);
    EXPECT_TRUE(readCatalogue(ResourceTable{}).empty());
}

}  // namespace
}  // namespace velmora::gamedb
