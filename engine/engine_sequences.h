// The card sequences that rule programs read, built from the engine's piles
// into two buffers that are allocated once per deal.
#pragma once

#include <vector>

#include "game_definition.h"
#include "game_state.h"
#include "rule_machine.h"

namespace velmora {

class SequenceBuilder {
public:
    void reserve(int cardCount);

    // `count` cards of the pile from position `from` downwards, then the
    // terminator.
    CardSequence run(int slot, const std::vector<std::uint16_t>& pile, int from, int count);

    void bind(const GameDefinition* definition, const GameState* state)
    {
        definition_ = definition;
        state_ = state;
    }

private:
    SequenceElement element(std::uint16_t card) const;

    const GameDefinition* definition_ = nullptr;
    const GameState* state_ = nullptr;
    std::vector<SequenceElement> buffers_[2];
};

}  // namespace velmora
