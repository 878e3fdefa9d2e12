// The solver's shortcuts on real game records: which moves to a foundation it
// takes alone, and which positions its hashes take as one.
#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "solver.h"
#include "solver_moves.h"
#include "solver_progress.h"
#include "solver_safe_moves.h"
#include "solver_state_hash.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kSpade = 1, kClub = 2, kDiamond = 3, kHeart = 4;

// Klondike's piles: stock, waste, seven columns from 2, foundations from 9.
constexpr int kKlondikeStock = 0, kKlondikeColumn = 2, kKlondikeFoundation = 9;
// Golf's: stock, waste, seven columns from 2.
constexpr int kGolfStock = 0, kGolfWaste = 1, kGolfColumn = 2;

class SafeMovesTest : public ::testing::Test {
protected:
    // The foundations are found in the game as dealt, as the solver does.
    void SetUp() override
    {
        dealEmbeddedGame(engine_, "Klondike", 1);
        foundations_ = ProgressMeasure(engine_).foundations();
    }

    // The move of the card onto the foundation, if the solver takes it alone.
    bool takenAlone(int card, int foundation)
    {
        SafeMoves safe(engine_, foundations_);
        SolverMoveList moves(engine_);
        std::vector<Step> steps;
        moves.list(steps);
        const auto wanted = std::find(steps.begin(), steps.end(), Step::moveOnto(static_cast<std::uint16_t>(card),
                                                                                 static_cast<std::uint16_t>(foundation)));
        EXPECT_NE(wanted, steps.end()) << "the move is not legal on this board";
        const int found = safe.find(engine_, steps);
        return found >= 0 && steps[static_cast<std::size_t>(found)] == *wanted;
    }

    int card(int suit, int rank) { return cardOf(engine_, suit, rank); }

    Engine engine_;
    std::vector<bool> foundations_;
};

// Nothing is built on an Ace in the columns, and the other Aces still have
// empty foundations of their own.
TEST_F(SafeMovesTest, AnAceGoesUpAtOnce)
{
    arrangeBoard(engine_, {{kKlondikeColumn, {card(kClub, 9), card(kDiamond, 1)}}}, kKlondikeStock);
    EXPECT_TRUE(takenAlone(card(kDiamond, 1), kKlondikeFoundation));
}

// A red Two goes up alone only once both black Aces, the cards that could be
// built on it, are up themselves.
TEST_F(SafeMovesTest, ACardGoesUpAloneOnlyWhenNothingCanBeBuiltOnIt)
{
    const std::vector<PileContent> withBothBlackAces = {{kKlondikeColumn, {card(kHeart, 2)}},
                                                        {kKlondikeFoundation, {card(kHeart, 1)}},
                                                        {kKlondikeFoundation + 1, {card(kSpade, 1)}},
                                                        {kKlondikeFoundation + 2, {card(kClub, 1)}}};
    arrangeBoard(engine_, withBothBlackAces, kKlondikeStock);
    EXPECT_TRUE(takenAlone(card(kHeart, 2), kKlondikeFoundation));

    const std::vector<PileContent> clubAceStillOut = {{kKlondikeColumn, {card(kHeart, 2)}},
                                                      {kKlondikeColumn + 1, {card(kClub, 1), card(kDiamond, 9)}},
                                                      {kKlondikeFoundation, {card(kHeart, 1)}},
                                                      {kKlondikeFoundation + 1, {card(kSpade, 1)}}};
    arrangeBoard(engine_, clubAceStillOut, kKlondikeStock);
    EXPECT_FALSE(takenAlone(card(kHeart, 2), kKlondikeFoundation));
}

// A deal proved lost by the search of every state, and one won, as the
// shortcuts of the search for a win must leave them.
TEST(SolverDecisions, KlondikeDealsKnownLostAndWon)
{
    Engine engine;
    dealEmbeddedGame(engine, "Klondike", 5);
    EXPECT_EQ(solve(engine, {}).status, SolveStatus::unwinnable);
    dealEmbeddedGame(engine, "Klondike", 1);
    SolveOptions options;
    options.maxStates = 20'000;
    const SolveResult won = solve(engine, options);
    ASSERT_EQ(won.status, SolveStatus::won);
    Engine replay;
    dealEmbeddedGame(replay, "Klondike", 1);
    for (const Step& step : won.steps)
        ASSERT_TRUE(applyStep(replay, step, nullptr));
    EXPECT_TRUE(replay.isWon());
}

// --- hashes ---------------------------------------------------------------------

// The hashes of the board, and of the same board with two piles' cards
// exchanged.
struct HashPair {
    std::uint64_t exact;
    std::uint64_t coarse;
};

