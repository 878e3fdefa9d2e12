#include <gtest/gtest.h>

#include "select_solitaire_layout.h"

namespace velmora {
namespace {

constexpr ScreenMetrics kStandard{96, 96, BuildConfiguration::standard};
constexpr ScreenMetrics kVga{192, 192, BuildConfiguration::vga};
constexpr ScreenMetrics kMedium{144, 144, BuildConfiguration::standard};

TEST(ChooserLayoutTest, PlacesEveryControlOnAStandardScreen)
{
    const ChooserLayout layout = chooserLayout(240, 294, kStandard);
    EXPECT_EQ(layout.categoryButton, Rect::fromSize(5, 5, 71, 20));
    EXPECT_EQ(layout.skillButton, Rect::fromSize(81, 5, 53, 20));
    EXPECT_EQ(layout.timeButton, Rect::fromSize(139, 5, 53, 20));
    EXPECT_EQ(layout.letterButton, Rect::fromSize(197, 5, 20, 20));
    EXPECT_EQ(layout.resetButton, Rect::fromSize(222, 5, 13, 20));
    EXPECT_EQ(layout.gameList, Rect::fromSize(5, 30, 230, 234));
    EXPECT_EQ(layout.favouriteButton, Rect::fromSize(5, 269, 90, 20));
    EXPECT_EQ(layout.favouritesButton, Rect::fromSize(145, 269, 90, 20));
}

TEST(ChooserLayoutTest, ScalesOnAVgaScreen)
{
    const ChooserLayout layout = chooserLayout(480, 588, kVga);
    EXPECT_EQ(layout.categoryButton, Rect::fromSize(10, 10, 142, 40));
    EXPECT_EQ(layout.skillButton, Rect::fromSize(162, 10, 106, 40));
    EXPECT_EQ(layout.resetButton, Rect::fromSize(444, 10, 26, 40));
    EXPECT_EQ(layout.gameList, Rect::fromSize(10, 60, 460, 468));
    EXPECT_EQ(layout.favouritesButton, Rect::fromSize(290, 538, 180, 40));
}

TEST(ChooserLayoutTest, UsesFixedPixelsOnAMediumScaleScreen)
{
    const ChooserLayout layout = chooserLayout(360, 441, kMedium);
    EXPECT_EQ(layout.categoryButton, Rect::fromSize(5, 5, 146, 30));
    EXPECT_EQ(layout.skillButton, Rect::fromSize(156, 5, 65, 30));
    EXPECT_EQ(layout.timeButton, Rect::fromSize(226, 5, 70, 30));
    EXPECT_EQ(layout.letterButton, Rect::fromSize(301, 5, 28, 30));
    EXPECT_EQ(layout.resetButton, Rect::fromSize(334, 5, 21, 30));
    EXPECT_EQ(layout.gameList, Rect::fromSize(5, 40, 350, 361));
    EXPECT_EQ(layout.favouriteButton, Rect::fromSize(5, 406, 100, 30));
    EXPECT_EQ(layout.favouritesButton, Rect::fromSize(255, 406, 100, 30));
    EXPECT_EQ(popupRect(ChooserPopup::skill, 360, 441, kMedium).left, 156);
    EXPECT_EQ(popupRect(ChooserPopup::time, 360, 441, kMedium).left, 226);
    EXPECT_EQ(gameListRowHeight(kMedium), 15);
}

TEST(ChooserLayoutTest, ATinyDialogGetsEmptyControlsRatherThanNegativeSizes)
{
    const ChooserLayout layout = chooserLayout(100, 40, kStandard);
    EXPECT_EQ(layout.categoryButton.width(), 0);
    EXPECT_EQ(layout.gameList.height(), 0);
    EXPECT_TRUE(popupRect(ChooserPopup::category, 100, 3, kStandard).isEmpty());
}

TEST(ChooserLayoutTest, PopupsOpenAtFullHeightWhenTheyFit)
{
    EXPECT_EQ(popupRect(ChooserPopup::category, 240, 294, kStandard), Rect::fromSize(5, 5, 71, 182));
    EXPECT_EQ(popupRect(ChooserPopup::skill, 240, 294, kStandard), Rect::fromSize(81, 5, 53, 62));
    EXPECT_EQ(popupRect(ChooserPopup::time, 240, 294, kStandard), Rect::fromSize(139, 5, 53, 77));
    EXPECT_EQ(popupRect(ChooserPopup::letterFirst, 240, 294, kStandard), Rect::fromSize(177, 5, 20, 137));
    EXPECT_EQ(popupRect(ChooserPopup::letterThird, 240, 294, kStandard), Rect::fromSize(215, 5, 20, 137));
    // The large artwork's rows are 31 pixels high.
    EXPECT_EQ(popupRect(ChooserPopup::category, 480, 588, kVga), Rect::fromSize(10, 10, 142, 376));
    // Exactly tall enough: 5 above, the rows and 2 for the border.
    EXPECT_EQ(popupRect(ChooserPopup::category, 240, 187, kStandard).height(), 182);
}

TEST(ChooserLayoutTest, ATallPopupIsCutAtTheBottomAndWidenedForItsScrollBar)
{
    EXPECT_EQ(popupRect(ChooserPopup::category, 240, 186, kStandard), Rect::fromSize(5, 5, 84, 181));
    EXPECT_EQ(popupRect(ChooserPopup::category, 320, 150, kStandard), Rect::fromSize(5, 5, 151, 145));
    EXPECT_EQ(popupRect(ChooserPopup::skill, 320, 60, kStandard), Rect::fromSize(161, 5, 66, 55));
    EXPECT_EQ(popupRect(ChooserPopup::time, 320, 80, kStandard), Rect::fromSize(219, 5, 66, 75));
    EXPECT_EQ(popupRect(ChooserPopup::category, 640, 300, kVga), Rect::fromSize(10, 10, 302, 290));
    // The letter columns are never cut.
    EXPECT_EQ(popupRect(ChooserPopup::letterSecond, 320, 60, kStandard), Rect::fromSize(276, 5, 20, 137));
}

TEST(ChooserLayoutTest, ButtonIconsSitCentredInTheButton)
{
    EXPECT_EQ(buttonIconOffset(kStandard), (Point{1, 2}));
    EXPECT_EQ(buttonIconOffset(kVga), (Point{2, 5}));
    EXPECT_EQ(buttonIconOffset(kMedium), (Point{5, 7}));
}

}  // namespace
}  // namespace velmora
