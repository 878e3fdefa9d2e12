#include "rule_machine.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "klondike_record.h"
#include "opcodes.h"

namespace velmora {
namespace {

using testing::program;

constexpr SequenceElement kFaceDown{kFaceDownSuit, kFaceDownRank};

std::vector<SequenceElement> sequence(std::initializer_list<SequenceElement> cards)
{
    std::vector<SequenceElement> elements(cards);
    elements.push_back({0, 0});
    return elements;
}

const std::vector<SequenceElement> kNoCards = sequence({});
const std::vector<SequenceElement> kTwoCards = sequence({{1, 5}, {2, 9}});
const std::vector<SequenceElement> kOneCard = sequence({{3, 12}});
const CardSequence kOneCardView(kOneCard);

bool sameOutcome(const RuleOutcome& a, const RuleOutcome& b)
{
    return a.holds == b.holds && a.fault == b.fault && a.top == b.top && a.deepestRead == b.deepestRead;
}

// Runs the program plainly, then twice with one jump table: the run that
// learns the jumps and the run that takes them from the table must both
// end as the plain run does.
RuleOutcome runEveryWay(RuleMachine& machine, std::string_view bytes, CardSequence first,
                        const CardSequence* second)
{
    const RuleOutcome plain = machine.run(bytes, first, second);
    JumpTargets jumps;
    const RuleOutcome learning = machine.run(bytes, jumps, first, second);
    const RuleOutcome learned = machine.run(bytes, jumps, first, second);
    EXPECT_TRUE(sameOutcome(plain, learning) && sameOutcome(plain, learned))
        << "a jump table changes the outcome of " << ::testing::PrintToString(bytes);
    return plain;
}

class RuleMachineTest : public ::testing::Test {
protected:
    RuleOutcome run(const std::string& hex, const std::vector<SequenceElement>& first = kNoCards,
                    const std::vector<SequenceElement>* second = nullptr)
    {
        const std::string bytes = program(hex);
        const CardSequence secondView = second ? CardSequence(*second) : CardSequence();
        return runEveryWay(machine_, bytes, first, second ? &secondView : nullptr);
    }

    std::int16_t topOf(const std::string& hex, const std::vector<SequenceElement>& first = kNoCards,
                       const std::vector<SequenceElement>* second = nullptr)
    {
        const RuleOutcome outcome = run(hex, first, second);
        EXPECT_EQ(outcome.fault, RuleFault::none) << hex;
        return outcome.top;
    }

    // The stack left by a program, top first, read by rerunning it with DROPs.
    std::vector<std::int16_t> stackOf(const std::string& hex, int entries)
    {
        std::vector<std::int16_t> values;
        std::string drops;
        for (int k = 0; k < entries; ++k, drops += " 0D")
            values.push_back(topOf(hex + drops));
        EXPECT_EQ(run(hex + drops).fault, RuleFault::emptyStack) << hex << " holds more entries";
        return values;
    }

