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
// Whitehorse: waste 1, tableau
// 2-8, foundations 9-12.
const FillCase kFills[] = {
    {"Gate", 10, 4, 12, {{10, 2}, {11, 3}, {1, 1}}, 11, "the fuller reserve gives"},
    {"Gate", 10, 4, 12, {{10, 3}, {11, 2}, {1, 1}}, 10, "the left reserve gives when it is fuller"},
    {"Gate", 10, 4, 12, {{10, 2}, {11, 2}, {1, 1}}, 10, "on a tie the left reserve gives"},
    {"Gate", 10, 4, 12, {{11, 1}, {1, 1}}, 11, "a reserve gives before the waste"},
    {"Gate", 10, 4, 12, {{1, 2}}, 1, "with the reserves gone the waste gives"},
    {"Gate", 10, 4, 12, {}, kNothing, "with nothing left the space waits"},
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

}  // namespace
}  // namespace velmora
