// The engine's legal moves after each step of random Klondike play-outs,
// against a move generator written by hand for Klondike on the same
// positions. Every play-out replays the engine's own steps from a fixed seed;
// before anything is timed, and again on every timed position, the two must
// list the same moves in the same order, or the benchmark stops with both
// lists.
#include <algorithm>
#include <chrono>
#include <random>
#include <sstream>
#include <stdexcept>

#include <benchmark/benchmark.h>

#include "cli_game.h"
#include "klondike_move_generator.h"

namespace velmora::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr GameNumber kFirstDeal = 1;
constexpr GameNumber kDeals = 12;
constexpr int kStepsPerDeal = 150;
// The hand-written generator is timed over this many runs per position, so
// that the clock's own cost does not count against it.
constexpr int kGeneratorRuns = 16;

struct Playout {
    GameNumber number = 0;
    std::vector<Step> steps;
};

const CatalogueEntry& klondike()
{
    std::string error;
    const CatalogueEntry* entry = cli::findGame("Klondike", error);
    if (!entry)
        throw std::runtime_error(error);
    return *entry;
}

// Deals the number; with `reload` the record is loaded afresh first, so that
// nothing the engine remembers from an earlier deal helps it.
void deal(Engine& engine, GameNumber number, bool reload = true)
{
    std::string error;
    if ((reload || !engine.hasDefinition()) && !cli::loadGame(engine, klondike(), error))
        throw std::runtime_error(error);
    cli::dealGame(engine, number);
}

// How the engine meets the deals: each with the record loaded afresh, or one
// after the other, as a player plays them in one session (the record loaded
// once per pass over the deals, at its start).
enum Memory : std::int64_t { kFreshEveryDeal = 0, kOneSession = 1 };

void listEngineMoves(Engine& engine, std::vector<Move>& moves)
{
    moves.clear();
    engine.forEachMove([&](const Move& move) {
        moves.push_back(move);
        return true;
    });
}

std::string describe(const std::vector<Move>& moves)
{
    std::ostringstream text;
    for (const Move& move : moves)
        text << ' ' << formatStep(stepFor(move)) << ';';
    return text.str();
}

void requireSameMoves(const std::vector<Move>& engine, const std::vector<Move>& generator, GameNumber number,
                      std::size_t step)
{
    if (engine == generator)
        return;
    std::ostringstream text;
    text << "Klondike game " << number << " after step " << step << ": the engine lists" << describe(engine)
         << " but the hand-written generator" << describe(generator);
    throw std::logic_error(text.str());
}

// The play-outs, each position checked against the generator.
const std::vector<Playout>& playouts()
{
    static const std::vector<Playout> all = [] {
        std::vector<Playout> result;
        Engine engine;
        std::vector<Move> engineMoves;
        std::vector<Move> generatorMoves;
        for (GameNumber number = kFirstDeal; number < kFirstDeal + kDeals; ++number) {
            deal(engine, number);
            const KlondikeMoveGenerator generator(engine.definition());
            Playout playout{number, {}};
            std::mt19937 random(number);
            for (int step = 0; step < kStepsPerDeal && !engine.isWon(); ++step) {
                listEngineMoves(engine, engineMoves);
                generator.list(engine.state(), generatorMoves);
                requireSameMoves(engineMoves, generatorMoves, number, playout.steps.size());
                if (engineMoves.empty())
                    break;
                playout.steps.push_back(stepFor(engineMoves[random() % engineMoves.size()]));
                performStep(engine, playout.steps.back(), nullptr);
            }
            listEngineMoves(engine, engineMoves);
            generator.list(engine.state(), generatorMoves);
            requireSameMoves(engineMoves, generatorMoves, number, playout.steps.size());
            result.push_back(std::move(playout));
        }
        return result;
    }();
    return all;
}

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Keeps the shortest time seen for each position over the iterations: every
// iteration does the same work, so the shortest is the one least disturbed
// by other programs on the machine.
class BestTimes {
public:
    void note(std::size_t position, double seconds)
    {
        if (position >= best_.size())
            best_.resize(position + 1, seconds);
        best_[position] = std::min(best_[position], seconds);
    }
    double microsecondsPerPosition() const
    {
        double total = 0;
        for (double seconds : best_)
            total += seconds;
        return best_.empty() ? 0 : 1e6 * total / static_cast<double>(best_.size());
    }

private:
    std::vector<double> best_;
};

