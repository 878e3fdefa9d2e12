// The addition games: Monte Carlo, Pyramid, Block Ten and Nestor. Their
// deals, which cards pair and where, what happens to a pair, Monte Carlo's
// consolidation, Pyramid's uncovering and redeals, and a recorded win of
// each.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kSpade = 1, kClub = 2, kDiamond = 3, kHeart = 4;

int countOn(const Engine& engine, int pile) { return static_cast<int>(engine.cardsOn(pile).size()); }

bool allFaceUp(const Engine& engine, int pile, bool faceUp)
{
    for (std::uint16_t card : engine.cardsOn(pile))
        if ((engine.state().cards[card].faceUp != 0) != faceUp)
            return false;
    return true;
}

bool move(Engine& engine, int card, int pile)
{
    return applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(card), static_cast<std::uint16_t>(pile)),
                     nullptr);
}

bool tap(Engine& engine, int pile) { return applyStep(engine, Step::tapOn(static_cast<std::uint16_t>(pile)), nullptr); }

// Piles [from, to) that the deal gives `cards` face-up cards each.
struct DealtPiles {
    int from;
    int to;
    int cards;
};

// Deals 1 to 20 give the listed piles their face-up cards, a face-down stock
// of `stockCards` (stock -1: none) and leave the piles from `emptyFrom` empty.
void expectDeals(const std::string& name, const std::vector<DealtPiles>& dealt, int stock, int stockCards,
                 int emptyFrom)
{
    Engine engine;
    loadEmbeddedGame(engine, name);
    for (GameNumber number = 1; number <= 20; ++number) {
        SCOPED_TRACE(name + " deal " + std::to_string(number));
        GameNumber dealtNumber = number;
        ASSERT_TRUE(engine.newDeal(dealtNumber));
        engine.runDealEvents();
        for (const DealtPiles& piles : dealt)
            for (int pile = piles.from; pile < piles.to; ++pile) {
                EXPECT_EQ(countOn(engine, pile), piles.cards);
                EXPECT_TRUE(allFaceUp(engine, pile, true));
            }
        if (stock >= 0) {
            EXPECT_EQ(countOn(engine, stock), stockCards);
            EXPECT_TRUE(allFaceUp(engine, stock, false));
        }
        for (int pile = emptyFrom; pile < engine.definition().pileCount(); ++pile)
            EXPECT_EQ(countOn(engine, pile), 0);
    }
}

TEST(PairingRules, DealsTheirLayouts)
{
    expectDeals("Monte Carlo", {{0, 25, 1}}, 25, 27, 26);
    expectDeals("Pyramid", {{0, 28, 1}}, 28, 24, 29);
    expectDeals("Block Ten", {{0, 9, 1}}, 9, 43, 10);
    expectDeals("Nestor", {{0, 8, 6}, {8, 12, 1}}, -1, 0, 12);
}

// --- Monte Carlo -----------------------------------------------------------------

constexpr int kMonteStock = 25, kMonteDiscard = 26;

TEST(MonteCarloRules, OnlyTouchingCardsOfARankPair)
{
    Engine engine;
    dealEmbeddedGame(engine, "Monte Carlo", 1);
    const int five = cardOf(engine, kSpade, 5), diagonalFive = cardOf(engine, kHeart, 5);
    const int farFive = cardOf(engine, kClub, 5), six = cardOf(engine, kDiamond, 6);
    const int rowEndSix = cardOf(engine, kSpade, 6), rowStartSix = cardOf(engine, kHeart, 6);
    // Cell 0 is touched by cells 1, 5 and 6; cell 2 is two places away. Cell
    // 4 ends the first row, away from cell 5 that starts the second, which
    // touches cell 1 corner to corner.
    arrangeBoard(engine,
                 {{0, {five}}, {6, {diagonalFive}}, {2, {farFive}}, {1, {six}}, {4, {rowEndSix}},
                  {5, {rowStartSix}}},
                 kMonteStock);
    EXPECT_TRUE(engine.canDrop(diagonalFive, 0));
    EXPECT_FALSE(engine.canDrop(farFive, 0));
    EXPECT_FALSE(engine.canDrop(six, 0));
    EXPECT_FALSE(engine.canDrop(rowEndSix, 5));
    EXPECT_TRUE(engine.canDrop(rowStartSix, 1));
    EXPECT_FALSE(engine.canDrop(five, kMonteDiscard));
    EXPECT_FALSE(engine.canTap(kMonteStock));  // nothing to consolidate yet

    ASSERT_TRUE(move(engine, diagonalFive, 0));
    EXPECT_EQ(countOn(engine, 0), 0);
    EXPECT_EQ(countOn(engine, 6), 0);
    EXPECT_EQ(countOn(engine, kMonteDiscard), 2);
}

