#include "solver_moves.h"

namespace velmora {

void SolverMoveList::list(std::vector<Step>& steps)
{
    steps.clear();
    engine_.forEachMove([&](const Move& move) {
        steps.push_back(stepFor(move));
        return true;
    });
}

}  // namespace velmora
