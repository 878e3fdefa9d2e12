// Gypsy-family reserves: one that opens only once the stock is used up,
// free cells, and reserves that take the stock's last cards; with them the
// stock that waits for every space to be filled, and foundations that take
// a suit from both packs.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kSpades = 1, kClubs = 2, kDiamonds = 3, kHearts = 4;
constexpr int kStock = 0;

bool move(Engine& engine, int card, int pile)
{
    return applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(card), static_cast<std::uint16_t>(pile)),
                     nullptr);
}
bool tapStock(Engine& engine) { return applyStep(engine, Step::tapOn(kStock), nullptr); }

// The card of this suit and rank from the second pack.
int secondCardOf(const Engine& engine, int suit, int rank)
{
    const auto& cards = engine.definition().cards;
    const int first = cardOf(engine, suit, rank);
    for (std::size_t k = 0; k < cards.size(); ++k)
        if (static_cast<int>(k) != first && cards[k].suit == suit && cards[k].rank == rank)
            return static_cast<int>(k);
    ADD_FAILURE() << "no second card of suit " << suit << " rank " << rank;
    return first;
}

// Stock 0, tableau 1 to reserve - 1, the reserve that opens once the stock
// is used up, then the foundations.
constexpr int kAnyNumber = 99;
struct StockOutGame {
    const char* game;
    int reserve;
    int capacity;  // single cards it holds; 0: one group at a time
};

const StockOutGame kStockOut[] = {
    {"Miss Milligan", 9, 0},
    {"Imperial Guards", 9, 0},
    {"Surprise", 12, 3},
    {"Right Triangle", 11, kAnyNumber},
};

// Column 1 holds the Nine of Clubs, the Eight of Hearts and the Seven of
// Clubs, a built group; columns 2 to 5 the Ten to King of Diamonds, column 6
// the Six of Spades and column 7 the Seven of Hearts, for a first step. The
// rest lies face down on `rest`.
void layBoard(Engine& engine, int rest)
{
    std::vector<PileContent> board{
        {1, {cardOf(engine, kClubs, 9), cardOf(engine, kHearts, 8), cardOf(engine, kClubs, 7)}},
        {6, {cardOf(engine, kSpades, 6)}},
        {7, {cardOf(engine, kHearts, 7)}}};
    for (int pile = 2; pile <= 5; ++pile)
        board.push_back({pile, {cardOf(engine, kDiamonds, pile + 8)}});
    arrangeBoard(engine, board, rest);
}

TEST(GypsyReserves, TheReserveOpensOnlyAfterAStepThatFindsTheStockUsedUp)
{
    for (const StockOutGame& g : kStockOut) {
        SCOPED_TRACE(g.game);
        Engine engine;
        dealEmbeddedGame(engine, g.game, 1);
        layBoard(engine, kStock);
        ASSERT_TRUE(move(engine, cardOf(engine, kSpades, 6), 7));
        EXPECT_FALSE(move(engine, cardOf(engine, kDiamonds, 10), g.reserve)) << "the stock still has cards";

        // The rest lies under column 8's place, so the stock is empty.
        layBoard(engine, 8);
        ASSERT_EQ(cardsOn(engine, kStock), 0);
        EXPECT_TRUE(move(engine, cardOf(engine, kSpades, 6), 7));
        EXPECT_TRUE(move(engine, cardOf(engine, kDiamonds, 10), g.reserve)) << "open after the step";
        ASSERT_TRUE(engine.undoStep());
        ASSERT_TRUE(engine.undoStep());
        EXPECT_FALSE(move(engine, cardOf(engine, kDiamonds, 10), g.reserve)) << "undoing the step closes it";
    }
}

TEST(GypsyReserves, AnOpenReserveTakesOneGroupOrItsNumberOfSingleCards)
{
    for (const StockOutGame& g : kStockOut) {
        SCOPED_TRACE(g.game);
        Engine engine;
        dealEmbeddedGame(engine, g.game, 1);
        layBoard(engine, 8);
        ASSERT_TRUE(move(engine, cardOf(engine, kSpades, 6), 7));
        const int nine = cardOf(engine, kClubs, 9), seven = cardOf(engine, kClubs, 7);
        if (g.capacity == 0) {
            ASSERT_TRUE(move(engine, nine, g.reserve)) << "an empty reserve takes a built group";
            EXPECT_EQ(cardsOn(engine, g.reserve), 3);
            EXPECT_FALSE(move(engine, cardOf(engine, kDiamonds, 10), g.reserve)) << "one group at a time";
            ASSERT_TRUE(move(engine, nine, 2)) << "the group goes back whole, onto the Ten of Diamonds";
            EXPECT_EQ(cardsOn(engine, g.reserve), 0);
            EXPECT_TRUE(move(engine, cardOf(engine, kDiamonds, 10), g.reserve)) << "then it takes another";
            continue;
        }
        EXPECT_FALSE(move(engine, nine, g.reserve)) << "single cards only";
        // Diamonds first, then the Seven of Clubs on top: as many as fit,
        // at most five.
        const int tried = std::min(g.capacity, 5);
        for (int k = 0; k + 1 < tried; ++k)
            ASSERT_TRUE(move(engine, cardOf(engine, kDiamonds, 10 + k), g.reserve)) << "card " << k + 1;
        ASSERT_TRUE(move(engine, seven, g.reserve));
        if (g.capacity < 5) {
            EXPECT_FALSE(move(engine, cardOf(engine, kDiamonds, 13), g.reserve)) << "it is full";
        }
        EXPECT_TRUE(move(engine, seven, 1)) << "its top card goes back onto the Eight of Hearts";
    }
}

