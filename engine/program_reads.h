// How deep a rule program can read into a card sequence, found from its code
// alone.
//
// The program is walked along every path the machine could take, whatever
// the values on its stack: both ways at every IF, every loop as often as it
// can change a cursor. Only the cursors are followed (NEXT, RESET, SWITCH):
// a read (RANK or SUIT) at a cursor position is noted for the current
// sequence. The answer bounds every run the machine makes of the program, so
// a caller may rely on it: a program that never reads past position 0 of a
// sequence sees nothing of it but its first element.
#pragma once

#include <string_view>

namespace velmora {

// Positions from kDeepRead up are not told apart.
inline constexpr int kDeepRead = 3;

// The deepest position of sequence 0 (first) or 1 (second) that a RANK or
// SUIT of the program can read: -1 when it reads none, kDeepRead for
// kDeepRead or deeper.
int deepestPossibleRead(std::string_view program, int sequence);

// Whether the program's answer depends on the sequence only through its first
// element and its length: every value read below the first element (whose
// suit and rank are never 0 but at the closing pair) goes only to tests for 0
// (IF), copies and drops, never into arithmetic, lists or the result. A
// program that counts a pile is such a program.
bool readsUnderTheFirstOnlyForLength(std::string_view program, int sequence);

}  // namespace velmora
