// The Klondike record's programs, run on hand-built sequences and compared
// with what each program is meant to decide, written directly in C++.
#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "klondike_record.h"
#include "rule_machine.h"

namespace velmora {
namespace {

using testing::kKlondikePrograms;
using testing::program;
using Cards = std::vector<SequenceElement>;

constexpr SequenceElement kFaceDown{kFaceDownSuit, kFaceDownRank};
constexpr int kKing = 13;

bool faceUp(const SequenceElement& card) { return card.suit != kFaceDownSuit; }
int colour(const SequenceElement& card) { return (card.suit - 1) / 2; }

// Program numbers in the record.
enum KlondikeProgram {
    tableauPickUp = 2,
    tableauAccept = 3,
    foundationPickUp = 4,
    foundationAccept = 5,
    topFaceDown = 7,
    notEmpty = 8,
};

// Direct statements of the programs' meanings. Sequences are top card first.
bool tableauPickUpHolds(const Cards& group, const Cards&) { return faceUp(group.back()); }

bool tableauAcceptHolds(const Cards& group, const Cards& destination)
{
    const SequenceElement& moved = group.back();
    if (destination.empty())
        return moved.rank == kKing;
    const SequenceElement& target = destination.front();
    return moved.rank == target.rank - 1 && colour(moved) != colour(target);
}

bool foundationPickUpHolds(const Cards&, const Cards& below) { return !below.empty(); }

bool foundationAcceptHolds(const Cards& group, const Cards& foundation)
{
    if (group.size() != 1)
        return false;
    const SequenceElement& card = group.front();
    if (foundation.empty())
        return card.rank == 1;
    return card.rank == foundation.front().rank + 1 && card.suit == foundation.front().suit;
}

bool topFaceDownHolds(const Cards& cards, const Cards&) { return !cards.empty() && !faceUp(cards.front()); }

bool notEmptyHolds(const Cards& cards, const Cards&) { return !cards.empty(); }

class KlondikeProgramsTest : public ::testing::Test {
protected:
    bool holds(int number, Cards first, Cards second)
    {
        first.push_back({0, 0});
        second.push_back({0, 0});
        const std::string bytes = program(kKlondikePrograms[number]);
        const CardSequence secondView(second);
        const RuleOutcome outcome = machine_.run(bytes, first, &secondView);
        EXPECT_EQ(outcome.fault, RuleFault::none) << "program " << number;
        return outcome.holds;
    }

    SequenceElement randomCard(double faceDownShare = 0.2)
    {
        if (std::bernoulli_distribution(faceDownShare)(random_))
            return kFaceDown;
        return {std::uniform_int_distribution(1, 4)(random_), std::uniform_int_distribution(1, 13)(random_)};
    }

    Cards randomCards(int maxLength, double faceDownShare = 0.2)
    {
        Cards cards(static_cast<std::size_t>(std::uniform_int_distribution(0, maxLength)(random_)));
        for (SequenceElement& card : cards)
            card = randomCard(faceDownShare);
        return cards;
    }

    // Every card of the deck and the face-down card.
    static Cards everyCard()
    {
        Cards cards{kFaceDown};
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 1; rank <= 13; ++rank)
                cards.push_back({suit, rank});
        return cards;
    }

    RuleMachine machine_;
    std::mt19937 random_{20240611};
};

std::string describe(const Cards& first, const Cards& second)
{
    std::string text = "seq1:";
    for (const SequenceElement& card : first)
        text += " " + std::to_string(card.suit) + "/" + std::to_string(card.rank);
    text += "  seq2:";
    for (const SequenceElement& card : second)
        text += " " + std::to_string(card.suit) + "/" + std::to_string(card.rank);
    return text;
}

TEST_F(KlondikeProgramsTest, HaveTheirRecordedLengths)
{
    const std::vector<std::pair<int, std::size_t>> lengths{
        {tableauPickUp, 80}, {tableauAccept, 200}, {foundationPickUp, 47},
        {foundationAccept, 220}, {topFaceDown, 44}, {notEmpty, 12}};
    for (const auto& [number, length] : lengths)
        EXPECT_EQ(program(kKlondikePrograms[number]).size(), length + 1) << "program " << number;
}

TEST_F(KlondikeProgramsTest, TableauPickUpNeedsTheGrabbedCardFaceUp)
{
    const Cards cards = everyCard();
    for (const SequenceElement& picked : cards) {
        EXPECT_EQ(holds(tableauPickUp, {picked}, {}), faceUp(picked));
        for (int trial = 0; trial < 20; ++trial) {
            Cards group = randomCards(12);
            group.push_back(picked);
            const Cards below = randomCards(8);
            ASSERT_EQ(holds(tableauPickUp, group, below), tableauPickUpHolds(group, below))
                << describe(group, below);
        }
    }
}

// Every moved bottom card against every destination top card (or none), with
// random cards above the moved one and under the destination's top.
TEST_F(KlondikeProgramsTest, TableauAcceptBuildsDownInAlternateColours)
{
    const Cards cards = everyCard();
    for (const SequenceElement& moved : cards) {
        for (std::size_t t = 0; t <= cards.size(); ++t) {
            for (int trial = 0; trial < 3; ++trial) {
                Cards group = randomCards(6);
                group.push_back(moved);
                Cards destination;
                if (t < cards.size()) {
                    destination = randomCards(8);
                    destination.insert(destination.begin(), cards[t]);
                }
                ASSERT_EQ(holds(tableauAccept, group, destination), tableauAcceptHolds(group, destination))
                    << describe(group, destination);
            }
        }
    }
}

TEST_F(KlondikeProgramsTest, FoundationPickUpNeedsACardBelow)
{
    for (int trial = 0; trial < 2000; ++trial) {
        Cards group = randomCards(4);
        group.push_back(randomCard());
        const Cards below = randomCards(6);
        ASSERT_EQ(holds(foundationPickUp, group, below), foundationPickUpHolds(group, below))
            << describe(group, below);
    }
}

TEST_F(KlondikeProgramsTest, FoundationAcceptBuildsUpOneCardInSuit)
{
    const Cards cards = everyCard();
    for (const SequenceElement& moved : cards) {
        for (std::size_t t = 0; t <= cards.size(); ++t) {
            for (int extra = 0; extra < 3; ++extra) {
                Cards group = randomCards(0);
                for (int k = 0; k < extra; ++k)
                    group.push_back(randomCard());
                group.push_back(moved);
                Cards foundation;
                if (t < cards.size()) {
                    foundation = randomCards(5);
                    foundation.insert(foundation.begin(), cards[t]);
                }
                ASSERT_EQ(holds(foundationAccept, group, foundation),
                          foundationAcceptHolds(group, foundation))
                    << describe(group, foundation);
            }
        }
    }
}

TEST_F(KlondikeProgramsTest, ConditionsOnTheTopCardAndEmptiness)
{
    EXPECT_TRUE(holds(topFaceDown, {kFaceDown}, {}));
    EXPECT_FALSE(holds(topFaceDown, {}, {}));
    EXPECT_TRUE(holds(notEmpty, {kFaceDown}, {}));
    EXPECT_FALSE(holds(notEmpty, {}, {}));
    for (int trial = 0; trial < 2000; ++trial) {
        const Cards cards = randomCards(10, 0.5);
        const Cards other = randomCards(3);
        ASSERT_EQ(holds(topFaceDown, cards, other), topFaceDownHolds(cards, other)) << describe(cards, other);
        ASSERT_EQ(holds(notEmpty, cards, other), notEmptyHolds(cards, other)) << describe(cards, other);
    }
}

}  // namespace
}  // namespace velmora