TEST(MonteCarloRules, TheStockTapClosesGapsInReadingOrderAndRefills)
{
    Engine engine;
    dealEmbeddedGame(engine, "Monte Carlo", 1);
    // Deal 1 has the Two of Hearts in cell 13 and the Two of Diamonds in cell
    // 17, diagonal neighbours.
    const int twoOfHearts = cardOf(engine, kHeart, 2), twoOfDiamonds = cardOf(engine, kDiamond, 2);
    ASSERT_EQ(engine.topCard(13), twoOfHearts);
    ASSERT_EQ(engine.topCard(17), twoOfDiamonds);
    std::vector<std::uint16_t> expected;
    for (int cell = 0; cell < 25; ++cell)
        if (cell != 13 && cell != 17)
            expected.push_back(engine.topCard(cell));
    const std::vector<std::uint16_t> stock = engine.cardsOn(kMonteStock);
    expected.push_back(stock[stock.size() - 1]);
    expected.push_back(stock[stock.size() - 2]);

    ASSERT_TRUE(move(engine, twoOfDiamonds, 13));
    EXPECT_EQ(countOn(engine, 24), 1);  // nothing closes up before the tap
    ASSERT_TRUE(engine.canTap(kMonteStock));
    ASSERT_TRUE(tap(engine, kMonteStock));
    for (int cell = 0; cell < 25; ++cell) {
        ASSERT_EQ(countOn(engine, cell), 1) << cell;
        EXPECT_EQ(engine.topCard(cell), expected[static_cast<std::size_t>(cell)]) << cell;
        EXPECT_TRUE(allFaceUp(engine, cell, true));
    }
    EXPECT_EQ(countOn(engine, kMonteStock), 25);
    EXPECT_FALSE(engine.canTap(kMonteStock));
    ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(countOn(engine, 13), 0);
    EXPECT_EQ(countOn(engine, kMonteStock), 27);
}

TEST(MonteCarloRules, AnEmptyStockStillClosesGapsAndTheLastPairWins)
{
    Engine engine;
    dealEmbeddedGame(engine, "Monte Carlo", 2);
    const int ace = cardOf(engine, kSpade, 1), otherAce = cardOf(engine, kClub, 1);
    const int nine = cardOf(engine, kSpade, 9), otherNine = cardOf(engine, kHeart, 9);
    // A pair that leaves no gap before a card leaves nothing to consolidate.
    const int jack = cardOf(engine, kClub, 11);
    arrangeBoard(engine, {{0, {jack}}, {1, {nine}}, {2, {otherNine}}}, kMonteDiscard);
    ASSERT_TRUE(move(engine, otherNine, 1));
    EXPECT_FALSE(engine.canTap(kMonteStock));
    EXPECT_FALSE(engine.findMove(0).has_value());

    arrangeBoard(engine, {{0, {ace}}, {1, {otherAce}}, {7, {nine}}, {24, {otherNine}}}, kMonteDiscard);
    ASSERT_TRUE(move(engine, otherAce, 0));
    ASSERT_FALSE(engine.canDrop(otherNine, 7));  // far apart before consolidating
    ASSERT_TRUE(tap(engine, kMonteStock));
    EXPECT_EQ(engine.topCard(0), nine);
    EXPECT_EQ(engine.topCard(1), otherNine);
    EXPECT_EQ(countOn(engine, 7) + countOn(engine, 24), 0);
    ASSERT_TRUE(move(engine, otherNine, 0));
    EXPECT_TRUE(engine.isWon());
}

