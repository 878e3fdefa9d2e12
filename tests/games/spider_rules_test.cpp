// Spider, Spiderette, Scorpion and Simple Simon: the deal, what may be built
// and moved, the stock, and complete runs leaving for the foundations.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

// Columns come first, then the foundations, then the stock.
struct Layout {
    const char* game;
    std::vector<int> columnCards;
    std::vector<int> faceDownCards;
    int foundations;
    int stockCards;  // -1: no stock pile
    int firstFoundation() const { return static_cast<int>(columnCards.size()); }
    int stock() const { return firstFoundation() + foundations; }
};

const Layout kSpider{"Spider", {6, 6, 6, 6, 5, 5, 5, 5, 5, 5}, {5, 5, 5, 5, 4, 4, 4, 4, 4, 4}, 8, 50};
const Layout kSpiderette{"Spiderette", {1, 2, 3, 4, 5, 6, 7}, {0, 1, 2, 3, 4, 5, 6}, 4, 24};
const Layout kScorpion{"Scorpion", {7, 7, 7, 7, 7, 7, 7}, {3, 3, 3, 3, 0, 0, 0}, 4, 3};
const Layout kSimpleSimon{"Simple Simon", {8, 8, 8, 7, 6, 5, 4, 3, 2, 1}, std::vector<int>(10, 0), 4, -1};

int faceDownOn(const Engine& engine, int pile)
{
    int down = 0;
    for (std::uint16_t card : engine.cardsOn(pile))
        down += isFaceUp(engine, card) ? 0 : 1;
    return down;
}

// Card numbers of a suit from `high` down to `low`, bottom first; `copy` 1
// takes the second pack's cards.
std::vector<int> run(const Engine& engine, int suit, int high, int low, int copy = 0)
{
    std::vector<int> cards;
    for (int rank = high; rank >= low; --rank)
        cards.push_back(cardOf(engine, suit, rank) + 52 * copy);
    return cards;
}

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

TEST(SpiderRules, DealsEveryLayoutWithOnlyTheRightCardsFaceUp)
{
    for (const Layout& layout : {kSpider, kSpiderette, kScorpion, kSimpleSimon}) {
        Engine engine;
        loadEmbeddedGame(engine, layout.game);
        for (GameNumber number = 1; number <= 20; ++number) {
            SCOPED_TRACE(::testing::Message() << layout.game << " deal " << number);
            redeal(engine, number);
            ASSERT_EQ(engine.definition().pileCount(), layout.stock() + (layout.stockCards < 0 ? 0 : 1));
            for (std::size_t c = 0; c < layout.columnCards.size(); ++c) {
                const int column = static_cast<int>(c);
                EXPECT_EQ(cardsOn(engine, column), layout.columnCards[c]);
                EXPECT_EQ(faceDownOn(engine, column), layout.faceDownCards[c]);
                EXPECT_TRUE(isFaceUp(engine, engine.topCard(column)));
            }
            for (int f = 0; f < layout.foundations; ++f)
                EXPECT_EQ(cardsOn(engine, layout.firstFoundation() + f), 0);
            if (layout.stockCards >= 0) {
                EXPECT_EQ(cardsOn(engine, layout.stock()), layout.stockCards);
                EXPECT_EQ(faceDownOn(engine, layout.stock()), layout.stockCards);
            }
        }
    }
}

