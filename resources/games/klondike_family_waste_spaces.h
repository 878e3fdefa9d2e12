// Keys that let an empty tableau pile take a card only from the waste, for
// Klondike-family rows with spacesFromWasteOnly.
#pragma once

#include "klondike_family_parts.h"

namespace velmora::gamedb {

// After every step, each empty tableau pile stops taking moves from any pile
// but the waste, and each filled one takes them again.
void addWasteOnlySpaceKeys(RecordBuilder& b, const CommonPrograms& common, const KlondikePiles& piles);

}  // namespace velmora::gamedb
