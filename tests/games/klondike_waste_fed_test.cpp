// Klondike-family rules of two-pack games played from the waste: a stock
// that waits for the waste to be played, one foundation for each suit of
// both packs, piles that take any card from the waste up to a capacity, and
// foundations half up from the Ace and half down from the King.
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kSpades = 1, kClubs = 2, kDiamonds = 3, kHearts = 4;

bool move(Engine& engine, int card, int pile)
{
    if (!engine.moveCards(card, pile, nullptr))
        return false;
    engine.runAfterMoveEvents(nullptr);
    return true;
}

// Glacier and Colorado: stock 0, waste 1, the columns from 2 on.
TEST(KlondikeWasteFed, TheStockWaitsUntilTheWasteIsPlayed)
{
    for (const char* game : {"Glacier", "Colorado"}) {
        SCOPED_TRACE(game);
        Engine engine;
        dealEmbeddedGame(engine, game, 1);
        ASSERT_FALSE(engine.cardsOn(1).empty()) << "the deal turns the first cards";
        EXPECT_FALSE(engine.canTap(0)) << "not while the waste holds a card";
        const int heart = cardOf(engine, kHearts, 9);
        arrangeBoard(engine, {{2, {cardOf(engine, kSpades, 10)}}, {1, {heart}}}, 0);
        EXPECT_FALSE(engine.canTap(0));
        ASSERT_TRUE(move(engine, heart, 2));
        EXPECT_TRUE(engine.canTap(0)) << "the waste is empty";
    }
}

// Glacier: foundations 14-17, one for each suit, from the Ace round to the
// second King.
TEST(KlondikeWasteFed, ASuitFoundationTakesBothPacksOfItsSuitInTurn)
{
    Engine engine;
    dealEmbeddedGame(engine, "Glacier", 1);
    const std::vector<int> spades = suitOfPack(engine, kSpades, 0), secondSpades = suitOfPack(engine, kSpades, 1);
    arrangeBoard(engine,
                 {{14, spades}, {2, {secondSpades[0]}}, {3, {cardOf(engine, kHearts, 1)}}, {4, {secondSpades[1]}}},
                 0);
    EXPECT_TRUE(engine.canDrop(secondSpades[0], 14)) << "the second Ace goes on the King";
    EXPECT_FALSE(engine.canDrop(cardOf(engine, kHearts, 1), 14)) << "only in suit";
    EXPECT_FALSE(engine.canDrop(secondSpades[1], 14)) << "nor a Two on the King";
    EXPECT_FALSE(engine.canDrop(cardOf(engine, kHearts, 1), 15)) << "each foundation keeps to its own suit";
    EXPECT_TRUE(engine.canDrop(cardOf(engine, kHearts, 1), 17)) << "an Ace starts its suit's empty one";

    // Every card on the foundations but the last King of Hearts.
    std::vector<PileContent> board;
    int foundation = 14;
    int lastKing = -1;
    for (int suit : {kSpades, kClubs, kDiamonds, kHearts}) {
        std::vector<int> cards = suitOfPack(engine, suit, 0);
        const std::vector<int> second = suitOfPack(engine, suit, 1);
        cards.insert(cards.end(), second.begin(), second.end());
        if (suit == kHearts) {
            lastKing = cards.back();
            cards.pop_back();
        }
        board.push_back({foundation++, cards});
    }
    board.push_back({2, {lastKing}});
    arrangeBoard(engine, board, 0);
    ASSERT_TRUE(move(engine, lastKing, 17));
    EXPECT_TRUE(engine.isWon()) << "four foundations of 26 cards";
}

// Grandfather: waste 1, piles 2-21 of at most two cards, foundations 22-25
// up from the Ace and 26-29 down from the King.
TEST(KlondikeWasteFed, PilesTakeAnyWasteCardAndGiveOnlyToTheFoundations)
{
    Engine engine;
    dealEmbeddedGame(engine, "Grandfather", 1);
    const int ace = cardOf(engine, kClubs, 1), king = cardOf(engine, kDiamonds, 13);
    const int waste = cardOf(engine, kHearts, 5), nine = cardOf(engine, kSpades, 9);
    arrangeBoard(engine,
                 {{1, {waste}},
                  {2, {cardOf(engine, kSpades, 2)}},
                  {3, {cardOf(engine, kSpades, 3), cardOf(engine, kSpades, 4)}},
                  {4, {ace}},
                  {5, {king}},
                  {6, {nine}}},
                 0);
    EXPECT_TRUE(engine.canDrop(waste, 2)) << "any card goes from the waste on a pile of one";
    EXPECT_FALSE(engine.canDrop(waste, 3)) << "a pile holds two cards at most";
    EXPECT_FALSE(engine.canDrop(nine, 2)) << "no card moves between the piles";
    EXPECT_TRUE(engine.canDrop(ace, 22));
    EXPECT_FALSE(engine.canDrop(ace, 26)) << "the right half starts from the King";
    EXPECT_TRUE(engine.canDrop(king, 26));
    EXPECT_FALSE(engine.canDrop(king, 22)) << "the left half starts from the Ace";

    // Colorado deals an Ace of each suit to the left half and a King of each
    // suit to the right half.
    for (GameNumber deal = 1; deal <= 3; ++deal) {
        SCOPED_TRACE("Colorado deal " + std::to_string(deal));
        Engine colorado;
        dealEmbeddedGame(colorado, "Colorado", deal);
        std::set<int> aceSuits, kingSuits;
        for (int f = 22; f < 30; ++f) {
            ASSERT_EQ(colorado.cardsOn(f).size(), 1u);
            const auto& card = colorado.definition().cards[colorado.topCard(f)];
            EXPECT_EQ(card.rank, f < 26 ? 1 : 13);
            (f < 26 ? aceSuits : kingSuits).insert(card.suit);
        }
        EXPECT_EQ(aceSuits.size(), 4u);
        EXPECT_EQ(kingSuits.size(), 4u);
    }
}

}  // namespace
}  // namespace velmora