TEST(SpiderRules, BuildsDownRegardlessOfSuitButMovesOnlyRunsInOneSuit)
{
    Engine engine;
    dealEmbeddedGame(engine, "Spider", 1);
    const int heartNine = cardOf(engine, 4, 9), spadeEight = cardOf(engine, 1, 8);
    const int spadeSeven = cardOf(engine, 1, 7), clubSix = cardOf(engine, 2, 6);
    const int diamondEight = cardOf(engine, 3, 8), clubNine = cardOf(engine, 2, 9);
    arrangeBoard(engine,
                 {{0, {heartNine}}, {1, {spadeEight, spadeSeven}}, {2, {diamondEight, clubSix}}, {3, {clubNine}}},
                 kSpider.stock());
    EXPECT_TRUE(engine.canPickUp(spadeEight));  // a run in one suit
    EXPECT_TRUE(engine.canDrop(spadeEight, 0));  // any suit one rank higher
    EXPECT_FALSE(engine.canDrop(spadeSeven, 0));  // not one rank lower
    EXPECT_FALSE(engine.canPickUp(diamondEight));  // 6 on 8 is no run
    EXPECT_FALSE(engine.canDrop(spadeSeven, 3));
    EXPECT_TRUE(engine.canDrop(spadeSeven, 4));  // any card fills a space
    EXPECT_FALSE(engine.canDrop(spadeSeven, kSpider.firstFoundation()));  // runs leave only by themselves

    // Built in mixed suits, nine of hearts, eight of diamonds, seven of
    // spades: the eight can no longer carry the seven along.
    ASSERT_TRUE(move(engine, clubSix, 5));
    ASSERT_TRUE(move(engine, diamondEight, 0));
    ASSERT_TRUE(move(engine, spadeSeven, 0));
    EXPECT_FALSE(engine.canPickUp(diamondEight));
    EXPECT_TRUE(engine.canPickUp(spadeSeven));
}

TEST(SpiderRules, StockDealsOneCardPerColumnOnlyWhileNoColumnIsEmpty)
{
    Engine engine;
    dealEmbeddedGame(engine, "Spider", 3);
    const int stock = kSpider.stock();
    ASSERT_TRUE(applyStep(engine, Step::tapOn(static_cast<std::uint16_t>(stock)), nullptr));
    EXPECT_EQ(cardsOn(engine, stock), 40);
    for (int column = 0; column < 10; ++column) {
        EXPECT_EQ(cardsOn(engine, column), kSpider.columnCards[static_cast<std::size_t>(column)] + 1);
        EXPECT_TRUE(isFaceUp(engine, engine.topCard(column)));
    }
    ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(cardsOn(engine, stock), 50);

    std::vector<PileContent> board;
    for (int column = 1; column < 10; ++column)
        board.push_back({column, {cardOf(engine, 1 + column % 4, 1 + column)}});
    arrangeBoard(engine, board, stock);
    EXPECT_FALSE(engine.canTap(stock));  // column 0 is empty
    board.push_back({0, {cardOf(engine, 2, 13)}});
    arrangeBoard(engine, board, stock);
    EXPECT_TRUE(engine.canTap(stock));
}

TEST(SpiderRules, AFaceDownKingIsNoPartOfARun)
{
    Engine engine;
    dealEmbeddedGame(engine, "Spider", 2);
    // Column 0: the King of spades face down under the Queen down to Two.
    arrangeBoard(engine,
                 {{0, {cardOf(engine, 1, 13)}, false}, {0, run(engine, 1, 12, 2)}, {1, {cardOf(engine, 1, 1)}}},
                 kSpider.stock());
    ASSERT_TRUE(move(engine, cardOf(engine, 1, 1), 0));
    EXPECT_EQ(cardsOn(engine, 0), 13);
    EXPECT_EQ(cardsOn(engine, kSpider.firstFoundation()), 0);
}

TEST(SpiderRules, CompleteRunsLeaveForTheFoundationsInTurnAndExposeTheCardBeneath)
{
    Engine engine;
    dealEmbeddedGame(engine, "Spider", 2);
    const int f0 = kSpider.firstFoundation();
    std::vector<int> almost = run(engine, 1, 13, 2);
    std::vector<int> secondAlmost = run(engine, 3, 13, 2, 1);
    const int hidden = cardOf(engine, 2, 5);
    // Column 0: a face-down card under the spades from King to Two.
    arrangeBoard(engine,
                 {{0, {hidden}, false}, {0, almost}, {1, secondAlmost}, {2, {cardOf(engine, 1, 1)}},
                  {3, {cardOf(engine, 3, 1) + 52}}},
                 kSpider.stock());
    ASSERT_FALSE(isFaceUp(engine, hidden));

    ASSERT_TRUE(move(engine, cardOf(engine, 1, 1), 0));
    EXPECT_EQ(cardsOn(engine, f0), 13);
    EXPECT_EQ(cardsOn(engine, 0), 1);
    EXPECT_TRUE(isFaceUp(engine, hidden));
    ASSERT_TRUE(move(engine, cardOf(engine, 3, 1) + 52, 1));
    EXPECT_EQ(cardsOn(engine, f0 + 1), 13);
    EXPECT_EQ(cardsOn(engine, 1), 0);
    EXPECT_FALSE(engine.canPickUp(engine.topCard(f0)));

    ASSERT_TRUE(engine.undoStep());
    ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(cardsOn(engine, f0), 0);
    EXPECT_EQ(cardsOn(engine, 0), 13);
    EXPECT_FALSE(isFaceUp(engine, hidden));
}

