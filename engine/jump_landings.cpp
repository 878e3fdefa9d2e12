#include "jump_landings.h"

#include "opcodes.h"

namespace velmora {
namespace {

constexpr std::uint8_t code(Opcode op) { return static_cast<std::uint8_t>(op); }

std::uint8_t byteAt(std::string_view program, std::size_t position)
{
    return position < program.size() ? static_cast<std::uint8_t>(program[position]) : 0;
}

// Moves a forward scan past the instruction at `scan`, a PUSH as a whole;
// false on a PUSH cut short.
bool stepOver(std::string_view program, std::size_t& scan)
{
    if (byteAt(program, scan) != code(Opcode::PUSH)) {
        ++scan;
        return true;
    }
    if (!pushIsComplete(program, scan))
        return false;
    scan += kPushLength;
    return true;
}

// Scans backwards for the LOOP that matches this ENDLOOP. A 0x01 met on the
// way is the closing byte of a PUSH, so the whole PUSH is stepped over and its
// value byte is never taken for an opcode.
std::int64_t scanBackToLoop(std::string_view program, std::size_t position)
{
    int nested = 0;
    std::size_t scan = position;
    while (scan > 0) {
        --scan;
        const std::uint8_t byte = byteAt(program, scan);
        if (byte == code(Opcode::PUSH)) {
            if (scan < kPushLength - 1)
                break;
            scan -= kPushLength - 1;
        } else if (byte == code(Opcode::ENDLOOP)) {
            ++nested;
        } else if (byte == code(Opcode::LOOP)) {
            if (nested == 0)
                return static_cast<std::int64_t>(scan);
            --nested;
        }
    }
    return kNoMatchingLoop;
}

// Finds the `close` that matches the instruction at `position` (counting
// nested `open`/`close` pairs), or, with stopAtElse, an ELSE at that
// instruction's own level, whichever comes first. Reaching the end of the
// program lands on it, which ends the run.
std::int64_t scanForward(std::string_view program, std::size_t position, Opcode open, Opcode close, bool stopAtElse)
{
    int level = 1;
    std::size_t scan = position;
    for (;;) {
        if (!stepOver(program, scan))
            return kTruncatedPushMet;
        const std::uint8_t byte = byteAt(program, scan);
        const bool found = byte == 0 || (byte == code(close) && --level == 0) ||
                           (stopAtElse && byte == code(Opcode::ELSE) && level == 1);
        if (found)
            return static_cast<std::int64_t>(scan);
        if (byte == code(open))
            ++level;
    }
}

// Finds the next RESUME, without nesting. A CLAUSE met first ends the run
// with the current top as its result; the end of the program is a landing
// that ends it too.
std::int64_t scanToResume(std::string_view program, std::size_t position)
{
    std::size_t scan = position;
    for (;;) {
        if (!stepOver(program, scan))
            return kTruncatedPushMet;
        const std::uint8_t byte = byteAt(program, scan);
        if (byte == code(Opcode::CLAUSE))
            return kStopRun;
        if (byte == 0 || byte == code(Opcode::RESUME))
            return static_cast<std::int64_t>(scan);
    }
}

}  // namespace

bool pushIsComplete(std::string_view program, std::size_t position)
{
    return position + 2 < program.size() && byteAt(program, position + 2) != 0;
}

std::int64_t jumpLanding(std::string_view program, std::size_t position, std::uint8_t op)
{
    switch (static_cast<Opcode>(op)) {
    case Opcode::ENDLOOP:
        return scanBackToLoop(program, position);
    case Opcode::BREAK:
        return scanForward(program, position, Opcode::LOOP, Opcode::ENDLOOP, false);
    case Opcode::ELSE:
        return scanForward(program, position, Opcode::IF, Opcode::ENDIF, false);
    case Opcode::IF:
        return scanForward(program, position, Opcode::IF, Opcode::ENDIF, true);
    default:  // SKIP
        return scanToResume(program, position);
    }
}

}  // namespace velmora
