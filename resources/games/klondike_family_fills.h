// Keys that fill an emptied tableau pile at once, as a Klondike-family row's
// spaceFill asks; none for SpaceFill::none.
#pragma once

#include <span>

#include "klondike_family.h"

namespace velmora::gamedb {

struct StockPiles {
    int stock;
    int waste;
};

void addSpaceFillKeys(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common, StockPiles piles,
                      std::span<const int> tableau, std::span<const int> reserves);

}  // namespace velmora::gamedb
