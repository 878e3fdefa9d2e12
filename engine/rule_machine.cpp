#include "rule_machine.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "jump_landings.h"
#include "opcodes.h"

namespace velmora {

namespace {

constexpr std::uint8_t code(Opcode op) { return static_cast<std::uint8_t>(op); }

// Every stack value is a signed 16-bit number: results are computed wider and
// wrap, so INT16_MIN / -1 or |INT16_MIN| give INT16_MIN rather than overflow.
constexpr std::int16_t wrap(std::int32_t value) { return static_cast<std::int16_t>(value); }

// Tables store a landing (jump_landings.h) plus kStoredBias so that 0 means
// unknown.
constexpr std::int64_t kStoredBias = 4;
// Longer programs are simply scanned every time.
constexpr std::size_t kLargestTabledProgram = std::size_t{1} << 30;

std::size_t terminatorIndex(CardSequence elements)
{
    const auto end = std::find_if(elements.begin(), elements.end(), [](const SequenceElement& e) {
        return e.suit == 0 && e.rank == 0;
    });
    return static_cast<std::size_t>(end - elements.begin());
}

}  // namespace

// One of the two sequences a program reads, with its cursor. Reading at the
// terminator gives (0, 0) even when the span lacks the closing pair; reading
// beyond it is a fault.
struct RuleMachine::Cursor {
    bool present = false;
    CardSequence elements;
    std::size_t length = 0;  // elements before the terminator
    std::size_t index = 0;

    static Cursor of(CardSequence sequence) { return {true, sequence, terminatorIndex(sequence), 0}; }
};

// The state of one run. Every helper that can fail records the fault and
// returns false; the run stops at the first false.
class RuleMachine::Execution {
public:
    Execution(RuleMachine& machine, std::string_view program, JumpTargets* jumps, CardSequence first,
              const CardSequence* second)
        : machine_(machine), program_(program)
    {
        if (jumps && program.size() <= kLargestTabledProgram) {
            jumps->landings_.resize(program.size());
            landings_ = jumps->landings_.data();
        }
        cursors_[0] = Cursor::of(first);
        if (second)
            cursors_[1] = Cursor::of(*second);
        machine_.listLengths_ = {0, 0};
    }

    [[gnu::flatten]] RuleOutcome run()
    {
        long executed = 0;
        while (byteAt(position_) != 0) {
            if (++executed > kInstructionBudget) {
                fail(RuleFault::budgetExceeded);
                break;
            }
            const std::uint8_t op = byteAt(position_);
            if (!execute(op))
                break;
            // A jump leaves the position on the marker it found; execution
            // goes on after it unless the marker is the end of the program.
            if (byteAt(position_) == 0)
                break;
            position_ += op == code(Opcode::PUSH) ? kPushLength : 1;
        }
        return outcome();
    }

private:
    bool execute(std::uint8_t op);

    bool fail(RuleFault fault)
    {
        fault_ = fault;
        return false;
    }

    // The end of the view reads as NUL, so no scan ever leaves the program.
    std::uint8_t byteAt(std::size_t position) const
    {
        return position < program_.size() ? static_cast<std::uint8_t>(program_[position]) : 0;
    }

    bool pushIsComplete(std::size_t position) const { return velmora::pushIsComplete(program_, position); }

    std::int16_t& entry(int index) { return machine_.stack_[static_cast<std::size_t>(index)]; }
    std::int16_t& top() { return entry(depth_ - 1); }
    bool need(int entries) { return depth_ >= entries || fail(RuleFault::stackUnderflow); }

    bool push(std::int32_t value)
    {
        if (depth_ == kStackCapacity)
            return fail(RuleFault::stackOverflow);
        entry(depth_++) = wrap(value);
        return true;
    }

    bool pop(std::int16_t& value)
    {
        if (!need(1))
            return false;
        value = top();
        --depth_;
        return true;
    }

    bool arithmetic(Opcode op);
    bool unary(Opcode op);
    bool rotate(Opcode op);
    bool popListNumber(int& list);
    bool storePair();
    bool storeList();
    bool loadList();
    bool pushCardField(bool suit);
    bool jump(std::uint8_t op);
    std::int64_t landingOf(std::uint8_t op) const;
    RuleOutcome outcome() const;

