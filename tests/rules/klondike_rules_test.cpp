// Klondike's nine programs written as rule expressions: compiled, they must
// decide exactly as the record's own bytes do, and be no longer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "differential.h"
#include "klondike_record.h"

namespace velmora::rules {
namespace {

using testing::CardPair;
using testing::RandomCards;

struct KlondikeRule {
    const char* name;
    int program;  // its number in the record
    Condition rule;
    bool groupNeverEmpty;  // a pick-up or accept rule: sequence 1 holds the picked card
};

std::vector<KlondikeRule> klondikeRules()
{
    const Condition tableauAccept =
        (empty(second) && rank(bottom(first)) == 13) ||
        (!empty(second) && rank(bottom(first)) == rank(top(second)) - 1 &&
         colour(bottom(first)) != colour(top(second)));
    const Condition foundationAccept =
        count(first) == 1 && ifThenElse(empty(second), rank(top(first)) == 1,
                                        rank(top(first)) == rank(top(second)) + 1 &&
                                            suit(top(first)) == suit(top(second)));
    return {
        {"never", 0, never(), false},
        {"always", 1, always(), false},
        {"tableau pick-up", 2, !faceDown(bottom(first)), true},
        {"tableau accept", 3, tableauAccept, true},
        {"foundation pick-up", 4, !empty(second), true},
        {"foundation accept", 5, foundationAccept, true},
        {"pile is empty", 6, empty(first), false},
        {"top card is face down", 7, !empty(first) && faceDown(top(first)), false},
        {"pile is not empty", 8, !empty(first), false},
    };
}

TEST(KlondikeRulesTest, DecideAsTheRecordedPrograms)
{
    RandomCards random(212);
    RuleMachine machine;
    for (const KlondikeRule& klondike : klondikeRules()) {
        std::string recorded = ::velmora::testing::program(::velmora::testing::kKlondikePrograms[klondike.program]);
        recorded.pop_back();  // the closing NUL
        const std::string compiled = compile(klondike.rule);
        EXPECT_LE(compiled.size(), recorded.size()) << klondike.name;
        int held = 0;
        for (int trial = 0; trial < 3000; ++trial) {
            CardPair cards = random.pair(readsSecond(klondike.rule) || klondike.groupNeverEmpty);
            if (klondike.groupNeverEmpty)
                cards.first.push_back(random.card());
            // Accepting needs matching cards, which random piles seldom offer.
            if (klondike.program == 3 && !cards.second.empty() && cards.second.front().rank >= 2 &&
                cards.second.front().rank <= 13 && trial % 2 == 0)
                cards.first.back() = {1 + random.card().suit % 4, cards.second.front().rank - 1};
            const bool expected = testing::machineHolds(machine, recorded, cards);
            ASSERT_EQ(testing::machineHolds(machine, compiled, cards), expected)
                << klondike.name << ": " << testing::describe(cards);
            ASSERT_EQ(testing::evaluatorHolds(klondike.rule, cards), expected)
                << klondike.name << ": " << testing::describe(cards);
            held += expected;
        }
        if (klondike.program > 1) {  // both answers occur
            EXPECT_GT(held, 0) << klondike.name;
            EXPECT_LT(held, 3000) << klondike.name;
        }
    }
}

// Building a run: a group may be picked up when it is face up and built down
// in alternate colours, the kind of rule other games of the family need.
TEST(KlondikeRulesTest, BuiltRunsAreWrittenWithAllAdjacent)
{
    const Condition builtRun = allAdjacent(first, [](Element upper, Element lower) {
        return faceUp(upper) && faceUp(lower) && rank(upper) == rank(lower) - 1 &&
               colour(upper) != colour(lower);
    });
    const auto holds = [&](std::vector<SequenceElement> group) {
        group.push_back({0, 0});
        RuleMachine machine;
        return machine.run(compile(builtRun), group, nullptr).holds;
    };
    EXPECT_TRUE(holds({}));
    EXPECT_TRUE(holds({{3, 5}}));
    EXPECT_TRUE(holds({{3, 5}, {1, 6}, {4, 7}}));
    EXPECT_FALSE(holds({{3, 5}, {4, 6}}));                 // same colour
    EXPECT_FALSE(holds({{3, 5}, {1, 7}}));                 // a rank apart
    EXPECT_FALSE(holds({{3, 5}, {1, 6}, testing::kFaceDown}));
}

}  // namespace
}  // namespace velmora::rules
