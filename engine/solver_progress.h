// How far a game is from its win, for the solver's choice of the next state.
//
// Everything is read from the record: the win is declared by a key whose
// conditions test piles. A condition that holds on an empty pile wants its
// pile emptied; any other wants it filled (a foundation that must be full).
// The measure adds up three points per card on a pile to be emptied, less
// three per card on a pile to be filled, and one per face-down card in a
// fanned pile, where it blocks play.
//
// Measures tried and dropped: counting, for every card a foundation would
// take now, the cards lying on it helped the games without face-down cards a
// little and cost Klondike a third of its wins.
#pragma once

#include <cstdint>
#include <vector>

#include "engine.h"

namespace velmora {

class ProgressMeasure {
public:
    explicit ProgressMeasure(const Engine& engine);

    // Lower is closer to the win.
    std::int32_t score(const Engine& engine) const;

private:
    std::vector<std::int32_t> pileWeights_;  // +1 to be emptied, -1 to be filled
};

}  // namespace velmora
