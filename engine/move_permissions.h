// The list of permitted moves between piles, and how actions change it.
//
// An entry (from, to) permits moving cards from pile `from` to pile `to`;
// kAnyPile in either field stands for every pile.
#pragma once

#include <cstddef>
#include <vector>

#include "record_layout.h"

namespace velmora {

using PermissionList = std::vector<MovePermission>;

bool permitsMove(const PermissionList& list, int from, int to);

// Whether an entry (any, any) permits every move.
bool permitsEveryMove(const PermissionList& list);

// Adds (a, b) unless an entry already covers it. True when it was added.
bool permitMoves(PermissionList& list, std::uint16_t a, std::uint16_t b);
// Takes back what permitMoves(a, b) added: the last entry (a, b). The entries
// that were there before stay as they were.
void withdrawPermit(PermissionList& list, std::uint16_t a, std::uint16_t b);

// An entry that forbidMoves took out of the list, and where it stood then.
struct PermissionRemoval {
    MovePermission entry;
    std::size_t place;
};

// Removes every way from a to b (either may be kAnyPile, not both): an entry
// that permits only such moves goes, an entry that permits others too is
// replaced by entries for those others, appended to the list. True when any
// entry was removed; each removal is reported in order when asked for.
bool forbidMoves(PermissionList& list, std::uint16_t a, std::uint16_t b, int pileCount,
                 std::vector<PermissionRemoval>* removals = nullptr);
// Takes back one removal of forbidMoves(a, b), the last one not yet taken
// back: its replacements come off the end of the list and the entry returns
// to its place. An entry that forbidding a to b would not remove is left out.
void restoreForbidden(PermissionList& list, std::uint16_t a, std::uint16_t b, int pileCount,
                      const PermissionRemoval& removal);

// The moves the list permits between different piles, as a bit per (from, to)
// pair (bit from * pileCount + to), whatever the entries that say so: two
// lists that permit the same moves give the same bits.
void permittedMoves(const PermissionList& list, int pileCount, std::vector<std::uint64_t>& bits);

}  // namespace velmora
