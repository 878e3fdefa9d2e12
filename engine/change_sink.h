// The receiver of the engine's visible changes.
//
// Every scripted action that moveCards, tapPile and runAfterMoveEvents apply
// is handed over, in order, right after it changed the state, so that the game
// field can replay it on its own copy of the piles. The player's own move is
// not handed over: the field shows it itself.
#pragma once

#include <cstdint>

#include "record_layout.h"

namespace velmora {

struct AppliedAction {
    std::uint16_t actionNumber;
    // The action as applied. For a shuffle, value carries the shuffle number
    // so that the receiver can apply the same permutation.
    ActionDefinition action;
    std::int16_t returned;  // old value or cards moved, as recorded for undo
};

class ChangeSink {
public:
    virtual ~ChangeSink() = default;
    virtual void actionApplied(const AppliedAction& change) = 0;
};

}  // namespace velmora
