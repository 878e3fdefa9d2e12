#include "value_range.h"

#include <algorithm>
#include <initializer_list>

namespace velmora::rules::detail {

namespace {

constexpr ValueRange kWhole{INT16_MIN, INT16_MAX};
constexpr ValueRange kCardField{0, 255};
constexpr ValueRange kCount{0, INT16_MAX};

// A range the machine's 16-bit arithmetic may have wrapped becomes whole.
ValueRange fitted(ValueRange range) { return range.within(INT16_MIN, INT16_MAX) ? range : kWhole; }

ValueRange spanning(std::initializer_list<std::int64_t> values)
{
    return {std::min(values), std::max(values)};
}

ValueRange product(const ValueRange& a, const ValueRange& b)
{
    return fitted(spanning({a.low * b.low, a.low * b.high, a.high * b.low, a.high * b.high}));
}

// |a / b| <= |a| for any b other than 0, and a / 0 is 0; INT16_MIN / -1
// wraps, which the whole range covers.
ValueRange quotient(const ValueRange& a)
{
    const std::int64_t largest = std::max(-a.low, a.high);
    return fitted({-largest, largest});
}

ValueRange absolute(const ValueRange& a)
{
    if (a.low == INT16_MIN)
        return kWhole;  // abs(-32768) wraps to -32768
    if (a.low >= 0)
        return a;
    if (a.high <= 0)
        return {-a.high, -a.low};
    return {0, std::max(-a.low, a.high)};
}

}  // namespace

ValueRange difference(const ValueRange& left, const ValueRange& right)
{
    return {left.low - right.high, left.high - right.low};
}

ValueRange rangeOf(const ValueNode& node)
{
    switch (node.kind) {
    case ValueKind::constant:
        return {node.constant, node.constant};
    case ValueKind::suit:
    case ValueKind::rank:
        return kCardField;
    case ValueKind::count:
        return kCount;
    case ValueKind::add: {
        const ValueRange a = rangeOf(*node.left);
        const ValueRange b = rangeOf(*node.right);
        return fitted({a.low + b.low, a.high + b.high});
    }
    case ValueKind::subtract:
        return fitted(difference(rangeOf(*node.left), rangeOf(*node.right)));
    case ValueKind::multiply:
        return product(rangeOf(*node.left), rangeOf(*node.right));
    case ValueKind::divide:
        return quotient(rangeOf(*node.left));
    case ValueKind::absolute:
        return absolute(rangeOf(*node.left));
    case ValueKind::choice: {
        const ValueRange a = rangeOf(*node.left);
        const ValueRange b = rangeOf(*node.right);
        return {std::min(a.low, b.low), std::max(a.high, b.high)};
    }
    }
    return kWhole;
}

}  // namespace velmora::rules::detail
