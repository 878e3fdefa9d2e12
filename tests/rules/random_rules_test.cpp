// Thousands of random well-typed rules, each compiled and run in the rule
// machine on random cards, against the direct evaluator.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "differential.h"

namespace velmora::rules {
namespace {

using testing::agreesOnRandomCards;
using testing::RandomCards;

constexpr int kLargestDepth = 4;
constexpr int kMostNestedLoops = 2;

// Builds random rules of bounded depth from every construct. Loop
// predicates see their loop's elements (and those of enclosing loops).
class RuleGenerator {
public:
    RuleGenerator(std::mt19937& random, bool readsSecond) : random_(random), readsSecond_(readsSecond) {}

    Condition condition(int depth)
    {
        if (depth == 0)
            return leafCondition();
        switch (pick(9)) {
        case 0: return condition(depth - 1) && condition(depth - 1);
        case 1: return condition(depth - 1) || condition(depth - 1);
        case 2: return !condition(depth - 1);
        case 3: return ifThenElse(condition(depth - 1), condition(depth - 1), condition(depth - 1));
        case 4:
            if (openLoops_ < kMostNestedLoops)
                return loop(depth);
            [[fallthrough]];
        default: return comparison(value(depth - 1), value(depth - 1));
        }
    }

    Value value(int depth)
    {
        if (depth == 0 || pick(4) == 0)
            return leafValue();
        switch (pick(8)) {
        case 0: return value(depth - 1) + value(depth - 1);
        case 1: return value(depth - 1) - value(depth - 1);
        case 2: return value(depth - 1) * value(depth - 1);
        case 3: return value(depth - 1) / value(depth - 1);
        case 4: return abs(value(depth - 1));
        case 5: return -value(depth - 1);
        default: return ifThenElse(condition(depth - 1), value(depth - 1), value(depth - 1));
        }
    }

private:
    int pick(int choices) { return std::uniform_int_distribution(0, choices - 1)(random_); }

    Sequence sequence() { return readsSecond_ && pick(2) == 0 ? second : first; }

    Element element()
    {
        if (!inScope_.empty() && pick(2) == 0)
            return inScope_[static_cast<std::size_t>(pick(static_cast<int>(inScope_.size())))];
        const Sequence of = sequence();
        switch (pick(4)) {
        case 0: return bottom(of);
        case 1: return top(of);
        default: return at(of, pick(7));
        }
    }

    Value constant()
    {
        static const int corners[] = {-32768, -32767, -16384, -256, -255, -1, 255, 256, 4096, 16384, 32767};
        switch (pick(5)) {
        case 0: return corners[pick(static_cast<int>(std::size(corners)))];
        case 1: return std::uniform_int_distribution(-20, 20)(random_);
        default: return pick(16);
        }
    }

    Value leafValue()
    {
        switch (pick(6)) {
        case 0: return constant();
        case 1: return count(sequence());
        case 2: return suit(element());
        case 3: return colour(element());
        default: return rank(element());
        }
    }

    Condition leafCondition()
    {
        switch (pick(7)) {
        case 0: return pick(2) == 0 ? always() : never();
        case 1: return empty(sequence());
        case 2: return exists(element());
        case 3: return faceDown(element());
        case 4: return faceUp(element());
        default: return comparison(leafValue(), leafValue());
        }
    }

    Condition comparison(const Value& left, const Value& right)
    {
        switch (pick(6)) {
        case 0: return left == right;
        case 1: return left != right;
        case 2: return left < right;
        case 3: return left <= right;
        case 4: return left > right;
        default: return left >= right;
        }
    }

    Condition loop(int depth)
    {
        const Sequence over = sequence();
        ++openLoops_;
        const Condition made =
            pick(2) == 0 ? allAdjacent(over,
                                       [&](Element upper, Element lower) {
                                           inScope_.push_back(upper);
                                           inScope_.push_back(lower);
                                           const Condition predicate = condition(depth - 1);
                                           inScope_.pop_back();
                                           inScope_.pop_back();
                                           return predicate;
                                       })
                         : allCards(over, [&](Element card) {
                               inScope_.push_back(card);
                               const Condition predicate = condition(depth - 1);
                               inScope_.pop_back();
                               return predicate;
                           });
        --openLoops_;
        return made;
    }

    std::mt19937& random_;
    bool readsSecond_;
    std::vector<Element> inScope_;
    int openLoops_ = 0;
};

TEST(RandomRulesTest, CompiledRulesAgreeWithTheEvaluator)
{
    RandomCards cards(20240611);
    for (int rule = 0; rule < 4000; ++rule) {
        std::mt19937 shape(static_cast<unsigned>(rule));
        RuleGenerator generator(shape, rule % 4 != 0);  // every fourth rule reads only `first`
        const Condition made = generator.condition(1 + rule % kLargestDepth);
        ASSERT_TRUE(agreesOnRandomCards(made, cards, 25)) << "rule " << rule;
    }
}

}  // namespace
}  // namespace velmora::rules
