// Canfield, Superior Canfield and Rainbow: their deal, the base rank chosen
// by the deal, building, spaces, the stock, and a recorded win of each.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kStock = 0, kWaste = 1, kReserve = 2, kFoundation = 3, kTableau = 7;
constexpr int kSpade = 1, kClub = 2, kDiamond = 3, kHeart = 4;

int countOn(const Engine& engine, int pile) { return static_cast<int>(engine.cardsOn(pile).size()); }

bool faceUpAt(const Engine& engine, int pile, int position)
{
    const std::uint16_t card = engine.cardAt(pile, position);
    return card != kNone && engine.state().cards[card].faceUp != 0;
}

int baseRankOf(const Engine& engine)
{
    return engine.definition().cards[engine.topCard(kFoundation)].rank;
}

// Deals numbers from 1 on until the first foundation gets a card of `rank`.
void dealWithBaseRank(Engine& engine, const std::string& name, int rank)
{
    loadEmbeddedGame(engine, name);
    for (GameNumber number = 1; number < 1000; ++number) {
        GameNumber dealt = number;
        ASSERT_TRUE(engine.newDeal(dealt));
        engine.random().seed(dealt);
        engine.runDealEvents();
        if (baseRankOf(engine) == rank)
            return;
    }
    FAIL() << "no deal with base rank " << rank;
}

TEST(CanfieldRules, DealsReserveTableauAndTheBaseCard)
{
    for (const char* name : {"Canfield", "Superior Canfield", "Rainbow"}) {
        const bool reserveOnView = std::string(name) == "Superior Canfield";
        Engine engine;
        loadEmbeddedGame(engine, name);
        for (GameNumber number = 1; number <= 20; ++number) {
            SCOPED_TRACE(std::string(name) + " deal " + std::to_string(number));
            GameNumber dealt = number;
            ASSERT_TRUE(engine.newDeal(dealt));
            engine.runDealEvents();
            EXPECT_EQ(countOn(engine, kStock), 34);
            EXPECT_FALSE(faceUpAt(engine, kStock, 33));
            EXPECT_EQ(countOn(engine, kWaste), 0);
            ASSERT_EQ(countOn(engine, kReserve), 13);
            for (int position = 0; position < 13; ++position)
                EXPECT_EQ(faceUpAt(engine, kReserve, position), reserveOnView || position == 12);
            ASSERT_EQ(countOn(engine, kFoundation), 1);
            EXPECT_TRUE(faceUpAt(engine, kFoundation, 0));
            // Every foundation shows the base rank and got the rule chosen for it.
            const int base = baseRankOf(engine);
            EXPECT_NE(engine.state().piles[kFoundation].acceptProgram, 0);
            for (int f = kFoundation; f < kFoundation + 4; ++f) {
                EXPECT_EQ(engine.state().piles[f].displayValue, static_cast<std::uint32_t>(base));
                EXPECT_EQ(engine.state().piles[f].acceptProgram, engine.state().piles[kFoundation].acceptProgram);
                EXPECT_EQ(countOn(engine, f), f == kFoundation ? 1 : 0);
            }
            for (int t = kTableau; t < kTableau + 4; ++t) {
                ASSERT_EQ(countOn(engine, t), 1);
                EXPECT_TRUE(faceUpAt(engine, t, 0));
            }
        }
    }
}

TEST(CanfieldRules, FoundationsStartAtTheBaseRankAndTurnFromKingToAce)
{
    Engine engine;
    dealWithBaseRank(engine, "Canfield", 13);
    const int spadeKing = cardOf(engine, kSpade, 13), spadeAce = cardOf(engine, kSpade, 1);
    const int spadeTwo = cardOf(engine, kSpade, 2), heartKing = cardOf(engine, kHeart, 13);
    const int clubAce = cardOf(engine, kClub, 1), clubQueen = cardOf(engine, kClub, 12);
    arrangeBoard(engine,
                 {{kFoundation, {spadeKing}}, {kTableau, {spadeTwo}}, {kTableau + 1, {spadeAce}},
                  {kTableau + 2, {heartKing}}, {kTableau + 3, {clubAce, clubQueen}}},
                 kStock);
    EXPECT_FALSE(engine.canDrop(spadeTwo, kFoundation));
    EXPECT_TRUE(engine.canDrop(spadeAce, kFoundation));  // King to Ace
    EXPECT_TRUE(engine.canDrop(heartKing, kFoundation + 1));
    EXPECT_FALSE(engine.canDrop(clubQueen, kFoundation + 1));
    ASSERT_TRUE(engine.moveCards(spadeAce, kFoundation, nullptr));
    EXPECT_TRUE(engine.canDrop(spadeTwo, kFoundation));
    EXPECT_FALSE(engine.canPickUp(spadeAce));  // foundation cards stay
}

