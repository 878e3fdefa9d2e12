// Pile positions by anchor, fan squeezing and squared piles.
#include <gtest/gtest.h>

#include "pile_geometry.h"
#include "view_builders.h"

namespace velmora {
namespace {

using testing::pileAt;
using testing::viewOf;

constexpr ClientSize kPortrait{240, 294};
constexpr ClientSize kLandscape{320, 214};

TEST(PileOrigin, AnchorsFollowTheClientAreaExceptAbsolute)
{
    std::vector<ViewPile> piles;
    for (Anchor anchor : {Anchor::Absolute, Anchor::Proportional, Anchor::Centred, Anchor::FromFarEdge,
                          static_cast<Anchor>(7)}) {
        ViewPile pile = pileAt(40, 30);
        pile.xAnchor = anchor;
        pile.yAnchor = anchor;
        piles.push_back(pile);
    }
    const FieldView view = viewOf(piles);
    // Centre less half a 20 x 27 card.
    const Point portrait[] = {{30, 17}, {50, 42}, {70, 84}, {110, 151}, {30, 17}};
    const Point landscape[] = {{30, 17}, {70, 27}, {110, 44}, {190, 71}, {30, 17}};
    for (int p = 0; p < 5; ++p) {
        EXPECT_EQ(PileOrigin(view, p, kPortrait), portrait[p]) << "pile " << p;
        EXPECT_EQ(PileOrigin(view, p, kLandscape), landscape[p]) << "pile " << p;
    }
}

TEST(FanStep, SqueezedToTheClientEdgeAndOpenedAgain)
{
    // A right fan whose bottom card starts 70 pixels short of the edge room.
    FieldView view = viewOf({pileAt(160, 30, Spread::right, 12)});
    EXPECT_EQ(FanStep(view, 0, 12, kPortrait), 6);  // 70 / 11
    const Point top = CardPosition(view, 0, 11, kPortrait);
    EXPECT_EQ(top, (Point{216, 17}));
    EXPECT_LE(top.x + view.card.width, kPortrait.width);

    // When the pile shrinks it opens up to the standard step; a fan limit
    // of 0 does not limit it.
    view.piles[0].cards.resize(3);
    EXPECT_EQ(CardPosition(view, 0, 2, kPortrait), (Point{168, 17}));
}

TEST(FanStep, LimitGoesThroughItsAnchorAlongTheFan)
{
    ViewPile absolute = pileAt(30, 30, Spread::right, 11);
    absolute.fanLimit = 30;
    ViewPile proportional = pileAt(20, 30, Spread::right, 21);
    proportional.fanLimit = 80;
    proportional.fanLimitAnchor = Anchor::Proportional;
    ViewPile farEdge = pileAt(20, 30, Spread::down, 30);
    farEdge.fanLimit = 100;
    farEdge.fanLimitAnchor = Anchor::FromFarEdge;
    const FieldView view = viewOf({absolute, proportional, farEdge});

    EXPECT_EQ(FanStep(view, 0, 11, kPortrait), 3);    // 30 / 10
    EXPECT_EQ(FanStep(view, 1, 21, kPortrait), 6);    // 80 x 240 / 160 = 120, / 20
    EXPECT_EQ(FanStep(view, 1, 21, kLandscape), 8);   // 80 x 320 / 160 = 160, / 20
    EXPECT_EQ(FanStep(view, 2, 30, kLandscape), 5);   // 100 + 214 - 160 = 154, / 29
    EXPECT_EQ(FanStep(view, 2, 30, kPortrait), 8);    // 100 + 294 - 160 = 234, / 29
}

TEST(FanStep, LeftAndUpFansUseTheRoomBeforeTheOrigin)
{
    const FieldView view = viewOf({pileAt(50, 100, Spread::left, 11), pileAt(50, 43, Spread::up, 6)});
    EXPECT_EQ(CardPosition(view, 0, 10, kPortrait), (Point{0, 87}));  // step 40 / 10
    EXPECT_EQ(CardPosition(view, 1, 5, kPortrait), (Point{40, 0}));   // step 30 / 5
}

TEST(FanStep, PileBeyondTheEdgeCollapsesOntoItsOrigin)
{
    // Origin x 240 in a 240-wide client: room -20.
    const FieldView view = viewOf({pileAt(250, 30, Spread::right, 3)});
    EXPECT_EQ(FanStep(view, 0, 3, kPortrait), 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(CardPosition(view, 0, i, kPortrait), (Point{240, 17}));
}

TEST(CardPosition, SquaredPileShowsItsTopCardOnePixelLower)
{
    FieldView view = viewOf({pileAt(50, 50, Spread::squared, 1), pileAt(100, 50, Spread::squared, 4)});
    EXPECT_EQ(CardPosition(view, 0, 0, kPortrait), (Point{40, 37}));
    EXPECT_EQ(CardPosition(view, 1, 2, kPortrait), (Point{90, 37}));
    EXPECT_EQ(CardPosition(view, 1, 3, kPortrait), (Point{90, 38}));
    view.piles[1].cards.resize(2);
    EXPECT_EQ(CardPosition(view, 1, 1, kPortrait), (Point{90, 38}));
}

}  // namespace
}  // namespace velmora
