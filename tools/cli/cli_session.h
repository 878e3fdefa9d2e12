// A game played one step at a time over a pipe: a program on the other end
// (a rules model in the tests, a script) sends a step per line and reads the
// whole position back after each, without dealing and replaying anew.
#pragma once

#include <istream>
#include <ostream>

#include "engine.h"

namespace velmora::cli {

// Writes the position as one JSON line, then reads steps ("t P", "m C P" or
// "u", one per line; blank lines are skipped) until the input ends or says
// "quit", answering each with one line: {"ok":..., "status":..., "piles":...,
// "counters":..., "moves":...}. A step the engine refuses, or a line that is
// not a step, answers "ok":false (with "error" for the latter) and leaves the
// position as it was.
void runSession(Engine& engine, std::istream& in, std::ostream& out);

}  // namespace velmora::cli
