// The solver's progress measure on real game records: boards laid out by hand
// must be ranked as the records' own building rules say.
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "solver_progress.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kSpade = 1, kClub = 2, kDiamond = 3, kHeart = 4;

// Spider's piles: ten columns, eight foundations, the stock.
constexpr int kSpiderFoundation = 10;
constexpr int kSpiderStock = 18;

class ProgressTest : public ::testing::Test {
protected:
    void load(const char* game) { dealEmbeddedGame(engine_, game, 1); }

    // The score of the board: the listed piles, every other card face down on `rest`.
    std::int32_t scoreOf(const std::vector<PileContent>& board, int rest)
    {
        arrangeBoard(engine_, board, rest);
        ProgressMeasure measure(engine_);
        const std::int32_t score = measure.score(engine_);
        EXPECT_EQ(measure.score(engine_), score) << "a remembered order differs from the measured one";
        return score;
    }

    int card(int suit, int rank, int copy = 0) { return cardOf(engine_, suit, rank) + 52 * copy; }

    Engine engine_;
};

TEST_F(ProgressTest, RunsScoreBetterThanBuiltCardsAndBuiltCardsBetterThanBreaks)
{
    load("Spider");
    const std::int32_t run = scoreOf({{0, {card(kSpade, 9), card(kSpade, 8), card(kSpade, 7), card(kSpade, 6)}}},
                                     kSpiderStock);
    const std::int32_t built = scoreOf(
        {{0, {card(kSpade, 9), card(kHeart, 8), card(kSpade, 7), card(kHeart, 6)}}}, kSpiderStock);
    const std::int32_t broken = scoreOf(
        {{0, {card(kSpade, 6), card(kHeart, 8), card(kSpade, 7), card(kHeart, 9)}}}, kSpiderStock);
    EXPECT_LT(run, built);
    EXPECT_LT(built, broken);
}

TEST_F(ProgressTest, JoiningRunsPaysMoreThanKeepingThemApart)
{
    load("Spider");
    std::vector<int> high, low;
    for (int rank = 9; rank >= 6; --rank)
        high.push_back(card(kClub, rank));
    for (int rank = 5; rank >= 2; --rank)
        low.push_back(card(kClub, rank));
    std::vector<int> joined = high;
    joined.insert(joined.end(), low.begin(), low.end());
    EXPECT_LT(scoreOf({{0, joined}}, kSpiderStock), scoreOf({{0, high}, {1, low}}, kSpiderStock));
}

// The same two breaks either way; the higher pile over the face-down card
// costs more.
TEST_F(ProgressTest, CardsPiledOnAFaceDownCardCostMoreThanTheSameCardsElsewhere)
{
    load("Spider");
    const PileContent hidden{0, {card(kDiamond, 13)}, false};
    const std::int32_t piledOn =
        scoreOf({hidden, {0, {card(kHeart, 5), card(kDiamond, 2)}}, {1, {card(kClub, 9)}}}, kSpiderStock);
    const std::int32_t apart =
        scoreOf({hidden, {0, {card(kHeart, 5)}}, {1, {card(kClub, 9), card(kDiamond, 2)}}}, kSpiderStock);
    EXPECT_LT(apart, piledOn);
}

TEST_F(ProgressTest, CardsOnTheFoundationsOutweighTheLongestRun)
{
    load("Spider");
    std::vector<int> suit;
    for (int rank = 13; rank >= 1; --rank)
        suit.push_back(card(kHeart, rank));
    EXPECT_LT(scoreOf({{kSpiderFoundation, suit}}, kSpiderStock), scoreOf({{0, suit}}, kSpiderStock));
}

// In Yukon any face-up card moves with the cards on it: a heap is one group,
// but not a run, because its cards are not built on each other.
TEST_F(ProgressTest, AGroupThatMovesTogetherIsNoRunUnlessItIsBuilt)
{
    load("Yukon");
    constexpr int kYukonColumnForTheRest = 6;  // Yukon has no stock
    const std::vector<int> heap{card(kSpade, 13), card(kHeart, 2), card(kDiamond, 9), card(kClub, 4)};
    const std::int32_t together = scoreOf({{0, heap}}, kYukonColumnForTheRest);
    const std::int32_t apart =
        scoreOf({{0, {heap[0]}}, {1, {heap[1]}}, {2, {heap[2]}}, {3, {heap[3]}}}, kYukonColumnForTheRest);
    EXPECT_LT(apart, together);
}

}  // namespace
}  // namespace velmora
