// Klondike-family games whose emptied tableau piles fill themselves: from the
// fuller of two reserve piles and then the waste, or from the waste with the
// stock turned onto it when the waste is empty.
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kSpades = 1, kClubs = 2, kHearts = 4;
constexpr int kNothing = -1;
constexpr int kThirdFromStockTop = -2;  // the card a three-card turn leaves on the waste

// The Ace of Spades, alone on tableau pile `space`, goes to `foundation`;
// the other tableau piles hold a Club each, the listed piles that many
// Hearts, and everything else lies face down on the stock (pile 0).
// `filledFrom` names the pile whose top card should then lie in the space.
struct FillCase {
    const char* game;
    int tableauEnd;  // the tableau is piles 2 to tableauEnd - 1
    int space;
    int foundation;
    std::vector<std::pair<int, int>> piles;  // pile, number of cards
    int filledFrom;
    const char* why;
};

// Gate: waste 1, tableau 2-9, reserves 10 and 11, foundations 12-15.
// Little Gate: waste 1, tableau 2-5, reserves 6 and 7, foundations 8-11.
// Whitehorse: waste 1, tableau 2-8, foundations 9-12.
const FillCase kFills[] = {
    {"Gate", 10, 4, 12, {{10, 2}, {11, 3}, {1, 1}}, 11, "the fuller reserve gives"},
    {"Gate", 10, 4, 12, {{10, 3}, {11, 2}, {1, 1}}, 10, "the left reserve gives when it is fuller"},
    {"Gate", 10, 4, 12, {{10, 2}, {11, 2}, {1, 1}}, 10, "on a tie the left reserve gives"},
    {"Gate", 10, 4, 12, {{11, 1}, {1, 1}}, 11, "a reserve gives before the waste"},
    {"Gate", 10, 4, 12, {{1, 2}}, 1, "with the reserves gone the waste gives"},
    {"Gate", 10, 4, 12, {}, kNothing, "with nothing left the space waits"},
    {"Little Gate", 6, 3, 8, {{6, 2}, {7, 3}, {1, 1}}, 7, "the fuller reserve gives"},
    {"Little Gate", 6, 3, 8, {{6, 1}, {1, 1}}, 6, "a reserve gives before the waste"},
    {"Little Gate", 6, 3, 8, {{1, 2}}, 1, "with the reserves gone the waste gives"},
    {"Whitehorse", 9, 3, 9, {{1, 2}}, 1, "the waste gives"},
    {"Whitehorse", 9, 3, 9, {}, kThirdFromStockTop, "an empty waste is first dealt to from the stock"},
};

TEST(KlondikeSpaceFill, AnEmptiedPileTakesTheCardItsGameNames)
{
    for (const FillCase& fill : kFills) {
        SCOPED_TRACE(std::string(fill.game) + ": " + fill.why);
        Engine engine;
        dealEmbeddedGame(engine, fill.game, 1);
        const int ace = cardOf(engine, kSpades, 1);
        std::vector<PileContent> board{{fill.space, {ace}}};
        for (int pile = 2, rank = 13; pile < fill.tableauEnd; ++pile)
            if (pile != fill.space)
                board.push_back({pile, {cardOf(engine, kClubs, rank--)}});
        int rank = 13;
        for (auto [pile, cards] : fill.piles) {
            PileContent content{pile, {}};
            for (int k = 0; k < cards; ++k)
                content.cards.push_back(cardOf(engine, kHearts, rank--));
            board.push_back(content);
        }
        arrangeBoard(engine, board, 0);
        int expected = kNothing;
        if (fill.filledFrom == kThirdFromStockTop) {
            const auto& stock = engine.cardsOn(0);
            expected = stock[stock.size() - 3];
        } else if (fill.filledFrom != kNothing) {
            expected = engine.topCard(fill.filledFrom);
        }
        ASSERT_TRUE(engine.moveCards(ace, fill.foundation, nullptr));
        engine.runAfterMoveEvents(nullptr);
        if (expected == kNothing) {
            EXPECT_TRUE(engine.cardsOn(fill.space).empty());
            continue;
        }
        ASSERT_EQ(engine.cardsOn(fill.space).size(), 1u);
        EXPECT_EQ(engine.topCard(fill.space), expected);
        EXPECT_TRUE(engine.state().cards[static_cast<std::size_t>(expected)].faceUp);
    }
}

