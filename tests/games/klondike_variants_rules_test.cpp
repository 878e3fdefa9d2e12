// The Klondike-like games: their deals, building rules, movable groups,
// spaces, foundations and stock, on chosen boards. Their recorded wins are
// rows of tests/games/wins/klondike.tsv.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kStock = 0, kWaste = 1, kTableau = 2, kFoundation = 9;  // seven columns
constexpr int kSpades = 1, kClubs = 2, kDiamonds = 3, kHearts = 4;

// Every deal from 1 to 20: the stock face down, one card face up on the
// waste, the tableau piles with their counts and faces, empty foundations.
void expectDealtShape(const std::string& game, int columns, const std::function<int(int column)>& cardsIn,
                      const std::function<bool(int position, int count)>& faceUp)
{
    int tableauCards = 0;
    for (int column = 0; column < columns; ++column)
        tableauCards += cardsIn(column);
    for (GameNumber number = 1; number <= 20; ++number) {
        Engine engine;
        dealEmbeddedGame(engine, game, number);
        const auto& cards = engine.state().cards;
        ASSERT_EQ(engine.cardsOn(kStock).size(), static_cast<std::size_t>(52 - tableauCards - 1)) << game;
        for (auto card : engine.cardsOn(kStock))
            EXPECT_FALSE(cards[card].faceUp) << game << " deal " << number;
        ASSERT_EQ(engine.cardsOn(kWaste).size(), 1u) << game;
        EXPECT_TRUE(cards[engine.topCard(kWaste)].faceUp) << game;
        for (int column = 0; column < columns; ++column) {
            const auto& pile = engine.cardsOn(kTableau + column);
            const int count = cardsIn(column);
            ASSERT_EQ(pile.size(), static_cast<std::size_t>(count)) << game << " column " << column;
            for (int position = 0; position < count; ++position)
                EXPECT_EQ(cards[pile[position]].faceUp != 0, faceUp(position, count))
                    << game << " deal " << number << " column " << column << " position " << position;
        }
        for (int pile = kTableau + columns; pile < engine.definition().pileCount(); ++pile)
            EXPECT_TRUE(engine.cardsOn(pile).empty()) << game;
    }
}

TEST(KlondikeVariantsRules, DealTheirTableauShapes)
{
    const auto staircase = [](int column) { return column + 1; };
    const auto fourEach = [](int) { return 4; };
    const auto topUp = [](int position, int count) { return position == count - 1; };
    const auto allUp = [](int, int) { return true; };
    expectDealtShape("Thumb and Pouch", 7, staircase, topUp);
    expectDealtShape("Whitehead", 7, staircase, allUp);
    expectDealtShape("Big Forty", 10, fourEach, allUp);
    expectDealtShape("Athena", 7, fourEach, [](int position, int) { return position % 2 == 1; });
}

TEST(KlondikeVariantsRules, BigFortyFitsTenColumnsOfNormalCards)
{
    Engine engine;
    loadEmbeddedGame(engine, "Big Forty");
    const auto& piles = engine.definition().piles;
    EXPECT_EQ(engine.definition().largeCards, 0);
    // A 20-pixel card on a 240-pixel wide board spans 13.3 of its 160 units.
    for (int column = 0; column < 10; ++column) {
        EXPECT_GE(piles[kTableau + column].x, 7);
        EXPECT_LE(piles[kTableau + column].x, 153);
        if (column > 0) {
            EXPECT_GE(piles[kTableau + column].x - piles[kTableau + column - 1].x, 14);
        }
    }
}

// The stock turns one card at a time; once it is empty, games with redeals
// turn the waste back over as often as asked, and the next pass deals the
// cards in the order they lay on the waste.
TEST(KlondikeVariantsRules, StockTurnsOneCardAndRedealsAsTheGameAllows)
{
    const struct {
        const char* game;
        bool redeals;
    } games[] = {{"Thumb and Pouch", false}, {"Whitehead", false}, {"Big Forty", true}, {"Athena", true}};
    for (const auto& [game, redeals] : games) {
        Engine engine;
        dealEmbeddedGame(engine, game, 3);
        for (int pass = 0; pass < 3; ++pass) {
            while (!engine.cardsOn(kStock).empty()) {
                const std::size_t waste = engine.cardsOn(kWaste).size();
                const auto next = engine.topCard(kStock);
                ASSERT_TRUE(applyStep(engine, Step::tapOn(kStock), nullptr)) << game;
                ASSERT_EQ(engine.cardsOn(kWaste).size(), waste + 1) << game;
                EXPECT_EQ(engine.topCard(kWaste), next) << game;
                EXPECT_TRUE(engine.state().cards[next].faceUp) << game;
            }
            ASSERT_EQ(engine.canTap(kStock), redeals) << game << " pass " << pass;
            if (!redeals)
                break;
            const std::vector<std::uint16_t> waste = engine.cardsOn(kWaste);
            ASSERT_TRUE(applyStep(engine, Step::tapOn(kStock), nullptr)) << game;
            EXPECT_TRUE(engine.cardsOn(kWaste).empty()) << game;
            // The card that lay deepest on the waste is turned first.
            EXPECT_EQ(engine.topCard(kStock), waste.front()) << game;
            EXPECT_EQ(engine.cardsOn(kStock).front(), waste.back()) << game;
        }
    }
}

