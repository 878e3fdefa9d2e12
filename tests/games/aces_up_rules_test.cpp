// Aces Up: the deal, discarding a lower card of a suit (Aces high), spaces,
// the stock's row deal, the loss when only pointless moves are left, and a
// recorded win.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kStock = 0, kTableau = 1, kDiscard = 5;
constexpr int kSpade = 1, kClub = 2, kDiamond = 3, kHeart = 4;

int countOn(const Engine& engine, int pile) { return static_cast<int>(engine.cardsOn(pile).size()); }

bool move(Engine& engine, int card, int pile)
{
    return applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(card), static_cast<std::uint16_t>(pile)),
                     nullptr);
}

bool tapStock(Engine& engine) { return applyStep(engine, Step::tapOn(kStock), nullptr); }

TEST(AcesUpRules, DealsOneCardToEachPileAndTheStockDealsARow)
{
    Engine engine;
    loadEmbeddedGame(engine, "Aces Up");
    for (GameNumber number = 1; number <= 20; ++number) {
        SCOPED_TRACE(number);
        GameNumber dealt = number;
        ASSERT_TRUE(engine.newDeal(dealt));
        engine.runDealEvents();
        EXPECT_EQ(countOn(engine, kStock), 48);
        for (int pile = kTableau; pile < kTableau + 4; ++pile) {
            ASSERT_EQ(countOn(engine, pile), 1);
            EXPECT_TRUE(engine.state().cards[engine.topCard(pile)].faceUp);
        }
        EXPECT_EQ(countOn(engine, kDiscard), 0);
    }
    for (int row = 0; row < 12; ++row)
        ASSERT_TRUE(tapStock(engine));
    for (int pile = kTableau; pile < kTableau + 4; ++pile)
        EXPECT_EQ(countOn(engine, pile), 13);
    EXPECT_FALSE(engine.canTap(kStock));
}

TEST(AcesUpRules, ALowerCardOfASuitIsDiscardedOnTheHigherOne)
{
    Engine engine;
    dealEmbeddedGame(engine, "Aces Up", 1);
    const int sevenOfSpades = cardOf(engine, kSpade, 7), kingOfSpades = cardOf(engine, kSpade, 13);
    const int aceOfSpades = cardOf(engine, kSpade, 1), nineOfHearts = cardOf(engine, kHeart, 9);
    const int twoOfClubs = cardOf(engine, kClub, 2);
    arrangeBoard(engine,
                 {{kTableau, {twoOfClubs, sevenOfSpades}}, {kTableau + 1, {kingOfSpades}},
                  {kTableau + 2, {aceOfSpades}}, {kTableau + 3, {nineOfHearts}}},
                 kStock);
    EXPECT_TRUE(engine.canDrop(sevenOfSpades, kTableau + 1));
    EXPECT_TRUE(engine.canDrop(kingOfSpades, kTableau + 2));  // Aces rank high
    EXPECT_FALSE(engine.canDrop(aceOfSpades, kTableau + 1));
    EXPECT_FALSE(engine.canDrop(kingOfSpades, kTableau));     // onto a lower card
    EXPECT_FALSE(engine.canDrop(nineOfHearts, kTableau + 1));  // other suit
    EXPECT_FALSE(engine.canDrop(sevenOfSpades, kDiscard));

    ASSERT_TRUE(move(engine, sevenOfSpades, kTableau + 1));
    EXPECT_EQ(engine.topCard(kTableau + 1), kingOfSpades);
    EXPECT_EQ(engine.topCard(kDiscard), sevenOfSpades);
    ASSERT_TRUE(move(engine, kingOfSpades, kTableau + 2));
    EXPECT_EQ(countOn(engine, kTableau + 1), 0);
    EXPECT_EQ(countOn(engine, kDiscard), 2);
}

