#include "rule_generator.h"

#include <cstdint>
#include <string>

#include "rule_machine.h"
#include "value_range.h"

namespace velmora::rules::detail {

namespace {

constexpr std::size_t kLargestProgram = 0xFFFF;  // a record stores a program's length in 16 bits
constexpr int kDeepestNesting = 2000;            // guards the compiler's own recursion
constexpr int kLargestUnrolledIndex = 3;         // at(k) up to here is read without a loop

}  // namespace

Generator::Nesting::Nesting(int& level) : level_(level)
{
    if (++level_ > kDeepestNesting)
        throw RuleCompileError("the rule nests more than 2000 operations deep");
}

void Generator::leaveLoop()
{
    out_.emit(Opcode::BREAK);
    int& exit = loopExits_.back();
    expect(exit < 0 || exit == out_.depth(), "ways out of a loop leave different stacks");
    exit = out_.depth();
}

// --- Values

void Generator::value(const ValueNode& node)
{
    const Nesting nesting(nesting_);
    if (readHoisted(node))
        return;
    switch (node.kind) {
    case ValueKind::constant:
        out_.constant(node.constant);
        return;
    case ValueKind::suit:
        element(*node.element, Opcode::SUIT);
        return;
    case ValueKind::rank:
        element(*node.element, Opcode::RANK);
        return;
    case ValueKind::count:
        countCards(node.sequence);
        return;
    case ValueKind::add:
    case ValueKind::subtract:
    case ValueKind::multiply:
        value(*node.left);
        value(*node.right);
        out_.emit(node.kind == ValueKind::add        ? Opcode::ADD
                  : node.kind == ValueKind::subtract ? Opcode::SUB
                                                     : Opcode::MUL);
        return;
    case ValueKind::divide:
        divide(node);
        return;
    case ValueKind::absolute:
        value(*node.left);
        out_.emit(Opcode::ABS);
        return;
    case ValueKind::choice:
        branchOn(*node.condition, [&] { value(*node.left); }, [&] { value(*node.right); });
        return;
    }
}

// The machine faults on a zero divisor, so one that may be 0 is tested and
// the quotient is 0 then.
void Generator::divide(const ValueNode& node)
{
    value(*node.left);
    value(*node.right);
    const ValueRange divisor = rangeOf(*node.right);
    if (divisor.low > 0 || divisor.high < 0) {
        out_.emit(Opcode::DIV);
        return;
    }
    out_.emit(Opcode::DUP);
    branch(
        [&] {
            out_.emit(Opcode::DROP);
            out_.emit(Opcode::DROP);
            out_.push(0);
        },
        [&] { out_.emit(Opcode::DIV); });
}

// --- Conditions

void Generator::condition(const ConditionNode& node)
{
    const Nesting nesting(nesting_);
    const auto& parts = node.parts;
    switch (node.kind) {
    case ConditionKind::constant:
        out_.push(node.constant ? 0 : 1);
        return;
    case ConditionKind::equal:
        equality(*node.left, *node.right);
        return;
    case ConditionKind::notEqual:
        equality(*node.left, *node.right);
        negate();
        return;
    case ConditionKind::greaterEqual:
        atLeast(*node.left, *node.right, 0);
        return;
    case ConditionKind::lessEqual:
        atLeast(*node.right, *node.left, 0);
        return;
    case ConditionKind::greater:
        atLeast(*node.left, *node.right, 1);
        return;
    case ConditionKind::less:
        atLeast(*node.right, *node.left, 1);
        return;
    case ConditionKind::negation:
        branchOn(*parts[0], [&] { out_.push(1); }, [&] { out_.push(0); });
        return;
    case ConditionKind::conjunction:
        branchOn(*parts[0], [&] { condition(*parts[1]); }, [&] { out_.push(1); });
        return;
    case ConditionKind::disjunction:
        branchOn(*parts[0], [&] { out_.push(0); }, [&] { condition(*parts[1]); });
        return;
    case ConditionKind::choice:
        branchOn(*parts[0], [&] { condition(*parts[1]); }, [&] { condition(*parts[2]); });
        return;
    case ConditionKind::allAdjacent:
        allAdjacent(node);
        return;
    case ConditionKind::allCards:
        allCards(node);
        return;
    }
}

void Generator::negate()
{
    branch([&] { out_.push(1); }, [&] { out_.push(0); });
}

// A 16-bit difference is 0 exactly when the values are equal, wrap-around or not.
void Generator::equality(const ValueNode& left, const ValueNode& right)
{
    value(left);
    if (right.kind == ValueKind::constant && right.constant == 0)
        return;
    value(right);
    out_.emit(Opcode::SUB);
}

// Raw truth of larger - smaller - offset >= 0 (offset 0 or 1). When that
// difference cannot wrap around, t - |t| is 0 exactly for t >= 0.
void Generator::atLeast(const ValueNode& larger, const ValueNode& smaller, int offset)
{
    const ValueRange gap = difference(rangeOf(larger), rangeOf(smaller));
    if (gap.low - offset >= -INT16_MAX && gap.high - offset <= INT16_MAX) {
        value(larger);
        if (smaller.kind == ValueKind::constant && smaller.constant + offset <= INT16_MAX) {
            out_.constant(static_cast<std::int16_t>(smaller.constant + offset));
        } else {
            value(smaller);
            if (offset != 0) {
                out_.emit(Opcode::SUB);
                out_.push(static_cast<std::uint8_t>(offset));
            }
        }
        out_.emit(Opcode::SUB);
        out_.emit(Opcode::DUP);
        out_.emit(Opcode::ABS);
        out_.emit(Opcode::SUB);
        return;
    }
    if (offset == 0) {
        value(larger);
        value(smaller);
        wideAtLeast();
    } else {  // larger > smaller exactly when not smaller >= larger
        value(smaller);
        value(larger);
        wideAtLeast();
        negate();
    }
}

// Raw truth of a >= b for any 16-bit a and b (b on top). Halving cannot
// overflow: d = a/2 - b/2 has the sign of a - b when it is not 0, and when it
// is 0, a - b lies in -2..2. a and b wait at the bottom of the stack while
// a - b is formed.
void Generator::wideAtLeast()
{
    for (const Opcode op : {Opcode::DUP, Opcode::ROTDOWN, Opcode::SWAP, Opcode::DUP, Opcode::ROTDOWN,
                            Opcode::SWAP, Opcode::SUB, Opcode::ROTUP, Opcode::ROTUP})
        out_.emit(op);  // a - b, then a and b back on top
    out_.push(2);
    out_.emit(Opcode::DIV);
    out_.emit(Opcode::SWAP);
    out_.push(2);
    out_.emit(Opcode::DIV);
    out_.emit(Opcode::SWAP);
    out_.emit(Opcode::SUB);  // a - b, d
    out_.emit(Opcode::DUP);
    branch([&] { out_.emit(Opcode::DROP); },
           [&] {
               out_.emit(Opcode::SWAP);
               out_.emit(Opcode::DROP);
           });
    out_.emit(Opcode::DUP);
    out_.emit(Opcode::ABS);
    out_.emit(Opcode::SUB);
}

// --- Sequences

void Generator::checkCursorFree(Sequence sequence) const
{
    expect(!cursorWalked_[sequence == Sequence::first ? 0 : 1], "a read of a sequence its loop is walking");
}

void Generator::enter(Sequence sequence)
{
    if (sequence == Sequence::second)
        out_.emit(Opcode::SWITCH);
}

// Runs one instruction on the sequence, then makes sequence 1 current again.
void Generator::onSequence(Sequence sequence, Opcode op)
{
    enter(sequence);
    out_.emit(op);
    enter(sequence);
}

void Generator::element(const ElementNode& element, Opcode field)
{
    if (element.kind == ElementKind::loopElement) {
        readSlot(element, field == Opcode::RANK);
        return;
    }
    checkCursorFree(element.sequence);
    enter(element.sequence);
    if (element.kind == ElementKind::bottom) {
        lastField(field);
    } else if (element.index == 0) {
        out_.emit(field);
    } else {
        if (element.index <= kLargestUnrolledIndex)
            unrolledField(element.index, field);
        else
            walkedField(element.index, field);
        out_.emit(Opcode::RESET);
    }
    enter(element.sequence);
}

// Steps forward card by card, giving 0 as soon as the end is reached.
void Generator::unrolledField(int steps, Opcode field)
{
    if (steps == 0) {
        out_.emit(field);
        return;
    }
    out_.emit(Opcode::SUIT);
    branch([&] { out_.push(0); },
           [&] {
               out_.emit(Opcode::NEXT);
               unrolledField(steps - 1, field);
           });
}

// The same with a counter: the field of element `index`, or 0 past the end.
void Generator::walkedField(int index, Opcode field)
{
    out_.push(static_cast<std::uint8_t>(index));
    loop([&] {
        out_.emit(Opcode::SUIT);
        leaveLoopWhenZero([&] {
            out_.emit(Opcode::DROP);
            out_.push(0);
        });
        out_.emit(Opcode::DUP);
        leaveLoopWhenZero([&] {
            out_.emit(Opcode::DROP);
            out_.emit(field);
        });
        out_.push(1);
        out_.emit(Opcode::SUB);
        out_.emit(Opcode::NEXT);
    });
}

// Keeps the field of each card in turn until the end, so the last one stays
// (0 for an empty sequence). There is no stepping back from the end marker.
void Generator::lastField(Opcode field)
{
    out_.push(0);
    loop([&] {
        out_.emit(Opcode::SUIT);
        leaveLoopWhenZero([] {});
        out_.emit(Opcode::DROP);
        out_.emit(field);
        out_.emit(Opcode::NEXT);
    });
    out_.emit(Opcode::RESET);
}

void Generator::countCards(Sequence sequence)
{
    checkCursorFree(sequence);
    enter(sequence);
    out_.push(0);
    loop([&] {
        out_.emit(Opcode::SUIT);
        leaveLoopWhenZero([] {});
        out_.push(1);
        out_.emit(Opcode::ADD);
        out_.emit(Opcode::NEXT);
    });
    out_.emit(Opcode::RESET);
    enter(sequence);
}

// --- Result

std::string Generator::run(const ConditionNode& rule)
{
    condition(rule);
    expect(out_.depth() == 1 && frame_.empty(), "a rule must leave exactly its truth");
    if (out_.largestDepth() > RuleMachine::kStackCapacity)
        throw RuleCompileError("the rule needs " + std::to_string(out_.largestDepth()) +
                               " stack entries but the rule machine holds " +
                               std::to_string(RuleMachine::kStackCapacity) +
                               ": nest fewer operations inside right-hand operands");
    if (out_.bytes().size() > kLargestProgram)
        throw RuleCompileError("the rule compiles to " + std::to_string(out_.bytes().size()) +
                               " bytes, more than a record holds (65535)");
    return out_.bytes();
}

}  // namespace velmora::rules::detail
