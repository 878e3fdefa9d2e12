// velmora-cli: lists, shows, plays, solves and checks the games of the
// embedded database, headless.
#include <iostream>
#include <string>

#include "cli_commands.h"

namespace {

constexpr const char* kUsage =
    "usage: velmora-cli COMMAND ...\n"
    "  list [--json]                                   every game\n"
    "  rules GAME                                      a game's rules\n"
    "  show GAME NUMBER [--play MOVES] [--json]        a deal, after the moves\n"
    "  moves GAME NUMBER [--play MOVES] [--json]       the legal moves\n"
    "  play GAME NUMBER --play MOVES [--json]          play moves; exit 2 on a refused one\n"
    "  solve GAME NUMBER [--budget STATES] [--beam WIDTH] [--json]\n"
    "      search for a win; --beam: keep the WIDTH best states of each depth\n"
    "      instead of searching best-first\n"
    "  session GAME NUMBER [--play MOVES]\n"
    "      read one step per line from stdin; after the deal and each step write the\n"
    "      position and its legal moves as one JSON line (\"ok\":false: refused)\n"
    "  check [GAME...] [--deals N] [--budget STATES] [--beam WIDTH] [--quick] [--json]\n"
    "      record, deals 1..N, random play-outs and a solver win; --quick: a small\n"
    "      budget, and a game without a win found is not a failure\n"
    "GAME is a name, #INDEX or @ID. MOVES: steps separated by ';':\n"
    "  t P (tap pile P), m C P (move card C and the cards on it onto pile P), u (undo)\n";

}  // namespace

int main(int argc, char** argv)
{
    using namespace velmora::cli;
    if (argc < 2) {
        std::cerr << kUsage;
        return kExitUsage;
    }
    const std::string command = argv[1];
    if (command == "help" || command == "--help") {
        std::cout << kUsage;
        return kExitOk;
    }
    Args args;
    std::string error;
    if (!parseArgs(argc, argv, 2, {"--json", "--quick"}, {"--play", "--budget", "--deals", "--beam"}, args, error)) {
        std::cerr << "velmora-cli: " << error << '\n';
        return kExitUsage;
    }
    if (command == "list")
        return listGames(args);
    if (command == "rules")
        return showRules(args);
    if (command == "show")
        return showDeal(args, false);
    if (command == "play")
        return showDeal(args, true);
    if (command == "moves")
        return listMoves(args);
    if (command == "solve")
        return solveDeal(args);
    if (command == "check")
        return checkGames(args);
    if (command == "session")
        return playSession(args);
    std::cerr << "velmora-cli: unknown command " << command << '\n' << kUsage;
    return kExitUsage;
}
