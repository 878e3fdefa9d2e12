// Rule-machine bytecode from text, for records that must carry given bytes
// exactly and for tests. Rules are otherwise written as expressions
// (rule_expr.h) and compiled.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace velmora::rules {

// A line of assembly text that does not make an instruction.
class AssemblyError : public std::invalid_argument {
public:
    AssemblyError(int line, const std::string& message);
    int line() const { return line_; }  // counted from 1; 0 for hexadecimal text

private:
    int line_;
};

// Bytes from hexadecimal pairs, e.g. "01 00 01 1C". Whitespace may separate
// pairs; the bytes are taken exactly as given (no closing NUL is added).
std::string assembleHex(std::string_view hex);

// Bytes from mnemonic text, one instruction per line, e.g. "PUSH 1\nSUIT".
// Mnemonics are the opcode names, in any case. PUSH takes a value 0..255
// (decimal or 0x hexadecimal); "BYTE v" puts one raw byte, for bytes that are
// no instruction; END is the NUL byte. A leading "offset:" as written by the
// disassembler is ignored, as is anything after ';'. Blank lines are allowed.
std::string assemble(std::string_view text);

}  // namespace velmora::rules
