// Readable listings of rule-machine bytecode.
#pragma once

#include <string>
#include <string_view>

namespace velmora::rules {

// One instruction per line: the offset in hexadecimal, a colon, then the
// mnemonic indented by IF and LOOP nesting, with PUSH's value in decimal:
//
//     0000:  SUIT
//     0001:  IF
//     0002:    PUSH 1
//     0005:  ELSE
//
// A byte that is no instruction (an unknown code; a PUSH cut short or not
// closed by 0x01, byte by byte with a note) is listed as "BYTE 0x..", and a
// NUL as END, so that assemble(disassemble(x)) == x for any bytes x.
std::string disassemble(std::string_view program);

}  // namespace velmora::rules
