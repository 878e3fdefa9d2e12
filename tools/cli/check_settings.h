// The solver's settings that `velmora-cli check` uses for a game whose wins
// take more than the default search: a larger budget, a beam, or other deals
// to search when the first ones cannot be won. A row says why; every other
// game is checked with the default.
#pragma once

#include <cstdint>
#include <optional>

#include "record_layout.h"

namespace velmora::cli {

struct CheckSettings {
    SolitaireId id;
    std::uint64_t budget;  // states per deal
    std::uint32_t beam;    // 0: the default search
    std::uint32_t winDeals = 0;  // the solver tries deals 1..winDeals (0: as asked)
    // The first deal the solver tries, for a game whose earlier deals were
    // searched once, at length, and none won.
    std::uint32_t firstWinDeal = 1;
};

// The settings of the game, if it has its own.
std::optional<CheckSettings> checkSettingsFor(SolitaireId id);

}  // namespace velmora::cli