TEST(SpiderRules, ScorpionMovesAnyFaceUpGroupBuildsInSuitAndFillsSpacesWithKings)
{
    Engine engine;
    dealEmbeddedGame(engine, "Scorpion", 1);
    const int spadeNine = cardOf(engine, 1, 9), spadeEight = cardOf(engine, 1, 8);
    const int heartTwo = cardOf(engine, 4, 2), clubEight = cardOf(engine, 2, 8);
    const int heartKing = cardOf(engine, 4, 13), heartFive = cardOf(engine, 4, 5);
    const int hidden = cardOf(engine, 3, 3);
    arrangeBoard(engine,
                 {{0, {hidden}, false},
                  {0, {spadeEight, heartTwo}},
                  {1, {spadeNine}},
                  {2, {clubEight}},
                  {3, {heartKing, heartFive}},
                  {4, {cardOf(engine, 3, 13)}},
                  {5, {cardOf(engine, 2, 13)}}},
                 kScorpion.stock());
    EXPECT_TRUE(engine.canPickUp(spadeEight));    // carries the unrelated Two along
    EXPECT_TRUE(engine.canDrop(spadeEight, 1));   // in suit
    EXPECT_FALSE(engine.canDrop(clubEight, 1));   // not in suit
    EXPECT_FALSE(engine.canPickUp(hidden));
    EXPECT_TRUE(engine.canDrop(heartKing, 6));    // a King with what lies on it
    EXPECT_FALSE(engine.canDrop(spadeNine, 6));   // nothing else fills a space
    ASSERT_TRUE(move(engine, spadeEight, 1));
    EXPECT_EQ(cardsOn(engine, 1), 3);
    EXPECT_TRUE(isFaceUp(engine, hidden));
}

TEST(SpiderRules, ScorpionReserveGoesOntoTheThreeLeftColumnsOnce)
{
    Engine engine;
    dealEmbeddedGame(engine, "Scorpion", 4);
    const int reserve = kScorpion.stock();
    ASSERT_TRUE(applyStep(engine, Step::tapOn(static_cast<std::uint16_t>(reserve)), nullptr));
    for (int column = 0; column < 7; ++column)
        EXPECT_EQ(cardsOn(engine, column), column < 3 ? 8 : 7);
    EXPECT_EQ(cardsOn(engine, reserve), 0);
    EXPECT_FALSE(engine.canTap(reserve));
}

TEST(SpiderRules, SpideretteStockEndsWithThreeCardsOnTheFirstColumns)
{
    Engine engine;
    dealEmbeddedGame(engine, "Spiderette", 5);
    const int stock = kSpiderette.stock();
    for (int deal = 0; deal < 4; ++deal)
        ASSERT_TRUE(applyStep(engine, Step::tapOn(static_cast<std::uint16_t>(stock)), nullptr)) << deal;
    for (int column = 0; column < 7; ++column)
        EXPECT_EQ(cardsOn(engine, column), column + 1 + (column < 3 ? 4 : 3));
    EXPECT_EQ(cardsOn(engine, stock), 0);
}

