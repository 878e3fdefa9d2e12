// The rows and columns of keyboard play: how units fall into bands, which
// units a band keeps, and how steps wrap.
#include <gtest/gtest.h>

#include "navigation_lists.h"

namespace velmora {
namespace {

NavigationUnit unit(std::uint16_t id, int left, int top, int width = 20, int height = 27)
{
    return NavigationUnit{id, Rect::fromSize(left, top, width, height)};
}

TEST(NavigationBands, ABandReachesTheStartingUnitsSizePlusOne)
{
    // Unit 0 starts the first row at 10 with height 9 (a strip), so the row
    // covers 10..19 exclusive: 19 still joins, 20 starts the next row.
    const NavigationLists lists = buildNavigationLists(
        {unit(0, 0, 10, 20, 9), unit(1, 30, 19), unit(2, 60, 20), unit(3, 90, 47)});
    EXPECT_EQ(lists.rows, (NavigationBands{{0, 1}, {2, 3}}));
    // Columns by left edge: widths 20 give bands of 21 pixels.
    EXPECT_EQ(lists.columns, (NavigationBands{{0}, {1}, {2}, {3}}));
}

TEST(NavigationBands, UnitsRunLeftToRightAndTopToBottomWhateverTheirOrder)
{
    const NavigationLists lists =
        buildNavigationLists({unit(0, 90, 5), unit(1, 10, 0), unit(2, 50, 3), unit(3, 12, 60), unit(4, 8, 40)});
    EXPECT_EQ(lists.rows, (NavigationBands{{1, 2, 0}, {4, 3}}));
    EXPECT_EQ(lists.columns, (NavigationBands{{1, 4, 3}, {2}, {0}}));
}

TEST(NavigationBands, OfUnitsAtTheSameLeftARowKeepsTheUpperOneWhichTheColumnStillHoldsBoth)
{
    // A fanned column: strips of 9 pixels put two cards into one row band.
    const NavigationLists lists = buildNavigationLists(
        {unit(0, 10, 40, 20, 9), unit(1, 10, 49, 20, 9), unit(2, 10, 58, 20, 27), unit(3, 40, 45)});
    EXPECT_EQ(lists.rows, (NavigationBands{{0, 3}, {2}}));
    EXPECT_EQ(lists.columns, (NavigationBands{{0, 1, 2}, {3}}));
    // Of units at the same top a column keeps the left one.
    const NavigationLists sameTop = buildNavigationLists({unit(0, 10, 0), unit(1, 20, 0)});
    EXPECT_EQ(sameTop.columns, (NavigationBands{{0}}));
    EXPECT_EQ(sameTop.rows, (NavigationBands{{0, 1}}));
}

TEST(NavigationBands, UnitsAboveOrLeftOfTheFieldBelongToNoBand)
{
    const NavigationLists lists = buildNavigationLists({unit(0, -5, 10), unit(1, 10, 10)});
    EXPECT_EQ(lists.rows, (NavigationBands{{0, 1}}));
    EXPECT_EQ(lists.columns, (NavigationBands{{1}}));
    EXPECT_FALSE(buildNavigationLists({}).present());
}

TEST(NavigationSteps, StepsRunThroughTheBandsAndWrapBothWays)
{
    const NavigationBands rows{{1, 2}, {3}, {4, 5}};
    EXPECT_EQ(stepInBands(rows, 1, StepDirection::next), 2);
    EXPECT_EQ(stepInBands(rows, 2, StepDirection::next), 3);
    EXPECT_EQ(stepInBands(rows, 5, StepDirection::next), 1);      // last row wraps to the first
    EXPECT_EQ(stepInBands(rows, 1, StepDirection::previous), 5);  // first entry to the last row's last
    EXPECT_EQ(stepInBands(rows, 4, StepDirection::previous), 3);
    EXPECT_EQ(stepInBands(rows, 9, StepDirection::next), std::nullopt);
    EXPECT_EQ(stepInBands(NavigationBands{{7}}, 7, StepDirection::next), 7);
}

TEST(NavigationSteps, AUnitMissingFromOneKindStepsFromTheNearestEarlierEntryOfItsOtherBand)
{
    const NavigationBands rows{{0, 3}, {2}};
    const NavigationBands columns{{0, 1, 2}, {3}};
    EXPECT_EQ(nearestEarlierIn(rows, columns, 1), 0);
    EXPECT_EQ(nearestEarlierIn(rows, NavigationBands{{1, 0}}, 1), std::nullopt);
    EXPECT_EQ(nearestEarlierIn(rows, columns, 8), std::nullopt);
}

TEST(NavigationSteps, TheNearestEntryIsJudgedByTheSumOfDistancesAndTheFirstWinsATie)
{
    const NavigationLists lists{{{0, 1}}, {{0}, {1}}};
    const auto corner = [](std::uint16_t id) { return id == 0 ? Point{0, 0} : Point{10, 0}; };
    EXPECT_EQ(nearestEntry(lists, Point{5, 3}, corner), 0);
    EXPECT_EQ(nearestEntry(lists, Point{6, 0}, corner), 1);
    EXPECT_EQ(nearestInBand({1, 0}, Point{5, 0}, corner), 1);
}

}  // namespace
}  // namespace velmora
