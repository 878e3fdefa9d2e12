// Klondike-family games without foundations, won once every card lies on
// the tableau: piles that hold only so many cards, the win that asks each of
// them to be empty or full, and a stock that deals only into the spaces,
// with or without its top card in play.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kSpades = 1, kClubs = 2, kDiamonds = 3, kHearts = 4;

bool move(Engine& engine, int card, int pile)
{
    if (!engine.moveCards(card, pile, nullptr))
        return false;
    engine.runAfterMoveEvents(nullptr);
    return true;
}

// German Patience: stock 0, waste 1, columns 2-9 of at most thirteen cards,
// built up regardless of suit from King to Ace.
TEST(KlondikeTableauOnly, AColumnTakesCardsUpToItsCapacityAndGoesOnRoundTheCorner)
{
    Engine engine;
    dealEmbeddedGame(engine, "German Patience", 1);
    std::vector<int> twelve = suitOfPack(engine, kSpades, 0);
    const int spadeKing = twelve.back();
    twelve.pop_back();
    const std::vector<int> hearts = suitOfPack(engine, kHearts, 0);
    const std::vector<int> clubs = suitOfPack(engine, kClubs, 0);
    // Columns 2-4 to build on, the cards to try lying alone on 6-9 and the
    // waste; column 5 is a space.
    arrangeBoard(engine,
                 {{2, twelve}, {3, {clubs[12]}}, {4, {hearts[5]}}, {6, {hearts[12]}}, {7, {hearts[11]}},
                  {8, {hearts[0]}}, {9, {hearts[6]}}, {1, {hearts[4]}}},
                 0);
    EXPECT_TRUE(engine.canDrop(hearts[12], 2)) << "any suit's next rank, to the thirteenth card";
    EXPECT_FALSE(engine.canDrop(hearts[11], 2)) << "not a card of the wrong rank";
    EXPECT_TRUE(engine.canDrop(hearts[0], 3)) << "an Ace goes on a King";
    EXPECT_FALSE(engine.canDrop(hearts[4], 4)) << "the columns are not built down";
    EXPECT_TRUE(engine.canDrop(hearts[6], 5)) << "any card fills a space";

    twelve.push_back(spadeKing);
    arrangeBoard(engine, {{2, twelve}, {3, {hearts[0]}}}, 0);
    EXPECT_FALSE(engine.canDrop(hearts[0], 2)) << "a column of thirteen takes no more";
}

// The eight suits of two packs laid out as the piles of a won game: pile
// `first` + k holds suit k up from the Ace, save that `shortPile` lacks its
// King, which `kingPile` holds alone (kingPile -1: on the waste, pile 1).
std::vector<PileContent> twoPackBoard(const Engine& engine, int first, int shortPile, int kingPile)
{
    std::vector<PileContent> board;
    int pile = first;
    int king = -1;
    for (int pack = 0; pack < 2; ++pack)
        for (int suit : {kSpades, kClubs, kDiamonds, kHearts}) {
            std::vector<int> cards = suitOfPack(engine, suit, pack);
            if (pile == shortPile) {
                king = cards.back();
                cards.pop_back();
            }
            board.push_back({pile++, cards});
        }
    board.push_back({kingPile < 0 ? 1 : kingPile, {king}});
    return board;
}

// Bavarian Patience: stock 0, waste 1, columns 2-11. The game is won only
// once every column is empty or holds thirteen cards.
TEST(KlondikeTableauOnly, TheGameIsWonWhenEveryColumnIsEmptyOrFull)
{
    Engine engine;
    dealEmbeddedGame(engine, "Bavarian Patience", 1);
    const int shortPile = 5;
    arrangeBoard(engine, twoPackBoard(engine, 2, shortPile, 11), 0);
    const int king = engine.topCard(11);
    ASSERT_TRUE(move(engine, king, 10));
    EXPECT_FALSE(engine.isWon()) << "every card lies on the columns, but one of them holds twelve";
    ASSERT_TRUE(move(engine, king, shortPile));
    EXPECT_TRUE(engine.isWon());

    Engine german;
    dealEmbeddedGame(german, "German Patience", 1);
    arrangeBoard(german, twoPackBoard(german, 2, 9, -1), 0);
    ASSERT_TRUE(move(german, german.topCard(1), 9)) << "the waste's last card completes the columns";
    EXPECT_TRUE(german.isWon());
}

// Trusty Twelve: stock 0, columns 1-12, built down regardless of suit. Up
// and Up: stock 0, face up, columns 1-10, built up from King to Ace.
TEST(KlondikeTableauOnly, TheStockFillsEachSpaceAndIsWonOnceEmpty)
{
    Engine engine;
    dealEmbeddedGame(engine, "Trusty Twelve", 1);
    EXPECT_FALSE(engine.canTap(0)) << "the stock deals only into spaces";
    EXPECT_FALSE(engine.canPickUp(engine.topCard(0))) << "its top card is not in play";

    // Every card but one on the columns: a Five over a Six leaves a space.
    const int five = cardOf(engine, kSpades, 5), six = cardOf(engine, kHearts, 6);
    std::vector<PileContent> board{{1, {five}}, {2, {six}}};
    std::vector<int> others;
    for (int c = 0; c < 52; ++c)
        if (c != five && c != six)
            others.push_back(c);
    const int last = others.back();
    others.pop_back();
    for (int pile = 3; pile <= 12; ++pile)
        board.push_back({pile, {}});
    for (std::size_t k = 0; k < others.size(); ++k)
        board[2 + k % 10].cards.push_back(others[k]);
    arrangeBoard(engine, board, 0);
    ASSERT_EQ(engine.cardsOn(0).size(), 1u);
    EXPECT_FALSE(engine.isWon());
    ASSERT_TRUE(move(engine, five, 2));
    ASSERT_EQ(engine.cardsOn(1).size(), 1u);
    EXPECT_EQ(engine.topCard(1), last) << "the space took the stock's card";
    EXPECT_TRUE(engine.state().cards[static_cast<std::size_t>(last)].faceUp);
    EXPECT_TRUE(engine.isWon()) << "no card is left in the stock";

    Engine up;
    dealEmbeddedGame(up, "Up and Up", 1);
    EXPECT_FALSE(up.canTap(0));
    EXPECT_TRUE(up.state().cards[up.topCard(0)].faceUp) << "the stock lies face up from the deal";
    const int seven = cardOf(up, kHearts, 7), two = cardOf(up, kClubs, 2);
    std::vector<PileContent> upBoard{{0, {two, seven}}, {1, {cardOf(up, kSpades, 6)}}};
    for (int pile = 3; pile <= 10; ++pile)
        upBoard.push_back({pile, {cardOf(up, kDiamonds, pile)}});
    arrangeBoard(up, upBoard, 2);
    EXPECT_FALSE(up.canDrop(seven, 8)) << "a column is built up, not down";
    ASSERT_TRUE(move(up, seven, 1)) << "the stock's top card plays onto a column";
    EXPECT_EQ(up.topCard(0), two);
    EXPECT_FALSE(up.isWon());
}

}  // namespace
}  // namespace velmora
