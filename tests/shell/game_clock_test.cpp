#include <gtest/gtest.h>

#include "game_clock.h"

namespace velmora {
namespace {

TEST(GameClock, CountsWallClockSecondsAfterTheFirstTickOfADeal)
{
    GameClock clock;
    clock.startDeal();
    EXPECT_FALSE(clock.tick(1000).secondPassed);  // only takes its base
    EXPECT_FALSE(clock.tick(1000).secondPassed);
    EXPECT_TRUE(clock.tick(1001).secondPassed);
    EXPECT_TRUE(clock.tick(1004).secondPassed);
    EXPECT_EQ(clock.elapsedSeconds(), 4u);
}

TEST(GameClock, PausedTimeNeverCounts)
{
    GameClock clock;
    clock.startDeal();
    clock.tick(100);
    clock.tick(110);
    clock.pause();
    EXPECT_FALSE(clock.tick(130).secondPassed);
    EXPECT_FALSE(clock.tick(140).secondPassed);
    clock.resume();
    clock.tick(140);  // resync: the new base
    clock.tick(142);
    EXPECT_EQ(clock.elapsedSeconds(), 12u);
}

TEST(GameClock, RestoredGameContinuesWithItsTime)
{
    GameClock clock;
    clock.restore(75);
    clock.tick(5000);
    clock.tick(5003);
    EXPECT_EQ(clock.elapsedSeconds(), 78u);
    clock.startDeal();
    EXPECT_EQ(clock.elapsedSeconds(), 0u);
}

TEST(GameClock, WallClockSetBackTakesTimeOffButNotBelowZero)
{
    GameClock clock;
    clock.startDeal();
    clock.tick(1000);
    clock.tick(1010);
    clock.tick(1005);
    EXPECT_EQ(clock.elapsedSeconds(), 5u);
    clock.tick(900);
    EXPECT_EQ(clock.elapsedSeconds(), 0u);
}

TEST(GameClock, TimeIsUpAtTheWholeMinute)
{
    GameClock clock;
    clock.restore(59);
    EXPECT_FALSE(clock.timeIsUp(1));
    clock.restore(60);
    EXPECT_TRUE(clock.timeIsUp(1));
    EXPECT_FALSE(clock.timeIsUp(3));
}

TEST(ClockText, MinutesUnpaddedAndTwoDigitSeconds)
{
    EXPECT_EQ(clockText(0), "0:00");
    EXPECT_EQ(clockText(5), "0:05");
    EXPECT_EQ(clockText(180), "3:00");
    EXPECT_EQ(clockText(761), "12:41");
    EXPECT_EQ(clockText(7500), "125:00");
}

TEST(ClockText, TimedGamesCountDownToZero)
{
    EXPECT_EQ(shownClockSeconds(0, true, 1), 60u);
    EXPECT_EQ(shownClockSeconds(60, true, 1), 0u);
    EXPECT_EQ(shownClockSeconds(75, true, 1), 0u);
    EXPECT_EQ(shownClockSeconds(75, false, 1), 75u);
}

}  // namespace
}  // namespace velmora
