// Trillium has no foundations: it is won once every card lies on the
// columns in runs of thirteen from King to Ace in alternating colours.
// Random play never gets there, so the win is tried on a chosen board.
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kSpades = 1, kClubs = 2, kDiamonds = 3, kHearts = 4;

// King down to Ace, the ranks taken by turns from the two suits' cards of
// one pack, starting with the first suit's King.
std::vector<int> alternatingRun(const Engine& engine, int firstSuit, int secondSuit, int pack)
{
    const std::vector<int> first = suitOfPack(engine, firstSuit, pack);
    const std::vector<int> second = suitOfPack(engine, secondSuit, pack);
    std::vector<int> run;
    for (int rank = 13; rank >= 1; --rank)
        run.push_back((13 - rank) % 2 == 0 ? first[rank - 1] : second[rank - 1]);
    return run;
}

// Stock 0, columns 1 to 13: eight whole runs use up both packs, the last
// Ace waiting alone on the ninth column.
struct RunsBoard {
    Engine engine;
    std::vector<PileContent> piles;
    int lastAce = 0;

    RunsBoard()
    {
        dealEmbeddedGame(engine, "Trillium", 1);
        int column = 1;
        for (int pack = 0; pack < 2; ++pack)
            for (auto [a, b] : {std::pair{kSpades, kHearts}, {kHearts, kSpades}, {kClubs, kDiamonds},
                                {kDiamonds, kClubs}})
                piles.push_back({column++, alternatingRun(engine, a, b, pack)});
        lastAce = piles.back().cards.back();
        piles.back().cards.pop_back();
        piles.push_back({9, {lastAce}});
    }
};

TEST(GypsyRuns, TrilliumIsWonWhenTheLastRunIsWhole)
{
    RunsBoard board;
    arrangeBoard(board.engine, board.piles, 10);
    ASSERT_EQ(cardsOn(board.engine, 0), 0);
    EXPECT_FALSE(board.engine.isWon()) << "one run lacks its Ace";
    ASSERT_TRUE(applyStep(board.engine, Step::moveOnto(static_cast<std::uint16_t>(board.lastAce), 8), nullptr));
    EXPECT_TRUE(board.engine.isWon());
}

TEST(GypsyRuns, TrilliumIsNotWonWithThirteenCardsOutOfOrder)
{
    RunsBoard board;
    // The Ace goes home, but two cards of another run change places: every
    // column still holds thirteen cards or none.
    board.piles.pop_back();
    board.piles.back().cards.push_back(board.lastAce);
    std::swap(board.piles[0].cards[3], board.piles[0].cards[5]);
    arrangeBoard(board.engine, board.piles, 10);
    ASSERT_EQ(cardsOn(board.engine, 1), 13);
    // A step lets the win be looked for: a card moved off the top and back.
    const int top = board.engine.topCard(2);
    ASSERT_TRUE(applyStep(board.engine, Step::moveOnto(static_cast<std::uint16_t>(top), 9), nullptr));
    ASSERT_TRUE(applyStep(board.engine, Step::moveOnto(static_cast<std::uint16_t>(top), 2), nullptr));
    EXPECT_FALSE(board.engine.isWon());
}

}  // namespace
}  // namespace velmora
