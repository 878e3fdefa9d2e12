// Rule expressions: how game authors write pick-up, accept and condition
// rules in C++. The build compiles them to rule-machine bytecode (see
// rule_compiler.h); nobody writes bytecode by hand.
//
// A rule reads one or two card sequences, `first` and `second`, each listed
// top card first. For a pick-up rule `first` is the group that moves (its
// bottom element is the card picked) and `second` the cards under it; for an
// accept rule `first` is the moving group and `second` the whole destination
// pile; a condition rule reads one pile and sometimes a second one.
//
// Reading cards:
//   - A face-up card reads as its suit (1..4) and rank (1..13); a face-down
//     card reads as suit 6, rank 15. Test faceUp()/faceDown() before relying
//     on a card's suit or rank where face-down cards may occur.
//   - An element beyond the end of a sequence (at(second, 0) of an empty
//     pile, bottom() of an empty sequence) reads as suit 0, rank 0 and
//     colour 0, so test empty() or exists() first.
//
// Values are signed 16-bit integers: arithmetic wraps around, division
// truncates toward zero and dividing by zero gives 0. Comparisons are exact.
//
// Example, Klondike's tableau accept rule (a King on a space, otherwise one
// rank lower in the other colour):
//
//     using namespace velmora::rules;
//     const Condition accept =
//         (empty(second) && rank(bottom(first)) == 13) ||
//         (!empty(second) && rank(bottom(first)) == rank(top(second)) - 1 &&
//          colour(bottom(first)) != colour(top(second)));
//
// and a group that must be built down in alternate colours, face up:
//
//     allAdjacent(first, [](Element upper, Element lower) {
//         return faceUp(lower) && rank(upper) == rank(lower) - 1 &&
//                colour(upper) != colour(lower);
//     })
#pragma once

#include <concepts>
#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace velmora::rules {

namespace detail {
struct ElementNode;
struct ValueNode;
struct ConditionNode;
}  // namespace detail

// One of the two sequences a rule reads.
enum class Sequence : std::uint8_t { first = 1, second = 2 };

// The moving group (pick-up and accept rules) or the pile a condition reads.
inline constexpr Sequence first = Sequence::first;
// The cards under the picked card (pick-up), the destination pile (accept).
inline constexpr Sequence second = Sequence::second;

// One element of a sequence: a card, or the end marker when it lies beyond
// the end. Made by at(), top(), bottom() or given to a loop's predicate.
class Element {
public:
    explicit Element(std::shared_ptr<const detail::ElementNode> node) : node_(std::move(node)) {}
    const detail::ElementNode& node() const { return *node_; }
    const std::shared_ptr<const detail::ElementNode>& shared() const { return node_; }

private:
    std::shared_ptr<const detail::ElementNode> node_;
};

// A 16-bit integer expression. Any integer constant in -32768..32767 converts
// to a Value; a constant outside that range throws std::out_of_range.
class Value {
public:
    template <std::integral Integer>
        requires(!std::same_as<Integer, bool>)
    Value(Integer constant) : Value(fromConstant(checkedConstant(constant)))
    {
    }
    Value(bool) = delete;    // a truth is a Condition: use always() or never()
    Value(double) = delete;  // rules count in whole numbers

    explicit Value(std::shared_ptr<const detail::ValueNode> node) : node_(std::move(node)) {}
    const detail::ValueNode& node() const { return *node_; }
    const std::shared_ptr<const detail::ValueNode>& shared() const { return node_; }

private:
    template <std::integral Integer>
    static std::int16_t checkedConstant(Integer constant)
    {
        if (!std::in_range<std::int16_t>(constant))
            throwConstantOutOfRange();
        return static_cast<std::int16_t>(constant);
    }
    [[noreturn]] static void throwConstantOutOfRange();
    static Value fromConstant(std::int16_t constant);

    std::shared_ptr<const detail::ValueNode> node_;
};

// A truth about the sequences. There is deliberately no conversion from or
// to bool: a rule is built, not evaluated, in C++.
class Condition {
public:
    explicit Condition(std::shared_ptr<const detail::ConditionNode> node) : node_(std::move(node)) {}
    const detail::ConditionNode& node() const { return *node_; }
    const std::shared_ptr<const detail::ConditionNode>& shared() const { return node_; }

private:
    std::shared_ptr<const detail::ConditionNode> node_;
};

