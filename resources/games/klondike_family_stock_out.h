// What opens only once the stock is used up: a reserve beside the tableau,
// which takes nothing while the stock lasts, then single cards up to its
// capacity (its top card in play), or one built group at a time that must
// be played back before it takes another; and foundations that give back.
#pragma once

#include <span>

#include "klondike_family.h"
#include "klondike_family_boards.h"

namespace velmora::gamedb {

// The reserve pile, placed on the board; it takes nothing until the key of
// addStockOutOpening opens it. groupPickUp: how a group leaves it.
int addStockOutReserve(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common,
                       const Board& board, int groupPickUp);

// After any step that leaves the stock empty, the reserve takes the cards
// its rules allow. A flag pile, added here after the foundations, records
// that it is open.
void addStockOutOpening(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common, int stock,
                        int reserve);

// After any step that leaves the stock empty, the foundations take the
// pick-up rule `giveBack`. A flag pile, added here, records the switch.
void addFoundationsGiveBack(RecordBuilder& b, const CommonPrograms& common, int stock,
                            std::span<const int> foundations, int giveBack);

}  // namespace velmora::gamedb
