#include <gtest/gtest.h>

#include "select_solitaire_layout.h"

namespace velmora {
namespace {

constexpr ScreenMetrics kStandard{96, 96, BuildConfiguration::standard};
constexpr ScreenMetrics kVga{192, 192, BuildConfiguration::vga};
constexpr ScreenMetrics kMedium{144, 144, BuildConfiguration::standard};

std::vector<Rect> all(const ChooserLayout& l)
{
    return {l.categoryButton, l.skillButton,  l.timeButton,      l.letterButton,
            l.resetButton,    l.gameList,     l.favouriteButton, l.favouritesButton};
}

TEST(ChooserLayoutTest, PlacesTheControlsInScaledUnitsOrInFixedPixelsOnMediumScreens)
{
    using R = Rect;
    EXPECT_EQ(all(chooserLayout(240, 294, kStandard)),
              (std::vector{R::fromSize(5, 5, 71, 20), R::fromSize(81, 5, 53, 20), R::fromSize(139, 5, 53, 20),
                           R::fromSize(197, 5, 20, 20), R::fromSize(222, 5, 13, 20), R::fromSize(5, 30, 230, 234),
                           R::fromSize(5, 269, 90, 20), R::fromSize(145, 269, 90, 20)}));
    EXPECT_EQ(all(chooserLayout(480, 588, kVga))[5], R::fromSize(10, 60, 460, 468));
    EXPECT_EQ(all(chooserLayout(360, 441, kMedium)),
              (std::vector{R::fromSize(5, 5, 146, 30), R::fromSize(156, 5, 65, 30), R::fromSize(226, 5, 70, 30),
                           R::fromSize(301, 5, 28, 30), R::fromSize(334, 5, 21, 30), R::fromSize(5, 40, 350, 361),
                           R::fromSize(5, 406, 100, 30), R::fromSize(255, 406, 100, 30)}));
    EXPECT_EQ(popupRect(ChooserPopup::skill, 360, 441, kMedium).left, 156);
    EXPECT_EQ(gameListRowHeight(kMedium), 15);
    EXPECT_EQ(chooserLayout(100, 40, kStandard).gameList.height(), 0);  // never negative
}

TEST(ChooserLayoutTest, APopupTallerThanTheDialogIsCutAndWidenedForItsScrollBar)
{
    EXPECT_EQ(popupRect(ChooserPopup::category, 240, 187, kStandard), Rect::fromSize(5, 5, 71, 182));
    EXPECT_EQ(popupRect(ChooserPopup::time, 240, 294, kStandard), Rect::fromSize(139, 5, 53, 77));
    EXPECT_EQ(popupRect(ChooserPopup::category, 480, 588, kVga), Rect::fromSize(10, 10, 142, 376));
    // One pixel less: cut to the bottom, and widened when it would be narrow.
    EXPECT_EQ(popupRect(ChooserPopup::category, 240, 186, kStandard), Rect::fromSize(5, 5, 84, 181));
    EXPECT_EQ(popupRect(ChooserPopup::category, 320, 150, kStandard), Rect::fromSize(5, 5, 151, 145));
    EXPECT_EQ(popupRect(ChooserPopup::skill, 320, 60, kStandard), Rect::fromSize(161, 5, 66, 55));
    EXPECT_EQ(popupRect(ChooserPopup::category, 640, 300, kVga), Rect::fromSize(10, 10, 302, 290));
    EXPECT_EQ(popupRect(ChooserPopup::letterThird, 320, 60, kStandard), Rect::fromSize(295, 5, 20, 137));
}

TEST(ChooserLayoutTest, ButtonIconsSitCentredInTheButton)
{
    EXPECT_EQ(buttonIconOffset(kStandard), (Point{1, 2}));
    EXPECT_EQ(buttonIconOffset(kVga), (Point{2, 5}));
    EXPECT_EQ(buttonIconOffset(kMedium), (Point{5, 7}));
}

}  // namespace
}  // namespace velmora
