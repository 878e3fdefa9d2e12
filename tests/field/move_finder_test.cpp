// Keyboard play on hand-made boards: which items are candidates, what part
// of each shows, and where the direction keys take the cursor in both modes.
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "move_finder.h"
#include "view_builders.h"

namespace velmora::testing {
namespace {

constexpr ClientSize kClient{240, 300};

// Answers keyboard play's questions from sets of card ids and piles.
struct RuleTable final : MoveQuestions {
    std::set<int> pickUps;
    std::set<int> taps;
    std::set<std::pair<int, int>> drops;  // (card, pile)
    bool canPickUp(int card) override { return pickUps.count(card) != 0; }
    bool canDrop(int card, int pile) override { return drops.count({card, pile}) != 0; }
    bool canTap(int pile) override { return taps.count(pile) != 0; }
};

class Board : public ::testing::Test {
protected:
    // Lays out the piles, numbering the cards through the whole board.
    void lay(std::vector<ViewPile> piles)
    {
        std::uint16_t id = 0;
        for (ViewPile& pile : piles)
            for (ViewCard& card : pile.cards)
                card.cardId = id++;
        view = viewOf(std::move(piles));
        repaint();
    }
    void repaint()
    {
        const std::vector<Card> cards(200, Card{});
        layOutField(view, cards, kClient, {}, finder.Items());
    }
    int id(int pile, int card) const
    {
        return view.piles.at(static_cast<std::size_t>(pile)).cards.at(static_cast<std::size_t>(card)).cardId;
    }
    void pickable(int pile, int first, int last)
    {
        for (int card = first; card <= last; ++card)
            rules.pickUps.insert(id(pile, card));
    }
    bool find(NavigationMode mode, Highlight highlight = {})
    {
        const CandidatePurpose purpose =
            highlight.pile == kNone ? CandidatePurpose::source : CandidatePurpose::destination;
        return finder.FindCandidates(purpose, mode, highlight, rules);
    }
    CursorPlace at() const { return finder.CursorTarget().value_or(CursorPlace{0xEEEE, 0xEEEE}); }
    const HitItem& item(int pile, int card) const
    {
        for (const HitItem& i : finder.Items().items())
            if (i.pile == pile && i.card == card)
                return i;
        static const HitItem none;
        ADD_FAILURE() << "no item for card " << card << " of pile " << pile;
        return none;
    }

