// The rule machine: runs a rule program over one or two card sequences and
// answers whether the rule holds.
//
// A sequence is a list of (suit, rank) pairs closed by the pair (0, 0); a
// face-down card reads as suit 6, rank 15. The machine works on fixed arrays
// and never allocates. A program that would overflow or underflow the stack
// or a list, use a list other than 0 or 1, divide by zero, read past a
// sequence's terminator, read a sequence it was not given, jump back from an
// ENDLOOP that has no LOOP, or run longer than the instruction budget stops,
// and the rule does not hold.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace velmora {

struct SequenceElement {
    std::int32_t suit;
    std::int32_t rank;
};

// A sequence including its closing (0, 0) element.
using CardSequence = std::span<const SequenceElement>;

inline constexpr std::int32_t kFaceDownSuit = 6;
inline constexpr std::int32_t kFaceDownRank = 15;

enum class RuleFault {
    none,
    emptyStack,         // the program ended with nothing on the stack
    stackOverflow,
    stackUnderflow,
    listOverflow,
    badList,            // a list number other than 0 or 1
    divideByZero,
    readPastEnd,        // a read beyond a sequence's terminator
    missingSequence,    // a read of sequence 2 when none was given
    budgetExceeded,     // too many instructions: the program does not end
    truncatedPush,      // a PUSH cut off by the end of the program
    unmatchedLoop,      // an ENDLOOP with no LOOP before it
};

struct RuleOutcome {
    bool holds = false;
    RuleFault fault = RuleFault::none;
    std::int16_t top = 0;  // the value on top at the end (without a fault)
    // Per sequence, the deepest element index the run read (-1: none). The
    // outcome depends on nothing but the elements up to that index, or on the
    // sequence ending before it.
    std::array<std::int32_t, 2> deepestRead{-1, -1};
};

// Where the jumps of one program land. A jump (IF, ELSE, BREAK, SKIP,
// ENDLOOP) scans the program for its marker; the landing depends only on the
// program and the jump's position, so a caller that runs the same program
// many times keeps one of these with it, and each jump is scanned once and
// then taken at once. An empty table learns the program on its first run.
class JumpTargets {
public:
    // Forgets every landing, for a table that is to serve another program.
    void clear() { landings_.clear(); }

private:
    friend class RuleMachine;
    // Per byte position: 0 not yet scanned, else the encoded landing.
    std::vector<std::int32_t> landings_;
};

class RuleMachine {
public:
    static constexpr int kStackCapacity = 500;
    static constexpr int kListCapacity = 200;
    static constexpr long kInstructionBudget = 1'000'000;

    // program: the bytecode; a NUL byte or the end of the view ends it.
    RuleOutcome run(std::string_view program, CardSequence first, const CardSequence* second);
    // The same, remembering the program's jumps in `jumps`, which must only
    // ever serve this program.
    RuleOutcome run(std::string_view program, JumpTargets& jumps, CardSequence first,
                    const CardSequence* second);

private:
    struct Cursor;
    class Execution;

    std::array<std::int16_t, kStackCapacity> stack_{};
    std::array<std::array<std::int16_t, kListCapacity>, 2> lists_{};
    std::array<int, 2> listLengths_{};
};

// True when the rule holds (the value left on top is 0).
bool runRule(RuleMachine& machine, std::string_view program, CardSequence first,
             const CardSequence* second);
bool runRule(RuleMachine& machine, std::string_view program, JumpTargets& jumps, CardSequence first,
             const CardSequence* second);

}  // namespace velmora
