// Fan, Scotch Patience and La Belle Lucie: their deal, building, spaces,
// foundations, La Belle Lucie's redeals, and a recorded win of each.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kFans = 18, kFoundation = 18, kRedeal = 22, kGather = 23;
constexpr int kSpade = 1, kClub = 2, kDiamond = 3, kHeart = 4;

int countOn(const Engine& engine, int pile) { return static_cast<int>(engine.cardsOn(pile).size()); }

bool allFaceUp(const Engine& engine, int pile)
{
    for (std::uint16_t card : engine.cardsOn(pile))
        if (engine.state().cards[card].faceUp == 0)
            return false;
    return true;
}

TEST(FanRules, DealsEighteenFansFaceUp)
{
    struct Shape {
        const char* name;
        int fansOfThree;
        int lastFans;  // cards on each of the other fans
    };
    for (const Shape& shape : {Shape{"Fan", 17, 1}, Shape{"Scotch Patience", 16, 2}, Shape{"La Belle Lucie", 17, 1}}) {
        Engine engine;
        loadEmbeddedGame(engine, shape.name);
        for (GameNumber number = 1; number <= 20; ++number) {
            SCOPED_TRACE(std::string(shape.name) + " deal " + std::to_string(number));
            GameNumber dealt = number;
            ASSERT_TRUE(engine.newDeal(dealt));
            engine.runDealEvents();
            for (int fan = 0; fan < kFans; ++fan) {
                EXPECT_EQ(countOn(engine, fan), fan < shape.fansOfThree ? 3 : shape.lastFans);
                EXPECT_TRUE(allFaceUp(engine, fan));
            }
            for (int f = kFoundation; f < kFoundation + 4; ++f)
                EXPECT_EQ(countOn(engine, f), 0);
        }
    }
}

TEST(FanRules, FanBuildsDownInSuitOneCardAtATimeAndKingsFillSpaces)
{
    Engine engine;
    dealEmbeddedGame(engine, "Fan", 1);
    const int under = cardOf(engine, kDiamond, 4), nine = cardOf(engine, kSpade, 9);
    const int eight = cardOf(engine, kSpade, 8), redEight = cardOf(engine, kHeart, 8);
    const int king = cardOf(engine, kDiamond, 13), queen = cardOf(engine, kClub, 12);
    const int ace = cardOf(engine, kSpade, 1), two = cardOf(engine, kSpade, 2);
    const int heartTwo = cardOf(engine, kHeart, 2);
    arrangeBoard(engine,
                 {{0, {under, nine}}, {1, {eight}}, {2, {redEight}}, {3, {king}}, {4, {queen}}, {5, {two, ace}},
                  {7, {heartTwo}}},
                 kFoundation + 3);
    EXPECT_TRUE(engine.canDrop(eight, 0));
    EXPECT_FALSE(engine.canDrop(redEight, 0));  // another suit
    EXPECT_FALSE(engine.canPickUp(under));      // only the top card moves
    EXPECT_TRUE(engine.canDrop(king, 6));       // a King fills a space
    EXPECT_FALSE(engine.canDrop(queen, 6));
    EXPECT_FALSE(engine.canDrop(two, kFoundation));
    ASSERT_TRUE(applyStep(engine, Step::moveOnto(ace, kFoundation), nullptr));
    EXPECT_TRUE(engine.canDrop(two, kFoundation));
    EXPECT_FALSE(engine.canDrop(heartTwo, kFoundation));  // in suit only
    EXPECT_FALSE(engine.canPickUp(ace));  // foundation cards stay
}

