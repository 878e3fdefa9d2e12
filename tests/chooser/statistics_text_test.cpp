#include <gtest/gtest.h>

#include "statistics_text.h"
#include "time_text.h"

namespace velmora {
namespace {

TEST(StatisticsText, MinutesAndSeconds)
{
    EXPECT_EQ(formatMinutesSeconds(9), "0:09");
    EXPECT_EQ(formatMinutesSeconds(60), "1:00");
    EXPECT_EQ(formatMinutesSeconds(3605), "60:05");
    EXPECT_EQ(formatMinutesSeconds(7507), "125:07");
}

TEST(StatisticsText, FiguresRoundDownAndNeverDivideByZero)
{
    const auto figures = [](StatisticsRecord record) {
        const StatisticsFigures f = statisticsFigures(record);
        return f.gamesPlayed + " " + f.gamesWon + " " + f.winRate + " " + f.totalTime + " " + f.averageTime;
    };
    EXPECT_EQ(figures({}), "0 0 0% 0:00 0:00");
    EXPECT_EQ(figures({3, 2, 7507}), "3 2 66% 125:07 41:42");
    EXPECT_EQ(figures({10, 10, 909}), "10 10 100% 15:09 1:30");  // an average of 90.9 s
    EXPECT_EQ(figures({65535, 65534, 0xFFFFFFFF}), "65535 65534 99% 71582788:15 1092:17");
    EXPECT_EQ(statisticsFigures({2, 5, 0}).winRate, "100%");  // damaged: more won than played
}

}  // namespace
}  // namespace velmora
