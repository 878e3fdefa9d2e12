// Direct evaluation of rule expressions over card sequences, without the
// rule machine: the reference the compiled programs are checked against, and
// a quick way for authors to try a rule on sample cards.
//
// A sequence ends at its first element whose suit is 0 (the closing (0, 0)
// pair of a CardSequence); elements beyond it read as (0, 0). Suits and ranks
// read as 16-bit values, as the machine sees them.
#pragma once

#include <cstdint>

#include "rule_expr.h"
#include "rule_machine.h"

namespace velmora::rules {

// Whether the condition holds. Throws std::invalid_argument when the rule
// reads `second` and `second` is null, or uses a loop's element outside that
// loop's predicate.
bool evaluate(const Condition& rule, CardSequence first, const CardSequence* second);

// The value, under the same terms.
std::int16_t evaluate(const Value& value, CardSequence first, const CardSequence* second);

}  // namespace velmora::rules
