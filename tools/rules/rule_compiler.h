// Compiles a rule expression to rule-machine bytecode.
//
// The program leaves 0 on top of the stack exactly when the condition holds,
// for any sequences the engine builds (suits 1..4 or 6, ranks 1..13 or 15,
// fewer than 32768 cards). It never faults: it keeps within the machine's
// stack, never divides by zero, never reads past a sequence's end, and reads
// `second` only if the rule does (see readsSecond()). It uses neither lists
// nor SKIP/CLAUSE.
//
// How it works, for readers of the bytecode: every value is computed on the
// stack; a condition leaves 0 when it holds and any other value when it does
// not, and conditions are combined only through IF/ELSE, never by adding or
// multiplying truths (16-bit sums and products of non-zero values can be 0).
// Loops keep the cards they hand their predicate at the bottom of the stack
// (ROTDOWN puts a value there, ROTUP takes it back), so a predicate reaches
// them at any depth.
#pragma once

#include <stdexcept>
#include <string>

#include "rule_expr.h"

namespace velmora::rules {

// A rule that cannot become a program: too deep for the machine's stack, too
// long for a record, or using a loop's element outside the loop.
class RuleCompileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The program's bytes, without the closing NUL the record adds.
std::string compile(const Condition& rule);

}  // namespace velmora::rules
