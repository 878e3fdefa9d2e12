// The Klondike-like games: their deals, building rules, movable groups,
// spaces, foundations and stock, on chosen boards; and a recorded win of each.
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

struct RecordedWin {
    const char* game;
    GameNumber number;
    const char* steps;
};

const RecordedWin kWins[] = {
    {"Thumb and Pouch", 1,
     "m 31 5;m 48 3;t 0;m 48 2;t 0;m 39 9;m 48 3;t 0;t 0;m 48 2;t 0;m 4 5;m 48 3;m 22 2;t 0;t 0;t 0;"
     "t 0;t 0;m 40 9;t 0;t 0;m 17 4;t 0;t 0;m 47 2;t 0;m 41 9;t 0;m 0 12;t 0;t 0;m 16 5;t 0;m 42 9;"
     "t 0;m 43 9;m 44 9;t 0;t 0;t 0;m 24 7;m 36 7;m 23 2;m 34 2;m 6 3;m 7 7;m 13 11;m 14 11;m 15 11;"
     "m 16 11;m 17 11;m 21 6;m 7 6;m 17 4;m 16 3;m 28 3;m 11 5;m 1 12;m 29 4;m 36 5;m 4 8;m 17 3;"
     "m 36 7;m 23 5;m 5 2;m 32 6;m 18 6;m 38 8;m 26 10;m 2 12;m 21 7;m 17 2;m 7 8;m 47 6;m 17 3;m 7 5;"
     "m 34 8;m 6 4;m 35 3;m 36 7;m 34 5;m 33 6;m 9 4;m 30 2;m 47 7;m 36 8;m 24 6;m 50 8;m 51 7;m 47 4;"
     "m 36 8;m 34 8;m 33 6;m 36 7;m 33 3;m 23 8;m 8 8;m 28 6;m 16 11;m 36 5;m 33 8;m 7 4;m 36 7;"
     "m 23 5;m 36 8;m 33 3;m 7 8;m 29 8;m 17 11;m 36 7;m 33 5;m 23 8;m 36 5;m 33 4;m 7 3;m 36 7;"
     "m 23 5;m 4 4;m 18 11;m 36 8;m 33 5;m 7 8;m 5 8;m 23 2;m 49 7;m 35 7;m 51 3;m 12 7;m 19 11;"
     "m 50 7;m 49 5;m 36 3;m 33 5;m 24 8;m 36 7;m 33 4;m 10 8;m 46 5;m 3 12;m 48 8;m 35 2;m 33 8;"
     "m 32 2;m 35 5;m 48 2;m 35 8;m 33 4;m 37 3;m 27 10;m 45 9;m 28 10;m 29 10;m 30 10;m 20 11;m 4 12;"
     "m 31 10;m 5 12;m 32 10;m 46 9;m 21 11;m 6 12;m 33 10;m 47 9;m 7 12;m 34 10;m 35 10;m 22 11;"
     "m 36 10;m 37 10;m 8 12;m 48 9;m 49 9;m 50 9;m 51 9;m 23 11;m 9 12;m 10 12;m 24 11;m 38 10;"
     "m 11 12;m 25 11;m 12 12"},
    {"Whitehead", 1,
     "m 48 2;m 14 6;m 7 8;m 13 12;m 14 12;m 15 12;m 9 3;t 0;t 0;m 39 11;m 30 7;t 0;t 0;t 0;t 0;t 0;"
     "t 0;t 0;t 0;m 40 11;m 5 8;m 31 4;t 0;t 0;m 17 8;t 0;t 0;m 47 2;t 0;m 41 11;m 33 2;m 32 4;t 0;"
     "m 0 10;m 32 2;m 33 4;t 0;t 0;m 16 12;m 17 12;m 33 2;m 32 4;t 0;m 42 11;m 32 2;m 33 4;t 0;"
     "m 43 11;m 44 11;m 33 2;m 32 4;t 0;t 0;m 32 2;m 7 4;m 21 3;m 7 3;m 28 4;m 11 5;m 1 10;m 29 2;"
     "m 18 12;m 33 8;m 28 8;m 48 4;m 33 4;m 38 8;m 26 9;m 2 10;m 35 2;m 36 7;m 38 2;m 36 8;m 50 6;"
     "m 33 7;m 49 6;m 50 2;m 48 2;m 12 4;m 19 12;m 50 6;m 33 6;m 36 7;m 33 8;m 50 2;m 33 2;m 12 8;"
     "m 10 5;m 46 4;m 3 10;m 32 4;m 11 8;m 37 6;m 27 9;m 28 9;m 29 9;m 30 9;m 31 9;m 32 9;m 33 9;"
     "m 4 10;m 5 10;m 6 10;m 7 10;m 49 6;m 36 2;m 49 7;m 36 6;m 22 8;m 45 11;m 46 11;m 47 11;m 48 11;"
     "m 49 11;m 50 11;m 20 12;m 21 12;m 22 12;m 37 7;m 51 11;m 8 10;m 9 10;m 23 12;m 34 9;m 35 9;"
     "m 36 9;m 37 9;m 38 9;m 10 10;m 11 10;m 12 10;m 25 8;t 0;m 24 12;m 25 12"},
    {"Big Forty", 2,
     "m 26 15;m 36 8;m 0 14;m 37 4;m 29 9;m 46 3;m 28 9;m 39 13;m 40 13;t 0;m 33 4;t 0;t 0;t 0;t 0;"
     "t 0;t 0;t 0;t 0;t 0;m 50 10;m 16 6;m 3 8;t 0;m 32 4;m 31 4;m 30 4;m 49 10;m 41 13;t 0;t 0;"
     "m 15 6;t 0;t 0;t 0;m 24 7;m 23 7;t 0;t 0;m 42 13;m 6 2;m 43 13;m 44 13;m 51 11;m 13 12;m 9 9;"
     "m 27 15;m 28 15;m 29 15;m 30 15;m 31 15;m 32 15;m 33 15;m 34 15;m 35 15;m 36 15;m 37 15;m 51 10;"
     "m 47 11;m 38 15;m 51 4;m 50 10;m 2 8;m 4 3;m 50 4;m 51 10;m 50 4;m 10 8;m 17 9;m 45 13;m 46 13;"
     "m 47 13;m 50 11;m 25 4;m 50 10;m 51 11;m 50 10;m 25 7;m 7 4;m 48 13;m 49 13;m 50 13;m 51 13;"
     "m 25 11;m 24 10;m 17 7;m 24 9;m 17 10;m 12 7;m 1 14;m 2 14;m 3 14;m 4 14;m 5 14;m 6 14;m 7 14;"
     "m 24 11;m 25 9;t 0;m 14 12;m 15 12;m 16 12;m 17 12;m 25 11;m 24 10;m 11 9;m 18 12;m 19 12;"
     "m 20 12;m 21 12;m 22 12;m 23 12;m 24 12;m 25 12;m 11 11;m 10 10;m 12 9;m 10 8;t 0;m 8 14;m 9 14;"
     "m 10 14;m 11 14;m 12 14"},
    {"Athena", 1,
     "m 13 12;m 14 12;m 50 3;m 15 12;m 33 8;m 48 2;m 23 3;m 34 5;m 9 2;m 21 3;m 1 8;t 0;m 20 2;t 0;"
     "m 39 9;t 0;t 0;t 0;t 0;t 0;t 0;m 3 5;m 28 5;m 36 8;m 51 2;m 11 6;m 38 8;m 26 11;m 2 7;m 21 6;"
     "m 11 2;m 33 4;m 8 3;m 6 3;m 33 6;m 11 8;t 0;m 33 3;t 0;m 40 9;m 33 6;m 11 2;t 0;m 33 3;t 0;t 0;"
     "t 0;t 0;m 41 9;m 33 6;m 11 8;t 0;m 0 10;m 1 10;m 2 10;m 33 3;m 11 2;t 0;t 0;m 16 12;m 33 6;"
     "m 11 8;m 44 6;m 33 3;t 0;m 42 9;m 33 6;m 11 2;t 0;m 43 9;m 44 9;m 33 3;m 11 8;t 0;m 33 6;t 0;"
     "t 0;m 24 2;t 0;t 0;m 45 9;m 36 2;m 33 3;t 0;m 36 8;t 0;m 33 6;m 36 2;t 0;m 27 11;m 28 11;"
     "m 29 11;m 3 10;m 30 11;m 4 10;m 51 5;m 38 2;m 51 8;m 25 5;m 5 10;m 6 10;m 7 10;m 8 10;m 18 3;"
     "m 31 11;m 51 7;m 38 8;t 0;t 0;m 46 9;m 51 4;m 38 7;m 51 8;m 38 4;m 51 2;m 36 4;m 51 7;t 0;t 0;"
     "m 17 12;m 18 12;m 32 11;m 33 11;m 51 8;m 38 7;m 51 4;m 38 8;m 51 3;t 0;m 19 12;m 20 12;m 34 11;"
     "m 21 12;m 35 11;m 9 10;m 36 11;m 10 10;m 37 11;m 22 12;m 11 10;m 38 11;m 51 8;m 25 7;m 51 6;"
     "m 25 8;m 51 7;m 25 6;m 51 5;t 0;m 47 9;m 48 9;m 23 12;m 24 12;m 25 8;m 51 7;m 25 5;m 51 8;"
     "m 25 7;t 0;m 12 10;m 25 6;m 51 7;m 25 8;m 51 6;m 25 5;m 51 4;m 25 3;m 51 5;t 0;m 49 9;m 50 9;"
     "m 51 9;m 25 12"},
};

TEST(KlondikeVariantsRules, RecordedWinsReplayFromAFreshDeal)
{
    for (const RecordedWin& win : kWins) {
        expectRecordedWin(win.game, win.number, win.steps);
    }
}

}  // namespace
}  // namespace velmora
