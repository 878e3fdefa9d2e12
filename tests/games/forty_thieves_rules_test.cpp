// Forty Thieves, Busy Aces and Lucas: the deal, building in suit one card at
// a time, the foundations, and the stock that is gone through once.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

// Columns come first, then eight foundations, the stock and the waste.
struct Layout {
    const char* game;
    int columns;
    int cardsPerColumn;
    bool acesOut;
    int firstFoundation() const { return columns; }
    int stock() const { return columns + 8; }
    int waste() const { return columns + 9; }
};

constexpr Layout kFortyThieves{"Forty Thieves", 10, 4, false};
constexpr Layout kBusyAces{"Busy Aces", 12, 1, false};
constexpr Layout kLucas{"Lucas", 13, 3, true};

int secondCopy(const Engine& engine, int suit, int rank) { return cardOf(engine, suit, rank) + 52; }

bool move(Engine& engine, int card, int pile)
{
    return applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(card), static_cast<std::uint16_t>(pile)),
                     nullptr);
}

// Deals another number of the loaded game the way dealEmbeddedGame does.
void redeal(Engine& engine, GameNumber number)
{
    ASSERT_TRUE(engine.newDeal(number));
    engine.random().seed(number);
    engine.runDealEvents();
}

TEST(FortyThievesRules, DealsColumnsFaceUpAndTheRestToTheStock)
{
    for (const Layout& layout : {kFortyThieves, kBusyAces, kLucas}) {
        Engine engine;
        loadEmbeddedGame(engine, layout.game);
        for (GameNumber number = 1; number <= 20; ++number) {
            SCOPED_TRACE(::testing::Message() << layout.game << " deal " << number);
            redeal(engine, number);
            ASSERT_EQ(engine.definition().pileCount(), layout.columns + 10);
            for (int column = 0; column < layout.columns; ++column) {
                ASSERT_EQ(cardsOn(engine, column), layout.cardsPerColumn);
                for (std::uint16_t card : engine.cardsOn(column))
                    EXPECT_TRUE(isFaceUp(engine, card));
            }
            for (int f = 0; f < 8; ++f) {
                const int foundation = layout.firstFoundation() + f;
                ASSERT_EQ(cardsOn(engine, foundation), layout.acesOut ? 1 : 0);
                if (layout.acesOut) {
                    const CardDefinition& ace = engine.definition().cards[engine.topCard(foundation)];
                    EXPECT_EQ(ace.rank, 1);
                    EXPECT_EQ(ace.suit, 1 + f % 4);  // the foundation's own suit
                }
            }
            const int inStock = 104 - layout.columns * layout.cardsPerColumn - (layout.acesOut ? 8 : 0);
            EXPECT_EQ(cardsOn(engine, layout.stock()), inStock);
            EXPECT_FALSE(isFaceUp(engine, engine.topCard(layout.stock())));
            EXPECT_EQ(cardsOn(engine, layout.waste()), 0);
        }
    }
}

TEST(FortyThievesRules, BuildsDownInSuitOneCardAtATimeAndAnyCardFillsASpace)
{
    for (const Layout& layout : {kFortyThieves, kBusyAces, kLucas}) {
        SCOPED_TRACE(layout.game);
        Engine engine;
        dealEmbeddedGame(engine, layout.game, 1);
        const int heartNine = secondCopy(engine, 4, 9), heartEight = cardOf(engine, 4, 8);
        const int heartSeven = cardOf(engine, 4, 7), diamondEight = cardOf(engine, 3, 8);
        const int space = layout.columns - 1;
        std::vector<PileContent> board{{0, {heartNine}}, {1, {heartEight, heartSeven}}, {2, {diamondEight}}};
        // Fillers nothing can build on: the eight Kings, then black Jacks.
        for (int column = 3, i = 0; column < space; ++column, ++i)
            board.push_back({column, {i < 8 ? cardOf(engine, 1 + i % 4, 13) + 52 * (i / 4)
                                            : cardOf(engine, 1 + i % 2, 11) + 52 * (i / 10)}});
        arrangeBoard(engine, board, layout.stock());

        EXPECT_FALSE(engine.canPickUp(heartEight));  // two cards never move together
        EXPECT_TRUE(engine.canPickUp(heartSeven));
        EXPECT_FALSE(engine.canDrop(diamondEight, 0));  // same colour, other suit
        EXPECT_FALSE(engine.canDrop(heartSeven, 2));
        EXPECT_FALSE(engine.canDrop(heartSeven, layout.waste()));
        ASSERT_TRUE(move(engine, heartSeven, space));  // any card fills a space
        ASSERT_TRUE(move(engine, heartEight, 0));
        ASSERT_TRUE(move(engine, heartSeven, 0));
        EXPECT_FALSE(engine.canPickUp(heartEight));
        EXPECT_TRUE(engine.canDrop(diamondEight, 1));
    }
}

