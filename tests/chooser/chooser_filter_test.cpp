// Changing the filters and taking them from and back to the preferences.
#include <gtest/gtest.h>

#include "chooser_filter.h"

namespace velmora {
namespace {

TEST(ChooserFilter, OnlyANewValueInRangeChangesAFilter)
{
    ChooserFilter filter;
    EXPECT_TRUE(chooseFilterValue(filter, FilterKind::category, 11));
    EXPECT_FALSE(chooseFilterValue(filter, FilterKind::category, 11));  // already active: no rebuild
    EXPECT_FALSE(chooseFilterValue(filter, FilterKind::category, 12));
    EXPECT_FALSE(chooseFilterValue(filter, FilterKind::skill, 4));
    EXPECT_FALSE(chooseFilterValue(filter, FilterKind::time, -1));
    EXPECT_TRUE(chooseFilterValue(filter, FilterKind::letter, letterAt(2, 8)));
    EXPECT_EQ(letterFilterName(filter.letter), "Z");
    EXPECT_EQ(letterAt(2, 9), -1);
    EXPECT_EQ(filter, (ChooserFilter{.category = 11, .letter = 26}));

    EXPECT_TRUE(resetFilter(filter));
    EXPECT_EQ(filter, ChooserFilter{});
    EXPECT_FALSE(resetFilter(filter));
    filter.favourites = 1;
    EXPECT_TRUE(resetFilter(filter));
}

TEST(ChooserFilter, StoredValuesOutOfRangeReadAsAll)
{
    Preferences preferences;
    preferences.filterCat = 11, preferences.filterSkill = 4, preferences.filterTime = -3;
    preferences.filterLetter = 26, preferences.filterFav = 1;
    const ChooserFilter filter = filterFromPreferences(preferences);
    EXPECT_EQ(filter, (ChooserFilter{.category = 11, .skill = 0, .time = 0, .letter = 26, .favourites = 1}));

    Preferences stored;
    storeFilter(ChooserFilter{.category = 3, .skill = 2, .time = 1, .letter = 9, .favourites = 1}, stored);
    EXPECT_EQ(filterFromPreferences(stored),
              (ChooserFilter{.category = 3, .skill = 2, .time = 1, .letter = 9, .favourites = 1}));
}

}  // namespace
}  // namespace velmora
