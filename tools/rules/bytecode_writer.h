// Writes rule-machine bytecode and keeps count of the stack entries it uses,
// so that the compiler can check a program against the machine's capacity.
#pragma once

#include <cstdint>
#include <string>

#include "opcodes.h"

namespace velmora::rules {

class BytecodeWriter {
public:
    // Appends one instruction other than PUSH.
    void emit(Opcode op);
    // PUSH of a byte value.
    void push(std::uint8_t value);
    // Leaves any 16-bit constant on the stack, built from byte PUSHes.
    void constant(std::int16_t value);

    // Entries on the stack at this point of the program (all paths that reach
    // it agree); the compiler sets it where branches join.
    int depth() const { return depth_; }
    void setDepth(int depth) { depth_ = depth; }
    // The most entries the program holds at any point.
    int largestDepth() const { return largestDepth_; }

    const std::string& bytes() const { return bytes_; }

private:
    void grow(int entries);

    std::string bytes_;
    std::size_t lastInstruction_ = std::string::npos;
    int depth_ = 0;
    int largestDepth_ = 0;
};

}  // namespace velmora::rules