TEST(CanfieldRules, TableauBuildsDownByColourOrRegardlessTurningFromAceToKing)
{
    const int ace = 0, king = 1, queen = 2, redKing = 3, blackTwo = 4;
    for (const char* name : {"Canfield", "Rainbow"}) {
        SCOPED_TRACE(name);
        Engine engine;
        dealEmbeddedGame(engine, name, 3);
        const std::vector<int> card{cardOf(engine, kHeart, 1), cardOf(engine, kSpade, 13), cardOf(engine, kClub, 12),
                                    cardOf(engine, kDiamond, 13), cardOf(engine, kClub, 2)};
        arrangeBoard(engine,
                     {{kTableau, {card[ace]}}, {kTableau + 1, {card[king]}}, {kTableau + 2, {card[redKing]}},
                      {kTableau + 3, {card[blackTwo]}}, {kWaste, {card[queen]}}},
                     kStock);
        EXPECT_TRUE(engine.canDrop(card[king], kTableau));         // black King on red Ace
        EXPECT_EQ(engine.canDrop(card[redKing], kTableau), std::string(name) == "Rainbow");
        EXPECT_FALSE(engine.canDrop(card[blackTwo], kTableau));    // upwards
        EXPECT_FALSE(engine.canDrop(card[queen], kTableau));       // not one lower
        EXPECT_TRUE(engine.canDrop(card[queen], kTableau + 2));    // black Queen on red King
        EXPECT_FALSE(engine.canDrop(card[queen], kReserve));
    }
}

TEST(CanfieldRules, MovesTheTopCardOrAWholePileOnly)
{
    Engine engine;
    dealEmbeddedGame(engine, "Canfield", 4);
    const int nine = cardOf(engine, kSpade, 9), eight = cardOf(engine, kHeart, 8), seven = cardOf(engine, kClub, 7);
    const int ten = cardOf(engine, kDiamond, 10), redEight = cardOf(engine, kDiamond, 8);
    const int redNine = cardOf(engine, kHeart, 9);
    arrangeBoard(engine,
                 {{kTableau, {nine, eight, seven}}, {kTableau + 1, {ten}}, {kTableau + 2, {redEight}},
                  {kTableau + 3, {redNine}}, {kReserve, {cardOf(engine, kSpade, 5)}}},
                 kStock);
    EXPECT_TRUE(engine.canPickUp(seven));
    EXPECT_TRUE(engine.canPickUp(nine));
    EXPECT_FALSE(engine.canPickUp(eight));  // part of a pile
    EXPECT_TRUE(engine.canDrop(seven, kTableau + 2));
    EXPECT_TRUE(engine.canDrop(nine, kTableau + 1));
    EXPECT_FALSE(engine.canDrop(nine, kTableau + 3));
}

TEST(CanfieldRules, ReserveFillsSpacesAtOnceAndUndoPutsItBack)
{
    Engine engine;
    dealEmbeddedGame(engine, "Canfield", 5);
    const int eight = cardOf(engine, kHeart, 8), nine = cardOf(engine, kSpade, 9);
    const int hidden = cardOf(engine, kClub, 3), showing = cardOf(engine, kClub, 4);
    arrangeBoard(engine,
                 {{kTableau, {eight}}, {kTableau + 1, {nine}}, {kTableau + 2, {cardOf(engine, kHeart, 13)}},
                  {kTableau + 3, {cardOf(engine, kSpade, 13)}}, {kReserve, {hidden}, false}, {kReserve, {showing}}},
                 kStock);
    ASSERT_TRUE(applyStep(engine, Step::moveOnto(eight, kTableau + 1), nullptr));
    ASSERT_EQ(engine.topCard(kTableau), showing);
    EXPECT_EQ(engine.topCard(kReserve), hidden);
    EXPECT_TRUE(faceUpAt(engine, kReserve, 0));
    ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(engine.topCard(kTableau), eight);
    EXPECT_EQ(engine.topCard(kReserve), showing);
    EXPECT_FALSE(faceUpAt(engine, kReserve, 0));
}

