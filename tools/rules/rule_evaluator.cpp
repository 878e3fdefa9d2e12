#include "rule_evaluator.h"

#include <array>
#include <cstddef>
#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

#include "rule_nodes.h"

namespace velmora::rules {

using detail::ConditionKind;
using detail::ConditionNode;
using detail::ElementKind;
using detail::ElementNode;
using detail::ValueKind;
using detail::ValueNode;

namespace {

using Card = std::pair<std::int16_t, std::int16_t>;  // suit, rank

std::int16_t wrap(std::int32_t value) { return static_cast<std::int16_t>(value); }

// One sequence as the rule sees it: its cards up to the end marker.
std::vector<Card> cardsOf(CardSequence sequence)
{
    std::vector<Card> cards;
    for (const SequenceElement& element : sequence) {
        const Card card{wrap(element.suit), wrap(element.rank)};
        if (card.first == 0)
            break;
        cards.push_back(card);
    }
    return cards;
}

class Evaluator {
public:
    Evaluator(CardSequence first, const CardSequence* second) : first_(cardsOf(first))
    {
        if (second) {
            second_ = cardsOf(*second);
            hasSecond_ = true;
        }
    }

    bool holds(const ConditionNode& node);
    std::int16_t value(const ValueNode& node);

private:
    const std::vector<Card>& cards(Sequence sequence) const
    {
        if (sequence == Sequence::first)
            return first_;
        if (!hasSecond_)
            throw std::invalid_argument("the rule reads the second sequence, but none was given");
        return second_;
    }

    static Card cardAt(const std::vector<Card>& cards, std::size_t index)
    {
        return index < cards.size() ? cards[index] : Card{0, 0};
    }

    Card card(const ElementNode& element) const
    {
        switch (element.kind) {
        case ElementKind::atIndex:
            return cardAt(cards(element.sequence), static_cast<std::size_t>(element.index));
        case ElementKind::bottom: {
            const std::vector<Card>& all = cards(element.sequence);
            return all.empty() ? Card{0, 0} : all.back();
        }
        case ElementKind::loopElement:
            break;
        }
        const auto bound = bindings_.find(element.loop);
        if (bound == bindings_.end())
            throw std::invalid_argument("a loop's element is used outside the loop's predicate");
        return bound->second[static_cast<std::size_t>(element.index)];
    }

    static std::int16_t arithmetic(ValueKind kind, std::int32_t left, std::int32_t right)
    {
        switch (kind) {
        case ValueKind::add: return wrap(left + right);
        case ValueKind::subtract: return wrap(left - right);
        case ValueKind::multiply: return wrap(left * right);
        default: return right == 0 ? std::int16_t{0} : wrap(left / right);
        }
    }

    static bool compare(ConditionKind kind, std::int16_t left, std::int16_t right)
    {
        switch (kind) {
        case ConditionKind::equal: return left == right;
        case ConditionKind::notEqual: return left != right;
        case ConditionKind::less: return left < right;
        case ConditionKind::lessEqual: return left <= right;
        case ConditionKind::greater: return left > right;
        default: return left >= right;
        }
    }

    // Runs the predicate with the loop's elements bound to the cards from
    // `index` on (one card, or an upper and a lower card).
    bool loopHolds(const ConditionNode& node, int width)
    {
        const std::vector<Card> all = cards(node.sequence);
        for (std::size_t index = 0; index + static_cast<std::size_t>(width) <= all.size(); ++index) {
            bindings_[node.loop] = {all[index], cardAt(all, index + 1)};
            const bool held = holds(*node.parts[0]);
            bindings_.erase(node.loop);
            if (!held)
                return false;
        }
        return true;
    }

    std::vector<Card> first_;
    std::vector<Card> second_;
    bool hasSecond_ = false;
    std::map<int, std::array<Card, 2>> bindings_;
};

std::int16_t Evaluator::value(const ValueNode& node)
{
    switch (node.kind) {
    case ValueKind::constant:
        return node.constant;
    case ValueKind::suit:
        return card(*node.element).first;
    case ValueKind::rank:
        return card(*node.element).second;
    case ValueKind::count:
        return wrap(static_cast<std::int32_t>(cards(node.sequence).size()));
    case ValueKind::absolute: {
        const std::int32_t operand = value(*node.left);
        return wrap(operand < 0 ? -operand : operand);
    }
    case ValueKind::choice:
        return holds(*node.condition) ? value(*node.left) : value(*node.right);
    default: {
        const std::int16_t left = value(*node.left);
        return arithmetic(node.kind, left, value(*node.right));
    }
    }
}

bool Evaluator::holds(const ConditionNode& node)
{
    switch (node.kind) {
    case ConditionKind::constant:
        return node.constant;
    case ConditionKind::negation:
        return !holds(*node.parts[0]);
    case ConditionKind::conjunction:
        return holds(*node.parts[0]) && holds(*node.parts[1]);
    case ConditionKind::disjunction:
        return holds(*node.parts[0]) || holds(*node.parts[1]);
    case ConditionKind::choice:
        return holds(*node.parts[0]) ? holds(*node.parts[1]) : holds(*node.parts[2]);
    case ConditionKind::allAdjacent:
        return loopHolds(node, 2);
    case ConditionKind::allCards:
        return loopHolds(node, 1);
    default: {
        const std::int16_t left = value(*node.left);
        return compare(node.kind, left, value(*node.right));
    }
    }
}

}  // namespace

bool evaluate(const Condition& rule, CardSequence first, const CardSequence* second)
{
    return Evaluator(first, second).holds(rule.node());
}

std::int16_t evaluate(const Value& value, CardSequence first, const CardSequence* second)
{
    return Evaluator(first, second).value(value.node());
}

}  // namespace velmora::rules