// --- Pyramid -------------------------------------------------------------------

constexpr int kPyramidStock = 28, kPyramidWaste = 29, kPyramidDiscard = 30;

TEST(PyramidRules, CoveredCardsComeIntoPlayWhenBothCardsOnThemHaveGone)
{
    Engine engine;
    dealEmbeddedGame(engine, "Pyramid", 1);
    const int eight = cardOf(engine, kSpade, 8), five = cardOf(engine, kHeart, 5);
    const int otherEight = cardOf(engine, kClub, 8), otherFive = cardOf(engine, kDiamond, 5);
    const int jack = cardOf(engine, kClub, 11);
    // Pile 15 starts the sixth row; piles 21 and 22 of the bottom row cover it.
    arrangeBoard(engine, {{15, {eight}}, {21, {five}}, {22, {otherEight}}, {23, {otherFive}}, {24, {jack}}},
                 kPyramidStock);
    EXPECT_FALSE(engine.canPickUp(eight));
    EXPECT_FALSE(engine.canDrop(otherFive, 15));
    EXPECT_FALSE(engine.canDrop(jack, 21));  // 11 + 5 is not 13
    ASSERT_TRUE(move(engine, five, 22));
    EXPECT_EQ(countOn(engine, kPyramidDiscard), 2);
    EXPECT_TRUE(engine.canPickUp(eight));
    EXPECT_TRUE(engine.canDrop(otherFive, 15));
    ASSERT_TRUE(engine.undoStep());
    EXPECT_FALSE(engine.canPickUp(eight));
}

TEST(PyramidRules, KingsGoAloneAndTheWasteTopPairs)
{
    Engine engine;
    dealEmbeddedGame(engine, "Pyramid", 1);
    const int king = cardOf(engine, kSpade, 13), queen = cardOf(engine, kHeart, 12);
    const int ace = cardOf(engine, kClub, 1), seven = cardOf(engine, kClub, 7), six = cardOf(engine, kHeart, 6);
    arrangeBoard(engine, {{21, {king}}, {22, {queen}}, {kPyramidWaste, {six, ace}}, {23, {seven}}},
                 kPyramidStock);
    EXPECT_TRUE(engine.canDrop(king, kPyramidDiscard));
    EXPECT_FALSE(engine.canDrop(queen, kPyramidDiscard));
    EXPECT_FALSE(engine.canDrop(six, 23));  // under the waste's top card
    ASSERT_TRUE(move(engine, queen, kPyramidWaste));
    EXPECT_EQ(engine.topCard(kPyramidWaste), six);
    ASSERT_TRUE(move(engine, seven, kPyramidWaste));
    EXPECT_EQ(countOn(engine, kPyramidWaste), 0);
    EXPECT_EQ(countOn(engine, kPyramidDiscard), 4);
}

TEST(PyramidRules, TheStockIsDealtThreeTimes)
{
    Engine engine;
    dealEmbeddedGame(engine, "Pyramid", 4);
    for (int pass = 0; pass < 3; ++pass) {
        SCOPED_TRACE(pass);
        for (int card = 0; card < 24; ++card)
            ASSERT_TRUE(tap(engine, kPyramidStock));
        EXPECT_EQ(countOn(engine, kPyramidWaste), 24);
        EXPECT_TRUE(allFaceUp(engine, kPyramidWaste, true));
        EXPECT_EQ(engine.canTap(kPyramidStock), pass < 2);
        if (pass < 2) {
            ASSERT_TRUE(tap(engine, kPyramidStock));
            EXPECT_TRUE(allFaceUp(engine, kPyramidStock, false));
        }
    }
}