    FieldView view;
    MoveFinder finder{view};
    RuleTable rules;
};

using Candidates = Board;
using CardWise = Board;
using PileWise = Board;

TEST_F(Candidates, ChoosingASourceTakesTapsOfEmptyPlacesAndTopCardsAndCardsThatMayBePickedUp)
{
    lay({pileAt(20, 20), pileAt(60, 20, Spread::squared, 3), pileAt(100, 40, Spread::down, 4), pileAt(140, 20)});
    rules.taps = {0, 1, 2};
    rules.pickUps = {id(2, 1)};
    find(NavigationMode::cardWise);
    EXPECT_TRUE(item(0, kEmptyPileItem).selectable);  // empty place that taps
    EXPECT_FALSE(item(3, kEmptyPileItem).selectable);  // empty place without a tap
    EXPECT_TRUE(item(1, 2).selectable);                // a squared pile's top card that taps
    EXPECT_FALSE(item(2, 0).selectable);               // the pile taps, but only through its top card
    EXPECT_TRUE(item(2, 1).selectable);                // may be picked up
    EXPECT_FALSE(item(2, 2).selectable);
    EXPECT_TRUE(item(2, 3).selectable);
}

TEST_F(Candidates, ChoosingADestinationTakesTheCardItselfAndTheTopsAndEmptyPlacesThatTakeIt)
{
    lay({pileAt(20, 40, Spread::down, 3), pileAt(60, 40, Spread::down, 2), pileAt(100, 20), pileAt(140, 20)});
    const int card = id(0, 1);
    rules.drops = {{card, 1}, {card, 2}, {id(1, 0), 0}};
    EXPECT_TRUE(find(NavigationMode::cardWise, {0, 1}));
    EXPECT_TRUE(item(0, 1).selectable);
    EXPECT_FALSE(item(0, 2).selectable);  // its own pile does not take it
    EXPECT_TRUE(item(1, 1).selectable);
    EXPECT_FALSE(item(1, 0).selectable);  // not a top card
    EXPECT_TRUE(item(2, kEmptyPileItem).selectable);
    EXPECT_FALSE(item(3, kEmptyPileItem).selectable);

    // A card that fits nowhere leaves no lists: there is no destination.
    rules.drops.clear();
    EXPECT_FALSE(find(NavigationMode::cardWise, {0, 1}));
    EXPECT_FALSE(finder.HasLists());
}

TEST_F(Candidates, CoveredCandidatesKeepTheStripThatShows)
{
    // Origins (40, 37) and (130, 37); fan steps of 9 pixels.
    lay({pileAt(50, 50, Spread::down, 3), pileAt(140, 50, Spread::left, 3)});
    pickable(0, 0, 2);
    pickable(1, 0, 2);
    find(NavigationMode::cardWise);
    EXPECT_EQ(item(0, 0).visible, (Rect{40, 37, 60, 46}));
    EXPECT_EQ(item(0, 1).visible, (Rect{40, 46, 60, 55}));
    EXPECT_EQ(item(0, 2).visible, item(0, 2).rect);
    // A left fan shows the right-hand strip of each covered card.
    EXPECT_EQ(item(1, 0).visible, (Rect{141, 37, 150, 64}));
    EXPECT_EQ(item(1, 1).visible, (Rect{132, 37, 141, 64}));

    // A card that is no candidate cuts nothing off the one beneath.
    rules.pickUps.erase(id(0, 1));
    find(NavigationMode::cardWise);
    EXPECT_EQ(item(0, 0).visible, (Rect{40, 37, 60, 55}));  // only card 2 covers it now
    rules.pickUps.erase(id(0, 2));
    find(NavigationMode::cardWise);
    EXPECT_EQ(item(0, 0).visible, item(0, 0).rect);
}

TEST_F(Candidates, ACardCoveringOnlyACornerCutsNothing)
{
    lay({pileAt(50, 50, Spread::squared, 1), pileAt(60, 60, Spread::squared, 1)});
    pickable(0, 0, 0);
    pickable(1, 0, 0);
    find(NavigationMode::cardWise);
    EXPECT_EQ(item(0, 0).visible, item(0, 0).rect);
}

TEST_F(CardWise, WithoutCandidatesThereAreNoListsAndNoKeyMovesAnything)
{
    lay({pileAt(50, 50, Spread::down, 3)});
    EXPECT_FALSE(find(NavigationMode::cardWise));
    EXPECT_FALSE(finder.HasLists());
    EXPECT_FALSE(finder.CursorTarget().has_value());
    EXPECT_FALSE(finder.CursorRect().has_value());
    EXPECT_FALSE(finder.MoveRight());
    EXPECT_FALSE(finder.MoveDown());
}

TEST_F(CardWise, KeysWalkRowsAndColumnsAndWrapAtTheEnds)
{
    // Two columns of three face-up cards and a card alone further down.
    lay({pileAt(30, 30, Spread::down, 3), pileAt(70, 30, Spread::down, 3), pileAt(150, 200, Spread::squared, 1)});
    pickable(0, 0, 2);
    pickable(1, 0, 2);
    pickable(2, 0, 0);
    ASSERT_TRUE(find(NavigationMode::cardWise));
    ASSERT_EQ(at(), (CursorPlace{0, 0}));  // nearest to the top-left corner

    EXPECT_TRUE(finder.MoveRight());
    EXPECT_EQ(at(), (CursorPlace{1, 0}));
    EXPECT_TRUE(finder.MoveDown());
    EXPECT_EQ(at(), (CursorPlace{1, 1}));
    EXPECT_TRUE(finder.MoveDown());
    EXPECT_EQ(at(), (CursorPlace{1, 2}));
    EXPECT_TRUE(finder.MoveDown());  // the column's end wraps to the next column
    EXPECT_EQ(at(), (CursorPlace{2, 0}));
    EXPECT_TRUE(finder.MoveDown());  // and the last column to the first
    EXPECT_EQ(at(), (CursorPlace{0, 0}));
    EXPECT_TRUE(finder.MoveUp());  // from the first entry of the first column, up wraps to the last
    EXPECT_EQ(at(), (CursorPlace{2, 0}));
    EXPECT_TRUE(finder.MoveRight());  // the last row wraps to the first
    EXPECT_EQ(at(), (CursorPlace{0, 0}));
    EXPECT_TRUE(finder.MoveLeft());
    EXPECT_EQ(at(), (CursorPlace{2, 0}));
}

TEST_F(CardWise, ACardLeftOutOfItsRowIsReachedByUpAndDownAndLeavesSideways)
{
    // Strips of 9 pixels put cards 0 and 1 of each column into one row band,
    // where only the upper one stays.
    lay({pileAt(30, 30, Spread::down, 3), pileAt(70, 30, Spread::down, 3)});
    pickable(0, 0, 2);
    pickable(1, 0, 2);
    ASSERT_TRUE(find(NavigationMode::cardWise));
    const int card1 = finder.Items().items()[1].card == 1 ? 1 : -1;
    ASSERT_EQ(card1, 1);
    EXPECT_FALSE(findInBands(finder.Lists().rows, 1).has_value());
    EXPECT_TRUE(finder.MoveDown());
    ASSERT_EQ(at(), (CursorPlace{0, 1}));
    // Right steps from the card above it in the row.
    EXPECT_TRUE(finder.MoveRight());
    EXPECT_EQ(at(), (CursorPlace{1, 0}));
}

TEST_F(CardWise, TheCursorStaysNearestToWhereItWasAcrossRebuildsUntilReset)
{
    lay({pileAt(30, 30, Spread::down, 2), pileAt(70, 30, Spread::down, 2), pileAt(110, 30, Spread::down, 2)});
    pickable(0, 1, 1);
    pickable(1, 1, 1);
    pickable(2, 1, 1);
    ASSERT_TRUE(find(NavigationMode::cardWise));
    finder.MoveRight();
    finder.MoveRight();
    ASSERT_EQ(at(), (CursorPlace{2, 1}));
    EXPECT_EQ(finder.KeptCursorPosition(), (Point{item(2, 1).visible.left, item(2, 1).visible.top}));
    // The middle column's card has gone; the cursor stays where it was.
    rules.pickUps.erase(id(1, 1));
    find(NavigationMode::cardWise);
    EXPECT_EQ(at(), (CursorPlace{2, 1}));
    rules.pickUps.erase(id(2, 1));
    find(NavigationMode::cardWise);
    EXPECT_EQ(at(), (CursorPlace{0, 1}));  // the only one left
    rules.pickUps.insert(id(2, 1));
    finder.ResetCursor();
    find(NavigationMode::cardWise);
    EXPECT_EQ(at(), (CursorPlace{0, 1}));
}

TEST_F(PileWise, DownWalksADownFanOverItsSelectableCardsBeforeLeavingAndUpFromTheLowestLeaves)
{
    lay({pileAt(30, 20), pileAt(30, 80, Spread::down, 5), pileAt(30, 250)});
    rules.taps = {0, 2};
    pickable(1, 2, 4);  // cards 0 and 1 lie face down
    ASSERT_TRUE(find(NavigationMode::pileWise));
    EXPECT_EQ(finder.Span(1)->lowestSelectable, 2);
    EXPECT_EQ(finder.Span(1)->rect, (Rect{20, 67, 40, 130}));  // all five cards
    ASSERT_EQ(at(), (CursorPlace{0, kEmptyPileItem}));
    EXPECT_TRUE(finder.MoveDown());
    EXPECT_EQ(at(), (CursorPlace{1, 2}));  // nearest of the selectable cards
    EXPECT_TRUE(finder.MoveDown());
    EXPECT_EQ(at(), (CursorPlace{1, 3}));
    EXPECT_TRUE(finder.MoveDown());
    EXPECT_EQ(at(), (CursorPlace{1, 4}));
    EXPECT_TRUE(finder.MoveDown());
    EXPECT_EQ(at(), (CursorPlace{2, kEmptyPileItem}));
    EXPECT_TRUE(finder.MoveUp());
    EXPECT_EQ(at(), (CursorPlace{1, 4}));  // the card nearest to where the cursor was
    EXPECT_TRUE(finder.MoveUp());
    EXPECT_TRUE(finder.MoveUp());
    ASSERT_EQ(at(), (CursorPlace{1, 2}));
    EXPECT_TRUE(finder.MoveUp());  // the lowest selectable card leaves the pile
    EXPECT_EQ(at(), (CursorPlace{0, kEmptyPileItem}));
}

TEST_F(PileWise, SidewaysFansAreWalkedByLeftAndRight)
{
    lay({pileAt(100, 30, Spread::left, 3), pileAt(100, 100, Spread::right, 3)});
    pickable(0, 0, 2);
    pickable(1, 0, 2);
    ASSERT_TRUE(find(NavigationMode::pileWise));
    ASSERT_EQ(at().pile, 0);
    // Left on a left fan goes up the pile, Right back down it.
    while (at().card < 2)
        ASSERT_TRUE(finder.MoveLeft());
    EXPECT_TRUE(finder.MoveRight());
    EXPECT_EQ(at(), (CursorPlace{0, 1}));
    EXPECT_TRUE(finder.MoveDown());
    ASSERT_EQ(at().pile, 1);
    while (at().card < 2)
        ASSERT_TRUE(finder.MoveRight());
    EXPECT_TRUE(finder.MoveLeft());
    EXPECT_EQ(at(), (CursorPlace{1, 1}));
}

TEST_F(PileWise, APileMissingFromItsRowGoesToTheNeighbouringColumnOrAtTheEdgeStepsAlongTheRow)
{
    // Piles 1 and 2 share a left edge in one row band: the row keeps pile 1.
    lay({pileAt(20, 20, Spread::squared, 1), pileAt(60, 20, Spread::squared, 1), pileAt(60, 30, Spread::squared, 1),
         pileAt(120, 20, Spread::squared, 1)});
    rules.taps = {0, 1, 2, 3};
    ASSERT_TRUE(find(NavigationMode::pileWise));
    ASSERT_EQ(finder.Lists().rows, (NavigationBands{{0, 1, 3}}));
    ASSERT_EQ(finder.Lists().columns, (NavigationBands{{0}, {1, 2}, {3}}));
    finder.MoveRight();
    finder.MoveDown();
    ASSERT_EQ(at().pile, 2);
    EXPECT_TRUE(finder.MoveRight());
    EXPECT_EQ(at().pile, 3);
    finder.MoveLeft();
    finder.MoveDown();
    ASSERT_EQ(at().pile, 2);
    EXPECT_TRUE(finder.MoveLeft());
    EXPECT_EQ(at().pile, 0);

    // With pile 2 in the last column, Right steps along the row from pile 1
    // and wraps.
    view.piles[3].cards.clear();
    rules.taps.erase(3);
    repaint();
    find(NavigationMode::pileWise);
    finder.MoveRight();
    finder.MoveDown();
    ASSERT_EQ(at().pile, 2);
    EXPECT_TRUE(finder.MoveRight());
    EXPECT_EQ(at().pile, 0);
}

TEST_F(PileWise, APileWithAnUnknownSpreadTakesNoKey)
{
    lay({pileAt(30, 30, Spread::squared, 1), pileAt(80, 30, Spread::squared, 1)});
    rules.taps = {0, 1};
    view.piles[0].spread = static_cast<Spread>(7);
    ASSERT_TRUE(find(NavigationMode::pileWise));
    ASSERT_EQ(at().pile, 0);
    EXPECT_FALSE(finder.MoveRight());
    EXPECT_FALSE(finder.MoveDown());
    EXPECT_EQ(at().pile, 0);
}

}  // namespace
}  // namespace velmora::testing