// All suits but one already lie on the foundations; the last one is
// completed in the tableau by two moves.
TEST(SpiderRules, EveryGameIsWonWhenTheLastSuitLeaves)
{
    for (const Layout& layout : {kSpider, kSpiderette, kScorpion, kSimpleSimon}) {
        SCOPED_TRACE(layout.game);
        Engine engine;
        dealEmbeddedGame(engine, layout.game, 1);
        std::vector<PileContent> board;
        for (int f = 0; f + 1 < layout.foundations; ++f)
            board.push_back({layout.firstFoundation() + f, run(engine, 1 + f % 4, 13, 1, f / 4)});
        const int copy = layout.foundations / 4 - 1;
        const int ace = cardOf(engine, 4, 1) + 52 * copy, two = cardOf(engine, 4, 2) + 52 * copy;
        board.push_back({0, run(engine, 4, 13, 3, copy)});
        board.push_back({1, {ace}});
        board.push_back({2, {two}});
        arrangeBoard(engine, board, layout.stockCards < 0 ? 3 : layout.stock());
        ASSERT_TRUE(move(engine, ace, 2));
        EXPECT_FALSE(engine.isWon());  // Two and Ace, but not yet on the rest of the suit
        ASSERT_TRUE(move(engine, two, 0));
        EXPECT_TRUE(engine.isWon());
        EXPECT_EQ(cardsOn(engine, layout.firstFoundation() + layout.foundations - 1), 13);
    }
}

