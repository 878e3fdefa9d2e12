#include <cstring>

#include <gtest/gtest.h>

#include "deal_order.h"
#include "engine_fixture.h"

namespace velmora {
namespace {

using testing::dealGame;
using testing::klondikeDefinition;

TEST(DealOrder, HashAndFirstProbesForGameOne)
{
    const std::uint32_t expected[] = {336, 361, 376, 407, 354, 380};
    const std::uint32_t probes[] = {24, 49, 12, 43, 42, 16};
    for (std::uint32_t k = 0; k < 6; ++k) {
        EXPECT_EQ(dealHash(1, k), expected[k]) << "k = " << k;
        EXPECT_EQ(dealHash(1, k) % 52, probes[k]) << "k = " << k;
    }
}

TEST(DealOrder, ProbeStepIsAPrimeThatDoesNotDivideTheCardCount)
{
    EXPECT_EQ(dealProbeStep(52), 7);
    EXPECT_EQ(dealProbeStep(28), 11);
    EXPECT_EQ(dealProbeStep(154), 13);
    EXPECT_EQ(dealProbeStep(7 * 11 * 13), 17);
    EXPECT_EQ(dealProbeStep(7 * 11 * 13 * 17), 1);
}

TEST(DealOrder, HashWrapsAroundAtThirtyTwoBits)
{
    // g + 1000 wraps to 0 for this g, so every term is 0 for k = 0; for
    // k = 1, d = 1 and e = 3.
    EXPECT_EQ(dealHash(0xFFFFFC18u, 0), 0u);
    EXPECT_EQ(dealHash(0xFFFFFC18u, 1), 3u + 5u * 2u + 12u);
}

TEST(KlondikeDeal, GameOneDealsTheKnownFirstTenCardsOntoTheStock)
{
    Engine engine;
    dealGame(engine, klondikeDefinition(), 1);
    const int expected[] = {24, 49, 12, 43, 42, 16, 44, 0, 41, 47};
    for (int position = 0; position < 10; ++position)
        EXPECT_EQ(engine.cardAt(testing::kStock, position), expected[position]) << position;
    testing::expectConsistent(engine);
}

TEST(KlondikeDeal, LayoutFlagsAndEmptyHistory)
{
    Engine engine;
    dealGame(engine, klondikeDefinition(), 4711);
    const GameState& s = engine.state();
    EXPECT_EQ(s.piles[testing::kStock].count, 21);
    EXPECT_EQ(s.piles[testing::kWaste].count, 3);
    for (int k = 0; k < 7; ++k) {
        const int pile = testing::kFirstTableau + k;
        ASSERT_EQ(s.piles[pile].count, k + 1);
        for (int position = 0; position <= k; ++position) {
            const Card& card = s.cards[engine.cardAt(pile, position)];
            EXPECT_EQ(card.faceUp, position == k ? 1 : 0) << "pile " << pile << " position " << position;
            EXPECT_EQ(card.open, position == k ? 1 : 0);
            EXPECT_EQ(card.movable, 1);
        }
    }
    for (std::uint16_t card : engine.cardsOn(testing::kStock))
        EXPECT_EQ(s.cards[card].faceUp, 0);
    for (std::uint16_t card : engine.cardsOn(testing::kWaste))
        EXPECT_EQ(s.cards[card].faceUp, 1);
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(s.piles[testing::kFirstFoundation + f].displayValue, 1u);
        EXPECT_EQ(s.piles[testing::kFirstFoundation + f].displayValue2, 0u);
    }
    EXPECT_TRUE(s.history.empty());
    EXPECT_FALSE(engine.undoStep());
    testing::expectConsistent(engine);
}

TEST(KlondikeDeal, SameNumberSameDealOtherNumberOtherDeal)
{
    Engine a;
    Engine b;
    dealGame(a, klondikeDefinition(), 99);
    dealGame(b, klondikeDefinition(), 99);
    EXPECT_EQ(0, std::memcmp(a.state().cards.data(), b.state().cards.data(), 52 * sizeof(Card)));
    dealGame(b, klondikeDefinition(), 100);
    EXPECT_NE(0, std::memcmp(a.state().cards.data(), b.state().cards.data(), 52 * sizeof(Card)));
}

TEST(KlondikeDeal, ChosenNumberComesFromTheTickCountAndIsHandedBack)
{
    Engine first({}, [] { return 123456u; });
    Engine second({}, [] { return 123456u; });
    testing::loadDefinition(first, klondikeDefinition());
    testing::loadDefinition(second, klondikeDefinition());
    GameNumber a = 0;
    GameNumber b = 0;
    ASSERT_TRUE(first.newDeal(a));
    ASSERT_TRUE(second.newDeal(b));
    EXPECT_NE(a, 0u);
    EXPECT_EQ(a, b);

    // Dealing the handed-back number again gives the same layout (Restart).
    GameNumber again = a;
    const std::vector<Card> before = first.state().cards;
    ASSERT_TRUE(first.newDeal(again));
    EXPECT_EQ(again, a);
    EXPECT_EQ(0, std::memcmp(before.data(), first.state().cards.data(), 52 * sizeof(Card)));
}

TEST(Deal, NothingIsDealtWithoutADefinition)
{
    Engine engine;
    GameNumber number = 5;
    EXPECT_FALSE(engine.newDeal(number));
    EXPECT_FALSE(engine.hasGame());
    EXPECT_FALSE(engine.findMove(0).has_value());
    EXPECT_FALSE(engine.tapPile(0, nullptr));
}

TEST(Deal, APileWithoutCardsAtTheStartIsSkipped)
{
    GameDefinition d = klondikeDefinition();
    d.piles[testing::kStock].dealCount = 0;
    d.piles[testing::kWaste].dealCount = 24;
    Engine engine;
    dealGame(engine, d, 1);
    EXPECT_EQ(engine.state().piles[testing::kStock].count, 0);
    EXPECT_EQ(engine.cardAt(testing::kWaste, 0), 24);
    EXPECT_EQ(engine.cardAt(testing::kWaste, 1), 49);
}

TEST(Deal, PlacementsSwapCardsAndTakeTheFaceOfTheirNewPile)
{
    GameDefinition d = klondikeDefinition();
    Engine plain;
    dealGame(plain, d, 1);
    const std::uint16_t stockBottom = plain.cardAt(testing::kStock, 0);
    const std::uint16_t firstTableau = plain.cardAt(testing::kFirstTableau, 0);

    // Put the stock's bottom card onto the first tableau pile; a placement
    // beyond a pile's cards and one naming the card already there do nothing.
    d.placements.push_back({testing::kFirstTableau, stockBottom, 0});
    d.placements.push_back({testing::kFirstTableau, 3, 5});
    d.placements.push_back({testing::kStock, plain.cardAt(testing::kStock, 4), 4});
    Engine placed;
    dealGame(placed, d, 1);
    EXPECT_EQ(placed.cardAt(testing::kFirstTableau, 0), stockBottom);
    EXPECT_EQ(placed.cardAt(testing::kStock, 0), firstTableau);
    EXPECT_EQ(placed.state().cards[stockBottom].faceUp, 1);
    EXPECT_EQ(placed.state().cards[firstTableau].faceUp, 0);
    EXPECT_EQ(placed.state().piles[testing::kFirstTableau].count, 1);
    testing::expectConsistent(placed);
}

TEST(Deal, ADeckSmallerThanTheProbeStepDealsEveryCard)
{
    // Four cards: the probe step 7 is larger than the deck.
    GameDefinition d = klondikeDefinition();
    d.cards.resize(4);
    for (PileDefinition& pile : d.piles)
        pile.dealCount = 0;
    d.piles[testing::kFirstTableau].dealCount = 4;
    Engine engine;
    dealGame(engine, d, 3);
    EXPECT_EQ(engine.state().piles[testing::kFirstTableau].count, 4);
    testing::expectConsistent(engine);
}

TEST(Deal, FaceTogglesLocksAndOpenFlagLists)
{
    GameDefinition d = klondikeDefinition();
    d.faceToggles.push_back({testing::kWaste, 2});  // a face-up pile: turned down
    d.locks.push_back({testing::kFirstTableau, 0});
    d.piles[testing::kStock].fixedOpen = 1;         // keeps the flag the list sets
    d.openFlags.push_back({testing::kStock, 3});
    d.openFlags.push_back({testing::kWaste, 0});    // recomputed: not the top card
    Engine engine;
    dealGame(engine, d, 8);
    const GameState& s = engine.state();
    EXPECT_EQ(s.cards[engine.cardAt(testing::kWaste, 2)].faceUp, 0);
    EXPECT_EQ(s.cards[engine.cardAt(testing::kFirstTableau, 0)].movable, 0);
    EXPECT_EQ(s.cards[engine.cardAt(testing::kStock, 3)].open, 1);
    EXPECT_EQ(s.cards[engine.cardAt(testing::kStock, 20)].open, 0);
    EXPECT_EQ(s.cards[engine.cardAt(testing::kWaste, 0)].open, 0);
    EXPECT_EQ(s.cards[engine.cardAt(testing::kWaste, 2)].open, 1);
}

}  // namespace
}  // namespace velmora
