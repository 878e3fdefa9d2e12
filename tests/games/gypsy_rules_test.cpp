// Gypsy-family rules of their own: spaces filled at once from the stock, a
// stock that does nothing else, Yukon moves of any face-up card with the
// cards on it, a last row dealt to the middle columns, Aces above Kings, and
// foundations that give back only at the end.
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

// Stock 0, tableau 1 to tableauEnd - 1, then the foundations.
struct StockFillGame {
    const char* game;
    int tableauEnd;
    bool handFillsSpaces;  // once the stock is used up
    bool tapDealsRow;
};

const StockFillGame kStockFills[] = {
    {"Blockade", 13, true, true},
    {"Turncoats", 13, false, false},
};

// The Ace of Spades alone on the first column and a Club on each other; the
// rest of the pack lies face down on `rest`.
void layAceAndClubs(Engine& engine, const StockFillGame& g, int rest)
{
    std::vector<PileContent> board{{1, {cardOf(engine, kSpades, 1)}}};
    for (int pile = 2, rank = 13; pile < g.tableauEnd; ++pile)
        board.push_back({pile, {cardOf(engine, kClubs, rank--)}});
    arrangeBoard(engine, board, rest);
}

TEST(GypsyOwnRules, AnEmptiedColumnTakesTheStocksTopCardWhileTheStockLasts)
{
    for (const StockFillGame& g : kStockFills) {
        SCOPED_TRACE(g.game);
        Engine engine;
        dealEmbeddedGame(engine, g.game, 1);
        layAceAndClubs(engine, g, kStock);
        const int stockCards = cardsOn(engine, kStock);
        const int expected = engine.topCard(kStock);
        ASSERT_TRUE(engine.moveCards(cardOf(engine, kSpades, 1), g.tableauEnd, nullptr));
        engine.runAfterMoveEvents(nullptr);
        ASSERT_EQ(cardsOn(engine, 1), 1);
        EXPECT_EQ(engine.topCard(1), expected);
        EXPECT_TRUE(isFaceUp(engine, expected));
        EXPECT_EQ(cardsOn(engine, kStock), stockCards - 1);
    }
}

TEST(GypsyOwnRules, WithTheStockUsedUpASpaceWaitsAndTakesWhatItsGameAllows)
{
    for (const StockFillGame& g : kStockFills) {
        SCOPED_TRACE(g.game);
        Engine engine;
        dealEmbeddedGame(engine, g.game, 1);
        // The rest of the pack lies under the last column's Club, so the
        // stock is empty.
        const int last = g.tableauEnd - 1;
        layAceAndClubs(engine, g, last);
        ASSERT_EQ(cardsOn(engine, kStock), 0);
        ASSERT_TRUE(engine.moveCards(cardOf(engine, kSpades, 1), g.tableauEnd, nullptr));
        engine.runAfterMoveEvents(nullptr);
        EXPECT_EQ(cardsOn(engine, 1), 0);
        EXPECT_EQ(engine.canDrop(engine.topCard(2), 1), g.handFillsSpaces);
    }
}

TEST(GypsyOwnRules, ATapDealsARowUnlessTheStockOnlyFillsSpaces)
{
    for (const StockFillGame& g : kStockFills) {
        SCOPED_TRACE(g.game);
        Engine engine;
        dealEmbeddedGame(engine, g.game, 1);
        const int stockCards = cardsOn(engine, kStock);
        const int columns = g.tableauEnd - 1;
        EXPECT_EQ(tapStock(engine), g.tapDealsRow);
        EXPECT_EQ(cardsOn(engine, kStock), g.tapDealsRow ? stockCards - columns : stockCards);
        for (int pile = 1; pile < g.tableauEnd; ++pile)
            EXPECT_EQ(cardsOn(engine, pile), g.tapDealsRow ? 2 : 1) << "column " << pile;
    }
}

// Lexington Harp and Milligan Harp: stock 0, tableau 1-8. Column 1 holds the
// Eight of Spades under a Two of Hearts and a King of Clubs, which are no
// sequence.
struct YukonMoveCase {
    const char* game;
    std::pair<int, int> onto;  // suit and rank of column 2's only card; rank 0: column 2 is empty
    bool legal;
    const char* why;
};

const YukonMoveCase kYukonMoves[] = {
    {"Lexington Harp", {kHearts, 9}, true, "the Eight takes the cards on it along, in sequence or not"},
    {"Lexington Harp", {kClubs, 9}, false, "the card moved must still fit by alternating colours"},
    {"Lexington Harp", {kDiamonds, 10}, false, "the card moved must be one rank below"},
    {"Lexington Harp", {kHearts, 0}, true, "a space takes any card with the cards on it"},
    {"Brunswick", {kHearts, 9}, true, "the face-up deal moves as Lexington Harp"},
    {"Milligan Harp", {kHearts, 9}, false, "without Yukon moves only a built group moves"},
};

