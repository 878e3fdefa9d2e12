// The checks of `velmora-cli check` for one game: its record loads and
// validates, deals 1..N deal every card, random play-outs end, and the
// solver wins one of the deals.
#pragma once

#include <string>

#include "catalogue.h"
#include "engine.h"
#include "solver.h"

namespace velmora::cli {

struct GameCheck {
    const CatalogueEntry* game = nullptr;
    std::string problem;  // empty: every check passed
    std::string note;     // quick mode: no win found, which is not a failure
    GameNumber wonNumber = 0;
    std::string winningMoves;
};

// search: the solver's budget and method for each deal. quick: a missing win
// is a note, not a problem. winDeals: the solver looks for a win among deals
// firstWinDeal..winDeals, for games whose first deals cannot be won (fewer
// than `deals`: up to `deals`).
GameCheck checkGame(const CatalogueEntry& game, unsigned long deals, const SolveOptions& search, bool quick,
                    unsigned long winDeals = 0, unsigned long firstWinDeal = 1);

}  // namespace velmora::cli
