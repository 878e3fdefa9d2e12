// The direct evaluator on hand-picked cards: the meaning every compiled
// program is checked against, so it is checked by hand here.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "differential.h"

namespace velmora::rules {
namespace {

using testing::Cards;
using testing::kFaceDown;

class EvaluatorTest : public ::testing::Test {
protected:
    // first: 7 of suit 3, face-down card, ace of suit 1; second: king of suit 2.
    std::int16_t valueOf(const Value& value, bool withSecond = true)
    {
        const CardSequence secondView(second_);
        return evaluate(value, first_, withSecond ? &secondView : nullptr);
    }
    bool holds(const Condition& rule, bool withSecond = true)
    {
        const CardSequence secondView(second_);
        return evaluate(rule, first_, withSecond ? &secondView : nullptr);
    }

    Cards first_{{3, 7}, kFaceDown, {1, 1}, {0, 0}};
    Cards second_{{2, 13}, {0, 0}};
};

TEST_F(EvaluatorTest, ReadsCardsFaceDownCardsAndTheEnd)
{
    EXPECT_EQ(valueOf(suit(top(first))), 3);
    EXPECT_EQ(valueOf(rank(at(first, 1))), 15);
    EXPECT_EQ(valueOf(suit(at(first, 1))), 6);
    EXPECT_EQ(valueOf(rank(bottom(first))), 1);
    EXPECT_EQ(valueOf(rank(at(first, 3))), 0);  // beyond the end
    EXPECT_EQ(valueOf(suit(at(second, 200))), 0);
    EXPECT_EQ(valueOf(count(first)), 3);
    EXPECT_EQ(valueOf(count(second)), 1);
    EXPECT_TRUE(holds(faceDown(at(first, 1)) && faceUp(top(first)) && !faceUp(at(first, 3))));
    EXPECT_TRUE(holds(exists(bottom(second)) && !exists(at(second, 1)) && !empty(second)));
}

TEST_F(EvaluatorTest, ColourPairsTheSuits)
{
    EXPECT_EQ(valueOf(colour(top(first))), 1);     // suit 3
    EXPECT_EQ(valueOf(colour(bottom(first))), 0);  // suit 1
    EXPECT_EQ(valueOf(colour(top(second))), 0);    // suit 2
    EXPECT_EQ(valueOf(colour(at(first, 1))), 2);   // face down
    EXPECT_EQ(valueOf(colour(at(first, 9))), 0);   // beyond the end
}

TEST_F(EvaluatorTest, ArithmeticWrapsAndDivisionByZeroGivesZero)
{
    EXPECT_EQ(valueOf(Value(32767) + 1), -32768);
    EXPECT_EQ(valueOf(Value(-32768) / -1), -32768);
    EXPECT_EQ(valueOf(abs(-32768)), -32768);
    EXPECT_EQ(valueOf(Value(256) * 256), 0);
    EXPECT_EQ(valueOf(Value(-7) / 2), -3);
    EXPECT_EQ(valueOf(rank(top(first)) / (count(second) - 1)), 0);
    EXPECT_EQ(valueOf(ifThenElse(empty(second), 5, -rank(top(second)))), -13);
    EXPECT_THROW(Value(40000), std::out_of_range);
    EXPECT_THROW(at(first, 256), std::out_of_range);
}

TEST_F(EvaluatorTest, LoopsCoverEveryPairOrCard)
{
    const Condition descending = allAdjacent(first, [](Element upper, Element lower) {
        return rank(upper) > rank(lower);
    });
    EXPECT_FALSE(holds(descending));  // 7 above the face-down card's 15
    const Condition descendingFaceUp = allAdjacent(first, [](Element upper, Element lower) {
        return rank(upper) > rank(lower) || faceDown(upper) || faceDown(lower);
    });
    EXPECT_TRUE(holds(descendingFaceUp));
    EXPECT_TRUE(holds(allAdjacent(first, [](Element upper, Element) { return !faceDown(upper) || rank(upper) == 15; })));
    EXPECT_TRUE(holds(allAdjacent(second, [](Element, Element) { return never(); })));  // one card: no pair
    EXPECT_TRUE(holds(allCards(first, [](Element card) { return exists(card); })));
    EXPECT_FALSE(holds(allCards(first, [](Element card) { return faceUp(card); })));
    const Condition everyPair = allAdjacent(first, [](Element upper, Element lower) {
        return rank(upper) != rank(lower);
    });
    EXPECT_TRUE(holds(everyPair));
}

TEST_F(EvaluatorTest, RefusesWhatTheMachineCannotRun)
{
    EXPECT_TRUE(readsSecond(empty(second)));
    EXPECT_TRUE(readsSecond(allCards(first, [](Element card) { return rank(card) < count(second); })));
    EXPECT_FALSE(readsSecond(allAdjacent(first, [](Element a, Element b) { return rank(a) < rank(b); })));
    EXPECT_THROW(holds(empty(second), false), std::invalid_argument);
    EXPECT_TRUE(holds(!empty(first) || empty(second), false));  // the second part is never reached
    std::vector<Element> escaped;
    (void)allCards(first, [&](Element card) {
        escaped.push_back(card);
        return always();
    });
    EXPECT_THROW(holds(faceUp(escaped.front())), std::invalid_argument);
}

}  // namespace
}  // namespace velmora::rules
