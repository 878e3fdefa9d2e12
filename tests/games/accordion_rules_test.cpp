// Accordion: the row of 52, moves one or three places to the left on a
// matching suit or rank, the row closing up after a move, and the win with
// one pile left.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kPlaces = 52, kCovered = 52;
constexpr int kSpade = 1, kClub = 2, kDiamond = 3, kHeart = 4;

int countOn(const Engine& engine, int pile) { return static_cast<int>(engine.cardsOn(pile).size()); }

bool move(Engine& engine, int card, int pile)
{
    return applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(card), static_cast<std::uint16_t>(pile)),
                     nullptr);
}

TEST(AccordionRules, DealsThePackInARow)
{
    Engine engine;
    loadEmbeddedGame(engine, "Accordion");
    for (GameNumber number = 1; number <= 20; ++number) {
        SCOPED_TRACE(number);
        GameNumber dealt = number;
        ASSERT_TRUE(engine.newDeal(dealt));
        engine.runDealEvents();
        for (int place = 0; place < kPlaces; ++place) {
            ASSERT_EQ(countOn(engine, place), 1);
            EXPECT_TRUE(engine.state().cards[engine.topCard(place)].faceUp);
        }
        EXPECT_EQ(countOn(engine, kCovered), 0);
    }
}

TEST(AccordionRules, APileMovesOneOrThreePlacesLeftOnSuitOrRank)
{
    Engine engine;
    dealEmbeddedGame(engine, "Accordion", 1);
    const int nineOfSpades = cardOf(engine, kSpade, 9), twoOfSpades = cardOf(engine, kSpade, 2);
    const int twoOfHearts = cardOf(engine, kHeart, 2), nineOfClubs = cardOf(engine, kClub, 9);
    const int kingOfDiamonds = cardOf(engine, kDiamond, 13);
    // Places 0 to 4: 9S 2S 2H 9C KD, and the rest of the pack out of view.
    arrangeBoard(engine,
                 {{0, {nineOfSpades}}, {1, {twoOfSpades}}, {2, {twoOfHearts}}, {3, {nineOfClubs}},
                  {4, {kingOfDiamonds}}},
                 kCovered);
    EXPECT_TRUE(engine.canDrop(twoOfSpades, 0));     // suit, one to the left
    EXPECT_TRUE(engine.canDrop(twoOfHearts, 1));     // rank, one to the left
    EXPECT_TRUE(engine.canDrop(nineOfClubs, 0));     // rank, three to the left
    EXPECT_FALSE(engine.canDrop(twoOfHearts, 0));    // two to the left
    EXPECT_FALSE(engine.canDrop(twoOfSpades, 2));    // to the right
    EXPECT_FALSE(engine.canDrop(kingOfDiamonds, 3));  // no match
    EXPECT_FALSE(engine.canDrop(kingOfDiamonds, kCovered));

    // 9C onto 9S: the row closes up to 9C 2S 2H KD.
    ASSERT_TRUE(move(engine, nineOfClubs, 0));
    EXPECT_EQ(engine.topCard(0), nineOfClubs);
    EXPECT_EQ(engine.topCard(1), twoOfSpades);
    EXPECT_EQ(engine.topCard(2), twoOfHearts);
    EXPECT_EQ(engine.topCard(3), kingOfDiamonds);
    EXPECT_EQ(countOn(engine, 4), 0);
    EXPECT_EQ(countOn(engine, 0), 1);  // the Nine of Spades lies under it, out of view
    EXPECT_EQ(countOn(engine, kCovered), 48);
    // Now the King is three places from the Nine of Clubs, and does not match.
    EXPECT_FALSE(engine.canDrop(kingOfDiamonds, 0));
    ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(engine.topCard(0), nineOfSpades);
    EXPECT_EQ(engine.topCard(3), nineOfClubs);
}

TEST(AccordionRules, TheRowClosesUpAcrossLines)
{
    Engine engine;
    dealEmbeddedGame(engine, "Accordion", 2);
    // Places 0 to 14, the first line of thirteen and two places of the next:
    // Diamonds Ace to Ten, then 3C 5H 5C 8C 9H.
    std::vector<PileContent> board;
    for (int place = 0; place < 10; ++place)
        board.push_back({place, {cardOf(engine, kDiamond, place + 1)}});
    const int fiveOfClubs = cardOf(engine, kClub, 5), eightOfClubs = cardOf(engine, kClub, 8);
    const int nineOfHearts = cardOf(engine, kHeart, 9);
    board.push_back({10, {cardOf(engine, kClub, 3)}});
    board.push_back({11, {cardOf(engine, kHeart, 5)}});
    board.push_back({12, {fiveOfClubs}});
    board.push_back({13, {eightOfClubs}});
    board.push_back({14, {nineOfHearts}});
    arrangeBoard(engine, board, kCovered);
    ASSERT_TRUE(move(engine, fiveOfClubs, 11));
    EXPECT_EQ(engine.topCard(11), fiveOfClubs);
    EXPECT_EQ(engine.topCard(12), eightOfClubs);  // from the second line to the end of the first
    EXPECT_EQ(engine.topCard(13), nineOfHearts);
    EXPECT_EQ(countOn(engine, 14), 0);
}

TEST(AccordionRules, OnePileLeftWins)
{
    Engine engine;
    dealEmbeddedGame(engine, "Accordion", 3);
    // Diamonds Ace to Queen, the King of Spades, and the King of Diamonds last:
    // the King of Diamonds can gather the whole row from right to left.
    std::vector<PileContent> board;
    for (int place = 0; place < 12; ++place)
        board.push_back({place, {cardOf(engine, kDiamond, place + 1)}});
    board.push_back({12, {cardOf(engine, kSpade, 13)}});
    const int kingOfDiamonds = cardOf(engine, kDiamond, 13);
    board.push_back({13, {kingOfDiamonds}});
    arrangeBoard(engine, board, kCovered);
    for (int place = 12; place >= 0; --place) {
        ASSERT_FALSE(engine.isWon());
        ASSERT_TRUE(move(engine, kingOfDiamonds, place)) << place;
    }
    EXPECT_TRUE(engine.isWon());
    EXPECT_EQ(countOn(engine, kCovered), 51);
}

TEST(AccordionRules, RecordedWinReplays)
{
    Engine engine;
    dealEmbeddedGame(engine, "Accordion", 1);
    std::vector<ParsedStep> steps;
    std::string error;
    ASSERT_TRUE(parseSteps(
                    "m 14 50;m 14 47;m 28 46;m 28 43;m 14 45;m 31 43;m 31 42;m 11 41;m 35 37;m 11 39;m 14 38;m 31 37;"
                    "m 31 36;m 8 33;m 8 32;m 51 30;m 11 32;m 14 31;m 11 29;m 32 27;m 32 24;m 14 26;m 34 24;m 14 22;"
                    "m 31 24;m 51 23;m 51 20;m 14 19;m 39 20;m 4 15;m 14 17;m 4 12;m 39 14;m 11 15;m 17 10;m 40 9;"
                    "m 40 8;m 44 3;m 17 5;m 4 5;m 40 4;m 11 5;m 0 5;m 0 2;m 39 2;m 40 1;m 44 2;m 14 0;m 40 0;m 44 0;"
                    "m 31 0",
                           steps, error))
        << error;
    for (const ParsedStep& step : steps)
        ASSERT_TRUE(applyParsedStep(engine, step, nullptr)) << formatSteps({step});
    EXPECT_TRUE(engine.isWon());
}

}  // namespace
}  // namespace velmora
