#include <gtest/gtest.h>

#include "clock.h"
#include "gui_fixture.h"
#include "screen.h"

namespace velmora::testing {
namespace {

class ScreenTest : public GuiTest {
protected:
    void TearDown() override
    {
        setPixelsPerInchOverride(std::nullopt);
        GuiTest::TearDown();
    }
};

TEST_F(ScreenTest, ScalingFollowsTheIntegerFormulaAtEachResolution)
{
    struct Case {
        int dpi;
        int scaledOne, scaled26, scaled240;
        double scale;
        bool vga, medium;
    };
    // (n * dpi + 48) / 96 in integers; 131 dpi rounds 26 down to 35.
    const Case cases[] = {{96, 1, 26, 240, 1.0, false, false},
                          {192, 2, 52, 480, 2.0, true, false},
                          {131, 1, 35, 328, 131 / 96.0, false, true}};
    for (const Case& c : cases) {
        setPixelsPerInchOverride(c.dpi);
        setScreenMetrics(readScreenMetrics(BuildConfiguration::standard));
        EXPECT_EQ(screenMetrics().dpiX, c.dpi);
        EXPECT_EQ(screenMetrics().dpiY, c.dpi);
        EXPECT_EQ(ScaleX(1), c.scaledOne) << c.dpi;
        EXPECT_EQ(ScaleY(26), c.scaled26) << c.dpi;
        EXPECT_EQ(ScaleX(240), c.scaled240) << c.dpi;
        EXPECT_DOUBLE_EQ(dpiScale(), c.scale);
        EXPECT_EQ(isVga(), c.vga);
        EXPECT_EQ(isMediumScale(screenMetrics()), c.medium);
    }
}

TEST_F(ScreenTest, WithoutAnOverrideTheOffscreenScreenReadsAs96)
{
    setPixelsPerInchOverride(std::nullopt);
    const ScreenMetrics metrics = readScreenMetrics(BuildConfiguration::vga);
    EXPECT_EQ(metrics.dpiX, 96);
    EXPECT_EQ(metrics.configuration, BuildConfiguration::vga);
}

TEST(ClockTest, TheProgramClockCanBeReplacedAndTheManualClockMovesBySeconds)
{
    ManualClock manual(5000, 10);
    EXPECT_NE(&programClock(), &manual);
    {
        ScopedProgramClock scoped(manual);
        EXPECT_EQ(programClock().now(), 5000);
        programClock().sleep(1500);
        EXPECT_EQ(programClock().now(), 5001);
        EXPECT_EQ(programClock().tickCount(), 1510u);
        manual.advanceMilliseconds(500);
        EXPECT_EQ(programClock().now(), 5002) << "the half seconds add up";
    }
    EXPECT_EQ(&programClock(), &systemClock());
    const std::uint32_t before = systemClock().tickCount();
    systemClock().sleep(20);
    EXPECT_GE(systemClock().tickCount() - before, 19u);
}

}  // namespace
}  // namespace velmora::testing
