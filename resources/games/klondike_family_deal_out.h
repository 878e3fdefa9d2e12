// A tableau dealt from the stock once the cards are out, where the stock's
// top card goes to a foundation instead whenever one takes it, for rows with
// rowsDealtPastFoundations.
#pragma once

#include <span>

#include "game_parts.h"

namespace velmora::gamedb {

// How many cards the deal sends to the foundations at most; in the rare deal
// that would send more, the columns are left short.
inline constexpr int kCardsDealtOut = 16;

// Keys run right after the deal, in order: the stock's top card is turned up
// and goes to the first foundation (in pile order) that takes it, or else to
// the next column in turn, until each of the columns holds `rows` cards. The
// foundations are built up in suit from the Ace.
void addRowsDealtPastFoundations(RecordBuilder& b, int stock, std::span<const int> tableau,
                                 std::span<const int> foundations, int rows);

}  // namespace velmora::gamedb
