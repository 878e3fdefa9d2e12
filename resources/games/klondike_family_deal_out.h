// A tableau dealt from the stock once the cards are out, where the stock's
// top card goes to a foundation instead whenever one takes it, for rows with
// rowsDealtPastFoundations.
#pragma once

#include <span>

#include "game_parts.h"

namespace velmora::gamedb {

// How many cards the deal sends to the foundations at most, where any card
// they take goes there; in the rare deal that would send more, the columns
// are left short.
inline constexpr int kCardsDealtOut = 16;

// Keys run right after the deal, in order: the stock's top card is turned up
// and goes to the first foundation (in pile order) that takes it, or else to
// the next column in turn, until each of the columns holds `rows` cards. The
// foundations are built up in suit from the Ace. With acesOnly only Aces go
// out, each to the first empty foundation. Returns the hidden pile that
// gathers each row, empty once the row is laid out.
int addRowsDealtPastFoundations(RecordBuilder& b, int stock, std::span<const int> tableau,
                                std::span<const int> foundations, int rows, bool acesOnly);

// The tap key of a stock dealt a row at a time onto the tableau, each Ace it
// comes to going to the first empty foundation instead, and the next card
// taking its place; each row gathers on the hidden pile `gathered`.
int addTapRowPastAces(RecordBuilder& b, const CommonPrograms& common, int stock, int gathered,
                      std::span<const int> tableau, std::span<const int> foundations);

}  // namespace velmora::gamedb
