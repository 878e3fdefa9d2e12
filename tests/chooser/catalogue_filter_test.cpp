// The filter predicate and the listed games on a small hand-made catalogue
// whose rows cover the cases: a stored category 0, extra categories (one of
// them 0, one for an unknown id), lower-case and non-ASCII first letters.
#include <gtest/gtest.h>

#include "game_catalogue.h"

namespace velmora {
namespace {

using Indices = std::vector<int>;

struct Row {
    const char* name;
    SolitaireId id;
    std::uint16_t category;
    std::uint8_t skill;  // stored: level - 1
    std::uint8_t time;   // stored: class - 1
};

const Row kRows[] = {
    {"Abandon Hope", 614, 0, 0, 0},
    {"accordion", 0, 0, 0, 1},
    {"Baker's Dozen", 30, 3, 1, 2},
    {"Canfield", 68, 2, 0, 1},
    {"\xC3\x89t\xC3\xA9", 5, 1, 1, 1},  // "Été"
    {"Zodiac", 447, 0, 2, 3},
};

void putU16(Bytes& bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

ResourceTable smallCatalogue()
{
    ResourceTable table;
    Bytes sizes, ids, categories, skills, times;
    int index = 0;
    for (const Row& row : kRows) {
        putU16(sizes, 100);
        putU16(ids, row.id);
        putU16(categories, row.category);
        skills.push_back(row.skill);
        times.push_back(row.time);
        const std::string name = row.name;
        table.add(kStringResourceType, kFirstGameNameString + index++, Bytes(name.begin(), name.end()));
    }
    Bytes extras;
    for (const auto& [id, code] : {std::pair{68, 7}, std::pair{999, 4}, std::pair{68, 0}}) {
        putU16(extras, static_cast<std::uint16_t>(id));
        putU16(extras, static_cast<std::uint16_t>(code));
    }
    table.add(kSizeTableResourceType, kSizeTableId, sizes);
    table.add(kIdTableType, kIdTableId, ids);
    table.add(kCategoryTableType, kCategoryTableId, categories);
    table.add(kExtraCategoryTableType, kExtraCategoryTableId, extras);
    table.add(kSkillTableType, kSkillTableId, skills);
    table.add(kTimeTableType, kTimeTableId, times);
    return table;
}

class CatalogueFilterTest : public ::testing::Test {
protected:
    Indices listed(ChooserFilter filter) const { return catalogue.listedGames(filter, favourites); }

    Catalogue catalogue{smallCatalogue()};
    FavouritesList favourites;
};

TEST_F(CatalogueFilterTest, EachFilterNarrowsTheListInRecordIndexOrder)
{
    EXPECT_EQ(listed({}), (Indices{0, 1, 2, 3, 4, 5}));
    // Category: the main or an extra one; stored 0 is "Other".
    EXPECT_EQ(listed({.category = kOtherCategory}), (Indices{0, 1, 3, 5}));
    EXPECT_EQ(listed({.category = 2}), (Indices{3}));
    EXPECT_EQ(listed({.category = 7}), (Indices{3}));
    EXPECT_EQ(listed({.category = 4}), (Indices{kNoGameMarker}));  // only the unknown id had it
    EXPECT_EQ(listed({.skill = 2}), (Indices{2, 4}));
    EXPECT_EQ(listed({.time = 2}), (Indices{1, 3, 4}));
    EXPECT_EQ(listed({.letter = 1}), (Indices{0, 1}));  // "A" and "a"
    EXPECT_EQ(listed({.letter = 5}), (Indices{kNoGameMarker}));  // "É" is not "E"
    EXPECT_EQ(listed({.letter = 26}), (Indices{5}));
    EXPECT_EQ(listed({.category = kOtherCategory, .skill = 1, .time = 2}), (Indices{1, 3}));
    EXPECT_EQ(Catalogue{ResourceTable{}}.listedGames({}, favourites), (Indices{kNoGameMarker}));
}

TEST_F(CatalogueFilterTest, FavouritesModeListsOnlyFavourites)
{
    EXPECT_EQ(listed({.letter = 1, .favourites = 1}), (Indices{kNoGameMarker}));
    favourites.add(447);
    favourites.add(0);
    EXPECT_EQ(listed({.favourites = 1}), (Indices{1, 5}));  // RecordIndex order, not the order added
    EXPECT_EQ(listed({.skill = 3, .favourites = 1}), (Indices{5}));
    favourites.remove(0);
    favourites.remove(447);
    EXPECT_EQ(listed({.favourites = 1}), (Indices{kNoGameMarker}));
}

}  // namespace
}  // namespace velmora
