// The list of permitted moves between piles, and how actions change it.
//
// An entry (from, to) permits moving cards from pile `from` to pile `to`;
// kAnyPile in either field stands for every pile.
#pragma once

#include <vector>

#include "record_layout.h"

namespace velmora {

using PermissionList = std::vector<MovePermission>;

bool permitsMove(const PermissionList& list, int from, int to);

// Whether an entry (any, any) permits every move.
bool permitsEveryMove(const PermissionList& list);

// Adds (a, b) unless an entry already covers it. True when it was added.
bool permitMoves(PermissionList& list, std::uint16_t a, std::uint16_t b);

// Removes every way from a to b (either may be kAnyPile, not both), splitting
// entries that cover more than that into the entries for the other piles.
// True when any entry was removed.
bool forbidMoves(PermissionList& list, std::uint16_t a, std::uint16_t b, int pileCount);

// The moves the list permits between different piles, as a bit per (from, to)
// pair (bit from * pileCount + to), whatever the entries that say so: two
// lists that permit the same moves give the same bits.
void permittedMoves(const PermissionList& list, int pileCount, std::vector<std::uint64_t>& bits);

}  // namespace velmora
