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
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

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

bool readNumber(const char* text, unsigned long& number)
{
    char* end = nullptr;
    number = std::strtoul(text, &end, 10);
    return end != text && *end == '\0';
}

bool readOptions(int argc, char** argv, SweepOptions& options)
{
    if (argc < 4 || !readNumber(argv[2], options.first) || !readNumber(argv[3], options.last) ||
        options.first == 0 || options.last < options.first)
        return false;
    options.game = argv[1];
    options.solve.maxStates = 20'000;
    for (int at = 4; at < argc; ++at) {
        const std::string option = argv[at];
        unsigned long value = 0;
        if (option == "--quiet") {
            options.quiet = true;
            continue;
        }
        if (at + 1 >= argc || !readNumber(argv[at + 1], value))
            return false;
        ++at;
        if (option == "--budget")
            options.solve.maxStates = value;
        else if (option == "--beam")
            options.solve.beamWidth = static_cast<std::uint32_t>(value);
        else if (option == "--seconds")
            options.seconds = static_cast<double>(value);
        else
            return false;
    }
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