TEST(FortyThievesRules, FoundationsBuildUpInSuitFromTheAceAndKeepTheirCards)
{
    for (const Layout& layout : {kFortyThieves, kLucas}) {
        SCOPED_TRACE(layout.game);
        Engine engine;
        dealEmbeddedGame(engine, layout.game, 2);
        const int f = layout.firstFoundation();
        const int ace = cardOf(engine, 1, 1), two = cardOf(engine, 1, 2), clubTwo = cardOf(engine, 2, 2);
        const int otherAce = secondCopy(engine, 1, 1);
        arrangeBoard(engine, {{0, {ace}}, {1, {two}}, {2, {clubTwo}}, {3, {otherAce}}}, layout.stock());
        EXPECT_FALSE(engine.canDrop(two, f));
        ASSERT_TRUE(move(engine, ace, f));
        EXPECT_FALSE(engine.canDrop(clubTwo, f));
        ASSERT_TRUE(move(engine, two, f));
        EXPECT_FALSE(engine.canPickUp(two));
        EXPECT_FALSE(engine.canDrop(clubTwo, f + 1));  // an empty foundation takes only an Ace
        EXPECT_FALSE(engine.canDrop(otherAce, f + 1));  // of its own suit
        EXPECT_TRUE(engine.canDrop(otherAce, f + 4));
    }
}

// Kings and Jacks fill the columns: nothing builds on them, and the two
// stock cards fit nowhere either.
TEST(FortyThievesRules, StockIsDealtOneCardAtATimeAndNotRedealt)
{
    for (const Layout& layout : {kFortyThieves, kBusyAces, kLucas}) {
        SCOPED_TRACE(layout.game);
        Engine engine;
        dealEmbeddedGame(engine, layout.game, 3);
        std::vector<PileContent> board;
        for (int column = 0; column < layout.columns; ++column) {
            const int rank = column % 2 == 0 ? 13 : 11;
            board.push_back({column, {cardOf(engine, 1 + column / 2 % 4, rank) + 52 * (column / 8)}});
        }
        const int five = cardOf(engine, 3, 5), seven = cardOf(engine, 4, 7);
        board.push_back({layout.stock(), {five, seven}, false});
        arrangeBoard(engine, board, layout.firstFoundation() + 7);

        ASSERT_TRUE(applyStep(engine, Step::tapOn(static_cast<std::uint16_t>(layout.stock())), nullptr));
        EXPECT_EQ(engine.topCard(layout.waste()), seven);
        EXPECT_TRUE(isFaceUp(engine, seven));
        EXPECT_TRUE(engine.canPickUp(seven));
        ASSERT_TRUE(applyStep(engine, Step::tapOn(static_cast<std::uint16_t>(layout.stock())), nullptr));
        EXPECT_EQ(engine.topCard(layout.waste()), five);
        EXPECT_FALSE(engine.canTap(layout.stock()));
        EXPECT_FALSE(engine.findMove(0).has_value());  // lost
        ASSERT_TRUE(engine.undoStep());
        EXPECT_EQ(cardsOn(engine, layout.stock()), 1);
        EXPECT_TRUE(engine.findMove(0).has_value());
    }
}

