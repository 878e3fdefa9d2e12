// Forty Thieves games with rules of their own: groups that move only when
// built in suit, one foundation up and one down for each suit, cells that
// take any single card, and columns dealt past the foundations.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kSpades = 1, kClubs = 2, kDiamonds = 3, kHearts = 4;
constexpr int kStock = 0, kWaste = 1, kTableau = 2;

const CardDefinition& cardAt(const Engine& engine, int card)
{
    return engine.definition().cards[static_cast<std::size_t>(card)];
}
bool move(Engine& engine, int card, int pile)
{
    return applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(card), static_cast<std::uint16_t>(pile)),
                     nullptr);
}

// Little Napoleon: tableau 2-9. Cards build down regardless of suit, but
// only a group of one suit moves as a unit.
TEST(FortyThievesOwnRules, OnlyAGroupOfOneSuitMovesWhereAnySuitBuilds)
{
    Engine engine;
    dealEmbeddedGame(engine, "Little Napoleon", 1);
    const int nine = cardOf(engine, kHearts, 9), eight = cardOf(engine, kHearts, 8);
    const int mixedNine = cardOf(engine, kDiamonds, 9), clubEight = cardOf(engine, kClubs, 8);
    const int spadeTen = cardOf(engine, kSpades, 10), otherTen = cardOf(engine, kClubs, 10);
    arrangeBoard(engine,
                 {{kTableau, {nine, eight}}, {kTableau + 1, {spadeTen}}, {kTableau + 2, {mixedNine, clubEight}},
                  {kTableau + 3, {otherTen}}},
                 kStock);
    EXPECT_TRUE(engine.canPickUp(nine)) << "a group of one suit";
    EXPECT_TRUE(engine.canDrop(nine, kTableau + 1)) << "lands on a Ten of another suit";
    EXPECT_FALSE(engine.canPickUp(mixedNine)) << "a group built of two suits stays";
    EXPECT_TRUE(engine.canPickUp(clubEight));
    EXPECT_FALSE(engine.canDrop(clubEight, kTableau + 1)) << "two ranks below";
    ASSERT_TRUE(move(engine, nine, kTableau + 3));
    EXPECT_EQ(cardsOn(engine, kTableau + 3), 3);
}

// Wheatsheaf: tableau 2-9, foundations 10-13 up from the Aces of spades,
// clubs, diamonds and hearts, 14-17 down from their Kings.
TEST(FortyThievesOwnRules, EverySuitHasOneFoundationUpAndOneDown)
{
    constexpr int kUp = 10, kDown = 14;
    Engine engine;
    dealEmbeddedGame(engine, "Wheatsheaf", 1);
    const int ace = cardOf(engine, kSpades, 1), two = cardOf(engine, kSpades, 2);
    const int king = cardOf(engine, kSpades, 13), queen = cardOf(engine, kSpades, 12);
    const int clubAce = cardOf(engine, kClubs, 1), heartKing = cardOf(engine, kHearts, 13);
    arrangeBoard(engine, {{kTableau, {ace}}, {kTableau + 1, {two}}, {kTableau + 2, {king}}, {kTableau + 3, {queen}},
                          {kTableau + 4, {clubAce}}, {kTableau + 5, {heartKing}}},
                 kStock);
    EXPECT_TRUE(engine.canDrop(ace, kUp));
    EXPECT_FALSE(engine.canDrop(clubAce, kUp)) << "the first foundation is the spades'";
    EXPECT_TRUE(engine.canDrop(clubAce, kUp + 1));
    EXPECT_FALSE(engine.canDrop(king, kUp)) << "up foundations start from the Ace";
    EXPECT_FALSE(engine.canDrop(ace, kDown)) << "down foundations start from the King";
    EXPECT_TRUE(engine.canDrop(king, kDown));
    EXPECT_FALSE(engine.canDrop(heartKing, kDown));
    EXPECT_TRUE(engine.canDrop(heartKing, kDown + 3));
    ASSERT_TRUE(move(engine, ace, kUp));
    ASSERT_TRUE(move(engine, king, kDown));
    EXPECT_TRUE(engine.canDrop(two, kUp));
    EXPECT_TRUE(engine.canDrop(queen, kDown));
    EXPECT_FALSE(engine.canDrop(queen, kUp));
    EXPECT_FALSE(engine.canDrop(two, kDown));
}

