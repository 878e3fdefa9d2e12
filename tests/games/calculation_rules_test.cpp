// Calculation: the base cards dealt to the foundations, building by one to
// four round from King to Ace, the turned card that must be played, the
// waste piles that feed only the foundations, and a recorded win.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kStock = 0, kFoundation = 1, kWaste = 5;
constexpr int kSpade = 1, kClub = 2, kDiamond = 3, kHeart = 4;

int countOn(const Engine& engine, int pile) { return static_cast<int>(engine.cardsOn(pile).size()); }

bool faceUp(const Engine& engine, int card) { return engine.state().cards[card].faceUp != 0; }

int rankOf(const Engine& engine, int card) { return engine.definition().cards[card].rank; }

bool move(Engine& engine, int card, int pile)
{
    return applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(card), static_cast<std::uint16_t>(pile)),
                     nullptr);
}

TEST(CalculationRules, DealsAnAceTwoThreeAndFourAndShowsTheStocksTopCard)
{
    Engine engine;
    loadEmbeddedGame(engine, "Calculation");
    for (GameNumber number = 1; number <= 20; ++number) {
        SCOPED_TRACE(number);
        GameNumber dealt = number;
        ASSERT_TRUE(engine.newDeal(dealt));
        engine.runDealEvents();
        for (int k = 0; k < 4; ++k) {
            ASSERT_EQ(countOn(engine, kFoundation + k), 1);
            EXPECT_EQ(rankOf(engine, engine.topCard(kFoundation + k)), k + 1);
            EXPECT_TRUE(faceUp(engine, engine.topCard(kFoundation + k)));
            EXPECT_EQ(countOn(engine, kWaste + k), 0);
        }
        const std::vector<std::uint16_t>& stock = engine.cardsOn(kStock);
        ASSERT_EQ(stock.size(), 48u);
        for (std::size_t position = 0; position < stock.size(); ++position)
            EXPECT_EQ(faceUp(engine, stock[position]), position + 1 == stock.size());
    }
}

TEST(CalculationRules, FoundationsBuildByTheirStepInAnySuitRoundToTheKing)
{
    Engine engine;
    dealEmbeddedGame(engine, "Calculation", 1);
    const int queen = cardOf(engine, kHeart, 12), ace = cardOf(engine, kSpade, 1);
    const int jack = cardOf(engine, kClub, 11), two = cardOf(engine, kDiamond, 2);
    const int king = cardOf(engine, kHeart, 13), six = cardOf(engine, kSpade, 6);
    const int four = cardOf(engine, kClub, 4), three = cardOf(engine, kDiamond, 3);
    // The twos foundation shows a Queen: an Ace (12 + 2 - 13) comes next, not
    // a Two. The fours foundation shows a Jack: a Two (11 + 4 - 13).
    arrangeBoard(engine,
                 {{kFoundation + 1, {queen}}, {kFoundation + 3, {jack}}, {kFoundation, {king}},
                  {kWaste, {four, ace}}, {kWaste + 1, {two}}, {kWaste + 2, {six}}, {kWaste + 3, {three}}},
                 kStock);
    EXPECT_TRUE(engine.canDrop(ace, kFoundation + 1));
    EXPECT_FALSE(engine.canDrop(two, kFoundation + 1));
    EXPECT_TRUE(engine.canDrop(two, kFoundation + 3));
    EXPECT_FALSE(engine.canDrop(three, kFoundation + 3));
    EXPECT_FALSE(engine.canDrop(ace, kFoundation));   // nothing after the King
    EXPECT_FALSE(engine.canDrop(six, kFoundation + 2));  // an empty foundation takes nothing
    EXPECT_FALSE(engine.canDrop(four, kFoundation + 3));  // not the top card of its pile
    EXPECT_FALSE(engine.canPickUp(king));             // foundations keep their cards
}

