// Where the jumps of a rule program land (IF, ELSE, BREAK, SKIP, ENDLOOP),
// found by scanning the program for the matching marker. The rule machine
// takes its jumps by it, and the code analysis of program_reads.h follows
// the same paths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velmora {

// Landings that end the run instead of a position.
inline constexpr std::int64_t kStopRun = -1;  // a SKIP met a CLAUSE: the current top is the result
inline constexpr std::int64_t kTruncatedPushMet = -2;
inline constexpr std::int64_t kNoMatchingLoop = -3;

// The marker that the jump instruction `op` at `position` lands on, or one of
// the codes above. A landing on the program's end (a NUL byte) ends the run
// too. The end of the view reads as NUL, so no scan ever leaves the program.
std::int64_t jumpLanding(std::string_view program, std::size_t position, std::uint8_t op);

// A PUSH needs its value byte (which may be 0) and a closing byte that is not
// the end of the program.
bool pushIsComplete(std::string_view program, std::size_t position);

}  // namespace velmora
