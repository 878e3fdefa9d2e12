// The rule machine on the Klondike programs, and the legal-move enumeration
// over a mid-game Klondike position.
#include <random>

#include <benchmark/benchmark.h>

#include "engine_fixture.h"

namespace velmora {
namespace {

using namespace velmora::testing;

std::vector<SequenceElement> sequence(std::initializer_list<SequenceElement> cards)
{
    std::vector<SequenceElement> elements(cards);
    elements.push_back({0, 0});
    return elements;
}

// Tableau accept: a run of three onto a seven-card pile, the longest path
// through the program (the destination is not empty and the colours differ).
void BM_RunRuleTableauAccept(benchmark::State& state)
{
    const std::string accept = program(kKlondikePrograms[3]);
    const auto group = sequence({{2, 5}, {3, 6}, {1, 7}});
    const auto pile = sequence({{4, 8}, {6, 15}, {6, 15}, {6, 15}, {6, 15}, {6, 15}, {6, 15}});
    const CardSequence first(group);
    const CardSequence second(pile);
    RuleMachine machine;
    for (auto _ : state)
        benchmark::DoNotOptimize(runRule(machine, accept, first, &second));
}
BENCHMARK(BM_RunRuleTableauAccept);

// The same with the program's jumps remembered, as the engine runs it.
void BM_RunRuleTableauAcceptWithJumps(benchmark::State& state)
{
    const std::string accept = program(kKlondikePrograms[3]);
    const auto group = sequence({{2, 5}, {3, 6}, {1, 7}});
    const auto pile = sequence({{4, 8}, {6, 15}, {6, 15}, {6, 15}, {6, 15}, {6, 15}, {6, 15}});
    const CardSequence first(group);
    const CardSequence second(pile);
    RuleMachine machine;
    JumpTargets jumps;
    for (auto _ : state)
        benchmark::DoNotOptimize(runRule(machine, accept, jumps, first, &second));
}
BENCHMARK(BM_RunRuleTableauAcceptWithJumps);

void BM_RunRuleEveryKlondikeProgram(benchmark::State& state)
{
    std::vector<std::string> programs;
    for (const char* hex : kKlondikePrograms)
        programs.push_back(program(hex));
    const auto group = sequence({{1, 12}});
    const auto pile = sequence({{3, 13}, {6, 15}, {6, 15}});
    const CardSequence first(group);
    const CardSequence second(pile);
    RuleMachine machine;
    for (auto _ : state)
        for (const std::string& code : programs)
            benchmark::DoNotOptimize(runRule(machine, code, first, &second));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(programs.size()));
}
BENCHMARK(BM_RunRuleEveryKlondikeProgram);

// A Klondike game after 40 random legal steps from deal 2026.
void playMidGame(Engine& engine)
{
    dealGame(engine, klondikeDefinition(), 2026);
    std::mt19937 random(7);
    for (int step = 0; step < 40; ++step) {
        std::vector<Move> moves;
        engine.forEachMove([&](const Move& move) {
            moves.push_back(move);
            return true;
        });
        if (moves.empty())
            return;
        const Move move = moves[random() % moves.size()];
        if (move.isTap)
            engine.tapPile(move.pile, nullptr);
        else
            engine.moveCards(move.card, move.destination, nullptr);
        engine.runAfterMoveEvents(nullptr);
    }
}

void BM_FindMoveMidGameKlondike(benchmark::State& state)
{
    Engine engine;
    playMidGame(engine);
    int legal = 0;
    for (auto _ : state) {
        legal = 0;
        engine.forEachMove([&](const Move&) {
            ++legal;
            return true;
        });
        benchmark::DoNotOptimize(legal);
    }
    state.counters["moves"] = legal;
}
BENCHMARK(BM_FindMoveMidGameKlondike);

void BM_FindFirstMoveMidGameKlondike(benchmark::State& state)
{
    Engine engine;
    playMidGame(engine);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.findMove(0));
}
BENCHMARK(BM_FindFirstMoveMidGameKlondike);

}  // namespace
}  // namespace velmora