TEST(GypsyOwnRules, YukonMovesTakeAnyFaceUpCardWithTheCardsOnIt)
{
    for (const YukonMoveCase& c : kYukonMoves) {
        SCOPED_TRACE(std::string(c.game) + ": " + c.why);
        Engine engine;
        dealEmbeddedGame(engine, c.game, 1);
        const int eight = cardOf(engine, kSpades, 8);
        const int two = cardOf(engine, kHearts, 2), king = cardOf(engine, kClubs, 13);
        std::vector<PileContent> board{{1, {eight, two, king}}};
        if (c.onto.second != 0)
            board.push_back({2, {cardOf(engine, c.onto.first, c.onto.second)}});
        arrangeBoard(engine, board, kStock);
        ASSERT_EQ(move(engine, eight, 2), c.legal);
        if (!c.legal)
            continue;
        EXPECT_EQ(cardsOn(engine, 1), 0);
        EXPECT_EQ(engine.topCard(2), king);
    }
}

TEST(GypsyOwnRules, AYukonMoveTakesNoFaceDownCard)
{
    Engine engine;
    dealEmbeddedGame(engine, "Lexington Harp", 1);
    const int eight = cardOf(engine, kSpades, 8);
    arrangeBoard(engine, {{1, {eight}, false}, {2, {cardOf(engine, kHearts, 9)}}}, kStock);
    EXPECT_FALSE(move(engine, eight, 2));
}

// Irmgard: stock 0, tableau 1-9, foundations 10-17, and the last row's
// seven cards apart on pile 18.
TEST(GypsyOwnRules, TheLastRowGoesOntoTheMiddleColumnsOnly)
{
    Engine engine;
    dealEmbeddedGame(engine, "Irmgard", 1);
    ASSERT_EQ(cardsOn(engine, 18), 7);
    const int stockCards = cardsOn(engine, kStock);
    EXPECT_EQ(stockCards % 9, 0) << "the rows before the last use up the stock";
    ASSERT_TRUE(tapStock(engine));
    EXPECT_EQ(cardsOn(engine, kStock), stockCards - 9) << "a full row first";

    std::vector<int> lastRow;
    for (int rank = 1; rank <= 7; ++rank)
        lastRow.push_back(cardOf(engine, kDiamonds, rank));
    std::vector<PileContent> board{{18, lastRow, false}};
    for (int pile = 1; pile <= 8; ++pile)
        board.push_back({pile, {cardOf(engine, kClubs, pile + 1)}});
    arrangeBoard(engine, board, 9);
    const int ninth = cardsOn(engine, 9);
    ASSERT_TRUE(tapStock(engine)) << "the used-up stock deals the last row";
    EXPECT_EQ(cardsOn(engine, 18), 0);
    EXPECT_EQ(cardsOn(engine, 1), 1) << "the first column is left out";
    EXPECT_EQ(cardsOn(engine, 9), ninth) << "the last column is left out";
    for (int pile = 2; pile <= 8; ++pile) {
        ASSERT_EQ(cardsOn(engine, pile), 2) << "column " << pile;
        EXPECT_TRUE(isFaceUp(engine, engine.topCard(pile)));
    }
    EXPECT_FALSE(tapStock(engine));
}

// Swiss Patience: stock 0, tableau 1-9, foundations 10-13.
const DropCase kSwissDrops[] = {
    {"Swiss Patience", 1, 2, {{kClubs, 2}}, {kHearts, 1}, false, "an Ace never goes onto a Two"},
    {"Swiss Patience", 1, 2, {{kClubs, 1}}, {kHearts, 13}, true, "a King goes onto an Ace"},
    {"Swiss Patience", 1, 2, {{kClubs, 1}}, {kSpades, 13}, false, "a King goes onto an Ace of the other colour"},
    {"Swiss Patience", 1, 2, {}, {kHearts, 1}, true, "an Ace fills a space"},
    {"Swiss Patience", 1, 2, {}, {kHearts, 13}, false, "a King does not fill a space"},
    {"Swiss Patience", 1, 10, {}, {kHearts, 2}, true, "a foundation starts from a Two"},
    {"Swiss Patience", 1, 10, {}, {kHearts, 1}, false, "a foundation does not start from an Ace"},
    {"Swiss Patience", 1, 10, {{kHearts, 13}}, {kHearts, 1}, true, "the Ace follows the King on a foundation"},
};

TEST(GypsyOwnRules, SwissPatienceRanksTheAcesAboveTheKings)
{
    for (const DropCase& drop : kSwissDrops)
        expectDrop(drop);
}

// Giant: stock 0, tableau 1-8, foundations 9-16.
TEST(GypsyOwnRules, FoundationCardsComeBackOnlyOnceTheStockIsUsedUp)
{
    for (const bool stockUsedUp : {false, true}) {
        SCOPED_TRACE(stockUsedUp ? "stock used up" : "stock still dealing");
        Engine engine;
        dealEmbeddedGame(engine, "Giant", 1);
        const int two = cardOf(engine, kSpades, 2);
        arrangeBoard(engine,
                     {{9, {cardOf(engine, kSpades, 1), two}},
                      {1, {cardOf(engine, kHearts, 3)}},
                      {2, {cardOf(engine, kClubs, 9)}},
                      {3, {cardOf(engine, kHearts, 10)}}},
                     stockUsedUp ? 8 : kStock);
        ASSERT_TRUE(move(engine, cardOf(engine, kClubs, 9), 3)) << "a first step";
        EXPECT_EQ(move(engine, two, 1), stockUsedUp);
    }
}

}  // namespace
}  // namespace velmora
