// The solver and the move enumeration on real games of the embedded
// database, and the quick check of every game.
#include <random>

#include <benchmark/benchmark.h>

#include "cli_check.h"
#include "cli_game.h"
#include "solver.h"

namespace velmora {
namespace {

const CatalogueEntry& game(const char* name)
{
    std::string error;
    const CatalogueEntry* entry = cli::findGame(name, error);
    if (!entry)
        throw std::runtime_error(error);
    return *entry;
}

void loadAndDeal(Engine& engine, const char* name, GameNumber number)
{
    std::string error;
    if (!cli::loadGame(engine, game(name), error))
        throw std::runtime_error(error);
    cli::dealGame(engine, number);
}

// States expanded per second by a search of a fixed budget on deal 2, best-
// first or (beamWidth > 0) a beam.
void solverStates(benchmark::State& state, const char* name, std::uint32_t beamWidth)
{
    Engine engine;
    loadAndDeal(engine, name, 2);
    SolveOptions options;
    options.maxStates = 3000;
    options.beamWidth = beamWidth;
    std::uint64_t expanded = 0;
    for (auto _ : state) {
        const SolveResult result = solve(engine, options);
        expanded += result.statesExpanded;
    }
    state.counters["states/s"] = benchmark::Counter(static_cast<double>(expanded), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(solverStates, Klondike, "Klondike", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(solverStates, FreeCell, "FreeCell", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(solverStates, Spider, "Spider", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(solverStates, SpiderBeam500, "Spider", 500)->Unit(benchmark::kMillisecond);

// Every legal move of a position after 30 random steps.
void findMoveMidGame(benchmark::State& state, const char* name)
{
    Engine engine;
    loadAndDeal(engine, name, 7);
    std::mt19937 random(11);
    for (int step = 0; step < 30; ++step) {
        std::vector<Move> moves;
        engine.forEachMove([&](const Move& move) {
            moves.push_back(move);
            return true;
        });
        if (moves.empty())
            break;
        performStep(engine, stepFor(moves[random() % moves.size()]), nullptr);
    }
    int legal = 0;
    for (auto _ : state) {
        legal = 0;
        engine.forEachMove([&](const Move&) {
            ++legal;
            return true;
        });
    }
    state.counters["moves"] = legal;
}
BENCHMARK_CAPTURE(findMoveMidGame, Klondike, "Klondike")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(findMoveMidGame, FreeCell, "FreeCell")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(findMoveMidGame, Spider, "Spider")->Unit(benchmark::kMicrosecond);

// velmora-cli check --quick --deals 2 over every game.
void BM_CheckQuickEveryGame(benchmark::State& state)
{
    SolveOptions search;
    search.maxStates = 2000;
    for (auto _ : state)
        for (const CatalogueEntry& entry : cli::database().catalogue)
            benchmark::DoNotOptimize(cli::checkGame(entry, 2, search, true));
    state.counters["games"] = static_cast<double>(cli::database().catalogue.size());
}
BENCHMARK(BM_CheckQuickEveryGame)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace velmora
