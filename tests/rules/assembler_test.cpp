// Hexadecimal and mnemonic assembly, listings, and the round trip between
// them on the Klondike record's programs, compiled rules and arbitrary bytes.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "assembler.h"
#include "disassembler.h"
#include "klondike_record.h"
#include "rule_compiler.h"

namespace velmora::rules {
namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string result;
    for (const int value : values)
        result.push_back(static_cast<char>(value));
    return result;
}

int errorLine(std::string_view text)
{
    try {
        assemble(text);
    } catch (const AssemblyError& error) {
        return error.line();
    }
    return -1;
}

TEST(AssemblerTest, HexTextGivesExactlyItsBytes)
{
    EXPECT_EQ(assembleHex("01 00 01 1C"), bytes({0x01, 0x00, 0x01, 0x1C}));
    EXPECT_EQ(assembleHex(" 1c19\n06 "), bytes({0x1C, 0x19, 0x06}));
    EXPECT_EQ(assembleHex(""), "");
    EXPECT_THROW(assembleHex("01 0"), AssemblyError);
    EXPECT_THROW(assembleHex("01 0G"), AssemblyError);
    EXPECT_THROW(assembleHex("0x01"), AssemblyError);
}

TEST(AssemblerTest, MnemonicsCommentsAndOffsets)
{
    EXPECT_EQ(assemble("PUSH 1\nsuit\n  0007:   Push 0x1F ; a comment\n\n; only a comment\nBYTE 0x2A\nEND"),
              bytes({0x01, 0x01, 0x01, 0x1C, 0x01, 0x1F, 0x01, 0x2A, 0x00}));
    EXPECT_EQ(assemble("ADD\nDUP\nSWITCH"), bytes({0x06, 0x0B, 0x1D}));  // names made of hex digits
}

TEST(AssemblerTest, ErrorsNameTheLine)
{
    EXPECT_EQ(errorLine("PUSH 1\nPUHS 2"), 2);
    EXPECT_EQ(errorLine("PUSH 256"), 1);
    EXPECT_EQ(errorLine("SUIT\nRANK\nPUSH"), 3);
    EXPECT_EQ(errorLine("PUSH -1"), 1);
    EXPECT_EQ(errorLine("SUIT 3"), 1);
    EXPECT_EQ(errorLine("BYTE 1000"), 1);
    try {
        assemble("NOP");
        FAIL();
    } catch (const AssemblyError& error) {
        EXPECT_STREQ(error.what(), "line 1: unknown mnemonic 'NOP'");
    }
}

TEST(DisassemblerTest, ListsOffsetsValuesAndNesting)
{
    EXPECT_EQ(disassemble(assembleHex("1C 19 06 16 01 01 01 15 04 13 05 14")),
              "0000:  SUIT\n"
              "0001:  RANK\n"
              "0002:  ADD\n"
              "0003:  IF\n"
              "0004:    PUSH 1\n"
              "0007:  ELSE\n"
              "0008:    LOOP\n"
              "0009:      BREAK\n"
              "000A:    ENDLOOP\n"
              "000B:  ENDIF\n");
    // A PUSH not closed by 0x01, one cut short, unknown codes, a stray ENDIF.
    EXPECT_EQ(disassemble(assembleHex("14 01 05 07 2A 01 02")),
              "0000:  ENDIF\n"
              "0001:  BYTE 0x01 ; PUSH 5 not closed by 0x01\n"
              "0002:  BYTE 0x05\n"
              "0003:  BYTE 0x07\n"
              "0004:  BYTE 0x2A\n"
              "0005:  BYTE 0x01 ; PUSH cut short\n"
              "0006:  BYTE 0x02\n");
}

TEST(DisassemblerTest, AssemblingAListingGivesTheBytesBack)
{
    for (const char* hex : ::velmora::testing::kKlondikePrograms) {
        const std::string program = assembleHex(hex);
        EXPECT_EQ(assemble(disassemble(program)), program) << hex;
    }
    const Condition run = allAdjacent(second, [](Element upper, Element lower) {
        return rank(upper) * 300 < rank(lower) - 32000 || count(second) / rank(lower) == 2;
    });
    const std::string compiled = compile(run);
    EXPECT_EQ(assemble(disassemble(compiled)), compiled);

    std::mt19937 random(7);
    for (int trial = 0; trial < 500; ++trial) {
        std::string arbitrary(static_cast<std::size_t>(random() % 40), '\0');
        for (char& byte : arbitrary)
            byte = static_cast<char>(random() % 3 == 0 ? 1 : random() % 256);
        ASSERT_EQ(assemble(disassemble(arbitrary)), arbitrary);
    }
}

}  // namespace
}  // namespace velmora::rules