// Wheatsheaf builds the tableau up or down in suit.
TEST(FortyThievesOwnRules, ATableauBuiltUpOrDownInSuitTakesEitherNeighbour)
{
    for (const DropCase& drop : std::vector<DropCase>{
             {"Wheatsheaf", 3, 2, {{kHearts, 8}}, {kHearts, 9}, true, "one rank up in suit"},
             {"Wheatsheaf", 3, 2, {{kHearts, 8}}, {kHearts, 7}, true, "one rank down in suit"},
             {"Wheatsheaf", 3, 2, {{kHearts, 8}}, {kDiamonds, 9}, false, "another suit"},
             {"Wheatsheaf", 3, 2, {{kHearts, 8}}, {kHearts, 10}, false, "two ranks apart"},
         })
        expectDrop(drop);
}

// Following: stock 0, waste 1, tableau 2-7, foundations 8-11. Each card
// takes the suit after the one below it: spades, hearts, clubs, diamonds.
TEST(FortyThievesOwnRules, CardsFollowTheRoundOfSuitsOnTheTableauAndTheFoundations)
{
    for (const DropCase& drop : std::vector<DropCase>{
             {"Following", 3, 2, {{kSpades, 5}}, {kHearts, 4}, true, "hearts follow spades"},
             {"Following", 3, 2, {{kHearts, 5}}, {kClubs, 4}, true, "clubs follow hearts"},
             {"Following", 3, 2, {{kClubs, 5}}, {kDiamonds, 4}, true, "diamonds follow clubs"},
             {"Following", 3, 2, {{kDiamonds, 5}}, {kSpades, 4}, true, "spades follow diamonds"},
             {"Following", 3, 2, {{kSpades, 5}}, {kDiamonds, 4}, false, "the round runs one way"},
             {"Following", 3, 2, {{kSpades, 5}}, {kSpades, 4}, false, "not in suit"},
             {"Following", 3, 2, {{kSpades, 5}}, {kHearts, 6}, false, "down only"},
             {"Following", 3, 8, {{kSpades, 1}}, {kHearts, 2}, true, "a foundation follows the round"},
             {"Following", 3, 8, {{kSpades, 1}}, {kSpades, 2}, false, "and not the suit"},
             {"Following", 3, 8, {}, {kDiamonds, 1}, true, "any Ace starts a foundation"},
         })
        expectDrop(drop);
}

// Kilowatt: stock 0, tableau 1-12, reserves 13-14. A tap deals three rounds
// to the two reserves; only their top cards play, and they take nothing.
TEST(FortyThievesOwnRules, TheDealAndEachTapDealRoundsToTheReserves)
{
    constexpr int kReserve = 13;
    Engine engine;
    dealEmbeddedGame(engine, "Kilowatt", 1);
    const int stock = cardsOn(engine, kStock);
    ASSERT_EQ(cardsOn(engine, kReserve), 3) << "the first rounds are dealt at the start";
    ASSERT_EQ(cardsOn(engine, kReserve + 1), 3);
    ASSERT_TRUE(applyStep(engine, Step::tapOn(kStock), nullptr));
    EXPECT_EQ(cardsOn(engine, kStock), stock - 6);
    for (int reserve : {kReserve, kReserve + 1}) {
        ASSERT_EQ(cardsOn(engine, reserve), 6);
        const auto& cards = engine.cardsOn(reserve);
        EXPECT_TRUE(engine.canPickUp(cards.back()));
        EXPECT_FALSE(engine.canPickUp(cards.front()));
        for (std::uint16_t card : cards)
            EXPECT_TRUE(isFaceUp(engine, card));
    }
    EXPECT_FALSE(engine.canDrop(engine.topCard(1), kReserve)) << "a reserve takes nothing";
}

