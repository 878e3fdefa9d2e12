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

// A condition of a key: a program on a pile, and on a second one.
struct FillGuard {
    int program;
    int pile;
    int otherPile;
};

// guards: further conditions of every key that fills a space with the
// waste's top card.
void addSpaceFillKeys(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common, StockPiles piles,
                      std::span<const int> tableau, std::span<const int> reserves,
                      std::span<const FillGuard> guards = {});

}  // namespace velmora::gamedb
