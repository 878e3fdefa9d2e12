// Ranks that step by the suit: clubs count by one, spades by two, hearts by
// three and diamonds by four, going on past the King from the Ace. Each
// suit's foundation starts from its step (the Ace of clubs, the Two of
// spades, the Three of hearts, the Four of diamonds), dealt there, and ends
// with its King; the tableau builds down in suit by the same steps.
#pragma once

#include "game_parts.h"

namespace velmora::gamedb {

// The base cards form deal class 1, which only the foundations receive.
void addCardsWithSuitStepBases(RecordBuilder& b);

// The moved group's bottom card lies one step of its suit below the
// destination's top card, in suit; an empty pile takes what `onEmpty` says.
rules::Condition acceptsSuitStepDown(EmptyTakes onEmpty);

// A foundation takes one card of its suit a step above its top card, until
// the King.
rules::Condition acceptsSuitStepUp();

}  // namespace velmora::gamedb
