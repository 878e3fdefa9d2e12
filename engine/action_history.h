// What an applied action's history entries hold, so that undo can restore the
// state before the action exactly.
//
// An entry of an applied action names the action (subject) and keeps the
// value it returned (saved). Two kinds of action change the state in ways
// that their definition cannot reverse alone. They record one entry per part
// of the change instead, in fields that only a player move uses otherwise:
// - Card attributes: one entry per run of consecutive positions whose flag
//   changed (cards of the range that already had the value are left out):
//   destination = the run's first position, destinationCount = its length.
//   A length of 0 (entries saved before runs were recorded) stands for the
//   whole range.
// - Forbidding moves: one entry per permission entry removed, in the order of
//   removal: destination = the entry's place in the list then, saved and
//   destinationCount = its from and to piles (0xFFFF as -1). Undoing them in
//   reverse order rebuilds the list entry for entry.
// Declaring the game won keeps the won flag it found in saved. A permit needs
// nothing more: the entry it added is the last one when it is undone.
#pragma once

#include <cstdint>

#include "game_state.h"
#include "move_permissions.h"

namespace velmora {

struct CardRun {
    int first = 0;
    int count = 0;  // 0: the action's whole range
};

inline HistoryEntry cardRunEntry(int first, int count)
{
    HistoryEntry entry{};
    entry.destination = static_cast<std::uint16_t>(first);
    entry.destinationCount = static_cast<std::int16_t>(count);
    return entry;
}

inline CardRun cardRunOf(const HistoryEntry& entry) { return {entry.destination, entry.destinationCount}; }

inline HistoryEntry permissionRemovalEntry(const PermissionRemoval& removal)
{
    HistoryEntry entry{};
    entry.destination = static_cast<std::uint16_t>(removal.place);
    entry.saved = static_cast<std::int16_t>(removal.entry.fromPile);
    entry.destinationCount = static_cast<std::int16_t>(removal.entry.toPile);
    return entry;
}

inline PermissionRemoval permissionRemovalOf(const HistoryEntry& entry)
{
    return {{static_cast<std::uint16_t>(entry.saved), static_cast<std::uint16_t>(entry.destinationCount)},
            entry.destination};
}

}  // namespace velmora
