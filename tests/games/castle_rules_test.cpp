// Baker's Dozen, Beleaguered Castle, Streets and Alleys and Fortress: the
// deal (Kings to the bottom, Aces to the foundations), building one card at
// a time, spaces, and the foundations.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

int rankOf(const Engine& engine, int card) { return engine.definition().cards[static_cast<std::size_t>(card)].rank; }

struct CastleShape {
    const char* game;
    std::vector<int> rowCards;
    bool acesOnFoundations;
    int firstFoundation() const { return static_cast<int>(rowCards.size()); }
};

const std::vector<CastleShape>& shapes()
{
    static const std::vector<CastleShape> all{
        {"Baker's Dozen", std::vector<int>(13, 4), false},
        {"Beleaguered Castle", std::vector<int>(8, 6), true},
        {"Streets and Alleys", {7, 7, 7, 7, 6, 6, 6, 6}, false},
        {"Fortress", {6, 5, 5, 5, 5, 6, 5, 5, 5, 5}, false},
    };
    return all;
}

TEST(CastleRules, DealsTheRowsFaceUpAndTheAcesWhereTheGameWantsThem)
{
    for (const CastleShape& shape : shapes()) {
        for (GameNumber number = 1; number <= 20; ++number) {
            SCOPED_TRACE(::testing::Message() << shape.game << " #" << number);
            Engine engine;
            dealEmbeddedGame(engine, shape.game, number);
            for (std::size_t row = 0; row < shape.rowCards.size(); ++row)
                EXPECT_EQ(cardsOn(engine, static_cast<int>(row)), shape.rowCards[row]);
            for (int f = 0; f < 4; ++f) {
                const int foundation = shape.firstFoundation() + f;
                ASSERT_EQ(cardsOn(engine, foundation), shape.acesOnFoundations ? 1 : 0);
                if (shape.acesOnFoundations) {
                    EXPECT_EQ(rankOf(engine, engine.topCard(foundation)), 1);
                }
            }
            for (const Card& card : engine.state().cards)
                EXPECT_TRUE(card.faceUp);
        }
    }
}

// The deal events move every King under the other cards of its row and keep
// the order of the rest.
TEST(CastleRules, BakersDozenPutsKingsAtTheBottomOfTheirRows)
{
    int kingsMoved = 0;
    for (GameNumber number = 1; number <= 20; ++number) {
        SCOPED_TRACE(::testing::Message() << "#" << number);
        Engine engine;
        loadEmbeddedGame(engine, "Baker's Dozen");
        ASSERT_TRUE(engine.newDeal(number));
        std::vector<std::vector<std::uint16_t>> dealt;
        for (int row = 0; row < 13; ++row)
            dealt.push_back(engine.cardsOn(row));
        engine.random().seed(number);
        engine.runDealEvents();
        for (int row = 0; row < 13; ++row) {
            const auto& before = dealt[static_cast<std::size_t>(row)];
            const auto& after = engine.cardsOn(row);
            auto isKing = [&](std::uint16_t card) { return rankOf(engine, card) == 13; };
            std::vector<std::uint16_t> others;
            std::copy_if(before.begin(), before.end(), std::back_inserter(others),
                         [&](std::uint16_t card) { return !isKing(card); });
            const auto kings = static_cast<std::size_t>(std::count_if(before.begin(), before.end(), isKing));
            ASSERT_EQ(after.size(), before.size());
            EXPECT_TRUE(std::all_of(after.begin(), after.begin() + static_cast<std::ptrdiff_t>(kings), isKing));
            EXPECT_TRUE(std::equal(others.begin(), others.end(), after.begin() + static_cast<std::ptrdiff_t>(kings)));
            kingsMoved += before != after ? 1 : 0;
        }
    }
    EXPECT_GT(kingsMoved, 0);
}

