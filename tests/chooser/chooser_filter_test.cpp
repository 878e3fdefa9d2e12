// Changing the filters, taking them from and back to the preferences, and
// their display texts.
#include <gtest/gtest.h>

#include "chooser_filter.h"
#include "chooser_icons.h"

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
    EXPECT_TRUE(chooseFilterValue(filter, FilterKind::time, 4));
    EXPECT_TRUE(chooseFilterValue(filter, FilterKind::letter, 26));
    EXPECT_FALSE(chooseFilterValue(filter, FilterKind::letter, 27));
    EXPECT_EQ(filter, (ChooserFilter{.category = 11, .time = 4, .letter = 26}));

    EXPECT_TRUE(resetFilter(filter));
    EXPECT_EQ(filter, ChooserFilter{});
    EXPECT_FALSE(resetFilter(filter));
    filter.favourites = 1;
    EXPECT_TRUE(resetFilter(filter));
    EXPECT_EQ(filter.favourites, 0);
}

TEST(ChooserFilter, StoredValuesOutOfRangeReadAsAll)
{
    Preferences preferences;
    preferences.filterCat = 11;
    preferences.filterSkill = 4;
    preferences.filterTime = -3;
    preferences.filterLetter = 26;
    preferences.filterFav = 1;
    const ChooserFilter filter = filterFromPreferences(preferences);
    EXPECT_EQ(filter, (ChooserFilter{.category = 11, .skill = 0, .time = 0, .letter = 26, .favourites = 1}));

    Preferences stored;
    storeFilter(ChooserFilter{.category = 3, .skill = 2, .time = 1, .letter = 9, .favourites = 1}, stored);
    EXPECT_EQ(stored.filterCat, 3);
    EXPECT_EQ(stored.filterSkill, 2);
    EXPECT_EQ(stored.filterTime, 1);
    EXPECT_EQ(stored.filterLetter, 9);
    EXPECT_EQ(stored.filterFav, 1);
}

TEST(ChooserFilter, DisplayTexts)
{
    EXPECT_EQ(categoryFilterName(0), "All");
    EXPECT_EQ(categoryFilterName(5), "40Thieves");
    EXPECT_EQ(categoryFilterName(11), "Other");
    EXPECT_EQ(categoryFilterName(12), "");
    EXPECT_EQ(timeFilterName(0), "All");
    EXPECT_EQ(timeFilterName(4), ">10m");
    EXPECT_EQ(letterFilterName(0), "All");
    EXPECT_EQ(letterFilterName(1), "A");
    EXPECT_EQ(letterFilterName(26), "Z");
    EXPECT_EQ(letterFilterName(27), "");
}

TEST(ChooserFilter, LetterPopupColumns)
{
    EXPECT_EQ(letterColumn(0), 0);
    EXPECT_EQ(letterColumn(9), 1);   // "I" heads the second column
    EXPECT_EQ(letterColumn(26), 2);  // "Z" is the third column's last row
    EXPECT_EQ(letterRow(26), 8);
    EXPECT_EQ(letterAt(2, 8), 26);
    EXPECT_EQ(letterAt(1, 0), 9);
    EXPECT_EQ(letterAt(2, 9), -1);
    EXPECT_EQ(letterAt(3, 0), -1);
}

TEST(ChooserIcons, EachConfigurationHasItsOwnNumbers)
{
    EXPECT_EQ(categoryIconId(1, BuildConfiguration::vga), 270);
    EXPECT_EQ(categoryIconId(10, BuildConfiguration::standard), 259);
    EXPECT_EQ(categoryIconId(11, BuildConfiguration::vga), 0);
    EXPECT_EQ(skillIconId(3, BuildConfiguration::vga), 282);
    EXPECT_EQ(timeIconId(1, BuildConfiguration::standard), 263);
    EXPECT_EQ(timeIconId(5, BuildConfiguration::standard), 0);
    EXPECT_EQ(chooserIconId(ChooserIcon::all, BuildConfiguration::standard), 290);
    EXPECT_EQ(chooserIconId(ChooserIcon::rightArrow, BuildConfiguration::vga), 297);
}

}  // namespace
}  // namespace velmora
