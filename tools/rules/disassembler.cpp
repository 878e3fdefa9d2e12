#include "disassembler.h"

#include <cstdint>
#include <cstdio>

#include "opcodes.h"

namespace velmora::rules {

namespace {

constexpr int kIndentWidth = 2;

std::uint8_t byteAt(std::string_view program, std::size_t offset)
{
    return static_cast<std::uint8_t>(program[offset]);
}

bool isCompletePush(std::string_view program, std::size_t offset)
{
    return byteAt(program, offset) == static_cast<std::uint8_t>(Opcode::PUSH) &&
           offset + 2 < program.size() && byteAt(program, offset + 2) == kPushClose;
}

void appendLine(std::string& listing, std::size_t offset, int level, const std::string& text)
{
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%04zX:  ", offset);
    listing += prefix;
    listing.append(static_cast<std::size_t>(level * kIndentWidth), ' ');
    listing += text;
    listing += '\n';
}

std::string rawByte(std::uint8_t byte)
{
    char text[16];
    std::snprintf(text, sizeof text, "BYTE 0x%02X", byte);
    return text;
}

// A PUSH that is not closed by 0x01, or is cut short, is listed as raw
// bytes with a note, so that its value byte is not shown as an opcode.
std::size_t listBrokenPush(std::string& listing, std::string_view program, std::size_t offset, int level)
{
    if (offset + 2 >= program.size()) {
        appendLine(listing, offset, level, rawByte(byteAt(program, offset)) + " ; PUSH cut short");
        for (std::size_t rest = offset + 1; rest < program.size(); ++rest)
            appendLine(listing, rest, level, rawByte(byteAt(program, rest)));
        return program.size() - offset;
    }
    appendLine(listing, offset, level,
               rawByte(byteAt(program, offset)) + " ; PUSH " + std::to_string(byteAt(program, offset + 1)) +
                   " not closed by 0x01");
    appendLine(listing, offset + 1, level, rawByte(byteAt(program, offset + 1)));
    appendLine(listing, offset + 2, level, rawByte(byteAt(program, offset + 2)));
    return kPushLength;
}

}  // namespace

std::string disassemble(std::string_view program)
{
    std::string listing;
    int level = 0;
    std::size_t offset = 0;
    while (offset < program.size()) {
        const std::uint8_t code = byteAt(program, offset);
        const auto op = static_cast<Opcode>(code);
        if (op == Opcode::PUSH) {
            if (isCompletePush(program, offset)) {
                appendLine(listing, offset, level, "PUSH " + std::to_string(byteAt(program, offset + 1)));
                offset += kPushLength;
            } else {
                offset += listBrokenPush(listing, program, offset, level);
            }
            continue;
        }
        const char* name = opcodeName(code);
        if (name && (op == Opcode::ENDIF || op == Opcode::ENDLOOP) && level > 0)
            --level;
        const int shown = name && op == Opcode::ELSE && level > 0 ? level - 1 : level;
        appendLine(listing, offset, shown, name ? name : rawByte(code));
        if (name && (op == Opcode::IF || op == Opcode::LOOP))
            ++level;
        ++offset;
    }
    return listing;
}

}  // namespace velmora::rules