HashPair hashesOf(Engine& engine, const std::vector<PileContent>& board, int rest)
{
    arrangeBoard(engine, board, rest);
    StateHasher hasher(engine);
    return {hasher.exact(engine), hasher.coarse(engine)};
}

TEST(StateHasher, TwinCardsAreOnePositionEvenInTheExactHash)
{
    Engine engine;
    dealEmbeddedGame(engine, "Spider", 1);
    const int spadeKing = cardOf(engine, kSpade, 13);
    const int twin = spadeKing + 52;  // the second pack's King of Spades
    ASSERT_EQ(engine.definition().cards[static_cast<std::size_t>(twin)].rank, 13);
    const int queen = cardOf(engine, kHeart, 12);
    const HashPair one = hashesOf(engine, {{0, {spadeKing, queen}}, {1, {twin}}}, 18);
    const HashPair swapped = hashesOf(engine, {{0, {twin, queen}}, {1, {spadeKing}}}, 18);
    EXPECT_EQ(one.exact, swapped.exact);
    const HashPair other = hashesOf(engine, {{0, {queen, spadeKing}}, {1, {twin}}}, 18);
    EXPECT_NE(one.exact, other.exact);
}

// Klondike's columns are alike in every rule, so exchanging two of them is
// the same position for the search for a win, though not for the proof.
TEST(StateHasher, InterchangeableColumnsAreOnePositionOnlyInTheCoarseHash)
{
    Engine engine;
    dealEmbeddedGame(engine, "Klondike", 1);
    const std::vector<int> run = {cardOf(engine, kSpade, 13), cardOf(engine, kHeart, 12)};
    const std::vector<int> alone = {cardOf(engine, kClub, 7)};
    const HashPair one = hashesOf(engine, {{kKlondikeColumn, run}, {kKlondikeColumn + 3, alone}}, kKlondikeStock);
    const HashPair swapped = hashesOf(engine, {{kKlondikeColumn, alone}, {kKlondikeColumn + 3, run}}, kKlondikeStock);
    EXPECT_EQ(one.coarse, swapped.coarse);
    EXPECT_NE(one.exact, swapped.exact);
    // The stock is no column: a card moved there is another position.
    const HashPair stock = hashesOf(engine, {{kKlondikeColumn, run}, {kKlondikeStock, alone}}, kKlondikeStock);
    EXPECT_NE(one.coarse, stock.coarse);
}

// Spider's stock deals to its columns in a fixed order, so they are not
// interchangeable.
TEST(StateHasher, ColumnsThatTheStockTellsApartStayApart)
{
    Engine engine;
    dealEmbeddedGame(engine, "Spider", 1);
    const std::vector<int> run = {cardOf(engine, kSpade, 13)};
    const std::vector<int> alone = {cardOf(engine, kClub, 7)};
    const HashPair one = hashesOf(engine, {{0, run}, {3, alone}}, 18);
    const HashPair swapped = hashesOf(engine, {{0, alone}, {3, run}}, 18);
    EXPECT_NE(one.coarse, swapped.coarse);
}

// No card leaves Golf's waste and its programs read only its top card, and
// Accordion's pile of covered cards is read only by the win, which counts it:
// the order under the top is no part of either position, not even for the
// proof. The top card is.
TEST(StateHasher, TheOrderUnderTheTopOfADiscardPileDoesNotCount)
{
    Engine engine;
    dealEmbeddedGame(engine, "Golf", 1);
    const int a = cardOf(engine, kSpade, 4), b = cardOf(engine, kHeart, 9), top = cardOf(engine, kClub, 5);
    const HashPair one = hashesOf(engine, {{kGolfWaste, {a, b, top}}}, kGolfStock);
    const HashPair reordered = hashesOf(engine, {{kGolfWaste, {b, a, top}}}, kGolfStock);
    EXPECT_EQ(one.coarse, reordered.coarse);
    EXPECT_EQ(one.exact, reordered.exact);
    const HashPair otherTop = hashesOf(engine, {{kGolfWaste, {a, top, b}}}, kGolfStock);
    EXPECT_NE(one.exact, otherTop.exact);

    dealEmbeddedGame(engine, "Accordion", 1);
    constexpr int kCovered = 52;
    const HashPair covered = hashesOf(engine, {{kCovered, {a, b, top}}}, 0);
    const HashPair coveredReordered = hashesOf(engine, {{kCovered, {b, a, top}}}, 0);
    EXPECT_EQ(covered.exact, coveredReordered.exact);
    const HashPair moreCovered = hashesOf(engine, {{kCovered, {a, b}}, {1, {top}}}, 0);
    EXPECT_NE(covered.exact, moreCovered.exact);
}

}  // namespace
}  // namespace velmora
