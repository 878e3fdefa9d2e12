// Undo in the shipped games: over random play in every game, after each step
// undo gives back the state before it byte for byte and playing the step again
// gives back the state after it; undoing a winning step takes the win back.
#include <random>
#include <sstream>
#include <tuple>

#include <gtest/gtest.h>

#include "engine.h"
#include "engine_fixture.h"
#include "game_database.h"
#include "game_fixture.h"
#include "player_steps.h"
#include "record_loader.h"
#include "recorded_wins.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kStepsPerGame = 40;
constexpr GameNumber kDeal = 3;

// The state as plain bytes: cards, piles, permissions, counters, the won
// flag and the history, each table with its length.
std::string stateBytes(const GameState& state)
{
    std::string bytes;
    const auto add = [&bytes](const auto& table) {
        const std::size_t count = table.size();
        bytes.append(reinterpret_cast<const char*>(&count), sizeof count);
        if (count > 0)
            bytes.append(reinterpret_cast<const char*>(table.data()), count * sizeof table[0]);
    };
    add(state.cards);
    add(state.piles);
    add(state.permissions);
    add(state.counters);
    bytes.push_back(static_cast<char>(state.gameOver));
    add(state.history);
    return bytes;
}

// Where two states first differ, for the failure message.
std::string firstDifference(const GameState& expected, const GameState& actual)
{
    std::ostringstream out;
    if (!sameBytes(expected.cards, actual.cards))
        out << "cards ";
    if (!sameBytes(expected.piles, actual.piles))
        out << "piles ";
    if (expected.permissions != actual.permissions)
        out << "permissions (" << expected.permissions.size() << " / " << actual.permissions.size() << ") ";
    if (!sameBytes(expected.counters, actual.counters))
        out << "counters ";
    if (expected.gameOver != actual.gameOver)
        out << "won flag " << int(expected.gameOver) << " / " << int(actual.gameOver) << " ";
    if (!sameBytes(expected.history, actual.history))
        out << "history (" << expected.history.size() << " / " << actual.history.size() << ")";
    return out.str();
}

std::vector<Move> legalMoves(Engine& engine)
{
    std::vector<Move> moves;
    engine.forEachMove([&moves](const Move& move) {
        moves.push_back(move);
        return true;
    });
    return moves;
}

// Plays random legal steps; checks undo and replay after each one.
void playAndUndoEveryStep(Engine& engine, std::mt19937& choice)
{
    for (int stepNumber = 1; stepNumber <= kStepsPerGame && !engine.isWon(); ++stepNumber) {
        const std::vector<Move> moves = legalMoves(engine);
        if (moves.empty())
            return;
        const Step step = stepFor(moves[choice() % moves.size()]);
        SCOPED_TRACE("step " + std::to_string(stepNumber) + ": " + formatStep(step));

        const GameState before = engine.state();
        const RandomGenerator generator = engine.random();
        ASSERT_TRUE(applyStep(engine, step, nullptr));
        const GameState after = engine.state();
        if (after.history.size() == before.history.size()) {
            // A tap whose actions found nothing to change leaves no trace.
            ASSERT_EQ(stateBytes(before), stateBytes(after)) << firstDifference(before, after);
            continue;
        }
        ASSERT_TRUE(engine.undoStep());
        ASSERT_EQ(stateBytes(before), stateBytes(engine.state()))
            << "undo: " << firstDifference(before, engine.state());
        expectConsistent(engine);

        // The same generator draws the same shuffles when the step is replayed.
        engine.random() = generator;
        ASSERT_TRUE(applyStep(engine, step, nullptr));
        ASSERT_EQ(stateBytes(after), stateBytes(engine.state()))
            << "replay: " << firstDifference(after, engine.state());
    }
}

TEST(UndoExactness, EveryStepOfRandomPlayInEveryGameIsUndoneExactly)
{
    ResourceTable resources;
    addGameDatabase(resources);
    ASSERT_GT(gameCount(resources), 0);
    for (int index = 0; index < gameCount(resources); ++index) {
        const std::optional<Bytes> record = loadRuleRecord(resources, static_cast<RecordIndex>(index));
        ASSERT_TRUE(record.has_value()) << "record " << index;
        Engine engine;
        ASSERT_EQ(engine.loadDefinition(*record), RecordFault::none) << engine.loadError();
        SCOPED_TRACE(engine.definition().name);
        GameNumber number = kDeal;
        ASSERT_TRUE(engine.newDeal(number));
        engine.random().seed(number);
        engine.runDealEvents();
        std::mt19937 choice(static_cast<std::uint32_t>(index));
        playAndUndoEveryStep(engine, choice);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

// Block Ten, deal 9, as the solver found it.
constexpr const char* kBlockTenDeal9Win =
    "m 43 0;m 32 5;m 27 3;m 39 3;m 46 2;m 44 3;m 23 4;m 21 8;m 5 3;m 17 3;m 50 2;m 31 6;m 38 2;m 20 2;"
    "m 45 7;m 51 0;m 37 1;m 28 7;m 26 1;m 47 6;m 49 7;m 42 3;m 41 3;m 33 7";

TEST(UndoExactness, UndoingTheWinningStepOfAWonGameTakesTheWinBack)
{
    for (const auto& [name, number, win] :
         {std::tuple{"Block Ten", 9u, kBlockTenDeal9Win}, std::tuple{"Klondike", 2u, kKlondikeDeal2Win}}) {
        SCOPED_TRACE(name);
        Engine engine;
        dealEmbeddedGame(engine, name, number);
        std::vector<ParsedStep> steps;
        std::string error;
        ASSERT_TRUE(parseSteps(win, steps, error)) << error;
        GameState beforeLast;
        for (const ParsedStep& step : steps) {
            beforeLast = engine.state();
            ASSERT_TRUE(applyStep(engine, step.step, nullptr));
        }
        ASSERT_TRUE(engine.isWon());
        ASSERT_TRUE(engine.undoStep());
        EXPECT_FALSE(engine.isWon());
        EXPECT_EQ(stateBytes(beforeLast), stateBytes(engine.state())) << firstDifference(beforeLast, engine.state());
        ASSERT_TRUE(applyStep(engine, steps.back().step, nullptr));
        EXPECT_TRUE(engine.isWon());
    }
}

}  // namespace
}  // namespace velmora
