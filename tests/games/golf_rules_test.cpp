// Golf: the deal, playing onto the waste one rank up or down without turning
// the corner and never onto a King, the stock, and a recorded win.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kStock = 0, kWaste = 1, kColumn = 2;
constexpr int kSpade = 1, kClub = 2, kDiamond = 3, kHeart = 4;

int countOn(const Engine& engine, int pile) { return static_cast<int>(engine.cardsOn(pile).size()); }

bool faceUp(const Engine& engine, int card) { return engine.state().cards[card].faceUp != 0; }

TEST(GolfRules, DealsSevenColumnsOfFiveAndOneCardToTheWaste)
{
    Engine engine;
    loadEmbeddedGame(engine, "Golf");
    for (GameNumber number = 1; number <= 20; ++number) {
        SCOPED_TRACE(number);
        GameNumber dealt = number;
        ASSERT_TRUE(engine.newDeal(dealt));
        engine.runDealEvents();
        ASSERT_EQ(countOn(engine, kStock), 16);
        for (std::uint16_t card : engine.cardsOn(kStock))
            EXPECT_FALSE(faceUp(engine, card));
        ASSERT_EQ(countOn(engine, kWaste), 1);
        EXPECT_TRUE(faceUp(engine, engine.topCard(kWaste)));
        for (int column = kColumn; column < kColumn + 7; ++column) {
            ASSERT_EQ(countOn(engine, column), 5);
            for (std::uint16_t card : engine.cardsOn(column))
                EXPECT_TRUE(faceUp(engine, card));
        }
    }
}

TEST(GolfRules, TheWasteTakesOneRankUpOrDownInAnySuit)
{
    Engine engine;
    dealEmbeddedGame(engine, "Golf", 1);
    const int seven = cardOf(engine, kSpade, 7), eight = cardOf(engine, kHeart, 8);
    const int six = cardOf(engine, kDiamond, 6), nine = cardOf(engine, kClub, 9);
    const int otherSeven = cardOf(engine, kClub, 7), buried = cardOf(engine, kHeart, 6);
    arrangeBoard(engine,
                 {{kWaste, {seven}}, {kColumn, {eight}}, {kColumn + 1, {six}}, {kColumn + 2, {nine}},
                  {kColumn + 3, {buried, otherSeven}}},
                 kStock);
    EXPECT_TRUE(engine.canDrop(eight, kWaste));
    EXPECT_TRUE(engine.canDrop(six, kWaste));
    EXPECT_FALSE(engine.canDrop(nine, kWaste));
    EXPECT_FALSE(engine.canDrop(otherSeven, kWaste));
    EXPECT_FALSE(engine.canPickUp(buried));
    EXPECT_FALSE(engine.canDrop(six, kColumn));  // columns take nothing
    EXPECT_FALSE(engine.canPickUp(seven));       // the waste keeps its cards
    ASSERT_TRUE(engine.moveCards(eight, kWaste, nullptr));
    EXPECT_TRUE(engine.canDrop(nine, kWaste));
    EXPECT_FALSE(engine.canDrop(six, kWaste));
}

TEST(GolfRules, NothingGoesOnAKingAndAcesDoNotTurnTheCorner)
{
    Engine engine;
    dealEmbeddedGame(engine, "Golf", 2);
    const int king = cardOf(engine, kSpade, 13), queen = cardOf(engine, kHeart, 12);
    const int ace = cardOf(engine, kDiamond, 1), two = cardOf(engine, kClub, 2);
    const int otherKing = cardOf(engine, kClub, 13);
    arrangeBoard(engine, {{kWaste, {king}}, {kColumn, {queen}}, {kColumn + 1, {ace}}, {kColumn + 2, {two}}},
                 kStock);
    EXPECT_FALSE(engine.canDrop(queen, kWaste));
    EXPECT_FALSE(engine.canDrop(ace, kWaste));
    arrangeBoard(engine, {{kWaste, {ace}}, {kColumn, {otherKing}}, {kColumn + 1, {two}}}, kStock);
    EXPECT_FALSE(engine.canDrop(otherKing, kWaste));
    EXPECT_TRUE(engine.canDrop(two, kWaste));
}

TEST(GolfRules, TheStockTurnsOneCardAndTheClearedColumnsWin)
{
    Engine engine;
    dealEmbeddedGame(engine, "Golf", 3);
    const int five = cardOf(engine, kSpade, 5), four = cardOf(engine, kHeart, 4);
    arrangeBoard(engine, {{kWaste, {five}}, {kColumn + 6, {four}}}, kStock);
    const std::uint16_t stockTop = engine.topCard(kStock);
    ASSERT_TRUE(applyStep(engine, Step::tapOn(kStock), nullptr));
    EXPECT_EQ(engine.topCard(kWaste), stockTop);
    EXPECT_TRUE(faceUp(engine, stockTop));
    EXPECT_EQ(countOn(engine, kStock), 52 - 2 - 1);
    ASSERT_TRUE(engine.undoStep());
    ASSERT_TRUE(applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(four), kWaste), nullptr));
    EXPECT_TRUE(engine.isWon());  // the stock need not be used up
}

TEST(GolfRules, RecordedWinReplays)
{
    Engine engine;
    dealEmbeddedGame(engine, "Golf", 10);
    std::vector<ParsedStep> steps;
    std::string error;
    ASSERT_TRUE(parseSteps("t 0;t 0;m 40 1;m 13 1;t 0;m 34 1;m 33 1;m 47 1;m 20 1;m 45 1;m 44 1;m 6 1;m 5 1;"
                           "t 0;t 0;t 0;m 10 1;m 50 1;m 12 1;t 0;m 42 1;m 2 1;m 1 1;t 0;m 46 1;m 8 1;m 7 1;"
                           "m 21 1;t 0;m 23 1;t 0;m 43 1;m 31 1;m 19 1;m 18 1;m 4 1;m 16 1;m 28 1;m 27 1;"
                           "m 26 1;m 14 1;t 0;m 17 1;t 0;t 0;t 0;t 0;m 49 1;m 11 1;t 0;m 24 1",
                           steps, error))
        << error;
    for (const ParsedStep& step : steps)
        ASSERT_TRUE(applyParsedStep(engine, step, nullptr)) << formatSteps({step});
    EXPECT_TRUE(engine.isWon());
}

}  // namespace
}  // namespace velmora