TEST(CanfieldRules, SpacesTakeOneCardOnceTheReserveIsGoneOrWhenThePlayerChooses)
{
    for (const char* name : {"Canfield", "Rainbow", "Superior Canfield"}) {
        SCOPED_TRACE(name);
        const bool reserveLeft = std::string(name) == "Superior Canfield";
        Engine engine;
        dealEmbeddedGame(engine, name, 6);
        const int eight = cardOf(engine, kHeart, 8), nine = cardOf(engine, kSpade, 9);
        const int ten = cardOf(engine, kDiamond, 10), jack = cardOf(engine, kClub, 11);
        const int wasteCard = cardOf(engine, kClub, 5), reserveCard = cardOf(engine, kHeart, 2);
        std::vector<PileContent> board{{kTableau, {eight}}, {kTableau + 1, {nine}}, {kTableau + 2, {jack, ten}},
                                       {kWaste, {wasteCard}}};
        if (reserveLeft)
            board.push_back({kReserve, {reserveCard}});
        arrangeBoard(engine, board, kStock);
        ASSERT_TRUE(applyStep(engine, Step::moveOnto(eight, kTableau + 1), nullptr));
        ASSERT_EQ(countOn(engine, kTableau), 0);  // no reserve card fills it
        EXPECT_TRUE(engine.canDrop(wasteCard, kTableau));
        EXPECT_TRUE(engine.canDrop(ten, kTableau));    // a single top card
        EXPECT_FALSE(engine.canDrop(nine, kTableau));  // not a whole pile of two
        EXPECT_FALSE(engine.canDrop(jack, kTableau));
        if (reserveLeft) {
            EXPECT_TRUE(engine.canDrop(reserveCard, kTableau));
        }
    }
}

TEST(CanfieldRules, StockDealsThreesWithoutLimitButRainbowOnceByOnes)
{
    Engine canfield;
    dealEmbeddedGame(canfield, "Canfield", 7);
    ASSERT_TRUE(applyStep(canfield, Step::tapOn(kStock), nullptr));
    EXPECT_EQ(countOn(canfield, kWaste), 3);
    EXPECT_TRUE(faceUpAt(canfield, kWaste, 2));
    for (int pass = 0; pass < 3; ++pass) {
        while (countOn(canfield, kStock) > 0)
            ASSERT_TRUE(applyStep(canfield, Step::tapOn(kStock), nullptr));
        ASSERT_TRUE(applyStep(canfield, Step::tapOn(kStock), nullptr));  // turn the waste over
        EXPECT_EQ(countOn(canfield, kStock), 34);
    }

    Engine rainbow;
    dealEmbeddedGame(rainbow, "Rainbow", 7);
    ASSERT_TRUE(applyStep(rainbow, Step::tapOn(kStock), nullptr));
    EXPECT_EQ(countOn(rainbow, kWaste), 1);
    while (countOn(rainbow, kStock) > 0)
        ASSERT_TRUE(applyStep(rainbow, Step::tapOn(kStock), nullptr));
    EXPECT_FALSE(rainbow.canTap(kStock));
}