TEST(CastleRules, BakersDozenBuildsDownOneCardAtATimeAndNeverFillsSpaces)
{
    Engine engine;
    dealEmbeddedGame(engine, "Baker's Dozen", 1);
    const int blackSix = cardOf(engine, 1, 6), blackFive = cardOf(engine, 2, 5), redFive = cardOf(engine, 3, 5);
    const int four = cardOf(engine, 4, 4), king = cardOf(engine, 1, 13), seven = cardOf(engine, 4, 7);
    const int otherKing = cardOf(engine, 2, 13);
    arrangeBoard(engine,
                 {{0, {blackSix}}, {1, {blackFive}}, {2, {redFive}}, {3, {king, four}}, {4, {seven}}, {6, {otherKing}}},
                 12);
    EXPECT_TRUE(engine.canDrop(blackFive, 0));  // regardless of suit or colour
    EXPECT_TRUE(engine.canDrop(redFive, 0));
    EXPECT_FALSE(engine.canPickUp(king));       // a card with another on it stays
    EXPECT_FALSE(engine.canDrop(four, 0));      // two ranks lower
    EXPECT_FALSE(engine.canDrop(seven, 0));     // upwards
    EXPECT_FALSE(engine.canDrop(otherKing, 5));  // not even a King fills a space
    EXPECT_FALSE(engine.canDrop(four, 5));
}

TEST(CastleRules, BeleagueredCastleFillsSpacesWithAnyCardAndBuildsOnTheDealtAces)
{
    Engine engine;
    dealEmbeddedGame(engine, "Beleaguered Castle", 1);
    const int foundation = 8;
    const int spadeAce = cardOf(engine, 1, 1), spadeTwo = cardOf(engine, 1, 2), heartTwo = cardOf(engine, 3, 2);
    const int eight = cardOf(engine, 2, 8), nine = cardOf(engine, 4, 9);
    arrangeBoard(engine, {{foundation, {spadeAce}}, {0, {spadeTwo}}, {1, {heartTwo}}, {2, {nine, eight}}}, 11);
    EXPECT_TRUE(engine.canDrop(spadeTwo, foundation));
    EXPECT_FALSE(engine.canDrop(heartTwo, foundation));
    EXPECT_TRUE(engine.canDrop(eight, 3));   // any card fills a space
    EXPECT_FALSE(engine.canPickUp(nine));    // but only one card moves
    ASSERT_TRUE(applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(spadeTwo), foundation), nullptr));
    EXPECT_FALSE(engine.canPickUp(spadeTwo));  // cards stay on the foundations
    EXPECT_FALSE(engine.canPickUp(spadeAce));
}

TEST(CastleRules, StreetsAndAlleysStartsTheFoundationsWithAces)
{
    Engine engine;
    dealEmbeddedGame(engine, "Streets and Alleys", 1);
    const int foundation = 8;
    const int ace = cardOf(engine, 2, 1), two = cardOf(engine, 2, 2), queen = cardOf(engine, 3, 12);
    const int jack = cardOf(engine, 1, 11);
    arrangeBoard(engine, {{0, {ace}}, {1, {two}}, {2, {queen}}, {3, {jack}}}, 7);
    EXPECT_FALSE(engine.canDrop(two, foundation));
    EXPECT_TRUE(engine.canDrop(ace, foundation));
    EXPECT_TRUE(engine.canDrop(jack, 2));  // regardless of colour
    EXPECT_TRUE(engine.canDrop(queen, 4));
}

TEST(CastleRules, FortressBuildsUpOrDownInSuit)
{
    Engine engine;
    dealEmbeddedGame(engine, "Fortress", 1);
    const int five = cardOf(engine, 1, 5), six = cardOf(engine, 1, 6), four = cardOf(engine, 1, 4);
    const int redFour = cardOf(engine, 3, 4), seven = cardOf(engine, 1, 7), nine = cardOf(engine, 2, 9);
    arrangeBoard(engine, {{0, {five}}, {1, {six}}, {2, {four}}, {3, {redFour}}, {4, {seven}}, {5, {nine}}}, 13);
    EXPECT_TRUE(engine.canDrop(six, 0));      // up
    EXPECT_TRUE(engine.canDrop(four, 0));     // down
    EXPECT_FALSE(engine.canDrop(redFour, 0)); // other suit
    EXPECT_FALSE(engine.canDrop(seven, 0));   // two ranks apart
    EXPECT_TRUE(engine.canDrop(nine, 6));     // any card fills a space
    ASSERT_TRUE(applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(six), 0), nullptr));
    EXPECT_TRUE(engine.canDrop(seven, 0));    // the row keeps climbing
    EXPECT_FALSE(engine.canPickUp(five));
}

