// Compiled rules against the direct evaluator, construct by construct, on
// random cards in the real rule machine; then the corners where 16-bit
// arithmetic could mislead a compiler, and the machine's capacities.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "differential.h"
#include "opcodes.h"

namespace velmora::rules {
namespace {

using testing::agreesOnRandomCards;
using testing::CardPair;
using testing::RandomCards;

// Holds when the value lies in the odd-sized band below, so that a wrong
// value of any element fails on some cards.
Condition probe(const Value& v) { return v * 7 + 3 > rank(top(second)) * 2 + suit(at(first, 1)); }

TEST(CompilerTest, ElementFieldsAgreeAtEveryIndexAndForTheBottom)
{
    RandomCards random(1);
    for (const Sequence sequence : {first, second}) {
        for (int k = 0; k <= 6; ++k) {  // both the stepped and the counted reads
            const Element element = at(sequence, k);
            for (const Value& field : {suit(element), rank(element), colour(element)})
                EXPECT_TRUE(agreesOnRandomCards(field == rank(top(first)) || probe(field), random)) << k;
            EXPECT_TRUE(agreesOnRandomCards(faceDown(element), random)) << k;
            EXPECT_TRUE(agreesOnRandomCards(faceUp(element), random)) << k;
            EXPECT_TRUE(agreesOnRandomCards(exists(element), random)) << k;
        }
        EXPECT_TRUE(agreesOnRandomCards(probe(rank(bottom(sequence))), random));
        EXPECT_TRUE(agreesOnRandomCards(suit(bottom(sequence)) == 6, random));
        EXPECT_TRUE(agreesOnRandomCards(colour(bottom(sequence)) == colour(top(first)), random));
        EXPECT_TRUE(agreesOnRandomCards(count(sequence) == 3, random));
        EXPECT_TRUE(agreesOnRandomCards(probe(count(sequence)), random));
        EXPECT_TRUE(agreesOnRandomCards(empty(sequence), random));
    }
}

TEST(CompilerTest, ArithmeticComparisonsAndLogicAgree)
{
    RandomCards random(2);
    const Value a = rank(top(first));
    const Value b = rank(at(second, 1)) - suit(top(second));
    const std::vector<std::function<Condition(const Value&, const Value&)>> comparisons{
        [](const Value& x, const Value& y) { return x == y; }, [](const Value& x, const Value& y) { return x != y; },
        [](const Value& x, const Value& y) { return x < y; },  [](const Value& x, const Value& y) { return x <= y; },
        [](const Value& x, const Value& y) { return x > y; },  [](const Value& x, const Value& y) { return x >= y; }};
    for (const auto& compare : comparisons) {
        EXPECT_TRUE(agreesOnRandomCards(compare(a, b), random));
        EXPECT_TRUE(agreesOnRandomCards(compare(a + b, a * b), random));
        EXPECT_TRUE(agreesOnRandomCards(compare(a / b, -b), random));  // b may be 0
        EXPECT_TRUE(agreesOnRandomCards(compare(abs(b), count(second) / 2), random));
        EXPECT_TRUE(agreesOnRandomCards(compare(ifThenElse(empty(second), a, b), 3), random));
    }
    EXPECT_TRUE(agreesOnRandomCards(13 == rank(bottom(first)) && 2 < count(second), random));  // constant first
    const Condition p = rank(top(first)) > 6;
    const Condition q = faceDown(top(second));
    EXPECT_TRUE(agreesOnRandomCards(p && q, random));
    EXPECT_TRUE(agreesOnRandomCards(p || q, random));
    EXPECT_TRUE(agreesOnRandomCards(!p, random));
    EXPECT_TRUE(agreesOnRandomCards(!!q, random));
    EXPECT_TRUE(agreesOnRandomCards(!(p && !q) || (rank(top(first)) != 3), random));
    EXPECT_TRUE(agreesOnRandomCards(ifThenElse(p, q, !empty(first)), random));
    EXPECT_TRUE(agreesOnRandomCards(ifThenElse(!p, q, always()) && !never(), random));
}

TEST(CompilerTest, LoopsAgreeWithAndWithoutReadingTheirOwnSequence)
{
    RandomCards random(3);
    const auto descendingAlternate = [](Element upper, Element lower) {
        return faceUp(upper) && rank(upper) == rank(lower) - 1 && colour(upper) != colour(lower);
    };
    const auto sameSuitAsTop = [](Element card) { return suit(card) == suit(top(first)); };
    for (const Sequence sequence : {first, second}) {
        EXPECT_TRUE(agreesOnRandomCards(allAdjacent(sequence, descendingAlternate), random, 400, 5));
        EXPECT_TRUE(agreesOnRandomCards(allAdjacent(sequence, [](Element upper, Element lower) {
                                            return faceDown(upper) || rank(upper) != rank(lower);
                                        }),
                                        random, 400, 6));
        EXPECT_TRUE(agreesOnRandomCards(allCards(sequence, sameSuitAsTop), random, 400, 4));
        EXPECT_TRUE(agreesOnRandomCards(allCards(sequence, [](Element card) { return faceUp(card); }), random));
        // The predicate reads the looped sequence itself.
        EXPECT_TRUE(agreesOnRandomCards(allAdjacent(sequence, [&](Element upper, Element) {
                                            return rank(upper) != rank(bottom(sequence)) || count(sequence) < 3;
                                        }),
                                        random, 400, 5));
        EXPECT_TRUE(agreesOnRandomCards(allCards(sequence, [&](Element card) {
                                            return suit(card) <= suit(at(sequence, 4)) + 2;
                                        }),
                                        random, 400, 6));
    }
}

TEST(CompilerTest, NestedLoopsSeeTheirOuterElements)
{
    RandomCards random(4);
    // No card of the group shares a rank with a card of the destination.
    const Condition disjoint = allCards(first, [](Element moving) {
        return allCards(second, [&](Element resting) { return rank(moving) != rank(resting); });
    });
    EXPECT_TRUE(agreesOnRandomCards(disjoint, random, 400, 6));
    // Every card of the group is above a strictly smaller card of the same group.
    const Condition sorted = allAdjacent(first, [](Element upper, Element lower) {
        return allCards(first, [&](Element other) { return rank(other) <= rank(upper) || rank(lower) > 3; });
    });
    EXPECT_TRUE(agreesOnRandomCards(sorted, random, 400, 5));
    const Condition pairs = allAdjacent(second, [](Element upper, Element lower) {
        return allAdjacent(first, [&](Element a, Element b) {
            return rank(a) - rank(b) != rank(upper) - rank(lower) || faceDown(lower);
        });
    });
    EXPECT_TRUE(agreesOnRandomCards(pairs, random, 400, 5));
}

// The longest pile a game can have (four decks and a card), walked by loops
// whose predicates read their own sequence, which are read once up front.
TEST(CompilerTest, LongPilesStayWithinTheMachineBudget)
{
    constexpr int kLongestPile = 209;
    const Condition pairs = allAdjacent(second, [](Element upper, Element lower) {
        return rank(upper) != rank(bottom(second)) || suit(lower) == suit(at(second, 150)) || count(second) > 300;
    });
    const Condition cards = allCards(first, [](Element card) { return rank(card) <= rank(bottom(first)) + 12; });
    RandomCards random(6);
    RuleMachine machine;
    for (const Condition& rule : {pairs, cards}) {
        const std::string program = compile(rule);
        for (int trial = 0; trial < 20; ++trial) {
            CardPair pile{testing::Cards(kLongestPile), testing::Cards(kLongestPile), true};
            for (SequenceElement& card : pile.first)
                card = random.card(0.02);
            pile.second = pile.first;
            ASSERT_EQ(testing::machineHolds(machine, program, pile), testing::evaluatorHolds(rule, pile));
        }
    }
}

// Conditions whose naive translation (adding or multiplying truths, or
// subtracting to compare) goes wrong in 16 bits.
TEST(CompilerTest, WrapAroundDoesNotMisleadTheTruth)
{
    RandomCards random(5);
    const Value r = rank(top(first));
    const Value big = r * 4096;  // 0 modulo 65536 for every rank divisible by 16, wraps for others
    EXPECT_TRUE(agreesOnRandomCards(big * 16 == 0, random));
    EXPECT_TRUE(agreesOnRandomCards(big > 0, random));
    EXPECT_TRUE(agreesOnRandomCards(big * 3 < -20000, random));
    EXPECT_TRUE(agreesOnRandomCards(r * 32767 + r > r, random));
    EXPECT_TRUE(agreesOnRandomCards(-32768 / ifThenElse(empty(second), -1, r) <= 0, random));
    EXPECT_TRUE(agreesOnRandomCards(abs(big * 8) >= 0, random));
    // Two failing parts whose raw results sum or multiply to 0.
    const Condition failsBy32768 = r * 0 + 16384 == -16384;
    EXPECT_TRUE(agreesOnRandomCards(!(failsBy32768 && failsBy32768), random));
    EXPECT_TRUE(agreesOnRandomCards(!(failsBy32768 || (r * 256 * 256 == 1)), random));
}

TEST(CompilerTest, OrderingIsExactOverTheWhole16BitRange)
{
    const std::vector<int> corners{-32768, -32767, -16385, -16384, -256, -255, -2, -1, 0, 1, 2,
                                   255,    256,    16383,  16384,  32766, 32767};
    RuleMachine machine;
    const CardPair none{{}, {}, true};
    for (const int a : corners) {
        for (const int b : corners) {
            // As constants (narrow ranges) and hidden behind a card read (whole range).
            const Value hidden = rank(top(first)) * 4099 + b;
            for (const Value& right : {Value(b), hidden}) {
                const std::vector<std::pair<Condition, bool>> cases{
                    {Value(a) < right, a < b},   {Value(a) <= right, a <= b}, {Value(a) > right, a > b},
                    {Value(a) >= right, a >= b}, {Value(a) == right, a == b}, {Value(a) != right, a != b}};
                for (const auto& [rule, truth] : cases) {
                    ASSERT_EQ(testing::machineHolds(machine, compile(rule), none), truth) << a << " vs " << b;
                    ASSERT_EQ(testing::evaluatorHolds(rule, none), truth) << a << " vs " << b;
                }
            }
        }
    }
}

// a + (a + (a + ...)): each level keeps one more entry on the stack.
Condition rightNestedSum(int terms)
{
    Value sum = rank(top(first));
    for (int k = 1; k < terms; ++k)
        sum = rank(top(first)) + sum;
    return sum == 0;
}

TEST(CompilerTest, StaysWithinTheStackOrSaysSo)
{
    RuleMachine machine;
    int largestCompiled = 0;
    for (int terms = 480; terms <= 520; ++terms) {
        try {
            const std::string program = compile(rightNestedSum(terms));
            EXPECT_TRUE(testing::machineHolds(machine, program, {{}, {}, false}));
            largestCompiled = terms;
        } catch (const RuleCompileError& error) {
            EXPECT_NE(std::string(error.what()).find("stack"), std::string::npos);
        }
    }
    EXPECT_GE(largestCompiled, 490);
    EXPECT_THROW(compile(rightNestedSum(520)), RuleCompileError);

    Value chain = rank(top(first));  // left-nested: little stack, deep recursion
    for (int k = 0; k < 2100; ++k)
        chain = chain + 1;
    EXPECT_THROW(compile(chain == 0), RuleCompileError);
}

TEST(CompilerTest, ProgramsNeverCarryNulOutsideAPushValue)
{
    const Condition rule = allAdjacent(second, [](Element upper, Element lower) {
        return rank(upper) * 256 == rank(lower) + -32768 || rank(at(first, 9)) == rank(lower);
    });
    const std::string program = compile(rule);
    for (std::size_t k = 0; k < program.size();) {
        ASSERT_NE(program[k], '\0') << "offset " << k;
        k += static_cast<std::uint8_t>(program[k]) == static_cast<std::uint8_t>(Opcode::PUSH) ? 3 : 1;
    }
}

TEST(CompilerTest, RefusesALoopElementUsedOutsideItsPredicate)
{
    std::vector<Element> escaped;
    const Condition loop = allCards(first, [&](Element card) {
        escaped.push_back(card);
        return faceUp(card);
    });
    EXPECT_THROW(compile(rank(escaped.front()) == 3), RuleCompileError);
    EXPECT_THROW(compile(allCards(second, [&](Element) { return faceUp(escaped.front()); })), RuleCompileError);
    EXPECT_NO_THROW(compile(loop));
}

}  // namespace
}  // namespace velmora::rules
