#include <gtest/gtest.h>

#include "statistics_text.h"
#include "time_text.h"

namespace velmora {
namespace {

TEST(StatisticsText, MinutesAndSeconds)
{
    EXPECT_EQ(formatMinutesSeconds(0), "0:00");
    EXPECT_EQ(formatMinutesSeconds(9), "0:09");
    EXPECT_EQ(formatMinutesSeconds(59), "0:59");
    EXPECT_EQ(formatMinutesSeconds(60), "1:00");
    EXPECT_EQ(formatMinutesSeconds(600), "10:00");
    EXPECT_EQ(formatMinutesSeconds(3605), "60:05");
    EXPECT_EQ(formatMinutesSeconds(7507), "125:07");
    EXPECT_EQ(formatMinutesSeconds(0xFFFFFFFF), "71582788:15");
}

TEST(StatisticsText, FiguresOfANeverPlayedGameAreZeros)
{
    const StatisticsFigures figures = statisticsFigures({});
    EXPECT_EQ(figures.gamesPlayed, "0");
    EXPECT_EQ(figures.gamesWon, "0");
    EXPECT_EQ(figures.winRate, "0%");
    EXPECT_EQ(figures.totalTime, "0:00");
    EXPECT_EQ(figures.averageTime, "0:00");
}

TEST(StatisticsText, RatesAndAveragesAreRoundedDown)
{
    const StatisticsFigures figures = statisticsFigures({3, 2, 7507});
    EXPECT_EQ(figures.gamesPlayed, "3");
    EXPECT_EQ(figures.gamesWon, "2");
    EXPECT_EQ(figures.winRate, "66%");
    EXPECT_EQ(figures.totalTime, "125:07");
    EXPECT_EQ(figures.averageTime, "41:42");  // 2502.33 s

    EXPECT_EQ(statisticsFigures({10, 10, 909}).averageTime, "1:30");  // 90.9 s
    EXPECT_EQ(statisticsFigures({10, 10, 909}).winRate, "100%");
    EXPECT_EQ(statisticsFigures({65535, 65534, 0}).winRate, "99%");
    EXPECT_EQ(statisticsFigures({2, 5, 0}).winRate, "100%");  // damaged: more won than played
    EXPECT_EQ(statisticsFigures({65535, 0, 0xFFFFFFFF}).averageTime, "1092:17");
}

}  // namespace
}  // namespace velmora