// Napoleon's Shoulder: waste 1, tableau 2-13. A space takes a card from the
// waste alone; once filled, its pile takes cards from anywhere again. The
// rule is set after each step, so the first move sets it up.
TEST(FortyThievesOwnRules, ASpaceTakesOnlyTheWastesCard)
{
    Engine engine;
    dealEmbeddedGame(engine, "Napoleon's Shoulder", 1);
    const int nine = cardOf(engine, kHearts, 9), eight = cardOf(engine, kClubs, 8);
    const int ten = cardOf(engine, kSpades, 10), wasteNine = cardOf(engine, kDiamonds, 9);
    arrangeBoard(engine, {{kTableau, {nine, eight}}, {kTableau + 1, {ten}}, {kWaste, {wasteNine}}}, kStock);
    ASSERT_TRUE(move(engine, eight, kTableau + 2));
    EXPECT_FALSE(engine.canDrop(nine, kTableau + 3)) << "not from a column";
    EXPECT_TRUE(engine.canDrop(nine, kTableau + 1)) << "columns still build on each other";
    EXPECT_TRUE(engine.canDrop(wasteNine, kTableau + 3));
    ASSERT_TRUE(move(engine, wasteNine, kTableau + 3));
    EXPECT_TRUE(engine.canDrop(eight, kTableau + 3)) << "a filled pile takes from a column";
    EXPECT_FALSE(engine.canDrop(eight, kTableau + 4));
    ASSERT_TRUE(engine.undoStep());
    EXPECT_FALSE(engine.canDrop(eight, kTableau + 3)) << "undone: a space again";
    EXPECT_TRUE(engine.canDrop(wasteNine, kTableau + 3));
}

// Floradora: tableau 2-7, the Kings' foundation 8, foundations 9-16, which
// end with the Queens.
TEST(FortyThievesOwnRules, TheKingsGoToAFoundationOfTheirOwn)
{
    std::vector<std::pair<int, int>> aceToQueen;
    for (int rank = 1; rank <= 12; ++rank)
        aceToQueen.push_back({kSpades, rank});
    for (const DropCase& drop : std::vector<DropCase>{
             {"Floradora", 3, 9, aceToQueen, {kSpades, 13}, false, "a foundation ends with its Queen"},
             {"Floradora", 3, 9, {{kSpades, 11}}, {kSpades, 12}, true, "up to the Queen"},
             {"Floradora", 3, 8, {}, {kHearts, 13}, true, "any King goes to the Kings' foundation"},
             {"Floradora", 3, 8, {{kHearts, 13}}, {kSpades, 13}, true, "King on King"},
             {"Floradora", 3, 8, {}, {kHearts, 12}, false, "nothing else does"},
         })
        expectDrop(drop);
    Engine engine;
    dealEmbeddedGame(engine, "Floradora", 1);
    const int king = cardOf(engine, kClubs, 13);
    arrangeBoard(engine, {{kTableau, {king}}}, kStock);
    ASSERT_TRUE(move(engine, king, 8));
    EXPECT_FALSE(engine.canPickUp(king)) << "the Kings stay";
}

// Blind Patience: tableau 2-11, dealt face down. A face-down top card takes
// any card and turns up only when its column is tapped.
TEST(FortyThievesOwnRules, AFaceDownCardTakesAnyCardUntilTappedUp)
{
    Engine engine;
    dealEmbeddedGame(engine, "Blind Patience", 1);
    for (int column = 0; column < 10; ++column)
        for (std::uint16_t card : engine.cardsOn(kTableau + column))
            ASSERT_FALSE(isFaceUp(engine, card));
    const int hidden = engine.topCard(kTableau);
    const int waste = engine.topCard(kWaste);
    EXPECT_TRUE(engine.canDrop(waste, kTableau)) << "any card goes on a face-down card";
    EXPECT_FALSE(engine.canPickUp(hidden));
    ASSERT_TRUE(move(engine, waste, kTableau));
    EXPECT_FALSE(isFaceUp(engine, hidden)) << "covered, it stays face down";
    ASSERT_TRUE(move(engine, waste, kTableau + 1));
    EXPECT_FALSE(isFaceUp(engine, hidden)) << "uncovered, it still waits for a tap";
    ASSERT_TRUE(engine.canTap(kTableau));
    ASSERT_TRUE(applyStep(engine, Step::tapOn(kTableau), nullptr));
    EXPECT_TRUE(isFaceUp(engine, hidden));
    EXPECT_FALSE(engine.canTap(kTableau)) << "a face-up top card has nothing to turn";

    for (const DropCase& drop : std::vector<DropCase>{
             {"Blind Patience", 3, 2, {{kHearts, 8}}, {kSpades, 7}, true, "face up, the usual building"},
             {"Blind Patience", 3, 2, {{kHearts, 8}}, {kHearts, 7}, false, "not in the same colour"},
         })
        expectDrop(drop);
}

