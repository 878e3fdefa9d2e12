#include "solver.h"

#include "solver_search.h"

namespace velmora {

const char* solveStatusName(SolveStatus status)
{
    switch (status) {
    case SolveStatus::won:
        return "won";
    case SolveStatus::notFound:
        return "not found";
    case SolveStatus::unwinnable:
        return "unwinnable";
    case SolveStatus::noGame:
        return "no game";
    case SolveStatus::inconsistent:
        return "inconsistent";
    }
    return "unknown";
}

bool dealForSolving(Engine& engine, GameNumber& number)
{
    if (!engine.newDeal(number))
        return false;
    engine.random().seed(number);
    engine.runDealEvents();
    return true;
}

SolveResult solve(Engine& engine, const SolveOptions& options)
{
    if (!engine.hasGame()) {
        SolveResult result;
        result.status = SolveStatus::noGame;
        return result;
    }
    return solver_detail::Search(engine, options).run();
}

}  // namespace velmora