// --- Block Ten -----------------------------------------------------------------

constexpr int kBlockStock = 9, kBlockDiscard = 10;

TEST(BlockTenRules, PairsMakeTenOrMatchCourtCardsAndTensStay)
{
    Engine engine;
    dealEmbeddedGame(engine, "Block Ten", 1);
    const int ace = cardOf(engine, kSpade, 1), nine = cardOf(engine, kHeart, 9);
    const int five = cardOf(engine, kClub, 5), otherFive = cardOf(engine, kDiamond, 5);
    const int jack = cardOf(engine, kClub, 11), otherJack = cardOf(engine, kHeart, 11);
    const int queen = cardOf(engine, kSpade, 12), ten = cardOf(engine, kSpade, 10);
    const int otherTen = cardOf(engine, kHeart, 10);
    arrangeBoard(engine,
                 {{0, {ace}}, {1, {nine}}, {2, {five}}, {3, {otherFive}}, {4, {jack}}, {5, {otherJack}},
                  {6, {queen}}, {7, {ten}}, {8, {otherTen}}},
                 kBlockStock);
    EXPECT_TRUE(engine.canDrop(ace, 1));
    EXPECT_TRUE(engine.canDrop(five, 3));
    EXPECT_TRUE(engine.canDrop(jack, 5));
    EXPECT_FALSE(engine.canDrop(jack, 6));
    EXPECT_FALSE(engine.canDrop(ten, 8));
    EXPECT_FALSE(engine.canDrop(ace, 2));
    EXPECT_FALSE(engine.canDrop(ace, kBlockDiscard));

    const std::uint16_t stockTop = engine.topCard(kBlockStock);
    ASSERT_TRUE(move(engine, ace, 1));
    EXPECT_EQ(countOn(engine, kBlockDiscard), 2);
    EXPECT_EQ(countOn(engine, 0), 1);  // both places are filled at once
    EXPECT_EQ(countOn(engine, 1), 1);
    EXPECT_EQ(engine.topCard(0), stockTop);
    EXPECT_TRUE(allFaceUp(engine, 1, true));
    EXPECT_EQ(countOn(engine, kBlockStock), 52 - 9 - 2);
}

TEST(BlockTenRules, WonWithOnlyTheTensLeft)
{
    Engine engine;
    dealEmbeddedGame(engine, "Block Ten", 2);
    std::vector<PileContent> grid;
    for (int suit = 1; suit <= 4; ++suit)
        grid.push_back({suit - 1, {cardOf(engine, suit, 10)}});
    const int king = cardOf(engine, kSpade, 13), otherKing = cardOf(engine, kClub, 13);
    grid.push_back({4, {king}});
    grid.push_back({5, {otherKing}});
    arrangeBoard(engine, grid, kBlockDiscard);
    ASSERT_TRUE(move(engine, king, 5));
    EXPECT_TRUE(engine.isWon());
}

// --- Nestor --------------------------------------------------------------------

constexpr int kNestorReserve = 8, kNestorDiscard = 12;

