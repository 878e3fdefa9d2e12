// The trees behind rule expressions, read by the compiler and the evaluator.
// Authors never see these: they build trees with the functions of
// rule_expr.h. Nodes are immutable and shared between the trees that use them.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "rule_expr.h"

namespace velmora::rules::detail {

enum class ElementKind : std::uint8_t {
    atIndex,      // element `index` of `sequence`, counted from the top
    bottom,       // the last element of `sequence`
    loopElement,  // an element a loop hands its predicate: `index` 0 is the
                  // card (allCards) or the upper card (allAdjacent), 1 the lower
};

struct ElementNode {
    ElementKind kind = ElementKind::atIndex;
    Sequence sequence = Sequence::first;
    int index = 0;
    int loop = 0;  // loopElement: the loop that binds it
};

enum class ValueKind : std::uint8_t {
    constant,
    suit,
    rank,
    count,
    add,
    subtract,
    multiply,
    divide,
    absolute,  // of `left`
    choice,    // `condition` ? `left` : `right`
};

struct ValueNode {
    ValueKind kind = ValueKind::constant;
    std::int16_t constant = 0;
    Sequence sequence = Sequence::first;  // count
    std::shared_ptr<const ElementNode> element;  // suit, rank
    std::shared_ptr<const ValueNode> left;
    std::shared_ptr<const ValueNode> right;
    std::shared_ptr<const ConditionNode> condition;  // choice
};

enum class ConditionKind : std::uint8_t {
    constant,
    equal,
    notEqual,
    less,
    lessEqual,
    greater,
    greaterEqual,
    negation,     // not parts[0]
    conjunction,  // parts[0] and parts[1]
    disjunction,  // parts[0] or parts[1]
    choice,       // parts[0] ? parts[1] : parts[2]
    allAdjacent,  // predicate parts[0] over `sequence`, binding `loop`
    allCards,     // likewise, one card at a time
};

struct ConditionNode {
    ConditionKind kind = ConditionKind::constant;
    bool constant = false;
    std::shared_ptr<const ValueNode> left;  // comparisons
    std::shared_ptr<const ValueNode> right;
    std::array<std::shared_ptr<const ConditionNode>, 3> parts;
    Sequence sequence = Sequence::first;  // loops
    int loop = 0;
};

// True when the tree reads `sequence` directly: an element at an index or
// the bottom, its count, or a loop over it. Loop elements do not count.
bool reads(const ConditionNode& node, Sequence sequence);
bool reads(const ValueNode& node, Sequence sequence);

}  // namespace velmora::rules::detail