// --- Elements ---

// Element k counted from the top (k = 0 is the top card); k is 0..255.
Element at(Sequence sequence, int k);
// The top element: at(sequence, 0).
Element top(Sequence sequence);
// The bottom element (the last card of the sequence).
Element bottom(Sequence sequence);

// --- Values ---

// The element's suit: 1..4 face up, 6 face down, 0 beyond the end.
Value suit(const Element& element);
// The element's rank: 1..13 face up, 15 face down, 0 beyond the end.
Value rank(const Element& element);
// The colour of the element's suit, (suit - 1) / 2: 0 for suits 1 and 2 and
// beyond the end, 1 for suits 3 and 4, 2 face down.
Value colour(const Element& element);
// The number of cards in the sequence.
Value count(Sequence sequence);
// The absolute value (wraps: abs(-32768) is -32768).
Value abs(const Value& value);

Value operator+(const Value& left, const Value& right);
Value operator-(const Value& left, const Value& right);
Value operator*(const Value& left, const Value& right);
// Truncates toward zero; x / 0 is 0.
Value operator/(const Value& left, const Value& right);
Value operator-(const Value& value);

// `whenTrue` if the condition holds, else `whenFalse`.
Value ifThenElse(const Condition& test, const Value& whenTrue, const Value& whenFalse);

// --- Conditions ---

Condition operator==(const Value& left, const Value& right);
Condition operator!=(const Value& left, const Value& right);
Condition operator<(const Value& left, const Value& right);
Condition operator<=(const Value& left, const Value& right);
Condition operator>(const Value& left, const Value& right);
Condition operator>=(const Value& left, const Value& right);

Condition operator&&(const Condition& left, const Condition& right);
Condition operator||(const Condition& left, const Condition& right);
Condition operator!(const Condition& condition);

// `whenTrue` if the test holds, else `whenFalse`.
Condition ifThenElse(const Condition& test, const Condition& whenTrue, const Condition& whenFalse);

// The condition that always holds.
Condition always();
// The condition that never holds.
Condition never();
// The sequence holds no card.
Condition empty(Sequence sequence);
// The element is a card, not the end marker beyond the last card.
Condition exists(const Element& element);
// The element is a face-down card.
Condition faceDown(const Element& element);
// The element is a face-up card (so it exists).
Condition faceUp(const Element& element);

// --- Loops over a sequence ---

namespace detail {
int newLoop();
Element loopElement(int loop, int position);
Condition makeAllAdjacent(Sequence sequence, int loop, const Condition& predicate);
Condition makeAllCards(Sequence sequence, int loop, const Condition& predicate);
}  // namespace detail

// Every adjacent pair (element i, element i + 1) satisfies the predicate,
// called as predicate(upper, lower) with upper nearer the top; true for
// sequences of 0 or 1 cards. The predicate may read anything else too
// (elements, counts, other loops, the elements of enclosing loops). A loop
// inside the predicate runs once per pair: the machine stops a program after
// a million instructions, so nest loops only over short sequences (a group).
template <class Predicate>
    requires std::is_invocable_r_v<Condition, Predicate&, Element, Element>
Condition allAdjacent(Sequence sequence, Predicate&& predicate)
{
    const int loop = detail::newLoop();
    return detail::makeAllAdjacent(
        sequence, loop, std::invoke(predicate, detail::loopElement(loop, 0), detail::loopElement(loop, 1)));
}

// Every card of the sequence satisfies the predicate, called as
// predicate(card); true for an empty sequence. The same note on nesting
// applies.
template <class Predicate>
    requires std::is_invocable_r_v<Condition, Predicate&, Element>
Condition allCards(Sequence sequence, Predicate&& predicate)
{
    const int loop = detail::newLoop();
    return detail::makeAllCards(sequence, loop, std::invoke(predicate, detail::loopElement(loop, 0)));
}

// True when the rule reads `second`: such a rule must run with two sequences
// (the machine refuses it otherwise), which condition rules may not have.
bool readsSecond(const Condition& rule);

}  // namespace velmora::rules
