// The drawing pass's items and the hit test that resolves taps against them.
#include <gtest/gtest.h>

#include "field_drawing.h"
#include "view_builders.h"

namespace velmora {
namespace {

using testing::pileAt;
using testing::viewOf;

constexpr ClientSize kClient{240, 294};

// Cards of the game state: every card movable and open, as dealt face up.
std::vector<Card> stateCards(int count)
{
    return std::vector<Card>(static_cast<std::size_t>(count), Card{1, 1, 1, 0, 0, 0});
}

std::vector<FieldDrawItem> layOut(const FieldView& view, HitItemList& items, Highlight highlight = {})
{
    return layOutField(view, stateCards(60), kClient, highlight, items);
}

TEST(HitTest, EmptyPileOfStyleOneLetsTheTapThroughToThePileBeneath)
{
    ViewPile beneath = pileAt(50, 50, Spread::squared, 2);
    ViewPile invisible = pileAt(55, 55);
    invisible.style = kStyleHiddenWhenEmpty;
    invisible.drawOrder = 1;
    FieldView view = viewOf({beneath, invisible});
    HitItemList items;
    const std::vector<FieldDrawItem> drawn = layOut(view, items);

    // Nothing drawn for the empty pile, but its place is recorded.
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[1].pile, 0);
    ASSERT_EQ(items.count(), 2);
    EXPECT_EQ(items[1].card, kEmptyPileItem);
    EXPECT_FALSE(items[1].selectable);

    const std::optional<Hit> hit = HitTest(items, view, {55, 55});
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->pile, 0);
    EXPECT_EQ(hit->card, 1);

    // A plain empty pile in the same place takes the tap itself.
    view.piles[1].style = kStylePlain;
    layOut(view, items);
    EXPECT_EQ(HitTest(items, view, {55, 55}), (Hit{1, 1, kEmptyPileItem, Rect{45, 42, 65, 69}}));
}

TEST(HitTest, SquaredPileResolvesToItsTopCard)
{
    const FieldView view = viewOf({pileAt(50, 50, Spread::squared, 3)});
    HitItemList items;
    const std::vector<FieldDrawItem> drawn = layOut(view, items);

    // The card beneath shows a one-pixel edge above the top card.
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].cardIndex, 1);
    EXPECT_EQ(drawn[0].rect, (Rect{40, 37, 60, 64}));
    EXPECT_EQ(drawn[1].cardIndex, 2);
    EXPECT_EQ(drawn[1].rect, (Rect{40, 38, 60, 65}));
    ASSERT_EQ(items.count(), 1);
    for (Point p : {Point{40, 38}, Point{59, 64}, Point{50, 50}}) {
        const std::optional<Hit> hit = HitTest(items, view, p);
        ASSERT_TRUE(hit);
        EXPECT_EQ(hit->card, 2);
    }
    EXPECT_FALSE(HitTest(items, view, {60, 50}));  // right is exclusive
}

TEST(HitTest, EqualDrawOrdersDrawAndHitInDefinitionOrder)
{
    ViewPile first = pileAt(50, 50, Spread::squared, 1);
    first.drawOrder = 1;
    ViewPile under = pileAt(45, 45, Spread::squared, 1);
    ViewPile last = pileAt(55, 55, Spread::squared, 1);
    last.drawOrder = 1;
    const FieldView view = viewOf({first, under, last});
    HitItemList items;
    const std::vector<FieldDrawItem> drawn = layOut(view, items);

    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].pile, 1);
    EXPECT_EQ(drawn[1].pile, 0);
    EXPECT_EQ(drawn[2].pile, 2);
    EXPECT_EQ(HitTest(items, view, {50, 50})->pile, 2);  // all three overlap
    EXPECT_EQ(HitTest(items, view, {42, 40})->pile, 0);  // the first two overlap
    EXPECT_EQ(HitTest(items, view, {36, 33})->pile, 1);
}

TEST(HitTest, ItemFlagsAndHighlights)
{
    ViewPile hidden = pileAt(50, 50, Spread::squared, 1);
    hidden.shown = false;
    ViewPile empty = pileAt(20, 20);
    empty.style = kStyleBaseCard;
    empty.baseRank = 0;
    empty.baseSuit = 9;  // damaged: no such suit
    const FieldView view = viewOf({pileAt(50, 50, Spread::down, 3), hidden, pileAt(150, 50, Spread::squared, 3), empty});
    std::vector<Card> cards = stateCards(3);
    cards[0] = Card{1, 0, 0, 0, 0, 0};  // locked but covered: still selectable
    cards[1] = Card{1, 0, 1, 0, 0, 1};  // locked and open: not selectable
    HitItemList items;
    std::vector<FieldDrawItem> drawn = layOutField(view, cards, kClient, {0, 1}, items);

    ASSERT_EQ(items.count(), 5);  // three fanned cards, one squared top, one empty place
    EXPECT_TRUE(items[0].selectable);
    EXPECT_FALSE(items[1].selectable);
    EXPECT_EQ(items[2].rect, (Rect{40, 55, 60, 82}));
    EXPECT_EQ(HitTest(items, view, {50, 50})->card, 1);  // the strip of card 1
    ASSERT_EQ(drawn.size(), 6u);
    EXPECT_TRUE(drawn[1].highlighted);
    EXPECT_FALSE(drawn[0].highlighted || drawn[2].highlighted);

    // A squared pile highlights only its top card, an empty pile any index.
    drawn = layOutField(view, cards, kClient, {2, 1}, items);
    EXPECT_FALSE(drawn[3].highlighted || drawn[4].highlighted);
    drawn = layOutField(view, cards, kClient, {2, 2}, items);
    EXPECT_TRUE(drawn[4].highlighted);
    drawn = layOutField(view, cards, kClient, {3, 7}, items);
    EXPECT_EQ(drawn[5].kind, FieldDrawItem::Kind::emptyPile);
    EXPECT_TRUE(drawn[5].highlighted);
    EXPECT_EQ(drawn[5].mark, (EmptyPileMark{kStyleBaseCard, 0, -1, 0}));
}

TEST(HitItemList, FrozenListKeepsItsItemsThroughRepaints)
{
    FieldView view = viewOf({pileAt(50, 50, Spread::right, 5)});
    HitItemList items;
    layOut(view, items);
    const std::vector<HitItem> before = items.items();

    items.setFrozen(true);
    view.piles[0].cards.resize(1);
    EXPECT_EQ(layOut(view, items).size(), 1u);
    EXPECT_EQ(items.items(), before);

    items.setFrozen(false);
    layOut(view, items);
    EXPECT_EQ(items.count(), 1);
}

}  // namespace
}  // namespace velmora
