// Solves a range of deals of one game and reports, deal by deal and in sum,
// what the solver decided and the processor time it took. The benchmark
// scripts beside it read its output; it is also handy on its own:
//
//   velmora_solver_sweep GAME FIRST LAST [--budget STATES] [--beam WIDTH]
//                        [--seconds CPU_SECONDS] [--quiet]
//
// Each deal prints "deal STATUS STATES MILLISECONDS"; the summary line starts
// with "summary". A deal stops at the budget or at the processor time limit,
// whichever comes first.
#include <algorithm>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

#include "cli_args.h"
#include "cli_game.h"
#include "solver.h"

namespace {

using namespace velmora;

double processorMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1.0e6;
}

struct SweepOptions {
    std::string game;
    unsigned long first = 1;
    unsigned long last = 1;
    SolveOptions solve;
    double seconds = 0;  // 0: no time limit
    bool quiet = false;
};

// The command line, read as velmora-cli reads its own.
bool readOptions(int argc, char** argv, SweepOptions& options)
{
    cli::Args args;
    std::string error;
    if (!cli::parseArgs(argc, argv, 1, {"--quiet"}, {"--budget", "--beam", "--seconds"}, args, error) ||
        args.positional.size() != 3 || !cli::parseCount(args.positional[1], options.first) ||
        !cli::parseCount(args.positional[2], options.last) || options.first == 0 || options.last < options.first)
        return false;
    options.game = args.positional[0];
    options.quiet = args.has("--quiet");
    unsigned long budget = 20'000, beam = 0, seconds = 0;
    const auto number = [&](const char* option, unsigned long& value) {
        const auto text = args.value(option);
        return !text || cli::parseCount(*text, value);
    };
    if (!number("--budget", budget) || !number("--beam", beam) || !number("--seconds", seconds))
        return false;
    options.solve.maxStates = budget;
    options.solve.beamWidth = static_cast<std::uint32_t>(beam);
    options.seconds = static_cast<double>(seconds);
    return true;
}

struct Tally {
    int won = 0;
    int unwinnable = 0;
    int undecided = 0;
    std::vector<double> milliseconds;
};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    SweepOptions options;
    if (!readOptions(argc, argv, options)) {
        std::cerr << "usage: velmora_solver_sweep GAME FIRST LAST [--budget STATES] [--beam WIDTH] "
                     "[--seconds CPU_SECONDS] [--quiet]\n";
        return 2;
    }
    std::string error;
    const CatalogueEntry* game = cli::findGame(options.game, error);
    Engine engine;
    if (!game || !cli::loadGame(engine, *game, error)) {
        std::cerr << "velmora_solver_sweep: " << error << '\n';
        return 1;
    }
    Tally tally;
    for (unsigned long number = options.first; number <= options.last; ++number) {
        cli::dealGame(engine, static_cast<GameNumber>(number));
        const double start = processorMilliseconds();
        SolveOptions limits = options.solve;
        if (options.seconds > 0)
            limits.stop = [&](std::uint64_t) { return processorMilliseconds() - start > options.seconds * 1000; };
        const SolveResult result = solve(engine, limits);
        const double spent = processorMilliseconds() - start;
        tally.milliseconds.push_back(spent);
        if (result.status == SolveStatus::won)
            ++tally.won;
        else if (result.status == SolveStatus::unwinnable)
            ++tally.unwinnable;
        else
            ++tally.undecided;
        if (!options.quiet)
            std::cout << number << ' ' << (result.status == SolveStatus::won ? "won" : solveStatusName(result.status))
                      << ' ' << result.statesExpanded << ' ' << spent << '\n';
    }
    double total = 0;
    for (double spent : tally.milliseconds)
        total += spent;
    std::cout << "summary " << game->name << " deals " << tally.milliseconds.size() << " won " << tally.won
              << " unwinnable " << tally.unwinnable << " undecided " << tally.undecided << " total_ms " << total
              << " median_ms " << median(tally.milliseconds) << " max_ms "
              << *std::max_element(tally.milliseconds.begin(), tally.milliseconds.end()) << '\n';
    return 0;
}
