// Runs a compiled rule in the real rule machine and the same rule through
// the direct evaluator on random card sequences, and reports any case where
// they disagree or the machine faults.
#pragma once

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "rule_compiler.h"
#include "rule_evaluator.h"
#include "rule_machine.h"

namespace velmora::rules::testing {

using Cards = std::vector<SequenceElement>;

inline constexpr SequenceElement kFaceDown{kFaceDownSuit, kFaceDownRank};

// The two sequences a rule reads, without their closing pairs.
struct CardPair {
    Cards first;
    Cards second;
    bool hasSecond = true;
};

inline std::string describe(const CardPair& cards)
{
    auto list = [](const Cards& sequence) {
        std::string text;
        for (const SequenceElement& card : sequence)
            text += " " + std::to_string(card.suit) + "/" + std::to_string(card.rank);
        return text;
    };
    return "first:" + list(cards.first) + "  second:" + (cards.hasSecond ? list(cards.second) : " (none)");
}

class RandomCards {
public:
    explicit RandomCards(unsigned seed) : random_(seed) {}

    SequenceElement card(double faceDownShare = 0.2)
    {
        if (std::bernoulli_distribution(faceDownShare)(random_))
            return kFaceDown;
        return {std::uniform_int_distribution(1, 4)(random_), std::uniform_int_distribution(1, 13)(random_)};
    }

    Cards cards(int maxLength)
    {
        // Short sequences are where the edge cases are, so they come often.
        const int length = std::bernoulli_distribution(0.4)(random_)
                               ? std::uniform_int_distribution(0, 3)(random_)
                               : std::uniform_int_distribution(0, maxLength)(random_);
        const double faceDownShare = std::uniform_real_distribution(0.0, 0.5)(random_);
        Cards result(static_cast<std::size_t>(length));
        for (SequenceElement& element : result)
            element = card(faceDownShare);
        return result;
    }

    // A pair; without a second sequence now and then when the rule allows it.
    CardPair pair(bool needsSecond, int maxLength = 30)
    {
        CardPair result{cards(maxLength), cards(maxLength), true};
        if (!needsSecond && std::bernoulli_distribution(0.3)(random_)) {
            result.second.clear();
            result.hasSecond = false;
        }
        return result;
    }

    std::mt19937& engine() { return random_; }

private:
    std::mt19937 random_;
};

// The machine's verdict on the cards; a fault fails the test.
inline bool machineHolds(RuleMachine& machine, const std::string& program, const CardPair& cards)
{
    Cards first = cards.first;
    Cards second = cards.second;
    first.push_back({0, 0});
    second.push_back({0, 0});
    const CardSequence secondView(second);
    const RuleOutcome outcome = machine.run(program, first, cards.hasSecond ? &secondView : nullptr);
    EXPECT_EQ(outcome.fault, RuleFault::none) << describe(cards);
    return outcome.holds;
}

inline bool evaluatorHolds(const Condition& rule, const CardPair& cards)
{
    Cards first = cards.first;
    Cards second = cards.second;
    first.push_back({0, 0});
    second.push_back({0, 0});
    const CardSequence secondView(second);
    return evaluate(rule, first, cards.hasSecond ? &secondView : nullptr);
}

// Compiles the rule and compares machine and evaluator on `trials` random
// pairs of sequences.
inline ::testing::AssertionResult agreesOnRandomCards(const Condition& rule, RandomCards& random,
                                                      int trials = 200, int maxLength = 30)
{
    const std::string program = compile(rule);
    const bool needsSecond = readsSecond(rule);
    RuleMachine machine;
    for (int trial = 0; trial < trials; ++trial) {
        const CardPair cards = random.pair(needsSecond, maxLength);
        const bool expected = evaluatorHolds(rule, cards);
        if (machineHolds(machine, program, cards) != expected)
            return ::testing::AssertionFailure()
                   << "evaluator says " << (expected ? "holds" : "fails") << " but the machine disagrees on "
                   << describe(cards);
    }
    return ::testing::AssertionSuccess();
}

}  // namespace velmora::rules::testing
