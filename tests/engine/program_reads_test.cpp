// How deep a program can read, found from its code, against what the rule
// machine really reads.
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "klondike_record.h"
#include "program_reads.h"
#include "rule_machine.h"

namespace velmora {
namespace {

using velmora::testing::program;

TEST(ProgramReads, FollowsCursorsThroughBranchesAndLoops)
{
    EXPECT_EQ(deepestPossibleRead(program("01 00 01"), 0), -1);  // PUSH 0 reads no card
    EXPECT_EQ(deepestPossibleRead(program("19"), 0), 0);          // RANK of the first card
    EXPECT_EQ(deepestPossibleRead(program("19"), 1), -1);
    EXPECT_EQ(deepestPossibleRead(program("1D 1C"), 1), 0);       // SWITCH, SUIT of the second's top
    EXPECT_EQ(deepestPossibleRead(program("17 19"), 0), 1);       // NEXT, RANK
    EXPECT_EQ(deepestPossibleRead(program("17 1A 19"), 0), 0);    // NEXT, RESET, RANK
    // NEXT only in a then-part still counts: IF may run it.
    EXPECT_EQ(deepestPossibleRead(program("01 00 01 16 17 14 19"), 0), 1);
    // An ELSE part runs too; the SWITCH in it makes the second sequence current.
    EXPECT_EQ(deepestPossibleRead(program("01 01 01 16 15 1D 14 19"), 1), 0);
    // A loop that steps the cursor reads as deep as the sequence goes.
    EXPECT_EQ(deepestPossibleRead(program("04 19 17 05"), 0), kDeepRead);
    // A SKIP jumps past the reads up to its RESUME; a CLAUSE before one ends the run.
    EXPECT_EQ(deepestPossibleRead(program("1B 17 17 03 19"), 0), 0);
    EXPECT_EQ(deepestPossibleRead(program("1B 02 17 19 03"), 0), -1);
}

TEST(ProgramReads, TellsACountFromAProgramThatUsesTheCardsBelowTheFirst)
{
    // PUSH 0; LOOP; SUIT; IF BREAK ENDIF; PUSH 1; ADD; NEXT; ENDLOOP; RESET;
    // PUSH 3; SUB: holds on three cards.
    const std::string countIsThree = program("01 00 01 04 1C 16 13 14 01 01 01 06 17 05 1A 01 03 01 07");
    EXPECT_TRUE(readsUnderTheFirstOnlyForLength(countIsThree, 0));
    EXPECT_TRUE(readsUnderTheFirstOnlyForLength(program("19 01 0D 01 07"), 0));  // the first card's rank
    // The same loop adding up the ranks uses every card's value.
    const std::string sumOfRanks = program("01 00 01 04 19 0B 16 0D 13 14 06 17 05");
    EXPECT_FALSE(readsUnderTheFirstOnlyForLength(sumOfRanks, 0));
    EXPECT_TRUE(readsUnderTheFirstOnlyForLength(sumOfRanks, 1));  // it never looks at the second
    EXPECT_FALSE(readsUnderTheFirstOnlyForLength(program("17 19"), 0));  // the second card's rank is the answer
    EXPECT_FALSE(readsUnderTheFirstOnlyForLength(program("1D 17 1C 01 01 01 07"), 1));
}

// Random programs over the opcodes that steer cursors and jumps, run on random
// sequences: no run reads deeper than the code allows.
TEST(ProgramReads, NoRunReadsDeeperThanTheCodeAllows)
{
    const std::string alphabet[] = {"01 00 01", "01 01 01", "02", "03", "04", "05", "0B", "07", "13", "14",
                                    "15", "16", "17", "19", "1A", "1B", "1C", "1D"};
    std::mt19937 random(11);
    RuleMachine machine;
    for (int trial = 0; trial < 3000; ++trial) {
        std::string text;
        const int length = 1 + static_cast<int>(random() % 14);
        for (int k = 0; k < length; ++k)
            text += (k ? " " : "") + alphabet[random() % std::size(alphabet)];
        const std::string code = program(text);
        const int bound[2] = {deepestPossibleRead(code, 0), deepestPossibleRead(code, 1)};
        std::vector<SequenceElement> first, second;
        for (int k = static_cast<int>(random() % 6); k > 0; --k)
            first.push_back({1 + static_cast<int>(random() % 4), 1 + static_cast<int>(random() % 13)});
        for (int k = static_cast<int>(random() % 6); k > 0; --k)
            second.push_back({1 + static_cast<int>(random() % 4), 1 + static_cast<int>(random() % 13)});
        first.push_back({0, 0});
        second.push_back({0, 0});
        const CardSequence secondSequence(second);
        const RuleOutcome outcome = machine.run(code, CardSequence(first), &secondSequence);
        for (int sequence = 0; sequence < 2; ++sequence)
            EXPECT_LE(std::min(outcome.deepestRead[static_cast<std::size_t>(sequence)], kDeepRead), bound[sequence])
                << "program " << text << ", sequence " << sequence;
    }
}

}  // namespace
}  // namespace velmora