TEST(KlondikeVariantsRules, FoundationsBuildUpInSuitAndGiveBackAllButTheAce)
{
    Engine engine;
    dealEmbeddedGame(engine, "Thumb and Pouch", 2);
    const int ace = cardOf(engine, kSpades, 1), two = cardOf(engine, kSpades, 2);
    const int otherTwo = cardOf(engine, kClubs, 2), three = cardOf(engine, kHearts, 3);
    arrangeBoard(engine,
                 {{kTableau, {ace}}, {kTableau + 1, {two}}, {kTableau + 2, {three}}, {kTableau + 3, {otherTwo}}},
                 kStock);
    EXPECT_FALSE(engine.canDrop(two, kFoundation));
    ASSERT_TRUE(engine.moveCards(ace, kFoundation, nullptr));
    EXPECT_FALSE(engine.canPickUp(ace));
    EXPECT_FALSE(engine.canDrop(otherTwo, kFoundation));
    ASSERT_TRUE(engine.moveCards(two, kFoundation, nullptr));
    EXPECT_TRUE(engine.canPickUp(two));
    EXPECT_TRUE(engine.canDrop(two, kTableau + 2));
}

TEST(ThumbAndPouchRules, BuildsOnAnyOtherSuitAndAnythingFillsASpace)
{
    Engine engine;
    dealEmbeddedGame(engine, "Thumb and Pouch", 1);
    const int blackSeven = cardOf(engine, kSpades, 7), redSix = cardOf(engine, kHearts, 6);
    const int clubSix = cardOf(engine, kClubs, 6), spadeSix = cardOf(engine, kSpades, 6);
    const int nine = cardOf(engine, kHearts, 9), eight = cardOf(engine, kClubs, 8), seven = cardOf(engine, kHearts, 7);
    const int spadeNine = cardOf(engine, kSpades, 9);
    arrangeBoard(engine,
                 {{kTableau, {blackSeven}}, {kTableau + 1, {redSix}}, {kTableau + 2, {clubSix}},
                  {kTableau + 3, {spadeSix}}, {kTableau + 4, {nine, eight, seven}}, {kTableau + 5, {spadeNine}}},
                 kStock);
    EXPECT_TRUE(engine.canDrop(redSix, kTableau));
    EXPECT_TRUE(engine.canDrop(clubSix, kTableau));      // the same colour will do
    EXPECT_FALSE(engine.canDrop(spadeSix, kTableau));    // not the same suit
    EXPECT_FALSE(engine.canDrop(blackSeven, kTableau + 1));  // never upwards
    EXPECT_TRUE(engine.canPickUp(eight));                // with the Seven built on it
    EXPECT_TRUE(engine.canDrop(eight, kTableau + 5));
    EXPECT_TRUE(engine.canDrop(spadeSix, kTableau + 6));  // any card on a space
    EXPECT_TRUE(engine.canDrop(eight, kTableau + 6));
}