TEST(FanRules, ScotchPatienceBuildsByRankAndFoundationsByAlternateColour)
{
    Engine engine;
    dealEmbeddedGame(engine, "Scotch Patience", 2);
    const int nine = cardOf(engine, kSpade, 9), redEight = cardOf(engine, kHeart, 8);
    const int seven = cardOf(engine, kSpade, 7), king = cardOf(engine, kDiamond, 13);
    const int ace = cardOf(engine, kSpade, 1), redTwo = cardOf(engine, kDiamond, 2);
    const int blackTwo = cardOf(engine, kClub, 2);
    arrangeBoard(engine,
                 {{0, {nine}}, {1, {redEight}}, {2, {seven}}, {3, {king}}, {4, {redTwo}}, {5, {blackTwo}},
                  {kFoundation, {ace}}},
                 kFoundation + 3);
    EXPECT_TRUE(engine.canDrop(redEight, 0));   // regardless of suit
    EXPECT_FALSE(engine.canDrop(seven, 0));     // but one rank lower
    EXPECT_FALSE(engine.canDrop(king, 6));      // spaces stay empty
    EXPECT_TRUE(engine.canDrop(redTwo, kFoundation));
    EXPECT_FALSE(engine.canDrop(blackTwo, kFoundation));  // same colour as the Ace
}

// The fans hold 50 cards, five on each of the first ten; two Spades are out.
void arrangeLucieMidGame(Engine& engine)
{
    const int ace = cardOf(engine, kSpade, 1), two = cardOf(engine, kSpade, 2);
    std::vector<PileContent> board{{kFoundation, {ace, two}}};
    for (int fan = 0; fan < 10; ++fan)
        board.push_back({fan, {}});
    int next = 0;
    for (int card = 0; card < 52; ++card)
        if (card != ace && card != two)
            board[1 + (next++ % 10)].cards.push_back(card);
    arrangeBoard(engine, board, kFoundation);
}

TEST(FanRules, LaBelleLucieRedealsTwiceInThreesAndUndoRestores)
{
    Engine engine;
    dealEmbeddedGame(engine, "La Belle Lucie", 3);
    EXPECT_EQ(engine.state().piles[kRedeal].displayValue, 0u);  // the mark for two redeals left
    arrangeLucieMidGame(engine);
    const std::vector<Card> before = engine.state().cards;

    ASSERT_TRUE(applyStep(engine, Step::tapOn(kRedeal), nullptr));
    for (int fan = 0; fan < kFans; ++fan) {
        EXPECT_EQ(countOn(engine, fan), fan < 16 ? 3 : fan == 16 ? 2 : 0);
        EXPECT_TRUE(allFaceUp(engine, fan));
    }
    EXPECT_EQ(countOn(engine, kFoundation), 2);
    EXPECT_EQ(countOn(engine, kGather), 0);
    EXPECT_EQ(engine.state().piles[kRedeal].displayValue, 1u);  // the last one left

    ASSERT_TRUE(engine.undoStep());
    for (std::size_t card = 0; card < before.size(); ++card) {
        EXPECT_EQ(engine.state().cards[card].pile, before[card].pile);
        EXPECT_EQ(engine.state().cards[card].position, before[card].position);
    }
    EXPECT_EQ(engine.state().piles[kRedeal].displayValue, 0u);

    ASSERT_TRUE(applyStep(engine, Step::tapOn(kRedeal), nullptr));
    ASSERT_TRUE(applyStep(engine, Step::tapOn(kRedeal), nullptr));
    EXPECT_EQ(engine.state().piles[kRedeal].displayValue, 2u);  // none left
    EXPECT_FALSE(engine.canTap(kRedeal));  // two redeals only
}

TEST(FanRules, LaBelleLucieLeavesSpacesEmpty)
{
    Engine engine;
    dealEmbeddedGame(engine, "La Belle Lucie", 4);
    const int king = cardOf(engine, kHeart, 13), queen = cardOf(engine, kHeart, 12);
    arrangeBoard(engine, {{0, {king}}, {1, {queen}}}, kFoundation + 3);
    EXPECT_FALSE(engine.canDrop(king, 2));
    EXPECT_TRUE(engine.canDrop(queen, 0));
    EXPECT_FALSE(engine.canDrop(king, 1));
}

