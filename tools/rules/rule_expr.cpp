#include "rule_expr.h"

#include <atomic>
#include <stdexcept>
#include <string>

#include "rule_nodes.h"

namespace velmora::rules {

using detail::ConditionKind;
using detail::ConditionNode;
using detail::ElementKind;
using detail::ElementNode;
using detail::ValueKind;
using detail::ValueNode;

namespace {

constexpr int kFaceDownSuit = 6;
constexpr int kLargestIndex = 255;

Element element(ElementKind kind, Sequence sequence, int index, int loop = 0)
{
    auto node = std::make_shared<ElementNode>();
    node->kind = kind;
    node->sequence = sequence;
    node->index = index;
    node->loop = loop;
    return Element(std::move(node));
}

Value field(ValueKind kind, const Element& of)
{
    auto node = std::make_shared<ValueNode>();
    node->kind = kind;
    node->element = of.shared();
    return Value(std::move(node));
}

Value arithmetic(ValueKind kind, const Value& left, const Value& right)
{
    auto node = std::make_shared<ValueNode>();
    node->kind = kind;
    node->left = left.shared();
    node->right = right.shared();
    return Value(std::move(node));
}

Condition comparison(ConditionKind kind, const Value& left, const Value& right)
{
    auto node = std::make_shared<ConditionNode>();
    node->kind = kind;
    node->left = left.shared();
    node->right = right.shared();
    return Condition(std::move(node));
}

Condition combination(ConditionKind kind, const Condition& a, const Condition* b = nullptr,
                      const Condition* c = nullptr)
{
    auto node = std::make_shared<ConditionNode>();
    node->kind = kind;
    node->parts[0] = a.shared();
    if (b)
        node->parts[1] = b->shared();
    if (c)
        node->parts[2] = c->shared();
    return Condition(std::move(node));
}

Condition constant(bool holds)
{
    auto node = std::make_shared<ConditionNode>();
    node->kind = ConditionKind::constant;
    node->constant = holds;
    return Condition(std::move(node));
}

Condition loopOver(ConditionKind kind, Sequence sequence, int loop, const Condition& predicate)
{
    auto node = std::make_shared<ConditionNode>();
    node->kind = kind;
    node->sequence = sequence;
    node->loop = loop;
    node->parts[0] = predicate.shared();
    return Condition(std::move(node));
}

}  // namespace

void Value::throwConstantOutOfRange()
{
    throw std::out_of_range("rule constant outside the 16-bit range -32768..32767");
}

Value Value::fromConstant(std::int16_t constant)
{
    auto node = std::make_shared<ValueNode>();
    node->kind = ValueKind::constant;
    node->constant = constant;
    return Value(std::move(node));
}

Element at(Sequence sequence, int k)
{
    if (k < 0 || k > kLargestIndex)
        throw std::out_of_range("at(): element index " + std::to_string(k) + " outside 0..255");
    return element(ElementKind::atIndex, sequence, k);
}

Element top(Sequence sequence) { return at(sequence, 0); }

Element bottom(Sequence sequence) { return element(ElementKind::bottom, sequence, 0); }

Value suit(const Element& element) { return field(ValueKind::suit, element); }

Value rank(const Element& element) { return field(ValueKind::rank, element); }

Value colour(const Element& element) { return (suit(element) - 1) / 2; }

Value count(Sequence sequence)
{
    auto node = std::make_shared<ValueNode>();
    node->kind = ValueKind::count;
    node->sequence = sequence;
    return Value(std::move(node));
}

Value abs(const Value& value)
{
    auto node = std::make_shared<ValueNode>();
    node->kind = ValueKind::absolute;
    node->left = value.shared();
    return Value(std::move(node));
}

Value operator+(const Value& left, const Value& right) { return arithmetic(ValueKind::add, left, right); }
Value operator-(const Value& left, const Value& right) { return arithmetic(ValueKind::subtract, left, right); }
Value operator*(const Value& left, const Value& right) { return arithmetic(ValueKind::multiply, left, right); }
Value operator/(const Value& left, const Value& right) { return arithmetic(ValueKind::divide, left, right); }
Value operator-(const Value& value) { return Value(0) - value; }

Value ifThenElse(const Condition& test, const Value& whenTrue, const Value& whenFalse)
{
    auto node = std::make_shared<ValueNode>();
    node->kind = ValueKind::choice;
    node->condition = test.shared();
    node->left = whenTrue.shared();
    node->right = whenFalse.shared();
    return Value(std::move(node));
}

Condition operator==(const Value& left, const Value& right)
{
    return comparison(ConditionKind::equal, left, right);
}

Condition operator!=(const Value& left, const Value& right)
{
    return comparison(ConditionKind::notEqual, left, right);
}

Condition operator<(const Value& left, const Value& right)
{
    return comparison(ConditionKind::less, left, right);
}

Condition operator<=(const Value& left, const Value& right)
{
    return comparison(ConditionKind::lessEqual, left, right);
}

Condition operator>(const Value& left, const Value& right)
{
    return comparison(ConditionKind::greater, left, right);
}

Condition operator>=(const Value& left, const Value& right)
{
    return comparison(ConditionKind::greaterEqual, left, right);
}

Condition operator&&(const Condition& left, const Condition& right)
{
    return combination(ConditionKind::conjunction, left, &right);
}

Condition operator||(const Condition& left, const Condition& right)
{
    return combination(ConditionKind::disjunction, left, &right);
}

Condition operator!(const Condition& condition) { return combination(ConditionKind::negation, condition); }

Condition ifThenElse(const Condition& test, const Condition& whenTrue, const Condition& whenFalse)
{
    return combination(ConditionKind::choice, test, &whenTrue, &whenFalse);
}

Condition always() { return constant(true); }
Condition never() { return constant(false); }

Condition empty(Sequence sequence) { return suit(top(sequence)) == 0; }
Condition exists(const Element& element) { return suit(element) != 0; }
Condition faceDown(const Element& element) { return suit(element) == kFaceDownSuit; }
Condition faceUp(const Element& element) { return exists(element) && !faceDown(element); }

namespace detail {

int newLoop()
{
    static std::atomic<int> loops{0};
    return ++loops;
}

Element loopElement(int loop, int position)
{
    return element(ElementKind::loopElement, Sequence::first, position, loop);
}

Condition makeAllAdjacent(Sequence sequence, int loop, const Condition& predicate)
{
    return loopOver(ConditionKind::allAdjacent, sequence, loop, predicate);
}

Condition makeAllCards(Sequence sequence, int loop, const Condition& predicate)
{
    return loopOver(ConditionKind::allCards, sequence, loop, predicate);
}

bool reads(const ValueNode& node, Sequence sequence)
{
    switch (node.kind) {
    case ValueKind::constant:
        return false;
    case ValueKind::suit:
    case ValueKind::rank:
        return node.element->kind != ElementKind::loopElement && node.element->sequence == sequence;
    case ValueKind::count:
        return node.sequence == sequence;
    case ValueKind::absolute:
        return reads(*node.left, sequence);
    case ValueKind::choice:
        return reads(*node.condition, sequence) || reads(*node.left, sequence) || reads(*node.right, sequence);
    default:
        return reads(*node.left, sequence) || reads(*node.right, sequence);
    }
}

bool reads(const ConditionNode& node, Sequence sequence)
{
    switch (node.kind) {
    case ConditionKind::constant:
        return false;
    case ConditionKind::allAdjacent:
    case ConditionKind::allCards:
        return node.sequence == sequence || reads(*node.parts[0], sequence);
    default:
        break;
    }
    if (node.left)
        return reads(*node.left, sequence) || reads(*node.right, sequence);
    for (const auto& part : node.parts)
        if (part && reads(*part, sequence))
            return true;
    return false;
}

}  // namespace detail

bool readsSecond(const Condition& rule) { return detail::reads(rule.node(), Sequence::second); }

}  // namespace velmora::rules