TEST(FortyThievesRules, IsWonWhenTheLastKingReachesItsFoundation)
{
    for (const Layout& layout : {kFortyThieves, kBusyAces, kLucas}) {
        SCOPED_TRACE(layout.game);
        Engine engine;
        dealEmbeddedGame(engine, layout.game, 4);
        std::vector<PileContent> board;
        for (int f = 0; f < 8; ++f) {
            std::vector<int> suit;
            for (int rank = 1; rank <= (f == 7 ? 12 : 13); ++rank)
                suit.push_back(cardOf(engine, 1 + f % 4, rank) + 52 * (f / 4));
            board.push_back({layout.firstFoundation() + f, suit});
        }
        const int lastKing = secondCopy(engine, 4, 13);
        board.push_back({5, {lastKing}});
        arrangeBoard(engine, board, layout.stock());
        EXPECT_FALSE(engine.isWon());
        ASSERT_TRUE(move(engine, lastKing, layout.firstFoundation() + 7));
        EXPECT_TRUE(engine.isWon());
    }
}

TEST(FortyThievesRules, RecordedWinsReplay)
{
    expectRecordedWin("Lucas", 3,
                      "m 15 6;m 3 1;m 53 13;m 3 0;t 21;t 21;m 3 1;t 21;t 21;m 3 0;t 21;m 102 7;m 3 1;t 21;m 5 9;"
                      "m 56 9;m 66 18;m 15 18;m 16 18;m 101 7;m 100 7;m 2 13;m 3 13;m 56 13;m 5 13;m 6 13;m 14 14;"
                      "t 21;t 21;t 21;m 40 20;t 21;m 47 7;t 21;t 21;t 21;t 21;t 21;m 69 18;m 18 18;m 60 11;m 37 8;"
                      "m 97 3;m 90 9;m 37 9;m 36 9;m 79 19;m 28 19;m 4 0;m 92 16;m 32 4;t 21;m 76 2;t 21;m 23 2;"
                      "t 21;m 4 10;m 23 0;t 21;t 21;m 31 4;m 23 2;m 77 0;t 21;t 21;t 21;t 21;t 21;t 21;m 27 15;"
                      "m 46 7;m 97 7;m 98 3;m 97 3;m 82 4;t 21;m 97 7;t 21;m 1 17;m 97 3;t 21;m 55 10;m 97 7;t 21;"
                      "m 54 17;m 55 17;m 4 17;t 21;t 21;m 97 3;m 89 10;m 87 9;m 97 7;m 89 8;m 98 10;m 97 10;m 89 3;"
                      "m 86 9;t 21;m 81 19;m 82 19;m 83 19;m 97 7;m 98 12;m 97 12;m 89 10;m 97 3;m 89 8;m 34 10;"
                      "m 84 19;m 97 12;m 89 3;m 97 7;t 21;m 41 20;t 21;t 21;m 22 2;t 21;m 7 13;m 60 13;m 9 13;"
                      "m 98 11;m 97 11;m 89 8;t 21;t 21;t 21;t 21;m 94 20;m 43 20;m 99 5;m 97 12;m 99 3;m 98 5;"
                      "m 99 11;m 98 11;m 31 5;m 32 3;m 33 19;m 86 19;m 87 19;m 36 19;m 89 19;m 38 19;m 97 11;"
                      "m 77 12;m 97 7;m 25 0;m 10 13;m 98 8;m 97 8;m 46 11;m 97 11;m 98 7;m 97 8;m 31 3;m 98 5;"
                      "t 21;m 11 13;m 98 7;m 97 11;m 98 8;m 97 8;m 77 5;m 97 12;m 98 7;m 97 7;m 20 12;m 93 16;"
                      "m 97 11;m 98 8;m 97 8;m 77 4;m 97 5;m 98 7;m 97 8;m 98 5;t 21;m 57 17;m 58 17;m 98 7;"
                      "m 97 11;m 98 8;m 97 8;m 77 5;m 97 4;m 29 1;m 50 6;m 96 20;m 97 20;m 98 20;m 47 20;m 100 20;"
                      "m 101 20;m 102 20;m 103 20;t 21;t 21;m 77 4;m 72 8;m 50 5;m 21 2;m 77 7;m 72 4;m 77 8;"
                      "m 72 7;m 51 4;t 21;m 64 13;m 77 6;m 72 8;m 77 7;m 72 6;m 51 8;m 77 4;m 72 7;m 51 6;t 21;"
                      "m 71 18;m 72 18;m 21 18;m 22 18;m 23 18;m 76 18;m 77 18;m 51 8;t 21;t 21;m 80 15;m 29 15;"
                      "m 51 7;m 50 8;m 51 6;m 50 7;m 51 5;m 50 6;t 21;t 21;m 30 15;m 31 15;m 32 15;m 85 15;m 34 15;"
                      "m 51 10;m 50 10;m 46 8;m 99 7;t 21;m 42 16;m 99 11;m 50 7;m 99 6;m 51 11;t 21;t 21;m 99 2;"
                      "t 21;t 21;m 59 17;m 99 10;m 51 6;m 99 11;m 51 10;m 99 6;m 49 7;m 44 11;m 73 5;m 45 8;m 8 17;"
                      "m 99 4;m 73 6;m 99 5;m 73 4;m 99 3;m 17 5;m 48 2;m 70 6;m 63 1;m 35 15;m 99 2;m 73 3;m 99 4;"
                      "m 62 1;m 48 7;m 99 7;m 75 4;m 99 2;m 68 5;m 61 17;m 62 17;m 63 17;m 99 7;m 75 2;m 99 4;"
                      "m 75 1;m 73 2;m 99 7;m 19 12;m 12 17;m 95 16;m 88 15;m 44 16;m 45 16;m 46 16;m 99 16;"
                      "m 48 16;m 49 16;m 50 16;m 51 16;m 37 15;m 90 15;m 75 11;m 74 11;m 67 14;m 68 14;m 17 14;"
                      "m 70 14;m 19 14;m 20 14;m 73 14;m 74 14;m 75 14;m 25 12;t 21;m 24 14;m 25 14");
    expectRecordedWin("Forty Thieves", 49,
                      "t 18;m 93 1;m 46 7;m 26 16;m 61 3;m 32 5;m 40 1;t 18;m 66 9;t 18;m 13 15;m 66 15;m 15 15;"
                      "m 16 15;m 91 17;m 40 17;m 93 17;m 42 17;m 43 17;m 69 15;m 92 1;t 18;t 18;m 73 4;t 18;t 18;"
                      "t 18;t 18;t 18;m 27 16;t 18;m 7 2;m 58 2;m 57 2;m 53 6;t 18;m 14 8;t 18;t 18;t 18;m 52 14;"
                      "m 53 14;m 61 6;t 18;t 18;m 28 16;t 18;t 18;t 18;t 18;t 18;t 18;m 56 2;t 18;t 18;m 65 11;"
                      "m 14 11;m 67 11;m 49 8;t 18;m 72 4;m 19 4;m 10 9;m 61 9;m 99 6;m 46 6;t 18;t 18;m 54 14;t 18;"
                      "t 18;t 18;t 18;t 18;t 18;t 18;m 70 15;m 19 15;m 72 15;m 73 15;m 22 15;m 23 15;m 3 14;m 56 14;"
                      "m 57 14;m 58 14;m 7 14;m 8 14;m 61 14;m 10 14;m 51 9;m 47 4;m 46 4;t 18;t 18;m 11 14;m 46 6;"
                      "t 18;m 29 16;m 46 4;t 18;m 97 4;t 18;m 78 12;m 79 12;t 18;t 18;m 48 8;m 99 8;m 63 6;t 18;"
                      "m 24 15;m 77 15;m 37 2;t 18;m 36 2;t 18;t 18;t 18;t 18;t 18;m 35 2;t 18;m 68 11;m 17 11;t 18;"
                      "m 34 2;t 18;m 96 17;m 97 17;m 46 17;m 99 17;m 48 17;m 49 17;m 50 17;m 51 17;m 39 13;m 92 13;"
                      "m 41 13;m 90 9;m 81 8;m 4 3;m 55 3;m 30 16;m 83 16;m 32 16;m 33 16;m 34 16;m 35 16;m 36 16;"
                      "m 37 16;m 90 16;m 25 9;m 101 7;m 94 13;m 88 2;m 62 6;t 18;t 18;m 0 10;m 1 10;m 100 7;m 47 7;"
                      "m 60 4;m 59 4;m 71 0;m 98 7;m 64 14;m 84 5;t 18;m 95 13;t 18;t 18;t 18;m 44 13;t 18;m 9 6;"
                      "t 18;t 18;m 18 11;m 71 11;m 20 11;m 86 0;t 18;m 2 10;m 55 10;m 4 10;m 5 10;m 75 3;m 74 3;"
                      "m 103 1;t 18;m 6 10;m 59 10;m 60 10;m 9 10;m 62 10;m 63 10;m 89 6;m 87 2;m 38 4;m 21 11;"
                      "m 12 10;m 80 12;m 81 12;m 82 12;m 74 11;m 75 11;m 76 11;m 25 11;m 102 1;m 31 12;m 84 12;"
                      "m 85 12;m 86 12;m 87 12;m 88 12;m 89 12;m 38 12;t 18;m 45 13;m 98 13;m 47 13;m 100 13;"
                      "m 101 13;m 102 13;m 103 13");
    expectRecordedWin("Busy Aces", 2,
                      "m 94 8;m 83 0;m 66 11;m 60 5;m 50 4;m 60 2;m 50 5;t 20;m 103 4;m 50 4;m 60 5;m 33 3;m 60 10;"
                      "m 33 5;m 60 3;m 33 2;m 60 1;m 24 10;t 20;m 13 17;m 66 17;m 15 17;m 60 11;m 33 7;m 60 5;"
                      "m 33 11;m 60 7;t 20;t 20;m 7 7;m 6 7;m 33 6;m 27 11;m 33 5;m 27 6;m 33 3;m 27 5;m 33 2;t 20;"
                      "m 75 10;m 33 11;m 27 6;m 33 5;m 27 11;m 33 6;m 27 3;m 21 5;t 20;m 28 9;m 27 9;m 33 11;m 21 6;"
                      "t 20;m 35 5;t 20;t 20;m 64 2;t 20;m 71 3;m 70 3;m 64 1;m 35 2;m 64 5;m 35 1;m 33 2;m 64 11;"
                      "m 35 5;t 20;t 20;m 78 18;m 27 18;m 28 18;m 64 9;m 42 11;m 64 1;t 20;m 44 9;t 20;t 20;m 84 2;"
                      "m 83 2;t 20;t 20;m 34 5;m 83 0;t 20;m 30 0;t 20;m 65 13;t 20;t 20;m 41 11;t 20;m 85 5;m 84 5;"
                      "m 41 8;t 20;m 72 6;t 20;t 20;m 84 2;m 41 11;t 20;m 92 11;m 84 5;t 20;m 17 3;t 20;t 20;t 20;"
                      "m 101 4;m 84 2;t 20;t 20;m 84 5;t 20;m 63 1;m 62 1;t 20;m 16 17;m 17 17;m 70 17;m 71 17;"
                      "m 72 17;m 21 17;m 96 6;m 84 2;m 96 3;m 40 6;m 48 4;m 84 5;t 20;t 20;m 84 2;t 20;m 47 4;m 84 5;"
                      "t 20;m 93 8;m 40 8;m 96 6;m 84 2;m 44 3;m 96 9;m 84 5;m 44 6;m 33 3;m 96 2;t 20;m 22 17;"
                      "m 75 17;m 24 17;m 96 10;m 84 3;m 96 9;m 44 10;m 96 6;t 20;t 20;m 91 19;m 92 19;m 41 19;"
                      "m 42 19;m 96 11;m 11 2;m 62 2;m 4 9;m 23 6;m 10 1;m 84 5;t 20;t 20;m 84 3;t 20;t 20;m 84 5;"
                      "t 20;t 20;t 20;m 31 5;m 30 5;t 20;m 61 2;m 30 0;m 61 1;t 20;m 30 5;t 20;t 20;m 30 0;m 61 2;"
                      "t 20;m 30 5;t 20;m 52 16;m 61 1;m 30 0;t 20;m 29 18;m 30 18;m 83 18;m 32 18;m 33 18;m 96 3;"
                      "m 68 11;m 96 0;m 90 3;m 61 2;t 20;m 74 6;m 61 1;t 20;m 73 6;m 61 2;t 20;m 39 15;m 40 15;"
                      "m 93 15;m 94 15;m 95 19;m 96 19;m 90 8;m 68 3;m 90 11;m 68 8;m 90 0;m 61 1;m 90 3;m 49 11;"
                      "m 67 8;m 90 0;m 69 3;m 61 2;t 20;m 9 1;t 20;t 20;m 89 0;t 20;m 25 17;t 20;m 55 9;t 20;t 20;"
                      "t 20;m 8 2;t 20;m 36 0;t 20;m 5 7;m 8 1;t 20;t 20;m 98 4;m 8 2;t 20;t 20;m 8 1;t 20;m 45 19;"
                      "m 98 19;m 47 19;m 48 19;m 49 19;m 69 11;m 44 3;m 69 10;t 20;m 97 11;m 44 11;m 77 3;m 8 2;t 20;"
                      "t 20;m 8 1;t 20;m 43 15;m 44 15;m 97 15;m 88 11;m 8 2;t 20;m 46 15;m 8 1;t 20;t 20;m 1 16;"
                      "m 8 2;t 20;m 86 18;m 8 1;t 20;m 87 18;m 88 18;m 77 11;m 69 3;m 77 10;m 69 11;t 20;m 102 19;"
                      "m 77 3;m 69 10;m 77 11;m 69 3;m 12 10;m 8 2;t 20;m 0 12;t 20;m 54 16;m 55 16;m 4 16;m 5 16;"
                      "m 6 16;m 7 16;m 60 16;m 9 16;m 10 16;m 63 16;m 64 16;m 77 9;m 69 11;m 77 7;m 69 9;m 77 3;"
                      "m 69 7;m 19 11;m 3 1;m 80 9;m 37 18;m 59 2;t 20;m 38 18;t 20;m 2 1;t 20;t 20;m 26 14;t 20;"
                      "m 14 13;m 67 13;m 68 13;m 69 13;m 80 8;m 77 9;m 80 7;m 77 8;m 80 3;t 20;m 100 4;m 80 9;m 77 7;"
                      "m 80 8;m 77 9;m 80 7;m 77 3;m 57 9;m 81 8;m 80 8;m 56 9;m 76 3;m 99 15;m 18 13;m 53 12;"
                      "m 79 14;m 19 13;m 100 15;m 101 15;m 80 14;m 81 14;m 82 14;m 50 15;m 103 19;m 31 14;m 84 14;"
                      "m 85 14;m 34 14;m 35 14;m 36 14;m 89 14;m 90 14;m 2 12;m 3 12;m 56 12;m 57 12;m 58 12;m 51 15;"
                      "m 59 12;m 8 12;m 61 12;m 62 12;m 11 12;m 12 12;t 20;m 20 13;m 73 13;m 74 13;m 23 13;m 76 13;"
                      "m 77 13");
}

}  // namespace
}  // namespace velmora