    RuleMachine& machine_;
    std::string_view program_;
    std::int32_t* landings_ = nullptr;  // per position, from the caller's JumpTargets
    std::size_t position_ = 0;
    int depth_ = 0;
    std::array<Cursor, 2> cursors_{};
    int currentSequence_ = 0;
    std::array<std::int32_t, 2> deepestRead_{-1, -1};
    RuleFault fault_ = RuleFault::none;
};

bool RuleMachine::Execution::execute(std::uint8_t op)
{
    const Opcode opcode = static_cast<Opcode>(op);
    Cursor& current = cursors_[static_cast<std::size_t>(currentSequence_)];
    switch (opcode) {
    case Opcode::PUSH:
        return pushIsComplete(position_) ? push(byteAt(position_ + 1)) : fail(RuleFault::truncatedPush);
    case Opcode::ENDLOOP:
        return jump(op);
    case Opcode::ADD:
    case Opcode::SUB:
    case Opcode::MUL:
    case Opcode::DIV:
        return arithmetic(opcode);
    case Opcode::ABS:
    case Opcode::MOD2:
        return unary(opcode);
    case Opcode::DUP:
        return need(1) && push(top());
    case Opcode::DROP:
        if (!need(1))
            return false;
        --depth_;
        return true;
    case Opcode::ROTDOWN:
    case Opcode::ROTUP:
        return rotate(opcode);
    case Opcode::SWAP:
        if (depth_ >= 2)
            std::swap(top(), entry(depth_ - 2));
        return true;
    case Opcode::STOREPAIR:
        return storePair();
    case Opcode::STORELIST:
        return storeList();
    case Opcode::LOADLIST:
        return loadList();
    case Opcode::BREAK:
    case Opcode::ELSE:
        return jump(op);
    case Opcode::IF: {
        std::int16_t condition = 0;
        return pop(condition) && (condition == 0 || jump(op));
    }
    case Opcode::NEXT:
        ++current.index;
        return true;
    case Opcode::RESET:
        current.index = 0;
        return true;
    case Opcode::RANK:
        return pushCardField(false);
    case Opcode::SUIT:
        return pushCardField(true);
    case Opcode::SKIP:
        return jump(op);
    case Opcode::SWITCH:
        currentSequence_ = 1 - currentSequence_;
        return true;
    default:  // CLAUSE, RESUME, LOOP and ENDIF only mark places; codes above SWITCH do nothing
        return true;
    }
}

// With fewer than two entries the arithmetic instructions do nothing.
bool RuleMachine::Execution::arithmetic(Opcode op)
{
    if (depth_ < 2)
        return true;
    const std::int32_t second = entry(depth_ - 2);
    const std::int32_t first = top();
    std::int32_t result = 0;
    switch (op) {
    case Opcode::ADD: result = second + first; break;
    case Opcode::SUB: result = second - first; break;
    case Opcode::MUL: result = second * first; break;
    default:
        if (first == 0)
            return fail(RuleFault::divideByZero);
        result = second / first;  // C++ division truncates toward zero
        break;
    }
    --depth_;
    top() = wrap(result);
    return true;
}

// ABS, and MOD2, whose remainder takes the sign of the top (-3 gives -1) as
// C++'s % does.
bool RuleMachine::Execution::unary(Opcode op)
{
    if (!need(1))
        return false;
    const std::int32_t value = top();
    top() = wrap(op == Opcode::ABS ? (value < 0 ? -value : value) : value % 2);
    return true;
}

// ROTDOWN moves the top entry to the bottom, ROTUP the bottom entry to the top.
bool RuleMachine::Execution::rotate(Opcode op)
{
    if (!need(1))
        return false;
    std::int16_t* bottom = machine_.stack_.data();
    if (op == Opcode::ROTDOWN)
        std::rotate(bottom, bottom + depth_ - 1, bottom + depth_);
    else
        std::rotate(bottom, bottom + 1, bottom + depth_);
    return true;
}

bool RuleMachine::Execution::popListNumber(int& list)
{
    std::int16_t number = 0;
    if (!pop(number))
        return false;
    if (number != 0 && number != 1)
        return fail(RuleFault::badList);
    list = number;
    return true;
}

bool RuleMachine::Execution::storePair()
{
    int list = 0;
    if (!popListNumber(list) || !need(2))
        return false;
    auto& values = machine_.lists_[static_cast<std::size_t>(list)];
    values[0] = top();
    values[1] = entry(depth_ - 2);
    machine_.listLengths_[static_cast<std::size_t>(list)] = 2;
    return true;
}

// Copies a 0-delimited run from the top of the stack downwards: the top 0,
// the entries under it and the next 0 below. A run with no closing 0 reaches
// below the stack's bottom, which counts as underflow.
bool RuleMachine::Execution::storeList()
{
    int list = 0;
    if (!popListNumber(list) || !need(1))
        return false;
    if (top() != 0)
        return true;
    int closing = depth_ - 2;
    while (closing >= 0 && entry(closing) != 0)
        --closing;
    if (closing < 0)
        return fail(RuleFault::stackUnderflow);
    const int count = depth_ - closing;
    if (count > kListCapacity)
        return fail(RuleFault::listOverflow);
    auto& values = machine_.lists_[static_cast<std::size_t>(list)];
    for (int k = 0; k < count; ++k)
        values[static_cast<std::size_t>(k)] = entry(depth_ - 1 - k);
    machine_.listLengths_[static_cast<std::size_t>(list)] = count;
    return true;
}

// Pushes the list's last element first, so that element 0 ends on top.
bool RuleMachine::Execution::loadList()
{
    int list = 0;
    if (!popListNumber(list))
        return false;
    const auto& values = machine_.lists_[static_cast<std::size_t>(list)];
    const int count = machine_.listLengths_[static_cast<std::size_t>(list)];
    if (depth_ + count > kStackCapacity)
        return fail(RuleFault::stackOverflow);
    for (int k = count - 1; k >= 0; --k)
        entry(depth_++) = values[static_cast<std::size_t>(k)];
    return true;
}

bool RuleMachine::Execution::pushCardField(bool suit)
{
    const Cursor& cursor = cursors_[static_cast<std::size_t>(currentSequence_)];
    if (!cursor.present)
        return fail(RuleFault::missingSequence);
    std::int32_t& deepest = deepestRead_[static_cast<std::size_t>(currentSequence_)];
    deepest = std::max(deepest, static_cast<std::int32_t>(std::min<std::size_t>(cursor.index, INT32_MAX)));
    if (cursor.index > cursor.length)
        return fail(RuleFault::readPastEnd);
    const SequenceElement element =
        cursor.index < cursor.length ? cursor.elements[cursor.index] : SequenceElement{0, 0};
    return push(suit ? element.suit : element.rank);
}

// Takes the jump of the instruction at the current position: from the
// caller's table when it has the landing, else by scanning (and noting the
// landing in the table).
bool RuleMachine::Execution::jump(std::uint8_t op)
{
    std::int64_t landing = 0;
    if (landings_) {
        std::int32_t& stored = landings_[position_];
        if (stored == 0)
            stored = static_cast<std::int32_t>(landingOf(op) + kStoredBias);
        landing = stored - kStoredBias;
    } else {
        landing = landingOf(op);
    }
    switch (landing) {
    case kStopRun:
        return false;
    case kTruncatedPushMet:
        return fail(RuleFault::truncatedPush);
    case kNoMatchingLoop:
        return fail(RuleFault::unmatchedLoop);
    default:
        position_ = static_cast<std::size_t>(landing);
        return true;
    }
}

std::int64_t RuleMachine::Execution::landingOf(std::uint8_t op) const
{
    return jumpLanding(program_, position_, op);
}

RuleOutcome RuleMachine::Execution::outcome() const
{
    RuleOutcome result;
    result.deepestRead = deepestRead_;
    if (fault_ != RuleFault::none) {
        result.fault = fault_;
    } else if (depth_ == 0) {
        result.fault = RuleFault::emptyStack;
    } else {
        result.top = machine_.stack_[static_cast<std::size_t>(depth_ - 1)];
        result.holds = result.top == 0;
    }
    return result;
}

RuleOutcome RuleMachine::run(std::string_view program, CardSequence first, const CardSequence* second)
{
    return Execution(*this, program, nullptr, first, second).run();
}

RuleOutcome RuleMachine::run(std::string_view program, JumpTargets& jumps, CardSequence first,
                             const CardSequence* second)
{
    return Execution(*this, program, &jumps, first, second).run();
}

bool runRule(RuleMachine& machine, std::string_view program, CardSequence first,
             const CardSequence* second)
{
    return machine.run(program, first, second).holds;
}

bool runRule(RuleMachine& machine, std::string_view program, JumpTargets& jumps, CardSequence first,
             const CardSequence* second)
{
    return machine.run(program, jumps, first, second).holds;
}

}  // namespace velmora
