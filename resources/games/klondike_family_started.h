// Foundations that each start with a card of their own, dealt at the start:
// a rank, and where it matters a suit and a pack, built from it up or down
// in suit round the corner until each is full.
#pragma once

#include <string>

#include "klondike_family_parts.h"

namespace velmora::gamedb {

// The deal class of a card for rows with startedFoundations: one class for
// each kind of starting card, 0 for the cards that are not dealt there.
int startedDealClass(const KlondikeRules& rules, int pack, int suit, int rank);
// The deal class of foundation k's starting card.
int startedFoundationClass(const KlondikeRules& rules, int foundation);
// Foundation k's accept rule: one card, next in suit from its top card in
// its direction, round the corner, until it is full.
rules::Condition startedFoundationAccept(const KlondikeRules& rules, int foundation);
// Why the starting cards cannot be dealt as asked, or "".
std::string startedFoundationsConflict(const KlondikeRules& rules);
// The foundations' paragraph of the description.
std::string startedFoundationsText(const KlondikeRules& rules);

}  // namespace velmora::gamedb
