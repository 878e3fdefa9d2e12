// Complete runs leaving the tableau by themselves: a run of one suit from
// King down to Ace on top of a column moves to the first empty foundation
// after any step, as in Spider.
#pragma once

#include <span>

#include "game_parts.h"

namespace velmora::gamedb {

// The column ends in a complete run: a King under the Queen down to the Ace
// on top, all in the suit of the top card.
rules::Condition endsInCompleteRun();

// One automatic key per (column, foundation) pair, firing when the
// foundations before it are filled and it is empty, so that runs fill the
// foundations left to right.
void addRunKeys(RecordBuilder& b, const CommonPrograms& common, std::span<const int> columns,
                std::span<const int> foundations);

}  // namespace velmora::gamedb
