// Klondike-family keys that play the waste's top card to the foundations
// by itself, for rows with wasteOut.
#pragma once

#include <vector>

#include "klondike_family_fills.h"
#include "klondike_family_parts.h"

namespace velmora::gamedb {

// How many cards in a row the deal sends out from the waste, each replaced
// from the stock, before play starts with whatever is left on the waste.
inline constexpr int kDealtOutCards = 16;

// After every step the waste's top card goes to the first foundation (in
// pile order) that takes it, again and again. In the deal, a card that goes
// out is replaced by the next card of the stock, up to kDealtOutCards times.
// Returns the conditions under which the waste's top card goes nowhere:
// whatever else takes that card after a step waits for them.
std::vector<FillGuard> addWasteOutKeys(RecordBuilder& b, const CommonPrograms& common, const KlondikePiles& piles);

}  // namespace velmora::gamedb
