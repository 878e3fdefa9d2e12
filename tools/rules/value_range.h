// The range a value expression can take, so that the compiler can pick the
// short comparison where a plain difference cannot wrap around.
#pragma once

#include <cstdint>

#include "rule_nodes.h"

namespace velmora::rules::detail {

struct ValueRange {
    std::int64_t low = INT16_MIN;
    std::int64_t high = INT16_MAX;

    bool within(std::int64_t lowest, std::int64_t highest) const { return low >= lowest && high <= highest; }
};

// Bounds that hold for every run, given that suits and ranks are 0..255 (a
// card definition's bytes, or the face-down 6 and 15) and that a sequence
// holds fewer than 32768 cards. A result that may wrap around gets the whole
// 16-bit range.
ValueRange rangeOf(const ValueNode& node);

// left - right without wrap-around, in 64 bits.
ValueRange difference(const ValueRange& left, const ValueRange& right);

}  // namespace velmora::rules::detail
