// The legal moves of the engine's game for the solver: the list that
// Engine::forEachMove gives, in the same order, as player steps. The engine
// remembers its rule programs' answers from state to state itself, so most
// questions of a listing are answered without running a program.
#pragma once

#include <vector>

#include "engine.h"
#include "player_steps.h"

namespace velmora {

class SolverMoveList {
public:
    explicit SolverMoveList(Engine& engine) : engine_(engine) {}

    // The legal steps of the current state.
    void list(std::vector<Step>& steps);

private:
    Engine& engine_;
};

}  // namespace velmora