// Wins found by the solver, replayed on a fresh deal.
TEST(CanfieldRules, RecordedWinsReplay)
{
    struct Win {
        const char* name;
        GameNumber number;
        const char* steps;
    };
    const Win wins[] = {
        {"Canfield", 1,
         "m 14 6;t 0;t 0;t 0;t 0;t 0;t 0;t 0;m 40 5;m 46 9;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;"
         "t 0;m 41 5;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;m 42 5;t 0;m 49 7;t 0;t 0;t 0;t 0;t 0;"
         "t 0;t 0;t 0;t 0;t 0;t 0;m 43 5;t 0;t 0;t 0;t 0;t 0;t 0;t 0;m 22 7;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;"
         "m 34 7;t 0;m 20 7;t 0;t 0;t 0;m 19 9;t 0;m 44 5;t 0;t 0;t 0;t 0;m 32 7;m 18 7;m 31 9;t 0;t 0;m 45 5;"
         "t 0;t 0;m 17 9;m 29 9;m 11 10;m 2 3;t 0;t 0;t 0;t 0;t 0;t 0;t 0;m 27 4;m 28 4;m 29 4;m 21 8;m 15 6;"
         "t 0;m 10 9;m 3 3;m 35 9;m 30 4;t 0;m 16 6;m 17 6;m 31 4;m 18 6;m 32 4;m 19 6;m 46 5;m 20 6;m 21 6;"
         "m 34 8;m 22 6;m 9 10;t 0;t 0;t 0;t 0;m 33 4;m 34 4;m 35 4;t 0;m 48 9;m 36 4;m 23 6;m 8 9;t 0;m 37 4;"
         "m 4 3;t 0;m 12 7;m 50 7;m 51 9;m 9 8;t 0;m 24 6;m 9 10;m 0 8;m 47 5;m 51 8;m 9 9;t 0;t 0;m 9 10;"
         "m 13 9;m 51 9;t 0;t 0;m 51 8;t 0;m 25 6;m 13 6;m 51 9;m 38 8;m 9 10;t 0;t 0;t 0;m 5 3;m 9 8;m 51 10;"
         "m 7 9;m 6 3;m 7 3;m 8 3;m 48 5;m 9 3;m 49 5;m 10 3;m 50 5;m 51 5;m 11 3;m 38 4;m 12 3;m 26 4;m 0 3;"
         "t 0;m 39 5"},
        {"Superior Canfield", 1,
         "m 14 6;m 29 10;t 0;t 0;t 0;t 0;t 0;t 0;t 0;m 40 4;m 46 9;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;"
         "t 0;t 0;t 0;m 41 4;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;m 42 4;t 0;m 49 7;t 0;t 0;t 0;"
         "t 0;t 0;t 0;t 0;m 22 7;t 0;t 0;t 0;t 0;m 43 4;t 0;t 0;t 0;t 0;t 0;m 34 7;t 0;m 20 7;t 0;t 0;t 0;"
         "m 19 9;t 0;m 44 4;t 0;t 0;t 0;t 0;m 32 7;m 18 7;m 31 9;t 0;t 0;m 45 4;t 0;t 0;m 17 9;m 29 9;m 38 10;"
         "m 11 10;m 28 7;m 26 8;m 2 3;t 0;t 0;t 0;t 0;t 0;t 0;t 0;m 27 5;m 28 5;m 29 5;t 0;m 10 7;m 3 3;m 35 7;"
         "m 21 7;m 50 9;m 15 6;m 10 9;m 26 7;m 18 8;t 0;m 16 6;m 17 6;m 18 6;m 32 8;t 0;t 0;m 32 10;m 31 8;"
         "m 19 6;m 46 4;t 0;t 0;m 33 9;m 5 10;m 25 7;m 50 7;m 31 9;m 13 8;m 38 8;m 9 10;m 30 5;m 31 5;m 33 9;"
         "t 0;t 0;m 33 7;m 37 9;m 4 3;m 5 3;m 32 5;m 33 5;m 20 6;m 34 5;m 21 6;m 35 5;m 22 6;m 10 9;m 9 8;"
         "m 39 10;m 48 9;m 36 5;m 23 6;t 0;m 12 10;m 37 10;m 51 9;m 8 10;t 0;m 24 6;t 0;t 0;m 47 8;m 7 8;"
         "m 6 3;m 7 3;m 47 4;m 8 3;m 48 4;m 9 3;m 49 4;m 50 4;m 51 4;m 25 6;m 10 3;m 37 5;m 11 3;m 38 5;"
         "m 26 5;m 13 6;m 12 3;m 39 4;t 0;m 0 3"},
        {"Rainbow", 1,
         "m 14 4;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;m 23 7;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;m 27 6;m 28 6;"
         "m 29 6;m 4 10;m 22 7;m 21 7;m 11 9;m 2 3;t 0;t 0;m 3 3;m 4 3;m 38 7;m 21 9;t 0;m 46 9;t 0;m 40 5;t 0;"
         "t 0;m 17 10;t 0;m 19 9;m 31 9;m 15 4;m 17 8;m 10 10;m 35 10;m 30 6;m 31 6;m 18 10;m 50 8;m 8 9;"
         "m 37 10;m 8 7;t 0;m 47 9;t 0;m 41 5;t 0;t 0;t 0;m 16 4;m 17 4;m 18 4;m 19 4;m 46 9;t 0;m 42 5;t 0;"
         "m 43 5;m 44 5;m 46 8;t 0;m 46 7;t 0;m 49 10;m 9 10;m 12 9;m 37 9;m 47 10;m 46 10;m 21 9;m 47 8;"
         "m 46 9;m 8 10;m 47 7;m 46 10;m 8 8;m 0 10;m 45 5;m 46 5;m 47 5;m 51 10;m 39 8;m 20 4;m 48 5;m 21 4;"
         "m 22 4;m 23 4;m 12 8;m 36 9;m 34 8;m 36 7;m 34 9;m 33 10;m 32 6;m 33 6;m 34 6;m 5 3;m 36 9;m 9 9;"
         "m 49 5;m 36 8;m 25 9;m 11 9;m 8 8;m 35 6;m 11 7;m 10 7;m 50 5;m 51 5;m 25 10;m 13 9;m 25 9;m 7 8;"
         "m 6 3;m 7 3;m 8 3;m 9 3;m 36 6;m 37 6;m 10 3;m 11 3;m 38 6;m 26 6;m 12 3;m 39 5;m 0 3;t 0;m 24 4;"
         "m 25 4;m 13 4"},
    };
    for (const Win& win : wins) {
        expectRecordedWin(win.name, win.number, win.steps);
    }
}

}  // namespace
}  // namespace velmora
