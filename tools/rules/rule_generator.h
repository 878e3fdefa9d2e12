// The code generator behind compile(): turns one rule tree into bytecode
// while tracking the stack it uses. Internal to the rules library.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "bytecode_writer.h"
#include "rule_compiler.h"
#include "rule_nodes.h"

namespace velmora::rules::detail {

// A broken promise inside the generator, not a fault of the rule.
inline void expect(bool promise, const char* what)
{
    if (!promise)
        throw std::logic_error(std::string("rule compiler: ") + what);
}

// Emits the code of one rule. Conditions leave their "raw truth" on the
// stack: 0 when they hold, any other value when they do not. Between nodes
// sequence 1 is current and every cursor not walked by an enclosing loop is
// at 0.
class Generator {
public:
    std::string run(const ConditionNode& rule);

private:
    // An entry kept at the bottom of the stack for a loop's predicate: a
    // field of a card the loop hands it, or a read of the loop's own sequence
    // done once before the loop.
    struct Slot {
        int loop = 0;
        int position = 0;
        bool rank = false;
        const ValueNode* hoisted = nullptr;
    };

    class Nesting {
    public:
        explicit Nesting(int& level);
        ~Nesting() { --level_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

    private:
        int& level_;
    };

    void value(const ValueNode& node);
    void divide(const ValueNode& node);
    void condition(const ConditionNode& node);
    void negate();
    void equality(const ValueNode& left, const ValueNode& right);
    void atLeast(const ValueNode& larger, const ValueNode& smaller, int offset);
    void wideAtLeast();

    void element(const ElementNode& element, Opcode field);
    void unrolledField(int steps, Opcode field);
    void walkedField(int index, Opcode field);
    void lastField(Opcode field);
    void countCards(Sequence sequence);

    void allAdjacent(const ConditionNode& node);
    void allCards(const ConditionNode& node);
    void predicate(const ConditionNode& loop, bool rewalk);
    void advance(Sequence sequence, bool rewalk);
    void keepCurrentCard(Sequence sequence, int loop, int position);
    void lowerBecomesUpper(int loop);
    int hoistReads(const ConditionNode& loop);
    bool readHoisted(const ValueNode& node);
    void keep(Slot slot);
    void release();
    void readSlot(const ElementNode& element, bool rank);
    void copySlot(std::size_t distance);

    void checkCursorFree(Sequence sequence) const;
    void enter(Sequence sequence);
    void onSequence(Sequence sequence, Opcode op);

    template <class Then, class Else>
    void branch(Then then, Else otherwise);
    template <class Then, class Else>
    void branchOn(const ConditionNode& test, Then then, Else otherwise);
    template <class Body>
    void loop(Body body);
    template <class Then>
    void leaveLoopWhenZero(Then then);
    template <class Else>
    void leaveLoopUnlessZero(Else otherwise);
    void leaveLoop();

    BytecodeWriter out_;
    std::vector<Slot> frame_;       // the bottommost entry last
    std::vector<int> loopExits_;    // per open LOOP: the depth after it, -1 before a BREAK
    bool cursorWalked_[2] = {false, false};
    int nesting_ = 0;
};

// --- Control flow. Each helper checks that every path into the code after
// it leaves the same number of stack entries.

// IF then ELSE otherwise ENDIF: `then` runs when the top is 0.
template <class Then, class Else>
void Generator::branch(Then then, Else otherwise)
{
    out_.emit(Opcode::IF);
    const int start = out_.depth();
    then();
    const int afterThen = out_.depth();
    out_.emit(Opcode::ELSE);
    out_.setDepth(start);
    otherwise();
    expect(out_.depth() == afterThen, "branches leave different stacks");
    out_.emit(Opcode::ENDIF);
}

// Runs `then` when the test holds, else `otherwise`. A negated test swaps
// the branches instead of computing the negation.
template <class Then, class Else>
void Generator::branchOn(const ConditionNode& test, Then then, Else otherwise)
{
    if (test.kind == ConditionKind::negation) {
        branchOn(*test.parts[0], otherwise, then);
    } else if (test.kind == ConditionKind::notEqual) {
        equality(*test.left, *test.right);
        branch(otherwise, then);
    } else {
        condition(test);
        branch(then, otherwise);
    }
}

template <class Body>
void Generator::loop(Body body)
{
    out_.emit(Opcode::LOOP);
    const int start = out_.depth();
    loopExits_.push_back(-1);
    body();
    expect(out_.depth() == start, "a loop body changes the stack");
    out_.emit(Opcode::ENDLOOP);
    const int exit = loopExits_.back();
    loopExits_.pop_back();
    expect(exit >= 0, "a loop without a way out");
    out_.setDepth(exit);
}

// IF then BREAK ENDIF: leaves the loop when the top is 0.
template <class Then>
void Generator::leaveLoopWhenZero(Then then)
{
    out_.emit(Opcode::IF);
    const int start = out_.depth();
    then();
    leaveLoop();
    out_.setDepth(start);
    out_.emit(Opcode::ENDIF);
}

// IF ELSE otherwise BREAK ENDIF: leaves the loop when the top is not 0.
template <class Else>
void Generator::leaveLoopUnlessZero(Else otherwise)
{
    out_.emit(Opcode::IF);
    const int start = out_.depth();
    out_.emit(Opcode::ELSE);
    otherwise();
    leaveLoop();
    out_.setDepth(start);
    out_.emit(Opcode::ENDIF);
}

}  // namespace velmora::rules::detail
