// solve and check.
#include <algorithm>
#include <iostream>
#include <random>

#include "check_settings.h"
#include "cli_check.h"
#include "cli_commands.h"
#include "cli_game.h"
#include "json_writer.h"
#include "solver.h"

namespace velmora::cli {
namespace {

constexpr unsigned long kDefaultBudget = 20'000;
constexpr unsigned long kQuickBudget = 2'000;
constexpr int kPlayoutSteps = 300;

unsigned long optionCount(const Args& args, const std::string& option, unsigned long fallback, bool& ok)
{
    unsigned long number = fallback;
    if (auto text = args.value(option); text && !parseCount(*text, number)) {
        std::cerr << "velmora-cli: " << option << " needs a number\n";
        ok = false;
    }
    return number;
}

// --budget and --beam.
SolveOptions searchOptions(const Args& args, unsigned long fallbackBudget, bool& ok)
{
    SolveOptions options;
    options.maxStates = optionCount(args, "--budget", fallbackBudget, ok);
    options.beamWidth = static_cast<std::uint32_t>(optionCount(args, "--beam", 0, ok));
    return options;
}

bool dealsCompletely(Engine& engine, GameNumber number, std::string& problem)
{
    if (!dealGame(engine, number)) {
        problem = "game " + std::to_string(number) + " does not deal";
        return false;
    }
    std::size_t placed = 0;
    for (std::size_t pile = 0; pile < engine.state().piles.size(); ++pile)
        placed += engine.cardsOn(static_cast<int>(pile)).size();
    if (placed != engine.state().cards.size()) {
        problem = "game " + std::to_string(number) + " deals " + std::to_string(placed) + " of " +
                  std::to_string(engine.state().cards.size()) + " cards";
        return false;
    }
    return true;
}

// Random legal steps until the game ends or the step limit; every step's
// automatic events must end by themselves.
bool playsOutRandomly(Engine& engine, GameNumber number, std::string& problem)
{
    std::mt19937 random(number);
    for (int step = 0; step < kPlayoutSteps && !engine.isWon(); ++step) {
        std::vector<Move> moves;
        engine.forEachMove([&](const Move& move) {
            moves.push_back(move);
            return true;
        });
        if (moves.empty())
            return true;
        performStep(engine, stepFor(moves[random() % moves.size()]), nullptr);
        if (engine.automaticEventsCutOff()) {
            problem = "game " + std::to_string(number) + ": automatic events never stop";
            return false;
        }
    }
    return true;
}

}  // namespace

GameCheck checkGame(const CatalogueEntry& game, unsigned long deals, const SolveOptions& search, bool quick,
                    unsigned long winDeals, unsigned long firstWinDeal)
{
    GameCheck check;
    check.game = &game;
    Engine engine;
    if (!loadGame(engine, game, check.problem))
        return check;
    for (GameNumber number = 1; number <= deals; ++number)
        if (!dealsCompletely(engine, number, check.problem) || !playsOutRandomly(engine, number, check.problem))
            return check;
    unsigned long lost = 0;
    const unsigned long first = std::max(1ul, firstWinDeal);
    const unsigned long searched = std::max({deals, winDeals, first});
    for (GameNumber number = first; number <= searched; ++number) {
        dealGame(engine, number);
        const SolveResult result = solve(engine, search);
        if (result.status == SolveStatus::won) {
            check.wonNumber = number;
            check.winningMoves = formatSteps(result.steps);
            return check;
        }
        if (result.status == SolveStatus::inconsistent) {
            check.problem = "game " + std::to_string(number) + ": steps do not replay the same way";
            return check;
        }
        lost += result.status == SolveStatus::unwinnable ? 1 : 0;
    }
    std::string text = "the solver won none of games " + std::to_string(first) + " to " +
                       std::to_string(searched) + " within " + std::to_string(search.maxStates) + " states";
    if (lost > 0)
        text += " (" + std::to_string(lost) + " of them cannot be won)";
    (quick ? check.note : check.problem) = text;
    return check;
}

int solveDeal(const Args& args)
{
    bool ok = true;
    const SolveOptions options = searchOptions(args, kDefaultBudget, ok);
    unsigned long number = 0;
    if (!ok || args.positional.size() != 2 || !parseCount(args.positional[1], number) || number == 0) {
        std::cerr << "velmora-cli: usage: solve GAME NUMBER [--budget STATES] [--beam WIDTH] [--json]\n";
        return kExitUsage;
    }
    std::string error;
    const CatalogueEntry* game = findGame(args.positional[0], error);
    Engine engine;
    if (!game || !loadGame(engine, *game, error)) {
        std::cerr << "velmora-cli: " << error << '\n';
        return kExitFailure;
    }
    dealGame(engine, static_cast<GameNumber>(number));
    const SolveResult result = solve(engine, options);
    if (args.has("--json")) {
        JsonWriter json(std::cout);
        json.beginObject().key("status").value(solveStatusName(result.status));
        json.key("moves").value(formatSteps(result.steps)).key("states").value(result.statesExpanded).endObject();
        std::cout << '\n';
    } else if (result.status == SolveStatus::won) {
        std::cout << formatSteps(result.steps) << '\n';
    } else if (result.status == SolveStatus::unwinnable) {
        std::cout << "game " << number << " of " << game->name << " cannot be won\n";
    } else {
        std::cout << "no win found within " << options.maxStates << " states (" << solveStatusName(result.status) << ")\n";
    }
    return result.status == SolveStatus::inconsistent ? kExitFailure : kExitOk;
}

int checkGames(const Args& args)
{
    bool ok = true;
    const bool quick = args.has("--quick");
    const unsigned long deals = optionCount(args, "--deals", 3, ok);
    const SolveOptions search = searchOptions(args, quick ? kQuickBudget : kDefaultBudget, ok);
    if (!ok || deals == 0)
        return kExitUsage;
    std::vector<const CatalogueEntry*> games;
    for (const std::string& wanted : args.positional) {
        std::string error;
        const CatalogueEntry* game = findGame(wanted, error);
        if (!game) {
            std::cerr << "velmora-cli: " << error << '\n';
            return kExitFailure;
        }
        games.push_back(game);
    }
    if (games.empty())
        for (const CatalogueEntry& game : database().catalogue)
            games.push_back(&game);

    // Each game's result is printed as soon as it is known.
    bool allPassed = true;
    JsonWriter json(std::cout);
    if (args.has("--json"))
        json.beginArray();
    // A game's own settings stand in for the defaults, unless the caller set
    // the search or asked for a quick check.
    const bool ownSettings = !quick && !args.has("--budget") && !args.has("--beam");
    for (const CatalogueEntry* game : games) {
        SolveOptions gameSearch = search;
        if (const auto settings = checkSettingsFor(game->id); settings && ownSettings) {
            gameSearch.maxStates = settings->budget;
            gameSearch.beamWidth = settings->beam;
        }
        unsigned long winDeals = 0;
        unsigned long firstWinDeal = 1;
        if (const auto settings = checkSettingsFor(game->id); settings && !quick) {
            winDeals = settings->winDeals;
            firstWinDeal = settings->firstWinDeal;
        }
        const GameCheck check = checkGame(*game, deals, gameSearch, quick, winDeals, firstWinDeal);
        allPassed = allPassed && check.problem.empty();
        if (args.has("--json")) {
            json.beginObject().key("game").value(check.game->name).key("index").value(check.game->index);
            json.key("ok").value(check.problem.empty()).key("problem").value(check.problem);
            json.key("note").value(check.note).key("won").value(check.wonNumber);
            json.key("moves").value(check.winningMoves).endObject();
        } else if (!check.problem.empty()) {
            std::cout << "FAIL  " << check.game->name << ": " << check.problem << '\n';
        } else if (!check.note.empty()) {
            std::cout << "ok    " << check.game->name << " (" << check.note << ")\n";
        } else {
            std::cout << "ok    " << check.game->name << " (won game " << check.wonNumber << ")\n";
        }
        std::cout.flush();
    }
    if (args.has("--json")) {
        json.endArray();
        std::cout << '\n';
    }
    return allPassed ? kExitOk : kExitFailure;
}

}  // namespace velmora::cli
