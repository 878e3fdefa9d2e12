// A reserve that opens only once the stock is used up: beside the tableau,
// it takes nothing while the stock lasts, then single cards up to its
// capacity (its top card in play), or one built group at a time that must
// be played back before it takes another.
#pragma once

#include "klondike_family.h"
#include "klondike_family_boards.h"

namespace velmora::gamedb {

// The reserve pile at `place`; it takes nothing until the key of
// addStockOutOpening opens it. groupPickUp: how a group leaves it.
int addStockOutReserve(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common, Point place,
                       int groupPickUp);

// After any step that leaves the stock empty, the reserve takes the cards
// its rules allow. A flag pile, added here after the foundations, records
// that it is open.
void addStockOutOpening(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common, int stock,
                        int reserve);

}  // namespace velmora::gamedb
