// Row data of the open-columns options (cells, split foundations per suit,
// columns dealt past the foundations, rounds dealt to the reserves, spaces
// fed by the waste alone, short foundations, blind columns) that the piles
// cannot carry out together with the rest of the row.
#pragma once

#include <string>

#include "klondike_family.h"

namespace velmora::gamedb {

// Why the row's options do not go together (empty: they do).
std::string openColumnsConflict(const KlondikeRules& rules, bool hasWaste);

}  // namespace velmora::gamedb
