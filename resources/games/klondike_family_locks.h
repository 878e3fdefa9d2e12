// Klondike-family reserve cards that come into play late: locked ones, dealt
// face down and turned up once the foundation above each is full, and the
// cards of a fir tree, free once the cards lying over them are gone.
#pragma once

#include <vector>

#include "klondike_family_parts.h"

namespace velmora::gamedb {

// A tap on a locked reserve turns its card up while the foundation counted
// alike holds thirteen cards.
void addLockedReserveKeys(RecordBuilder& b, const CommonPrograms& common, const KlondikePiles& piles);

// A fir tree of `reserves` cards: rows of one and two cards in turn, from
// the tip down. Per reserve, counted from the tip, the reserves of the row
// below that lie over it.
std::vector<std::vector<int>> firTreeCovers(int reserves);

// Where a fir tree's reserve `k` lies: the rows of two take the slots
// `left` and `left + step`, the rows of one the middle between them, each
// row `rowStep` below the one before, from `top`.
struct TreePlace {
    int x;
    int y;
};
TreePlace firTreePlace(int k, int left, int step, int top, int rowStep);

// The program a reserve pile starts with: a covered one gives nothing.
int reservePickUp(const KlondikeRules& rules, const CommonPrograms& common, int reserve);

// Once every card over a covered reserve is gone, its card may be played.
void addReserveCoverKeys(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common,
                         const KlondikePiles& piles);

}  // namespace velmora::gamedb