TEST(NestorRules, FreeCardsOfARankPairWhateverTheirSuits)
{
    Engine engine;
    dealEmbeddedGame(engine, "Nestor", 1);
    const int seven = cardOf(engine, kSpade, 7), otherSeven = cardOf(engine, kHeart, 7);
    const int buriedSeven = cardOf(engine, kClub, 7), queen = cardOf(engine, kDiamond, 12);
    const int eight = cardOf(engine, kClub, 8);
    arrangeBoard(engine,
                 {{0, {buriedSeven, seven}}, {1, {otherSeven}}, {2, {eight}}, {kNestorReserve, {queen}}},
                 kNestorDiscard);
    EXPECT_TRUE(engine.canDrop(otherSeven, 0));
    EXPECT_FALSE(engine.canPickUp(buriedSeven));
    EXPECT_FALSE(engine.canDrop(eight, 1));
    EXPECT_FALSE(engine.canDrop(queen, 2));
    ASSERT_TRUE(move(engine, otherSeven, 0));
    EXPECT_EQ(engine.topCard(0), buriedSeven);
    EXPECT_EQ(countOn(engine, kNestorDiscard), 52 - 5 + 2);
    EXPECT_FALSE(engine.findMove(0).has_value());  // Seven, Eight and Queen do not pair
}

TEST(NestorRules, TheReservePairsWithColumnsAndLastPairWins)
{
    Engine engine;
    dealEmbeddedGame(engine, "Nestor", 2);
    const int king = cardOf(engine, kSpade, 13), otherKing = cardOf(engine, kHeart, 13);
    arrangeBoard(engine, {{5, {king}}, {kNestorReserve + 3, {otherKing}}}, kNestorDiscard);
    ASSERT_TRUE(move(engine, otherKing, 5));
    EXPECT_TRUE(engine.isWon());
}

// --- Recorded wins ---------------------------------------------------------------

TEST(PairingRules, RecordedWinsReplay)
{
    struct Win {
        const char* name;
        GameNumber number;
        const char* steps;
    };
    const Win wins[] = {
        {"Monte Carlo", 1,
         "m 48 19;m 40 17;t 25;m 46 19;m 17 16;t 25;m 36 11;m 31 23;m 1 17;t 25;m 50 17;m 28 21;m 16 11;"
         "t 25;m 51 15;m 47 13;m 39 16;t 25;m 41 13;m 33 18;m 32 17;t 25;m 35 12;m 34 14;t 25;m 13 6;t 25;"
         "m 42 9;t 25;m 43 8;m 37 0;t 25;m 45 3;m 44 6;m 25 1;t 25;m 23 0"},
        {"Pyramid", 31,
         "t 28;t 28;t 28;t 28;m 37 29;t 28;m 36 29;t 28;m 12 30;t 28;m 20 29;t 28;t 28;t 28;t 28;m 42 29;"
         "t 28;m 35 29;m 9 18;t 28;m 43 29;t 28;m 50 29;t 28;m 38 30;t 28;t 28;m 39 23;t 28;m 44 29;t 28;"
         "t 28;t 28;t 28;m 13 16;m 27 10;m 46 29;m 41 29;m 51 30;t 28;m 21 12;t 28;m 34 8;t 28;t 28;t 28;"
         "m 32 29;m 40 29;t 28;m 45 6;m 25 30;t 28;t 28;t 28;m 47 29;t 28;m 30 5;t 28;m 15 1;t 28;t 28;"
         "m 19 2;t 28;m 14 29"},
        {"Nestor", 6,
         "m 40 4;m 51 7;m 39 7;m 49 10;m 19 3;m 48 3;m 47 2;m 46 0;m 34 6;m 24 0;m 30 9;m 29 1;m 31 3;"
         "m 27 1;m 15 5;m 36 5;m 43 7;m 26 1;m 50 5;m 33 5;m 42 0;m 35 1;m 44 5;m 25 4;m 41 7;m 32 2"},
        {"Block Ten", 9,
         "m 43 0;m 32 5;m 27 3;m 39 3;m 46 2;m 44 3;m 23 4;m 21 8;m 5 3;m 17 3;m 50 2;m 31 6;m 38 2;m 20 2;"
         "m 45 7;m 51 0;m 37 1;m 28 7;m 26 1;m 47 6;m 49 7;m 42 3;m 41 3;m 33 7"},
    };
    for (const Win& win : wins) {
        expectRecordedWin(win.name, win.number, win.steps);
    }
}

}  // namespace
}  // namespace velmora