// Wins found by the solver, replayed on a fresh deal.
TEST(FanRules, RecordedWinsReplay)
{
    struct Win {
        const char* name;
        GameNumber number;
        const char* steps;
    };
    const Win wins[] = {
        {"Fan", 7,
         "m 26 21;m 23 17;m 43 5;m 11 12;m 22 17;m 51 6;m 39 20;m 40 20;m 10 12;m 41 20;m 47 2;m 27 21;m 9 12;"
         "m 2 7;m 30 16;m 17 10;m 50 6;m 42 20;m 43 20;m 44 20;m 49 6;m 25 13;m 21 17;m 20 17;m 16 10;m 25 0;"
         "m 5 8;m 1 7;m 7 14;m 28 21;m 29 21;m 30 21;m 31 21;m 32 21;m 38 13;m 0 19;m 1 19;m 2 19;m 3 19;"
         "m 13 18;m 14 18;m 4 19;m 5 19;m 6 19;m 7 19;m 8 19;m 15 18;m 16 18;m 17 18;m 18 18;m 9 19;m 10 19;"
         "m 11 19;m 12 19;m 19 18;m 45 20;m 20 18;m 21 18;m 22 18;m 23 18;m 24 18;m 25 18;m 38 17;m 37 17;"
         "m 46 20;m 47 20;m 48 20;m 49 20;m 50 20;m 51 20;m 33 21;m 34 21;m 35 21;m 36 21;m 37 21;m 38 21"},
        {"Scotch Patience", 15,
         "m 13 21;m 0 20;m 50 14;m 48 12;m 45 9;m 47 12;m 50 4;m 47 5;m 8 12;m 27 21;m 15 21;m 29 21;m 4 21;"
         "m 44 21;m 50 14;m 45 11;m 50 6;m 41 15;m 37 14;m 19 21;m 26 19;m 50 4;m 45 9;m 33 21;m 8 21;m 48 21;"
         "m 23 21;m 50 21;m 37 6;m 12 21;m 47 12;m 41 0;m 37 4;m 47 5;m 36 10;m 40 20;m 47 12;m 41 15;m 28 0;"
         "m 1 19;m 41 19;m 16 19;m 30 19;m 5 19;m 45 19;m 20 19;m 47 19;m 9 19;m 49 19;m 11 19;m 38 19;"
         "m 42 14;m 37 16;m 36 16;m 35 16;m 34 16;m 46 16;m 31 1;m 24 4;m 2 20;m 42 20;m 17 20;m 39 18;"
         "m 31 20;m 14 18;m 28 18;m 6 20;m 46 20;m 3 18;m 34 7;m 35 2;m 36 4;m 35 4;m 34 4;m 32 9;m 22 2;"
         "m 21 20;m 34 2;m 35 20;m 36 16;m 18 9;m 43 18;m 18 18;m 32 18;m 7 18;m 34 18;m 22 18;m 36 18;"
         "m 24 18;m 51 18;m 10 20;m 37 20;m 25 20"},
        {"La Belle Lucie", 4,
         "m 0 21;m 1 21;m 49 15;m 48 15;m 43 6;m 42 6;m 23 14;m 22 14;t 22;m 39 20;m 13 19;m 14 19;m 15 19;"
         "m 16 19;m 49 8;m 48 8;m 42 13;m 41 13;m 9 3;m 40 20;m 41 20;m 42 20;m 43 20;m 26 18;m 37 7;m 24 6;"
         "m 23 6;m 31 4;m 18 16;m 44 20;m 45 20;m 47 8;m 46 20;m 47 20;m 48 20;m 49 20;m 50 20;m 22 6;m 6 0;"
         "m 2 21;m 27 18;m 28 18;m 36 7;m 35 7;m 34 7;m 8 3;m 5 0;m 4 0;m 33 7;m 3 21;m 4 21;m 5 21;m 6 21;"
         "m 7 21;m 8 21;m 9 21;m 10 21;m 17 16;t 22;m 51 20;m 29 18;m 30 18;m 31 18;m 32 18;m 33 18;m 34 18;"
         "m 35 18;m 36 18;m 37 18;m 38 18;m 17 19;m 18 19;m 19 19;m 11 21;m 12 21;m 20 19;m 21 19;m 22 19;"
         "m 23 19;m 24 19;m 25 19"},
    };
    for (const Win& win : wins) {
        expectRecordedWin(win.name, win.number, win.steps);
    }
}

}  // namespace
}  // namespace velmora
