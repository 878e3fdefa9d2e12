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

    // The whole pile, top card first.
    CardSequence wholePile(int slot, const std::vector<std::uint16_t>& pile);
    // The group that moves when the card at `position` is picked up: the top
    // card first, the picked card last.
    CardSequence groupFrom(int slot, const std::vector<std::uint16_t>& pile, int position);
    // The cards under the card at `position`, the nearest first.
    CardSequence below(int slot, const std::vector<std::uint16_t>& pile, int position);

    void bind(const GameDefinition* definition, const GameState* state)
    {
        definition_ = definition;
        state_ = state;
    }

private:
    CardSequence fill(int slot, const std::vector<std::uint16_t>& pile, int from, int to);
    SequenceElement element(std::uint16_t card) const;

    const GameDefinition* definition_ = nullptr;
    const GameState* state_ = nullptr;
    std::vector<SequenceElement> buffers_[2];
};

}  // namespace velmora