// Moving Left: stock 0, waste 1, tableau 2-11, foundations 12-19. The Ace of
// Spades leaves pile `space` for the first foundation; piles not listed in
// `before` hold nothing, and `after` lists the piles expected to change.
using Cards = std::vector<std::pair<int, int>>;  // suit, rank, bottom first
struct ClosingCase {
    int space;
    std::vector<std::pair<int, Cards>> before;
    std::vector<std::pair<int, Cards>> after;
    const char* why;
};

constexpr int kDiamonds = 3;
const std::vector<std::pair<int, Cards>> kRowOfSingles = {
    {2, {{kDiamonds, 13}}}, {3, {{kDiamonds, 12}}}, {6, {{kDiamonds, 11}}}, {7, {{kDiamonds, 10}}},
    {8, {{kDiamonds, 9}}},  {9, {{kDiamonds, 8}}},  {10, {{kDiamonds, 7}}}, {11, {{kDiamonds, 6}}}};

std::vector<std::pair<int, Cards>> withPiles(std::vector<std::pair<int, Cards>> piles)
{
    piles.insert(piles.end(), kRowOfSingles.begin(), kRowOfSingles.end());
    return piles;
}

const ClosingCase kClosings[] = {
    {4,
     withPiles({{4, {{kSpades, 1}}}, {5, {{kClubs, 10}, {kHearts, 7}, {kSpades, 6}, {kHearts, 5}}}}),
     {{4, {{kHearts, 7}, {kSpades, 6}, {kHearts, 5}}}, {5, {{kClubs, 10}}}},
     "the longest movable group moves left, and only it"},
    {4,
     withPiles({{4, {{kSpades, 1}}}, {5, {{kHearts, 7}, {kSpades, 6}}}}),
     {{4, {{kHearts, 7}, {kSpades, 6}}}, {5, {{kDiamonds, 11}}}, {6, {{kDiamonds, 10}}}, {10, {{kDiamonds, 6}}},
      {11, {}}},
     "a pile emptied by the move is filled from its own right, down to the last"},
    {11,
     {{2, {{kDiamonds, 13}}}, {3, {{kDiamonds, 12}}}, {4, {{kDiamonds, 11}}}, {5, {{kDiamonds, 10}}},
      {6, {{kDiamonds, 9}}}, {7, {{kDiamonds, 8}}}, {8, {{kDiamonds, 7}}}, {9, {{kDiamonds, 6}}},
      {10, {{kDiamonds, 5}}}, {11, {{kSpades, 1}}}},
     {{11, {}}, {10, {{kDiamonds, 5}}}},
     "the last pile has no right neighbour and stays empty"},
    {4,
     {{2, {{kDiamonds, 13}}}, {3, {{kDiamonds, 12}}}, {4, {{kSpades, 1}}},
      {5, {{kHearts, 7}, {kSpades, 6}, {kHearts, 5}}}, {6, {{kDiamonds, 11}}}, {7, {{kDiamonds, 10}}},
      {8, {{kDiamonds, 9}}}, {9, {{kDiamonds, 8}}}},
     {{4, {{kHearts, 7}, {kSpades, 6}, {kHearts, 5}}}, {5, {{kDiamonds, 11}}}, {8, {{kDiamonds, 8}}}, {9, {}},
      {10, {}}, {11, {}}},
     "a group moves whole while other spaces wait at the end of the row"},
};

TEST(KlondikeSpaceFill, MovingLeftClosesASpaceWithTheGroupFromItsRight)
{
    for (const ClosingCase& closing : kClosings) {
        SCOPED_TRACE(closing.why);
        Engine engine;
        dealEmbeddedGame(engine, "Moving Left", 1);
        const auto cardsOf = [&](const Cards& cards) {
            std::vector<int> numbers;
            for (auto [suit, rank] : cards)
                numbers.push_back(cardOf(engine, suit, rank));
            return numbers;
        };
        std::vector<PileContent> board;
        for (const auto& [pile, cards] : closing.before)
            board.push_back({pile, cardsOf(cards)});
        arrangeBoard(engine, board, 0);
        ASSERT_TRUE(engine.moveCards(cardOf(engine, kSpades, 1), 12, nullptr));
        engine.runAfterMoveEvents(nullptr);
        for (const auto& [pile, cards] : closing.after) {
            const auto& on = engine.cardsOn(pile);
            EXPECT_EQ(std::vector<int>(on.begin(), on.end()), cardsOf(cards)) << "pile " << pile;
        }
    }
}

}  // namespace
}  // namespace velmora
