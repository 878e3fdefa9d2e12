// A tableau dealt in rows from the stock once the cards are out, with each
// Ace that comes to the top of a column going to a foundation before the
// next row is dealt: the columns end up of different lengths.
#pragma once

#include <span>

#include "game_parts.h"

namespace velmora::gamedb {

// Keys run right after the deal, in order: `rows` rows of one face-up card
// from the stock to each of the tableau columns, each row followed by one key
// per column that moves an Ace on top of it out; the Aces end up one to a
// foundation from the left, in the order they came out.
void addRowsSendingAcesOut(RecordBuilder& b, int stock, std::span<const int> tableau,
                           std::span<const int> foundations, int rows);

}  // namespace velmora::gamedb
