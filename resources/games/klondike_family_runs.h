// Klondike-family foundations that take only whole suits, which leave the
// tableau by themselves, for rows with runFoundations.
#pragma once

#include <string>

#include "klondike_family.h"

namespace velmora::gamedb {

// What in the row does not go with foundations of whole suits (empty: all
// of it does). Each foundation takes one run of thirteen cards from King
// down to Ace, so nothing may start or build it otherwise, and a card must
// be able to reach it through the tableau.
std::string runFoundationsConflict(const KlondikeRules& rules);

}  // namespace velmora::gamedb
