// The parts of a Klondike-family record that only some rows switch on: a
// base rank set in play, stocks that deal to the reserves or turn fewer
// cards each pass, a tableau fed by the waste alone and a tableau dealt
// again. Used by klondikeGame.
#pragma once

#include <span>
#include <vector>

#include "klondike_family.h"

namespace velmora::gamedb {

// The piles of a Klondike-family record (-1: none).
struct KlondikePiles {
    int stock = -1;
    int waste = -1;
    std::vector<int> tableau;
    std::vector<int> reserves;  // the dealt reserves
    std::vector<int> foundations;
    std::vector<int> wasteBarred;  // cells the waste gives nothing to
};

bool movableBase(const KlondikeRules& rules);
bool dealsToReserves(const KlondikeRules& rules);

// The foundations' rule: up from the Ace, or down from the King.
rules::Condition foundationAcceptRule(const KlondikeRules& rules);
// The tableau's accept rule.
rules::Condition tableauAcceptRule(const KlondikeRules& rules);
// The rank an empty foundation shows (0: none, while the base is unknown or
// dealt).
int shownFoundationBase(const KlondikeRules& rules);
// The piles that hold cards not yet on the foundations (no cells).
std::vector<int> cardsInPlay(const KlondikePiles& piles);

// The first foundation's accept program while a base is still to be known.
int foundationAcceptBeforeBase(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common,
                               int foundation);
void addBaseRankSwitch(RecordBuilder& b, const KlondikeRules& rules, const KlondikePiles& piles);
void addReserveDeal(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common,
                    const KlondikePiles& piles);
void permitWasteFedMoves(RecordBuilder& b, const KlondikePiles& piles);
// Every move but those from a reserve to the tableau, and those between
// foundations.
void permitReservesToFoundationsOnly(RecordBuilder& b, const KlondikePiles& piles);
// The waste and the tableau give to any pile but the reserves, which take
// only the waste's card and give only to the tableau, as the foundations do.
void permitReservesBetweenWasteAndTableau(RecordBuilder& b, const KlondikePiles& piles);
// Every move but those between foundations, and those from the waste to the
// cells it may not give to.
void permitMovesBarringWaste(RecordBuilder& b, const KlondikePiles& piles);
// Every move but those between foundations, and those from the first
// `walled` tableau piles to any pile but one another and the foundations.
void permitWalledColumns(RecordBuilder& b, const KlondikePiles& piles, int walled);
// The stock's tap and empty-tap keys for dealCountFalls.
void addFallingDeal(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common,
                    const KlondikePiles& piles);
void addTableauRedeal(RecordBuilder& b, const KlondikeRules& rules, const KlondikePiles& piles);
// Cards kept back from the stock, one for each target pile (reserves, or
// the middle columns of a last row): their pile under the stock, at stockX,
// and the stock's empty-tap key that deals them.
void addCardsDealtLast(RecordBuilder& b, const CommonPrograms& common, const KlondikePiles& piles, int stockX,
                       std::span<const int> targets);
// The win of a game without foundations: the stock and the waste are empty
// and, with a column capacity, every tableau pile is empty or full.
void addTableauWin(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common,
                   const KlondikePiles& piles);

}  // namespace velmora::gamedb