TEST(SpiderRules, RecordedWinsReplay)
{
    // Found by the beam search (solve Spider 1 --beam 500): the best-first
    // search deals the whole stock early and then exhausts one hopeless
    // line of play.
    expectRecordedWin("Spider", 1,
                      "m 67 0;m 68 1;m 27 1;m 13 1;m 75 6;m 100 6;m 34 6;m 59 9;m 72 6;m 32 6;m 33 5;m 45 5;m 6 9;"
                      "m 23 7;m 42 8;m 93 8;m 79 8;m 88 2;m 76 4;m 35 2;m 37 7;m 3 0;m 45 2;m 86 7;m 32 7;m 91 8;"
                      "m 76 5;m 25 4;m 5 9;m 52 5;m 22 4;m 60 4;m 18 7;m 4 4;m 3 4;m 13 3;m 26 1;m 27 9;m 17 7;"
                      "m 19 6;m 98 1;m 18 6;t 18;m 55 7;m 99 0;m 48 2;m 28 7;m 72 5;m 14 5;m 41 4;m 0 5;m 95 1;"
                      "m 96 2;m 71 1;m 27 7;m 64 9;m 48 0;t 18;m 43 5;m 49 9;m 24 8;m 77 0;m 36 0;m 91 6;m 78 8;"
                      "m 79 4;m 42 9;m 82 1;m 61 0;m 29 1;m 28 1;t 18;m 1 7;m 15 5;m 20 1;m 73 0;m 84 0;m 83 0;"
                      "m 56 0;m 31 7;m 39 0;m 80 8;m 37 2;m 91 4;m 71 3;m 101 1;m 92 9;m 66 5;t 18;m 11 9;m 34 0;"
                      "m 46 0;m 62 9;m 47 6;m 9 9;m 100 1;m 46 1;m 7 0;m 71 0;m 57 0;m 15 4;m 74 2;m 11 7;t 18;"
                      "m 53 3;m 101 2;m 102 9;m 51 1;m 58 1;m 43 7;m 54 7;m 69 5;m 70 1;m 0 7;m 21 2;m 52 8;"
                      "m 103 5;m 50 5;m 63 9;m 16 1;m 75 9;m 74 9;m 89 5;m 65 9;m 85 6;m 97 6;m 89 3;m 90 5;m 13 1;"
                      "m 54 3;m 44 6;m 10 5;m 79 2;m 41 6;m 60 7;m 54 7;m 21 4;m 52 3;m 40 6;m 81 0;m 79 8;m 80 0;"
                      "m 30 2;m 57 4;m 70 0;m 71 7;m 58 0;m 97 1;m 57 0;m 7 4;m 87 8;m 39 1;m 56 4;m 30 0;m 52 4;"
                      "m 84 6;m 85 8;m 71 0;m 73 9;m 61 5;m 87 0;m 10 1;m 36 5;m 75 0;m 7 6;m 8 1;m 10 9");
    expectRecordedWin("Scorpion", 6,
                      "m 21 0;m 35 2;m 22 2;m 8 2;m 4 4;m 27 6;m 1 5;m 26 6;t 11;m 16 2;m 14 4;m 13 4;m 49 3;"
                      "m 47 0;m 45 2;m 41 1;m 44 2;m 11 3;m 30 2;m 32 0;m 12 6;m 39 3;m 23 3;m 18 6;m 20 3;m 36 3;"
                      "m 42 2;m 34 3;m 10 6;m 40 2;m 51 1;m 50 1;m 29 1;m 43 1;m 5 3;m 0 5;m 48 1;m 6 5;m 25 3;"
                      "m 51 2;m 38 1;m 24 3;m 17 2;m 15 2;m 51 4;m 9 6;m 28 1;m 31 0;m 37 1;m 19 3;m 46 4;m 38 4;"
                      "m 12 3;m 38 6;m 12 4;m 38 3;m 12 2;m 7 2;m 33 3;m 12 6;m 2 0;m 3 6");
    expectRecordedWin("Spiderette", 1,
                      "m 33 3;m 23 0;m 45 4;m 22 0;m 34 0;m 46 0;m 16 5;t 11;m 14 2;m 18 0;m 36 3;m 48 3;m 20 1;"
                      "m 39 4;m 14 6;m 28 5;m 14 5;m 42 6;m 42 2;m 21 6;m 43 0;m 12 2;m 48 1;m 21 1;m 36 6;m 11 2;"
                      "m 36 2;m 14 6;m 28 0;m 14 0;m 39 0;m 1 6;t 11;m 50 1;m 15 5;m 26 6;m 35 2;m 40 5;m 10 1;"
                      "m 17 0;m 26 5;m 1 3;m 2 6;m 26 6;m 19 3;m 36 4;m 10 2;m 36 1;m 17 4;m 31 3;m 17 3;m 40 4;"
                      "m 39 4;m 35 2;m 14 5;m 40 0;m 15 4;m 29 3;m 15 5;m 16 4;m 29 5;m 16 3;m 17 4;m 26 4;m 2 5;"
                      "m 31 6;m 35 1;m 26 5;m 17 6;m 26 6;m 2 4;m 26 4;t 11;m 8 0;m 7 0;m 6 0;m 29 1;t 11;m 4 1;"
                      "m 5 2;m 26 5;m 2 1;m 27 4;m 37 0;m 2 5;m 3 2;m 27 5;m 17 4;m 30 6;m 36 0;m 5 3;m 31 2;m 37 6;"
                      "m 50 0;m 37 1;m 38 6;m 21 6;m 49 0;m 5 1;m 19 6;m 32 3;m 50 2;m 5 6;m 33 1;m 47 2;m 41 1;"
                      "m 0 6;m 27 1;m 51 5;m 17 3;m 25 4;m 5 0;m 9 2;m 25 2;m 40 4;m 27 0;m 40 1;m 25 4;m 41 2;"
                      "m 28 1;m 41 0;m 33 5;m 25 1;m 43 4;m 17 0;m 18 6;m 43 3;m 44 0;m 46 4;m 33 0;m 46 5;m 25 2;"
                      "m 34 5;m 21 0;m 34 6;m 24 2");
    expectRecordedWin("Simple Simon", 1,
                      "m 0 9;m 3 4;m 46 8;m 40 5;m 10 7;m 48 7;m 17 6;m 18 1;m 19 8;m 3 8;m 30 6;m 47 7;m 40 1;"
                      "m 20 7;m 39 1;m 2 8;m 45 7;m 44 7;m 16 6;m 43 7;m 41 7;m 3 1;m 16 8;m 2 8;m 3 6;m 45 1;m 2 6;"
                      "m 19 7;m 45 8;m 20 1;m 46 7;m 20 8;m 48 1;m 11 0;m 35 0;m 1 6;m 0 6;m 21 0;m 28 7;m 3 8;"
                      "m 29 6;m 31 7;m 50 6;m 15 0;m 14 0;m 21 5;m 51 9;m 50 9;m 8 0;m 7 0;m 13 5;m 25 4;m 5 0;"
                      "m 31 3;m 33 7;m 23 9;m 33 3;m 34 7;m 22 9;m 21 9;m 8 5;m 4 5;m 3 5;m 27 7;m 34 0;m 35 3;m 9 0;"
                      "m 48 0;m 36 2;m 37 6;m 38 8;m 26 8;m 25 1;m 49 8;m 23 0;m 49 9;m 24 1");
}

}  // namespace
}  // namespace velmora
