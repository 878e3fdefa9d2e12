// Klondike's key rules on chosen boards.
#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"
#include "recorded_wins.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kStock = 0, kWaste = 1, kTableau = 2, kFoundation = 9;

TEST(KlondikeRules, BuildsDownInAlternateColoursAndOnlyKingsFillSpaces)
{
    Engine engine;
    dealEmbeddedGame(engine, "Klondike", 1);
    const int redSix = cardOf(engine, 3, 6), blackSeven = cardOf(engine, 1, 7);
    const int blackSix = cardOf(engine, 2, 6), king = cardOf(engine, 4, 13), queen = cardOf(engine, 1, 12);
    arrangeBoard(engine,
                 {{kTableau, {blackSeven}}, {kTableau + 1, {redSix}}, {kTableau + 2, {blackSix}},
                  {kTableau + 3, {king}}, {kTableau + 4, {queen}}},
                 kStock);
    EXPECT_TRUE(engine.canDrop(redSix, kTableau));
    EXPECT_FALSE(engine.canDrop(blackSix, kTableau));         // same colour
    EXPECT_FALSE(engine.canDrop(blackSeven, kTableau + 1));   // upwards
    EXPECT_TRUE(engine.canDrop(king, kTableau + 5));          // a King on a space
    EXPECT_FALSE(engine.canDrop(queen, kTableau + 5));        // nothing else
    EXPECT_FALSE(engine.canDrop(redSix, kFoundation));        // not an Ace
    EXPECT_FALSE(engine.canDrop(redSix, kWaste));             // the waste takes nothing
}

TEST(KlondikeRules, FoundationsBuildUpInSuitFromTheAce)
{
    Engine engine;
    dealEmbeddedGame(engine, "Klondike", 2);
    const int ace = cardOf(engine, 1, 1), two = cardOf(engine, 1, 2), otherTwo = cardOf(engine, 2, 2);
    arrangeBoard(engine, {{kTableau, {ace}}, {kTableau + 1, {two}}, {kTableau + 2, {otherTwo}}}, kStock);
    EXPECT_FALSE(engine.canDrop(two, kFoundation));
    ASSERT_TRUE(engine.moveCards(ace, kFoundation, nullptr));
    EXPECT_TRUE(engine.canDrop(two, kFoundation));
    EXPECT_FALSE(engine.canDrop(otherTwo, kFoundation));
    EXPECT_FALSE(engine.canPickUp(ace));  // an Ace never leaves its foundation
}

// The waste's and the foundations' pick-up programs accept any group; the
// player can still take only their top cards, which are all the field draws.
TEST(KlondikeRules, OnlyTheTopCardOfTheWasteOrAFoundationMoves)
{
    Engine engine;
    dealEmbeddedGame(engine, "Klondike", 1);
    const int redTwo = cardOf(engine, 3, 2), blackFive = cardOf(engine, 1, 5), redNine = cardOf(engine, 4, 9);
    const int blackThree = cardOf(engine, 2, 3), blackTen = cardOf(engine, 1, 10);
    const int ace = cardOf(engine, 1, 1), two = cardOf(engine, 1, 2), three = cardOf(engine, 1, 3);
    const int redThree = cardOf(engine, 3, 3), redFour = cardOf(engine, 4, 4);
    arrangeBoard(engine,
                 {{kWaste, {redTwo, blackFive, redNine}},
                  {kFoundation, {ace, two, three}},
                  {kTableau, {blackThree}},
                  {kTableau + 1, {redThree}},
                  {kTableau + 2, {redFour}},
                  {kTableau + 3, {blackTen}}},
                 kStock);
    const auto step = [](int card, int pile) {
        return Step::moveOnto(static_cast<std::uint16_t>(card), static_cast<std::uint16_t>(pile));
    };
    EXPECT_FALSE(applyStep(engine, step(redTwo, kTableau), nullptr));   // under two waste cards
    EXPECT_FALSE(applyStep(engine, step(two, kTableau + 1), nullptr));  // under the foundation's Three
    EXPECT_EQ(engine.cardsOn(kWaste).size(), 3u);
    EXPECT_EQ(engine.cardsOn(kFoundation).size(), 3u);
    EXPECT_TRUE(applyStep(engine, step(redNine, kTableau + 3), nullptr));
    EXPECT_TRUE(applyStep(engine, step(three, kTableau + 2), nullptr));
}

TEST(KlondikeRules, RecordedWinReplays)
{
    // Found by the solver; replayed step by step from a fresh deal.
    expectRecordedWin("Klondike", 2, kKlondikeDeal2Win);
}

}  // namespace
}  // namespace velmora