// Milligan Cell: stock 0, tableau 1-8, free cells 9-12.
TEST(GypsyReserves, AFreeCellTakesAnySingleCardFromTheStart)
{
    Engine engine;
    dealEmbeddedGame(engine, "Milligan Cell", 1);
    layBoard(engine, kStock);
    EXPECT_FALSE(move(engine, cardOf(engine, kClubs, 9), 9)) << "no group";
    const int seven = cardOf(engine, kClubs, 7);
    EXPECT_TRUE(move(engine, seven, 9));
    EXPECT_FALSE(move(engine, cardOf(engine, kDiamonds, 13), 9)) << "one card a cell";
    EXPECT_TRUE(move(engine, cardOf(engine, kDiamonds, 13), 10));
    EXPECT_TRUE(move(engine, seven, 1)) << "a cell's card goes back onto the Eight of Hearts";
}

// Cone: stock 0, tableau 1-7, reserves 8-11, foundations 12-15, and the
// stock's last four cards apart on pile 16.
constexpr int kConeReserve = 8, kConeFoundation = 12, kConeApart = 16;

TEST(GypsyReserves, TheStockDealsARowOnlyOnceEverySpaceIsFilled)
{
    Engine engine;
    dealEmbeddedGame(engine, "Cone", 1);
    EXPECT_TRUE(tapStock(engine)) << "the deal leaves no space";
    // Column 1 is empty; column 2 holds a King of Clubs under a Queen of
    // Hearts, columns 3 to 7 a Heart each.
    std::vector<PileContent> board{{2, {cardOf(engine, kClubs, 13), cardOf(engine, kHearts, 12)}}};
    for (int pile = 3; pile <= 7; ++pile)
        board.push_back({pile, {cardOf(engine, kHearts, pile)}});
    arrangeBoard(engine, board, kStock);
    const int stockCards = cardsOn(engine, kStock);
    EXPECT_FALSE(tapStock(engine)) << "column 1 is empty";
    EXPECT_EQ(cardsOn(engine, kStock), stockCards);
    ASSERT_TRUE(move(engine, cardOf(engine, kHearts, 12), 1));
    ASSERT_TRUE(tapStock(engine)) << "every column holds a card";
    EXPECT_EQ(cardsOn(engine, kStock), stockCards - 7);
    for (int pile = 1; pile <= 7; ++pile)
        EXPECT_EQ(cardsOn(engine, pile), 2) << "column " << pile;
}

TEST(GypsyReserves, TheUsedUpStockDealsItsLastCardsToTheReservesSpacesOrNot)
{
    Engine engine;
    dealEmbeddedGame(engine, "Cone", 1);
    std::vector<int> last;
    for (int rank = 1; rank <= 4; ++rank)
        last.push_back(cardOf(engine, kSpades, rank));
    // Column 1 is a space; the rest lies face down on column 7.
    arrangeBoard(engine, {{kConeApart, last, false}, {2, {cardOf(engine, kHearts, 9)}}}, 7);
    ASSERT_EQ(cardsOn(engine, kStock), 0);
    for (int reserve = kConeReserve; reserve < kConeReserve + 4; ++reserve)
        EXPECT_FALSE(move(engine, cardOf(engine, kHearts, 9), reserve)) << "nothing goes onto a reserve";
    ASSERT_TRUE(tapStock(engine));
    EXPECT_EQ(cardsOn(engine, kConeApart), 0);
    for (int reserve = kConeReserve; reserve < kConeReserve + 4; ++reserve) {
        ASSERT_EQ(cardsOn(engine, reserve), 1) << "reserve " << reserve;
        EXPECT_TRUE(isFaceUp(engine, engine.topCard(reserve)));
    }
    EXPECT_FALSE(tapStock(engine)) << "nothing is left to deal";
    EXPECT_TRUE(move(engine, cardOf(engine, kSpades, 1), kConeFoundation)) << "a reserve card plays out";
}

TEST(GypsyReserves, AFoundationTakesItsSuitFromBothPacksInTurn)
{
    Engine engine;
    dealEmbeddedGame(engine, "Cone", 1);
    std::vector<int> spades;
    for (int rank = 1; rank <= 13; ++rank)
        spades.push_back(cardOf(engine, kSpades, rank));
    const int secondAce = secondCardOf(engine, kSpades, 1), secondTwo = secondCardOf(engine, kSpades, 2);
    const int clubsAce = cardOf(engine, kClubs, 1);
    arrangeBoard(engine, {{kConeFoundation, spades}, {1, {secondTwo}}, {2, {secondAce}}, {3, {clubsAce}}}, kStock);
    EXPECT_FALSE(move(engine, secondTwo, kConeFoundation)) << "the second pack starts again from its Ace";
    EXPECT_FALSE(move(engine, secondTwo, kConeFoundation + 1)) << "an empty foundation takes only an Ace";
    EXPECT_FALSE(move(engine, secondAce, kConeFoundation + 1)) << "the second foundation is the Clubs'";
    EXPECT_TRUE(engine.canDrop(clubsAce, kConeFoundation + 1));
    ASSERT_TRUE(move(engine, secondAce, kConeFoundation)) << "after the King comes the next Ace";
    EXPECT_TRUE(move(engine, secondTwo, kConeFoundation));
    EXPECT_EQ(cardsOn(engine, kConeFoundation), 15);
    EXPECT_FALSE(engine.isWon());
}

}  // namespace
}  // namespace velmora
