// Foundations whose base rank is known only once play starts: set by a card
// dealt onto a foundation, or by the first card the player plays there. One
// key per rank reads the card that sets the base and switches the
// foundations, and any other piles whose rule depends on the base, to the
// programs compiled for that rank; the foundations' base-card marks show it.
#pragma once

#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "game_parts.h"

namespace velmora::gamedb {

// A program for each base rank 1..13 (index 0 unused).
using RankPrograms = std::array<int, 14>;

// The two programs a base choice needs for each rank, compiled rank by rank:
// the foundations' accept rule for that base, then the test that a pile's
// top card has that rank.
struct BaseRankPrograms {
    RankPrograms foundationAccept{};
    RankPrograms rankIs{};
};
BaseRankPrograms addBaseRankPrograms(RecordBuilder& b, const std::function<rules::Condition(int)>& acceptFor,
                                     const std::function<rules::Condition(int)>& rankIsFor);

struct BaseRankSwitch {
    TriggerType trigger = TriggerType::afterDeal;
    int readPile = 0;  // the pile whose top card sets the base
    // Further (program, pile) conditions every key holds to, tested before
    // the rank.
    std::vector<std::pair<int, int>> conditions;
    std::vector<int> foundations;  // take the foundation rule and show the rank
    // Whether readPile shows the rank too: not needed when the card that
    // set the base never leaves it.
    bool markReadPile = true;
    BaseRankPrograms programs;
    std::vector<int> others;  // take otherAccept for the base
    RankPrograms otherAccept{};
};

// One key per rank, in rank order.
void addBaseRankKeys(RecordBuilder& b, const BaseRankSwitch& choice);

// The rank below `base`, the King below the Ace: what an empty tableau pile
// takes in games whose piles build down towards the base.
int rankBelow(int base);

// Accept rule: the group's bottom card follows the destination's top card by
// the build (up or down), and an empty destination takes a group headed by
// `emptyRank`.
rules::Condition acceptsBuiltOnRank(Build build, int emptyRank);

// Foundation accept rule: one card, `base` on an empty foundation, else the
// next rank in suit going on from King to Ace; with fullAtThirteen, a
// foundation of thirteen cards takes no more.
rules::Condition acceptsRoundFromBase(int base, bool fullAtThirteen);

}  // namespace velmora::gamedb