TEST(CalculationRules, TheTurnedCardMustBePlayedAndWastePilesFeedOnlyFoundations)
{
    Engine engine;
    dealEmbeddedGame(engine, "Calculation", 2);
    const std::vector<std::uint16_t> stock = engine.cardsOn(kStock);
    const int turned = stock.back(), next = stock[stock.size() - 2];
    EXPECT_TRUE(engine.canPickUp(turned));
    EXPECT_FALSE(engine.canPickUp(next));
    EXPECT_FALSE(engine.canTap(kStock));
    ASSERT_TRUE(move(engine, turned, kWaste + 2));
    EXPECT_TRUE(faceUp(engine, next));
    EXPECT_EQ(countOn(engine, kStock), 47);
    EXPECT_TRUE(engine.canPickUp(turned));
    EXPECT_FALSE(engine.canDrop(turned, kWaste + 3));  // no moves between waste piles
    EXPECT_FALSE(engine.canDrop(turned, kStock));
    ASSERT_TRUE(engine.undoStep());
    EXPECT_FALSE(faceUp(engine, next));
}

TEST(CalculationRules, FullFoundationsWin)
{
    Engine engine;
    dealEmbeddedGame(engine, "Calculation", 3);
    // Each foundation in its own suit, complete but for the last King, which
    // waits on a waste pile.
    constexpr int kRanks[4][13] = {
        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13},
        {2, 4, 6, 8, 10, 12, 1, 3, 5, 7, 9, 11, 13},
        {3, 6, 9, 12, 2, 5, 8, 11, 1, 4, 7, 10, 13},
        {4, 8, 12, 3, 7, 11, 2, 6, 10, 1, 5, 9, 13},
    };
    std::vector<PileContent> board;
    for (int k = 0; k < 4; ++k) {
        PileContent foundation{kFoundation + k, {}};
        for (int i = 0; i < 13; ++i)
            if (k < 3 || i < 12)
                foundation.cards.push_back(cardOf(engine, k + 1, kRanks[k][i]));
        board.push_back(foundation);
    }
    const int lastKing = cardOf(engine, kHeart, 13);
    board.push_back({kWaste, {lastKing}});
    arrangeBoard(engine, board, kStock);
    ASSERT_EQ(countOn(engine, kStock), 0);
    ASSERT_TRUE(move(engine, lastKing, kFoundation + 3));
    EXPECT_TRUE(engine.isWon());
}

TEST(CalculationRules, RecordedWinReplays)
{
    Engine engine;
    dealEmbeddedGame(engine, "Calculation", 1);
    std::vector<ParsedStep> steps;
    std::string error;
    ASSERT_TRUE(parseSteps(
                    "m 11 5;m 1 1;m 18 3;m 29 2;m 31 2;m 26 6;m 2 1;m 21 3;m 50 3;m 15 6;m 9 6;m 30 7;m 51 8;m 8 8;"
                    "m 6 8;m 7 2;m 9 2;m 11 2;m 13 2;m 15 2;m 30 2;m 6 2;m 8 2;m 25 6;m 5 5;m 32 5;m 33 4;m 23 2;"
                    "m 25 2;m 34 8;m 36 6;m 48 7;m 20 6;m 39 8;m 38 7;m 22 7;m 4 5;m 27 3;m 37 4;m 3 1;m 4 1;m 46 8;"
                    "m 40 7;m 10 7;m 17 3;m 20 3;m 36 3;m 26 3;m 19 7;m 47 6;m 41 4;m 45 4;m 44 1;m 16 3;m 32 1;"
                    "m 19 3;m 35 3;m 10 4;m 40 4;m 5 4;m 22 4;m 38 3;m 46 1;m 47 1;m 48 1;m 39 4;m 43 4;m 34 4;"
                    "m 12 4;m 49 1;m 24 1;m 51 1",
                           steps, error))
        << error;
    for (const ParsedStep& step : steps)
        ASSERT_TRUE(applyParsedStep(engine, step, nullptr)) << formatSteps({step});
    EXPECT_TRUE(engine.isWon());
}

}  // namespace
}  // namespace velmora
