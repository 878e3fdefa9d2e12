#include "bytecode_writer.h"

#include <algorithm>

namespace velmora::rules {

namespace {

// The change in stack entries of each instruction the compiler uses.
int stackEffect(Opcode op)
{
    switch (op) {
    case Opcode::PUSH:
    case Opcode::DUP:
    case Opcode::SUIT:
    case Opcode::RANK:
        return 1;
    case Opcode::ADD:
    case Opcode::SUB:
    case Opcode::MUL:
    case Opcode::DIV:
    case Opcode::DROP:
    case Opcode::IF:
        return -1;
    default:
        return 0;
    }
}

}  // namespace

void BytecodeWriter::grow(int entries)
{
    depth_ += entries;
    largestDepth_ = std::max(largestDepth_, depth_);
}

void BytecodeWriter::emit(Opcode op)
{
    // Two SWITCHes in a row cancel out. No jump lands between them, because
    // jumps land only after markers (LOOP, ENDLOOP, ELSE, ENDIF, RESUME).
    if (op == Opcode::SWITCH && lastInstruction_ != std::string::npos &&
        static_cast<std::uint8_t>(bytes_[lastInstruction_]) == static_cast<std::uint8_t>(Opcode::SWITCH)) {
        bytes_.pop_back();
        lastInstruction_ = std::string::npos;
        return;
    }
    lastInstruction_ = bytes_.size();
    bytes_.push_back(static_cast<char>(op));
    grow(stackEffect(op));
}

void BytecodeWriter::push(std::uint8_t value)
{
    lastInstruction_ = bytes_.size();
    bytes_.push_back(static_cast<char>(Opcode::PUSH));
    bytes_.push_back(static_cast<char>(value));
    bytes_.push_back(static_cast<char>(kPushClose));
    grow(1);
}

// Values 0..255 are one PUSH; -255..-1 are 0 minus one. Any other value is
// its high byte times 256 plus its low byte, computed with 16-bit wrap-around,
// which gives exactly the value's bit pattern.
void BytecodeWriter::constant(std::int16_t value)
{
    if (value >= 0 && value <= 255) {
        push(static_cast<std::uint8_t>(value));
        return;
    }
    if (value < 0 && value >= -255) {
        push(0);
        push(static_cast<std::uint8_t>(-value));
        emit(Opcode::SUB);
        return;
    }
    const auto bits = static_cast<std::uint16_t>(value);
    push(static_cast<std::uint8_t>(bits >> 8));
    push(16);
    emit(Opcode::DUP);
    emit(Opcode::MUL);
    emit(Opcode::MUL);
    if ((bits & 0xFF) != 0) {
        push(static_cast<std::uint8_t>(bits & 0xFF));
        emit(Opcode::ADD);
    }
}

}  // namespace velmora::rules