// Replays every play-out; after each step `ask` runs once and is timed. The
// benchmark's time is the total of those runs; us_per_position is the mean of
// each position's best time.
template <typename Ask>
void timeAfterEachStep(benchmark::State& state, Memory memory, Ask ask)
{
    Engine engine;
    BestTimes best;
    std::size_t positions = 0;
    for (auto _ : state) {
        double seconds = 0;
        std::size_t position = 0;
        for (const Playout& playout : playouts()) {
            deal(engine, playout.number, memory == kFreshEveryDeal || position == 0);
            for (std::size_t step = 0; step < playout.steps.size(); ++step, ++position) {
                performStep(engine, playout.steps[step], nullptr);
                const double taken = ask(engine, playout.number, step + 1, position);
                best.note(position, taken);
                seconds += taken;
            }
        }
        state.SetIterationTime(seconds);
        positions = position;
    }
    state.counters["us_per_position"] = best.microsecondsPerPosition();
    state.counters["positions"] = static_cast<double>(positions);
}

// Every legal move with forEachMove, and the hand-written generator's list
// of the same position; the time is the engine's, the ratio the engine's time
// over the generator's.
void BM_KlondikeListingAfterEachStep(benchmark::State& state)
{
    std::vector<Move> engineMoves;
    std::vector<Move> generatorMoves;
    BestTimes generatorBest;
    const auto memory = static_cast<Memory>(state.range(0));
    timeAfterEachStep(state, memory,
                      [&](Engine& engine, GameNumber number, std::size_t step, std::size_t position) {
                          const Clock::time_point start = Clock::now();
                          listEngineMoves(engine, engineMoves);
                          const double seconds = secondsSince(start);
                          const KlondikeMoveGenerator generator(engine.definition());
                          const Clock::time_point generatorStart = Clock::now();
                          for (int run = 0; run < kGeneratorRuns; ++run) {
                              generator.list(engine.state(), generatorMoves);
                              benchmark::DoNotOptimize(generatorMoves.data());
                          }
                          generatorBest.note(position, secondsSince(generatorStart) / kGeneratorRuns);
                          requireSameMoves(engineMoves, generatorMoves, number, step);
                          return seconds;
                      });
    state.counters["generator_us"] = generatorBest.microsecondsPerPosition();
    state.counters["ratio"] = state.counters["us_per_position"] / generatorBest.microsecondsPerPosition();
}
BENCHMARK(BM_KlondikeListingAfterEachStep)
    ->ArgName("session")
    ->Arg(kFreshEveryDeal)
    ->Arg(kOneSession)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

// The loss test: the first legal move.
void BM_KlondikeFirstMoveAfterEachStep(benchmark::State& state)
{
    timeAfterEachStep(state, kFreshEveryDeal, [](Engine& engine, GameNumber, std::size_t, std::size_t) {
        const Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(engine.findMove(0));
        return secondsSince(start);
    });
}
BENCHMARK(BM_KlondikeFirstMoveAfterEachStep)->UseManualTime()->Unit(benchmark::kMillisecond);

// The game field's questions: a tap on every pile, a pick-up of every card
// the player can reach and, for each card that may be picked up, a drop on
// every pile.
void BM_KlondikeFieldQuestionsAfterEachStep(benchmark::State& state)
{
    timeAfterEachStep(state, kFreshEveryDeal, [](Engine& engine, GameNumber, std::size_t, std::size_t) {
        const int piles = static_cast<int>(engine.state().piles.size());
        const int cards = static_cast<int>(engine.state().cards.size());
        int yes = 0;
        const Clock::time_point start = Clock::now();
        for (int pile = 0; pile < piles; ++pile)
            yes += engine.canTap(pile);
        for (int card = 0; card < cards; ++card) {
            if (!engine.canReach(card) || !engine.canPickUp(card))
                continue;
            for (int pile = 0; pile < piles; ++pile)
                yes += engine.canDrop(card, pile);
        }
        benchmark::DoNotOptimize(yes);
        return secondsSince(start);
    });
}
BENCHMARK(BM_KlondikeFieldQuestionsAfterEachStep)->UseManualTime()->Unit(benchmark::kMillisecond);

// The steps themselves (the move or tap with its automatic events), so that
// work moved from the questions into the steps shows.
void BM_KlondikeStepsOfThePlayouts(benchmark::State& state)
{
    Engine engine;
    BestTimes best;
    for (auto _ : state) {
        double seconds = 0;
        std::size_t position = 0;
        for (const Playout& playout : playouts()) {
            deal(engine, playout.number);
            for (const Step& step : playout.steps) {
                const Clock::time_point start = Clock::now();
                performStep(engine, step, nullptr);
                const double taken = secondsSince(start);
                best.note(position++, taken);
                seconds += taken;
            }
        }
        state.SetIterationTime(seconds);
    }
    state.counters["us_per_step"] = best.microsecondsPerPosition();
}
BENCHMARK(BM_KlondikeStepsOfThePlayouts)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora::bench