TEST(AcesUpRules, SpacesTakeATopCardButNotAPilesOnlyCardThatCannotGo)
{
    Engine engine;
    dealEmbeddedGame(engine, "Aces Up", 2);
    const int fourOfHearts = cardOf(engine, kHeart, 4), jackOfHearts = cardOf(engine, kHeart, 11);
    const int threeOfClubs = cardOf(engine, kClub, 3), tenOfDiamonds = cardOf(engine, kDiamond, 10);
    const int queenOfSpades = cardOf(engine, kSpade, 12), twoOfHearts = cardOf(engine, kHeart, 2);
    // The stock is empty; the cards left out lie on the discard pile.
    arrangeBoard(engine,
                 {{kTableau, {threeOfClubs, fourOfHearts}}, {kTableau + 1, {jackOfHearts}},
                  {kTableau + 2, {twoOfHearts, tenOfDiamonds, queenOfSpades}}},
                 kDiscard);
    ASSERT_TRUE(move(engine, fourOfHearts, kTableau + 1));
    EXPECT_TRUE(engine.canDrop(queenOfSpades, kTableau + 3));
    EXPECT_FALSE(engine.canPickUp(jackOfHearts));  // alone and unbeaten: nowhere useful to go
    ASSERT_TRUE(move(engine, queenOfSpades, kTableau + 3));
    // Three of Clubs, Jack of Hearts, Ten of Diamonds and Queen of Spades on
    // top, no space: the lone cards have nowhere useful to go and the Ten
    // nowhere at all.
    EXPECT_FALSE(engine.findMove(0).has_value());
    ASSERT_TRUE(engine.undoStep());
    EXPECT_TRUE(engine.findMove(0).has_value());
}

TEST(AcesUpRules, ALoneCardMayStillBeDiscarded)
{
    Engine engine;
    dealEmbeddedGame(engine, "Aces Up", 3);
    const int fiveOfDiamonds = cardOf(engine, kDiamond, 5), eightOfDiamonds = cardOf(engine, kDiamond, 8);
    const int twoOfSpades = cardOf(engine, kSpade, 2), sixOfClubs = cardOf(engine, kClub, 6);
    arrangeBoard(engine,
                 {{kTableau, {twoOfSpades, sixOfClubs}}, {kTableau + 1, {fiveOfDiamonds}},
                  {kTableau + 2, {eightOfDiamonds}}},
                 kStock);
    ASSERT_TRUE(move(engine, sixOfClubs, kTableau + 3));
    EXPECT_TRUE(engine.canPickUp(fiveOfDiamonds));
    EXPECT_FALSE(engine.canPickUp(eightOfDiamonds));
    ASSERT_TRUE(move(engine, fiveOfDiamonds, kTableau + 2));
    EXPECT_EQ(engine.topCard(kDiscard), fiveOfDiamonds);
}

TEST(AcesUpRules, RecordedWinReplays)
{
    Engine engine;
    dealEmbeddedGame(engine, "Aces Up", 21);
    std::vector<ParsedStep> steps;
    std::string error;
    ASSERT_TRUE(parseSteps(
                    "m 48 4;t 0;m 4 2;t 0;t 0;m 16 1;m 15 1;m 18 3;m 1 1;m 28 4;m 7 1;m 30 2;t 0;t 0;m 43 4;m 47 4;"
                    "t 0;m 31 4;m 33 4;m 29 4;m 30 4;m 5 3;m 8 1;m 38 2;t 0;m 19 1;m 41 4;m 20 1;m 14 1;m 23 3;t 0;"
                    "m 35 2;m 22 3;m 10 1;t 0;m 40 1;m 37 2;m 25 3;m 49 4;t 0;m 6 3;m 2 3;m 11 3;m 45 4;m 3 3;m 50 1;"
                    "m 12 4;t 0;m 46 3;m 9 4;m 27 2;m 50 3;m 32 1;m 32 2;m 26 1;m 36 1;m 38 1;m 0 2;m 44 3;m 34 1;"
                    "m 51 3;m 39 4;t 0;m 21 4;m 17 4;m 24 3;m 42 4",
                           steps, error))
        << error;
    for (const ParsedStep& step : steps)
        ASSERT_TRUE(applyParsedStep(engine, step, nullptr)) << formatSteps({step});
    EXPECT_TRUE(engine.isWon());
    EXPECT_EQ(countOn(engine, kDiscard), 48);
}

}  // namespace
}  // namespace velmora