// Where a game's cells lie: the first tableau pile is 2, the cells follow
// the columns, and the foundations follow the cells.
struct CellGame {
    const char* game;
    int columns;
    int cells;
    int dealtToEach;  // cards in each cell at the start
    int foundations() const { return kTableau + columns + cells; }
};

const CellGame kCellGames[] = {
    {"Squadron", 10, 3, 1},
    {"Cascade", 7, 2, 0},
    {"Jacks in the Box", 6, 4, 0},
};

TEST(FortyThievesOwnRules, ACellTakesAnySingleCardAndGivesItBack)
{
    for (const CellGame& g : kCellGames) {
        SCOPED_TRACE(g.game);
        Engine engine;
        dealEmbeddedGame(engine, g.game, 2);
        const int firstCell = kTableau + g.columns;
        for (int k = 0; k < g.cells; ++k) {
            ASSERT_EQ(cardsOn(engine, firstCell + k), g.dealtToEach);
            if (g.dealtToEach > 0) {
                EXPECT_TRUE(isFaceUp(engine, engine.topCard(firstCell + k)));
            }
        }

        const int six = cardOf(engine, kClubs, 6), five = cardOf(engine, kDiamonds, 5);
        const int seven = cardOf(engine, kHearts, 7), queen = cardOf(engine, kSpades, 12);
        arrangeBoard(engine, {{kTableau, {six}}, {kTableau + 1, {seven, five}}, {kWaste, {queen}},
                              {firstCell + 1, {cardOf(engine, kHearts, 3)}}},
                     kStock);
        EXPECT_TRUE(engine.canDrop(queen, firstCell)) << "from the waste";
        EXPECT_FALSE(engine.canDrop(six, firstCell + 1)) << "a cell holds one card";
        ASSERT_TRUE(move(engine, five, firstCell));
        EXPECT_FALSE(engine.canDrop(six, firstCell));
        EXPECT_FALSE(engine.canDrop(queen, firstCell));
        EXPECT_TRUE(engine.canPickUp(five));
        EXPECT_TRUE(engine.canDrop(five, kTableau + 2)) << "the cell's card goes to a space";
        ASSERT_TRUE(move(engine, seven, kTableau + 2));
        ASSERT_TRUE(engine.undoStep());
        ASSERT_TRUE(engine.undoStep());
        EXPECT_EQ(cardsOn(engine, firstCell), 0) << "undone";
        EXPECT_EQ(engine.topCard(kTableau + 1), five);
    }
}

// Dieppe: stock 0, waste 1, tableau 2-9, foundations 10-17. Every card a
// foundation takes during the deal goes there, so no Ace is left in the
// columns (some foundation is always empty for it), and each column still
// gets three cards.
TEST(FortyThievesOwnRules, TheColumnsAreDealtPastTheFoundations)
{
    constexpr int kColumns = 8, kFoundation = 10;
    Engine engine;
    loadEmbeddedGame(engine, "Dieppe");
    int wentOut = 0;
    for (GameNumber number = 1; number <= 30; ++number) {
        SCOPED_TRACE("deal " + std::to_string(number));
        ASSERT_TRUE(engine.newDeal(number));
        engine.random().seed(number);
        engine.runDealEvents();
        for (int column = 0; column < kColumns; ++column) {
            ASSERT_EQ(cardsOn(engine, kTableau + column), 3);
            for (std::uint16_t card : engine.cardsOn(kTableau + column)) {
                EXPECT_TRUE(isFaceUp(engine, card));
                EXPECT_NE(cardAt(engine, card).rank, 1) << "an Ace always goes out";
            }
        }
        int onFoundations = 0;
        for (int f = 0; f < 8; ++f) {
            const auto& cards = engine.cardsOn(kFoundation + f);
            for (std::size_t k = 0; k < cards.size(); ++k) {
                EXPECT_EQ(cardAt(engine, cards[k]).rank, static_cast<int>(k) + 1);
                EXPECT_EQ(cardAt(engine, cards[k]).suit, cardAt(engine, cards.front()).suit);
            }
            onFoundations += static_cast<int>(cards.size());
        }
        wentOut += onFoundations;
        EXPECT_EQ(cardsOn(engine, kStock) + cardsOn(engine, kWaste) + onFoundations, 104 - 24);
        EXPECT_FALSE(isFaceUp(engine, engine.topCard(kStock)));
    }
    EXPECT_GT(wentOut, 30) << "cards do go out in the deal";
}

}  // namespace
}  // namespace velmora