    RuleMachine machine_;
};

TEST_F(RuleMachineTest, ResultIsWhetherTheTopIsZero)
{
    EXPECT_FALSE(run("01 01 01").holds);
    EXPECT_TRUE(run("01 00 01").holds);
    EXPECT_TRUE(run("1C 19 06", kNoCards).holds);
    EXPECT_FALSE(run("1C 19 06", kOneCard).holds);
    EXPECT_FALSE(run("1C 19 06", sequence({kFaceDown})).holds);
    EXPECT_TRUE(runRule(machine_, program("01 00 01"), kNoCards, nullptr));
    EXPECT_FALSE(runRule(machine_, program("01 01 01"), kNoCards, nullptr));
}

TEST_F(RuleMachineTest, ExecutionStopsAtTheFirstNulAtAnOpcodePosition)
{
    std::string bytes = program("01 00 01");
    bytes += program("01 09 01");  // after the end: never run
    EXPECT_TRUE(runEveryWay(machine_, bytes, kNoCards, nullptr).holds);
    EXPECT_EQ(topOf("01 05 01 1E 7F FF"), 5) << "codes above the last opcode do nothing";
}

TEST_F(RuleMachineTest, ArithmeticWrapsToSixteenBits)
{
    EXPECT_EQ(topOf("01 05 01 01 03 01 06"), 8);
    EXPECT_EQ(topOf("01 03 01 01 05 01 07"), -2);
    EXPECT_EQ(topOf("01 0C 01 01 0B 01 08"), 132);
    EXPECT_EQ(topOf("01 00 01 01 07 01 07 01 02 01 09"), -3) << "division truncates toward zero";
    EXPECT_EQ(topOf("01 FF 01 0B 08 0B 08"), static_cast<std::int16_t>(0xFC01)) << "255^4 wraps";

    const std::string int16Min = "01 80 01 01 80 01 08 01 02 01 08";  // 128 * 128 * 2 = 32768
    EXPECT_EQ(topOf(int16Min), INT16_MIN);
    EXPECT_EQ(topOf(int16Min + " 01 00 01 01 01 01 07 09"), INT16_MIN) << "INT16_MIN / -1";
    EXPECT_EQ(topOf(int16Min + " 0A"), INT16_MIN);
    EXPECT_EQ(topOf("01 00 01 01 03 01 07 0A"), 3);

    EXPECT_EQ(topOf("01 00 01 01 03 01 07 0C"), -1) << "MOD2 keeps the sign of the top";
    EXPECT_EQ(topOf("01 07 01 0C"), 1);
    EXPECT_EQ(topOf("01 06 01 0C"), 0);
}

TEST_F(RuleMachineTest, BinaryInstructionsNeedTwoEntries)
{
    for (const char* op : {"06", "07", "08", "09", "10"})
        EXPECT_EQ(topOf(std::string("01 05 01 ") + op), 5) << op;
    EXPECT_EQ(topOf("06 07 08 09 10 01 00 01"), 0) << "on an empty stack they do nothing";
}

TEST_F(RuleMachineTest, StackShuffles)
{
    const std::string oneTwoThree = "01 01 01 01 02 01 01 03 01";
    EXPECT_EQ(stackOf(oneTwoThree + " 0E", 3), (std::vector<std::int16_t>{2, 1, 3}));
    EXPECT_EQ(stackOf(oneTwoThree + " 0F", 3), (std::vector<std::int16_t>{1, 3, 2}));
    EXPECT_EQ(stackOf(oneTwoThree + " 10", 3), (std::vector<std::int16_t>{2, 3, 1}));
    EXPECT_EQ(stackOf(oneTwoThree + " 0B", 4), (std::vector<std::int16_t>{3, 3, 2, 1}));
    EXPECT_EQ(stackOf("01 04 01 0E 0F", 1), (std::vector<std::int16_t>{4}));
}

TEST_F(RuleMachineTest, ListsStoreAndLoad)
{
    // STOREPAIR keeps both entries; LOADLIST puts element 0 on top.
    EXPECT_EQ(stackOf("01 07 01 01 09 01 01 00 01 11 0D 0D 01 00 01 18", 2),
              (std::vector<std::int16_t>{9, 7}));

    // STORELIST copies from the top 0 down to the next 0, keeping the stack.
    const std::string delimited = "01 03 01 01 00 01 01 04 01 01 05 01 01 00 01 01 01 01 12";
    EXPECT_EQ(stackOf(delimited, 5), (std::vector<std::int16_t>{0, 5, 4, 0, 3}));
    EXPECT_EQ(stackOf(delimited + " 0D 0D 0D 0D 0D 01 01 01 18", 4), (std::vector<std::int16_t>{0, 5, 4, 0}));

    // With a non-zero top STORELIST only pops the list number.
    const std::string pair = "01 07 01 01 09 01 01 00 01 11 0D 0D";
    EXPECT_EQ(stackOf(pair + " 01 03 01 01 00 01 12 01 00 01 18", 3), (std::vector<std::int16_t>{9, 7, 3}));

    // Lists do not survive from one run to the next.
    run("01 07 01 01 09 01 01 00 01 11");
    EXPECT_EQ(stackOf("01 00 01 18 01 06 01", 1), (std::vector<std::int16_t>{6}));
}

TEST_F(RuleMachineTest, SequencesAreReadAtTheirCursors)
{
    EXPECT_EQ(topOf("1C", sequence({kFaceDown})), kFaceDownSuit);
    EXPECT_EQ(topOf("19", sequence({kFaceDown})), kFaceDownRank);
    EXPECT_EQ(topOf("19", kTwoCards), 5);
    EXPECT_EQ(topOf("17 1C", kTwoCards), 2);
    EXPECT_EQ(topOf("17 17 19", kTwoCards), 0) << "the terminator reads as (0, 0)";
    EXPECT_EQ(topOf("17 1A 19", kTwoCards), 5);
    EXPECT_EQ(topOf("1D 19", kTwoCards, &kOneCard), 12);
    EXPECT_EQ(topOf("17 1D 1D 19", kTwoCards, &kOneCard), 9) << "SWITCH twice returns to sequence 1";
    EXPECT_EQ(topOf("1D 17 1D 19", kTwoCards, &kOneCard), 5) << "each sequence has its own cursor";
    EXPECT_EQ(topOf("17 17 17 1A 19", kTwoCards), 5) << "moving past the end is not a read";
    EXPECT_EQ(topOf("1D 17 1D 01 04 01"), 4) << "switching to a missing sequence is not a read";

    // A span without its closing pair still reads (0, 0) at its end.
    const std::vector<SequenceElement> unterminated{{4, 1}};
    EXPECT_EQ(topOf("17 1C 19 06", unterminated), 0);
}

// What a run depends on: the answer can change only with the elements up to
// the deepest read, or with where the sequence ends before it.
TEST_F(RuleMachineTest, ReportsTheDeepestElementReadOfEachSequence)
{
    using Depths = std::array<std::int32_t, 2>;
    EXPECT_EQ(run("01 00 01", kTwoCards, &kOneCard).deepestRead, (Depths{-1, -1}));
    EXPECT_EQ(run("17 17 17 1A 19", kTwoCards, &kOneCard).deepestRead, (Depths{0, -1}))
        << "moving the cursor is not a read";
    EXPECT_EQ(run("17 1C 1A 19", kTwoCards, &kOneCard).deepestRead, (Depths{1, -1}));
    EXPECT_EQ(run("1D 17 1C 1D 19", kTwoCards, &kOneCard).deepestRead, (Depths{0, 1}));
    const RuleOutcome pastEnd = run("1D 17 17 1C", kTwoCards, &kOneCard);
    EXPECT_EQ(pastEnd.fault, RuleFault::readPastEnd);
    EXPECT_EQ(pastEnd.deepestRead, (Depths{-1, 2})) << "a read past the end depends on where the end is";
    EXPECT_EQ(run("1D 1C", kTwoCards).deepestRead, (Depths{-1, -1})) << "a missing sequence has no elements";
    // The loop of a whole-sequence scan reads up to the terminator.
    EXPECT_EQ(run("04 1C 16 13 14 17 05 01 00 01", kTwoCards).deepestRead, (Depths{2, -1}));
}

TEST_F(RuleMachineTest, IfElseChoosesOnePart)
{
    const std::string ifElse = " 16 01 05 01 15 01 06 01 14";
    EXPECT_EQ(stackOf("01 00 01" + ifElse, 1), (std::vector<std::int16_t>{5}));
    EXPECT_EQ(stackOf("01 02 01" + ifElse, 1), (std::vector<std::int16_t>{6}));

    // Without an ELSE a non-zero value continues after the matching ENDIF.
    EXPECT_EQ(stackOf("01 02 01 16 01 05 01 14 01 08 01", 1), (std::vector<std::int16_t>{8}));

    // A nested IF/ELSE/ENDIF inside the skipped part is skipped whole.
    const std::string nested = " 16 01 00 01 16 01 05 01 15 01 06 01 14 01 07 01 15 01 09 01 14";
    EXPECT_EQ(stackOf("01 01 01" + nested, 1), (std::vector<std::int16_t>{9}));
    EXPECT_EQ(stackOf("01 00 01" + nested, 2), (std::vector<std::int16_t>{7, 5}));

    // Values that read as IF, ELSE or ENDIF are never taken for them.
    const std::string lookalikes = " 16 01 16 01 01 15 01 01 14 01 15 01 02 01 14";
    EXPECT_EQ(stackOf("01 01 01" + lookalikes, 1), (std::vector<std::int16_t>{2}));
    EXPECT_EQ(stackOf("01 00 01" + lookalikes, 3), (std::vector<std::int16_t>{0x14, 0x15, 0x16}));
}

TEST_F(RuleMachineTest, ASkipThatReachesTheEndStopsThere)
{
    std::string bytes = program("01 07 01 01 01 01 16 01 00 01");
    bytes += program("14 01 00 01");  // beyond the end
    EXPECT_EQ(runEveryWay(machine_, bytes, kNoCards, nullptr).top, 7);
    EXPECT_EQ(topOf("01 07 01 01 00 01 16 15 01 00 01"), 7) << "ELSE without ENDIF";
    EXPECT_EQ(topOf("01 07 01 04 13 01 00 01"), 7) << "BREAK without ENDLOOP";
}

TEST_F(RuleMachineTest, LoopsRepeatUntilBreak)
{
    // acc = 0, counter = 3; each round adds 2 to acc and counts down.
    EXPECT_EQ(topOf("01 00 01 01 03 01 04 0B 16 13 14 10 01 02 01 06 10 01 01 01 07 05 0D"), 6);

    // BREAK in the inner loop leaves only the inner loop: the outer one still
    // runs its two rounds.
    EXPECT_EQ(topOf("01 00 01 01 02 01 04 0B 16 13 14 04 13 05 01 01 01 07 10 01 01 01 06 10 05 0D"), 2);

    // PUSH values that read as LOOP, ENDLOOP or PUSH inside the loop body are
    // stepped over by both the backward and the forward scan.
    EXPECT_EQ(topOf("01 00 01 01 03 01 04 0B 16 13 14 01 04 01 0D 01 05 01 0D 01 01 01 0D "
                    "10 01 02 01 06 10 01 01 01 07 05 0D"),
              6);
    EXPECT_EQ(topOf("01 09 01 04 13 01 05 01 01 04 01 01 01 01 05 01 03 01"), 3);
}

TEST_F(RuleMachineTest, SkipGoesToTheNextResumeOrEndsAtAClause)
{
    EXPECT_EQ(stackOf("01 07 01 1B 01 00 01 03 01 08 01", 2), (std::vector<std::int16_t>{8, 7}));
    // A CLAUSE before any RESUME ends the run with the current top.
    const RuleOutcome ended = run("01 07 01 1B 01 00 01 02 01 00 01 03 01 00 01");
    EXPECT_EQ(ended.top, 7);
    EXPECT_FALSE(ended.holds);
    EXPECT_TRUE(run("01 00 01 1B 02 03 01 01 01").holds);
    // Values 0x02 and 0x03 inside a skipped PUSH are not markers.
    EXPECT_EQ(topOf("01 07 01 1B 01 02 01 01 03 01 03 01 08 01"), 8);
    EXPECT_EQ(topOf("01 07 01 1B 01 03 01"), 7) << "SKIP with no RESUME ends at the end";
}

struct FaultCase {
    const char* hex;
    RuleFault fault;
};

class RuleFaultTest : public RuleMachineTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(RuleFaultTest, FaultsStopTheRuleFromHolding)
{
    const RuleOutcome outcome = run(GetParam().hex, kOneCard);
    EXPECT_EQ(outcome.fault, GetParam().fault);
    EXPECT_FALSE(outcome.holds);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RuleFaultTest,
    ::testing::Values(
        FaultCase{"", RuleFault::emptyStack}, FaultCase{"01 00 01 0D", RuleFault::emptyStack},
        FaultCase{"0A", RuleFault::stackUnderflow}, FaultCase{"0B", RuleFault::stackUnderflow},
        FaultCase{"0C", RuleFault::stackUnderflow}, FaultCase{"0D", RuleFault::stackUnderflow},
        FaultCase{"0E", RuleFault::stackUnderflow}, FaultCase{"0F", RuleFault::stackUnderflow},
        FaultCase{"16 01 00 01", RuleFault::stackUnderflow},
        FaultCase{"11", RuleFault::stackUnderflow}, FaultCase{"12", RuleFault::stackUnderflow},
        FaultCase{"18", RuleFault::stackUnderflow},
        FaultCase{"01 00 01 01 00 01 11", RuleFault::stackUnderflow},
        FaultCase{"01 00 01 01 00 01 12", RuleFault::stackUnderflow},
        FaultCase{"01 05 01 01 00 01 01 00 01 12", RuleFault::stackUnderflow},
        FaultCase{"01 00 01 04 0B 05", RuleFault::stackOverflow},
        FaultCase{"01 00 01 01 00 01 01 02 01 11", RuleFault::badList},
        FaultCase{"01 00 01 01 00 01 01 01 01 07 18", RuleFault::badList},
        FaultCase{"01 00 01 01 00 01 01 00 01 09", RuleFault::divideByZero},
        FaultCase{"17 17 19", RuleFault::readPastEnd},
        FaultCase{"17 17 1C", RuleFault::readPastEnd},
        FaultCase{"1D 1C", RuleFault::missingSequence},
        FaultCase{"1D 19", RuleFault::missingSequence},
        FaultCase{"01 00 01 04 05", RuleFault::budgetExceeded},
        FaultCase{"01", RuleFault::truncatedPush}, FaultCase{"01 00", RuleFault::truncatedPush},
        FaultCase{"01 01 01 16 01 00", RuleFault::truncatedPush},
        FaultCase{"01 00 01 01 01 01 1B 01", RuleFault::truncatedPush},
        FaultCase{"01 00 01 05", RuleFault::unmatchedLoop},
        FaultCase{"01 05 01 05", RuleFault::unmatchedLoop}));

// 0, then n ones, then the loop counter's final 0: a 0-delimited run of n + 2.
std::string zeroDelimitedRun(int ones)
{
    static const char* const digits = "0123456789ABCDEF";
    const std::string count = {digits[ones / 16], digits[ones % 16]};
    return "01 00 01 01 " + count + " 01 04 0B 16 13 14 01 01 01 10 01 01 01 07 05";
}

TEST_F(RuleMachineTest, ListsAndLoadsAreBoundedByTheCapacities)
{
    const std::string fullList = zeroDelimitedRun(198) + " 01 00 01 12";
    EXPECT_TRUE(run(fullList).holds);
    EXPECT_EQ(run(zeroDelimitedRun(199) + " 01 00 01 12").fault, RuleFault::listOverflow);
    EXPECT_TRUE(run(fullList + " 01 00 01 18").holds) << "400 entries fit on the stack";
    EXPECT_EQ(run(fullList + " 01 00 01 18 01 00 01 18").fault, RuleFault::stackOverflow);
}

TEST_F(RuleMachineTest, EndOfTheViewEndsTheProgram)
{
    // No NUL at all: the end of the view is the end.
    const std::string bytes{'\x01', '\0', '\x01'};
    EXPECT_TRUE(runEveryWay(machine_, std::string_view(bytes.data(), 3), kNoCards, nullptr).holds);
    EXPECT_EQ(runEveryWay(machine_, std::string_view(bytes.data(), 2), kNoCards, nullptr).fault,
              RuleFault::truncatedPush);
}

// Arbitrary bytes never crash the machine or run forever; the sanitizer
// build checks that nothing outside the program or the arrays is touched.
TEST_F(RuleMachineTest, ArbitraryProgramsEndWithAnOutcome)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 0x1F);
    for (int trial = 0; trial < 3000; ++trial) {
        std::string bytes(static_cast<std::size_t>(1 + trial % 40), '\0');
        for (char& b : bytes) {
            const int value = byte(random);
            b = static_cast<char>(value == 0x1F ? 0x01 : value);  // PUSH twice as often
        }
        const RuleOutcome outcome = runEveryWay(machine_, bytes, kTwoCards, trial % 2 ? &kOneCardView : nullptr);
        EXPECT_EQ(outcome.holds, outcome.fault == RuleFault::none && outcome.top == 0);
    }
}

TEST(OpcodeNames, ComeFromTheInstructionList)
{
    EXPECT_STREQ(opcodeName(0x01), "PUSH");
    EXPECT_STREQ(opcodeName(0x16), "IF");
    EXPECT_STREQ(opcodeName(kLastOpcode), "SWITCH");
    EXPECT_EQ(opcodeName(kLastOpcode + 1), nullptr);
    EXPECT_EQ(opcodeName(0xFF), nullptr);
}

}  // namespace
}  // namespace velmora
