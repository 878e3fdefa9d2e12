// The parts of a Klondike-family record that only some rows switch on: a
// base rank set in play, stocks that deal to the reserves, locked reserves,
// limited ways between piles and a reserve for Kings. Used by klondikeGame.
#pragma once

#include <vector>

#include "klondike_family.h"

namespace velmora::gamedb {

// The piles of a Klondike-family record (-1: none).
struct KlondikePiles {
    int stock = -1;
    int waste = -1;
    std::vector<int> tableau;
    std::vector<int> reserves;  // the dealt reserves
    int kingsReserve = -1;
    std::vector<int> foundations;
};

bool movableBase(const KlondikeRules& rules);
bool dealsToReserves(const KlondikeRules& rules);
// Whether the row limits which piles may give to which.
bool limitsMoves(const KlondikeRules& rules);

// The foundations' rule: from the Ace (or down from the King), or from the
// row's start rank round the corner.
rules::Condition foundationAcceptRule(const KlondikeRules& rules);
// An empty tableau pile's part of the accept rule, and the whole rule.
rules::Condition tableauAcceptRule(const KlondikeRules& rules);

// The first foundation's accept program while a base is still to be known.
int foundationAcceptBeforeBase(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common,
                               int foundation);
void addBaseRankSwitch(RecordBuilder& b, const KlondikeRules& rules, const KlondikePiles& piles);
void addReserveDeal(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common,
                    const KlondikePiles& piles);
void addReserveLocks(RecordBuilder& b, const CommonPrograms& common, const KlondikePiles& piles);
void permitLimitedMoves(RecordBuilder& b, const KlondikeRules& rules, const KlondikePiles& piles);
// The stock's tap and empty-tap keys for dealCountFalls.
void addFallingDeal(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common,
                    const KlondikePiles& piles);
void addTableauRedeal(RecordBuilder& b, const KlondikeRules& rules, const KlondikePiles& piles);
// The accept program of the Kings' reserve.
int kingsReserveAccept(RecordBuilder& b, int capacity);

}  // namespace velmora::gamedb