// Wins found by the solver, replayed step by step on a fresh deal.
struct RecordedWin {
    const char* game;
    GameNumber number;
    const char* steps;
};

TEST(CastleRules, RecordedWinsReplay)
{
    const RecordedWin wins[] = {
        {"Baker's Dozen", 1,
         "m 26 16;m 13 15;m 14 15;m 0 14;m 1 14;m 2 14;m 3 14;m 43 7;m 22 0;m 4 14;m 27 16;m 46 12;m 43 1;"
         "m 5 14;m 46 8;m 33 12;m 48 6;m 32 12;m 50 7;m 15 15;m 32 8;m 29 2;m 43 11;m 44 8;m 16 15;m 43 8;"
         "m 29 8;m 17 15;m 18 15;m 19 15;m 20 15;m 39 13;m 40 13;m 48 3;m 47 10;m 41 13;m 42 13;m 48 6;"
         "m 33 10;m 21 15;m 28 16;m 29 16;m 43 13;m 44 13;m 45 13;m 22 15;m 49 12;m 48 12;m 23 15;m 24 15;"
         "m 50 0;m 25 15;m 48 3;m 49 4;m 48 4;m 34 9;m 48 6;m 49 12;m 32 10;m 46 13;m 49 4;m 48 4;m 36 12;"
         "m 48 12;m 49 0;m 48 3;m 36 4;m 49 12;m 8 3;m 6 14;m 7 14;m 8 14;m 50 8;m 49 8;m 48 8;m 36 12;"
         "m 48 12;m 49 4;m 34 12;m 9 14;m 30 16;m 31 16;m 32 16;m 33 16;m 47 13;m 34 16;m 48 13;m 49 13;"
         "m 50 13;m 51 13;m 35 16;m 36 16;m 37 16;m 38 16;m 10 14;m 11 14;m 12 14"},
        {"Beleaguered Castle", 1,
         "m 27 8;m 14 11;m 30 4;m 29 4;m 21 6;m 28 8;m 29 8;m 30 8;m 8 3;m 37 5;m 17 4;m 3 4;m 46 6;"
         "m 40 9;m 46 3;m 19 3;m 10 5;m 11 2;m 31 8;m 1 10;m 21 7;m 35 5;m 21 5;m 50 7;m 15 11;m 16 11;"
         "m 2 10;m 3 10;m 17 11;m 47 6;m 41 9;m 42 9;m 43 9;m 50 0;m 47 7;m 21 6;m 47 5;m 45 7;m 44 9;"
         "m 45 9;m 50 7;m 47 1;m 21 5;m 50 0;m 47 7;m 50 1;m 47 6;m 19 7;m 46 9;m 47 9;m 50 0;m 21 6;"
         "m 35 1;m 21 1;m 10 2;m 9 2;m 50 6;m 37 0;m 8 2;m 48 9;m 50 5;m 37 6;m 50 0;m 37 5;m 21 6;m 20 6;"
         "m 32 8;m 8 1;m 5 7;m 50 4;m 37 3;m 50 5;m 37 4;m 50 3;m 37 0;m 20 1;m 50 5;m 21 2;m 25 6;m 33 8;"
         "m 50 6;m 37 5;m 50 3;m 37 6;m 50 0;m 37 3;m 23 3;m 34 8;m 23 0;m 37 6;m 36 6;m 51 4;m 20 2;"
         "m 7 1;m 6 2;m 18 11;m 51 5;m 38 4;m 22 6;m 4 10;m 5 10;m 19 11;m 6 10;m 20 11;m 21 11;m 22 11;"
         "m 23 11;m 7 10;m 8 10;m 35 8;m 36 8;m 37 8;m 38 8;m 9 10;m 10 10;m 11 10;m 51 7;m 50 7;m 12 10;"
         "m 49 9;m 50 9;m 51 9;m 24 11;m 25 11"},
        {"Streets and Alleys", 6,
         "m 26 11;m 49 4;m 48 4;m 47 4;m 46 4;m 10 3;m 9 3;m 29 7;m 8 3;m 27 11;m 46 3;m 47 0;m 46 0;"
         "m 29 6;m 17 2;m 46 3;m 47 4;m 29 2;m 4 7;m 28 11;m 47 0;m 46 0;m 29 7;m 8 4;m 46 4;m 47 3;"
         "m 46 3;m 32 3;m 39 8;m 29 2;m 2 2;m 22 5;m 32 0;m 19 3;m 8 5;m 4 6;m 31 3;m 4 3;m 38 6;m 0 10;"
         "m 38 7;m 32 6;m 8 4;m 7 4;m 34 5;m 32 4;m 38 6;m 11 6;m 2 7;m 29 11;m 30 11;m 33 5;m 32 5;m 3 3;"
         "m 32 0;m 3 2;m 2 2;m 32 7;m 4 0;m 31 11;m 32 11;m 33 11;m 34 11;m 7 7;m 19 7;m 46 4;m 47 5;"
         "m 19 4;m 7 5;m 9 7;m 19 5;m 10 6;m 9 6;m 50 7;m 44 5;m 4 5;m 12 0;m 40 8;m 41 8;m 50 3;m 46 7;"
         "m 50 0;m 45 7;m 24 3;m 16 5;m 14 2;m 13 9;m 42 8;m 14 9;m 45 1;m 8 6;m 46 6;m 50 7;m 45 6;"
         "m 48 1;m 49 7;m 48 7;m 37 0;m 20 1;m 35 11;m 45 1;m 5 1;m 1 10;m 15 9;m 16 9;m 2 10;m 3 10;"
         "m 17 9;m 18 9;m 4 10;m 5 10;m 48 4;m 49 3;m 48 3;m 50 4;m 48 7;m 49 4;m 48 4;m 44 7;m 19 9;"
         "m 46 2;m 45 5;m 20 9;m 48 1;m 49 3;m 48 3;m 50 1;m 48 4;m 46 6;m 21 9;m 36 11;m 43 8;m 44 8;"
         "m 45 8;m 46 8;m 37 11;m 50 7;m 49 7;m 7 6;m 47 8;m 48 8;m 49 8;m 50 8;m 22 9;m 23 9;m 24 9;"
         "m 51 8;m 25 9;m 6 10;m 7 10;m 8 10;m 9 10;m 10 10;m 11 10;m 38 11;m 12 10"},
        {"Fortress", 2,
         "m 26 13;m 13 12;m 0 11;m 41 9;m 42 9;m 14 12;m 18 5;m 9 7;m 27 13;m 28 13;m 39 10;m 8 7;m 30 0;"
         "m 7 7;m 49 2;m 42 8;m 41 8;m 40 10;m 41 10;m 42 10;m 49 8;m 48 3;m 49 3;m 33 8;m 20 1;m 15 12;"
         "m 16 12;m 33 2;m 18 8;m 17 12;m 18 12;m 45 8;m 19 12;m 20 12;m 21 12;m 43 10;m 22 12;m 29 13;"
         "m 30 13;m 31 13;m 23 12;m 44 10;m 45 10;m 46 10;m 24 12;m 51 8;m 50 9;m 32 13;m 33 13;m 51 9;"
         "m 49 8;m 51 5;m 50 8;m 51 9;m 50 9;m 49 9;m 48 9;m 47 10;m 48 10;m 49 10;m 50 10;m 51 10;m 38 9;"
         "m 12 8;m 1 11;m 34 13;m 35 13;m 36 13;m 2 11;m 3 11;m 25 12;m 38 6;m 12 9;m 38 8;m 12 6;m 7 5;"
         "m 8 5;m 9 9;m 10 9;m 37 13;m 38 13;m 4 11;m 5 11;m 6 11;m 12 8;m 11 9;m 12 9;m 8 8;m 7 11;"
         "m 8 11;m 12 8;m 11 8;m 10 8;m 9 11;m 10 11;m 11 11;m 12 11"},
    };
    for (const RecordedWin& win : wins) {
        expectRecordedWin(win.game, win.number, win.steps);
    }
}

}  // namespace
}  // namespace velmora
