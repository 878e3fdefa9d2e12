#include "assembler.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

#include "opcodes.h"

namespace velmora::rules {

namespace {

struct Mnemonic {
    const char* name;
    std::uint8_t code;
};

constexpr Mnemonic kMnemonics[] = {
#define VELMORA_OPCODE_MNEMONIC(name, code, meaning) {#name, code},
    VELMORA_OPCODES(VELMORA_OPCODE_MNEMONIC)
#undef VELMORA_OPCODE_MNEMONIC
};

constexpr std::string_view kRawByte = "BYTE";

std::string upper(std::string_view word)
{
    std::string result(word);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

bool isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<std::uint8_t> codeOf(std::string_view mnemonic)
{
    const std::string wanted = upper(mnemonic);
    for (const Mnemonic& known : kMnemonics)
        if (wanted == known.name)
            return known.code;
    return std::nullopt;
}

// A byte value written in decimal or with a 0x prefix in hexadecimal.
std::optional<std::uint8_t> byteValue(std::string_view text)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty() || value > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

// Drops a comment and a leading "offset:" as the disassembler writes it.
std::string_view instructionText(std::string_view line)
{
    line = line.substr(0, line.find(';'));
    const std::size_t colon = line.find(':');
    if (colon != std::string_view::npos) {
        const std::string_view offset = trimmed(line.substr(0, colon));
        if (!offset.empty() && std::all_of(offset.begin(), offset.end(), [](unsigned char c) {
                return std::isxdigit(c) != 0;
            }))
            line.remove_prefix(colon + 1);
    }
    return trimmed(line);
}

void assembleLine(std::string_view text, int line, std::string& bytes)
{
    const auto split = static_cast<std::size_t>(std::find_if(text.begin(), text.end(), isSpace) - text.begin());
    const std::string_view mnemonic = text.substr(0, split);
    const std::string_view operand = trimmed(text.substr(split));
    const std::optional<std::uint8_t> code = codeOf(mnemonic);
    const bool raw = upper(mnemonic) == kRawByte;
    if (!code && !raw)
        throw AssemblyError(line, "unknown mnemonic '" + std::string(mnemonic) + "'");
    const bool takesValue = raw || *code == static_cast<std::uint8_t>(Opcode::PUSH);
    if (!takesValue) {
        if (!operand.empty())
            throw AssemblyError(line, std::string(mnemonic) + " takes no value, found '" +
                                          std::string(operand) + "'");
        bytes.push_back(static_cast<char>(*code));
        return;
    }
    const std::optional<std::uint8_t> value = byteValue(operand);
    if (!value)
        throw AssemblyError(line, std::string(mnemonic) + " needs a value 0..255, found '" +
                                      std::string(operand) + "'");
    if (raw) {
        bytes.push_back(static_cast<char>(*value));
        return;
    }
    bytes.push_back(static_cast<char>(Opcode::PUSH));
    bytes.push_back(static_cast<char>(*value));
    bytes.push_back(static_cast<char>(kPushClose));
}

}  // namespace

AssemblyError::AssemblyError(int line, const std::string& message)
    : std::invalid_argument(line > 0 ? "line " + std::to_string(line) + ": " + message : message), line_(line)
{
}

std::string assembleHex(std::string_view hex)
{
    std::string bytes;
    std::size_t position = 0;
    while (position < hex.size()) {
        if (isSpace(hex[position])) {
            ++position;
            continue;
        }
        const std::size_t start = position;
        while (position < hex.size() && !isSpace(hex[position]))
            ++position;
        const std::string_view word = hex.substr(start, position - start);
        if (word.size() % 2 != 0)
            throw AssemblyError(0, "hexadecimal program: '" + std::string(word) + "' at position " +
                                       std::to_string(start) + " is not made of whole byte pairs");
        for (std::size_t k = 0; k < word.size(); k += 2) {
            const std::optional<std::uint8_t> value = byteValue("0x" + std::string(word.substr(k, 2)));
            if (!value)
                throw AssemblyError(0, "hexadecimal program: '" + std::string(word.substr(k, 2)) +
                                           "' at position " + std::to_string(start + k) + " is not a hex byte");
            bytes.push_back(static_cast<char>(*value));
        }
    }
    return bytes;
}

std::string assemble(std::string_view text)
{
    std::string bytes;
    int line = 0;
    while (!text.empty()) {
        ++line;
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view instruction = instructionText(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!instruction.empty())
            assembleLine(instruction, line, bytes);
    }
    return bytes;
}

}  // namespace velmora::rules