TEST(WhiteheadRules, BuildsInColourButMovesOnlyGroupsInSuit)
{
    Engine engine;
    dealEmbeddedGame(engine, "Whitehead", 1);
    const int redSeven = cardOf(engine, kHearts, 7), diamondSix = cardOf(engine, kDiamonds, 6);
    const int spadeSix = cardOf(engine, kSpades, 6), heartSix = cardOf(engine, kHearts, 6);
    const int heartFive = cardOf(engine, kHearts, 5), clubSix = cardOf(engine, kClubs, 6);
    const int spadeFive = cardOf(engine, kSpades, 5);
    arrangeBoard(engine,
                 {{kTableau, {redSeven}}, {kTableau + 1, {diamondSix}}, {kTableau + 2, {spadeSix}},
                  {kTableau + 3, {heartSix, heartFive}}, {kTableau + 4, {clubSix, spadeFive}}},
                 kStock);
    EXPECT_TRUE(engine.canDrop(diamondSix, kTableau));  // red on red
    EXPECT_FALSE(engine.canDrop(spadeSix, kTableau));   // black on red
    EXPECT_TRUE(engine.canPickUp(heartSix));            // a group in suit moves whole
    EXPECT_TRUE(engine.canDrop(heartSix, kTableau));
    EXPECT_FALSE(engine.canPickUp(clubSix));  // built in colour but not in suit
    EXPECT_TRUE(engine.canPickUp(spadeFive));
    EXPECT_TRUE(engine.canDrop(spadeFive, kTableau + 5));  // any card on a space
}

TEST(BigFortyRules, BuildsAndMovesGroupsInSuit)
{
    Engine engine;
    dealEmbeddedGame(engine, "Big Forty", 1);
    const int spadeEight = cardOf(engine, kSpades, 8), spadeSeven = cardOf(engine, kSpades, 7);
    const int spadeSix = cardOf(engine, kSpades, 6), clubSeven = cardOf(engine, kClubs, 7);
    const int heartSeven = cardOf(engine, kHearts, 7), diamondFive = cardOf(engine, kDiamonds, 5);
    arrangeBoard(engine,
                 {{kTableau, {spadeEight}}, {kTableau + 1, {spadeSeven, spadeSix}}, {kTableau + 2, {clubSeven}},
                  {kTableau + 3, {heartSeven, diamondFive}}},
                 kStock);
    EXPECT_TRUE(engine.canPickUp(spadeSeven));
    EXPECT_TRUE(engine.canDrop(spadeSeven, kTableau));
    EXPECT_FALSE(engine.canDrop(clubSeven, kTableau));  // same colour, other suit
    EXPECT_FALSE(engine.canPickUp(heartSeven));         // the Five is not built on it
    EXPECT_TRUE(engine.canPickUp(diamondFive));
    EXPECT_TRUE(engine.canDrop(clubSeven, kTableau + 4));  // any card on a space
    EXPECT_FALSE(engine.canDrop(spadeSeven, 12));         // foundations take Aces first
}

TEST(AthenaRules, KlondikeBuildingOverItsStripedPiles)
{
    Engine engine;
    dealEmbeddedGame(engine, "Athena", 1);
    const int spadeSeven = cardOf(engine, kSpades, 7), clubSix = cardOf(engine, kClubs, 6);
    const int nine = cardOf(engine, kDiamonds, 9), king = cardOf(engine, kDiamonds, 13);
    const int queen = cardOf(engine, kSpades, 12), hidden = cardOf(engine, kHearts, 2);
    const int five = cardOf(engine, kSpades, 5), four = cardOf(engine, kClubs, 4);
    const int underAce = cardOf(engine, kClubs, 3), ace = cardOf(engine, kHearts, 1);
    // Once a face-down card between two face-up ones turns up, the face-up
    // cards of a pile need not form a sequence.
    arrangeBoard(engine,
                 {{kTableau, {spadeSeven}}, {kTableau + 1, {nine, clubSix}}, {kTableau + 2, {king}},
                  {kTableau + 3, {queen}}, {kTableau + 4, {hidden}, false}, {kTableau + 4, {five, four}},
                  {kTableau + 5, {underAce}, false}, {kTableau + 5, {ace}}},
                 kStock);
    EXPECT_TRUE(engine.canDrop(queen, kTableau + 2));
    EXPECT_FALSE(engine.canDrop(clubSix, kTableau));  // same colour
    EXPECT_TRUE(engine.canDrop(king, kTableau + 6));  // a King on a space
    EXPECT_FALSE(engine.canDrop(queen, kTableau + 6));
    EXPECT_FALSE(engine.canPickUp(five));  // the Four on it is black too
    EXPECT_FALSE(engine.canPickUp(nine));  // the Six is not one lower
    EXPECT_TRUE(engine.canPickUp(four));
    ASSERT_TRUE(applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(ace), kFoundation), nullptr));
    EXPECT_TRUE(engine.state().cards[underAce].faceUp);
    ASSERT_TRUE(engine.undoStep());
    EXPECT_FALSE(engine.state().cards[underAce].faceUp);
    EXPECT_EQ(engine.topCard(kTableau + 5), ace);
}

}  // namespace
}  // namespace velmora
