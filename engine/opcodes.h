// The rule machine's instruction set, one line per opcode.
//
// Every instruction is one opcode byte, except PUSH, which is three bytes:
// 0x01, an unsigned value byte (0..255) and a closing 0x01. A program ends at
// a NUL byte. The stack holds signed 16-bit values; "second" is the entry just
// below the top. A rule holds when the value left on top is 0, which is why
// programs compare by subtracting.
//
// This list is the one source of the opcode enum, the names used by the
// disassembler and the compiler. Keep it in code order.
#pragma once

#include <cstdint>

// X(name, code, meaning)
#define VELMORA_OPCODES(X)                                                              \
    X(END, 0x00, "end of program")                                                      \
    X(PUSH, 0x01, "push the value byte (0..255)")                                       \
    X(CLAUSE, 0x02, "no effect; starts a clause and ends a SKIP")                       \
    X(RESUME, 0x03, "no effect; target of SKIP")                                        \
    X(LOOP, 0x04, "no effect; start of a loop")                                         \
    X(ENDLOOP, 0x05, "jump back to the matching LOOP")                                  \
    X(ADD, 0x06, "second + top replaces both (needs two entries)")                      \
    X(SUB, 0x07, "second - top replaces both (needs two entries)")                      \
    X(MUL, 0x08, "second * top replaces both (needs two entries)")                      \
    X(DIV, 0x09, "second / top, truncated, replaces both (needs two entries)")          \
    X(ABS, 0x0A, "top becomes its absolute value")                                      \
    X(DUP, 0x0B, "push a copy of the top")                                              \
    X(MOD2, 0x0C, "top becomes top mod 2, with the sign of top")                        \
    X(DROP, 0x0D, "remove the top")                                                     \
    X(ROTDOWN, 0x0E, "move the top entry to the bottom of the stack")                   \
    X(ROTUP, 0x0F, "move the bottom entry to the top of the stack")                     \
    X(SWAP, 0x10, "exchange top and second (needs two entries)")                        \
    X(STOREPAIR, 0x11, "pop n; list n becomes [top, second], which stay")               \
    X(STORELIST, 0x12, "pop n; if top is 0, list n takes it and entries down to next 0") \
    X(BREAK, 0x13, "skip forward past the matching ENDLOOP")                            \
    X(ENDIF, 0x14, "no effect; ends an IF")                                             \
    X(ELSE, 0x15, "end of a then-part: skip forward past the matching ENDIF")           \
    X(IF, 0x16, "pop x; x == 0 runs the then-part, else skip to ELSE or ENDIF")         \
    X(NEXT, 0x17, "advance the current sequence's cursor")                              \
    X(LOADLIST, 0x18, "pop n; push list n so that its element 0 ends on top")           \
    X(RANK, 0x19, "push the rank of the current sequence's element at its cursor")      \
    X(RESET, 0x1A, "set the current sequence's cursor to 0")                            \
    X(SKIP, 0x1B, "skip forward to the next RESUME; a CLAUSE or the end comes first: stop") \
    X(SUIT, 0x1C, "push the suit of the current sequence's element at its cursor")      \
    X(SWITCH, 0x1D, "make the other sequence current")

namespace velmora {

enum class Opcode : std::uint8_t {
#define VELMORA_OPCODE_ENUM(name, code, meaning) name = code,
    VELMORA_OPCODES(VELMORA_OPCODE_ENUM)
#undef VELMORA_OPCODE_ENUM
};

inline constexpr std::uint8_t kLastOpcode = 0x1D;
inline constexpr int kPushLength = 3;
inline constexpr std::uint8_t kPushClose = 0x01;

// The opcode's name, or nullptr for codes above kLastOpcode (which do nothing).
const char* opcodeName(std::uint8_t code);

}  // namespace velmora
