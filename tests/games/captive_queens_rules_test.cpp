// Captive Queens: the Queens dealt to the centre, Fives building down to the
// Kings and Sixes up to the Jacks, two redeals, and a recorded win.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kStock = 0, kWaste = 1, kQueens = 2, kFives = 6, kSixes = 10;
constexpr int kSpade = 1, kClub = 2, kDiamond = 3, kHeart = 4;

int countOn(const Engine& engine, int pile) { return static_cast<int>(engine.cardsOn(pile).size()); }

bool faceUp(const Engine& engine, int card) { return engine.state().cards[card].faceUp != 0; }

bool tapStock(Engine& engine) { return applyStep(engine, Step::tapOn(kStock), nullptr); }

TEST(CaptiveQueensRules, DealsTheQueensToTheCentreAndTheRestToTheStock)
{
    Engine engine;
    loadEmbeddedGame(engine, "Captive Queens");
    for (GameNumber number = 1; number <= 20; ++number) {
        SCOPED_TRACE(number);
        GameNumber dealt = number;
        ASSERT_TRUE(engine.newDeal(dealt));
        engine.runDealEvents();
        for (int q = kQueens; q < kQueens + 4; ++q) {
            ASSERT_EQ(countOn(engine, q), 1);
            EXPECT_EQ(engine.definition().cards[engine.topCard(q)].rank, 12);
            EXPECT_TRUE(faceUp(engine, engine.topCard(q)));
        }
        ASSERT_EQ(countOn(engine, kStock), 48);
        for (std::uint16_t card : engine.cardsOn(kStock))
            EXPECT_FALSE(faceUp(engine, card));
        for (int f = kFives; f < kSixes + 4; ++f)
            EXPECT_EQ(countOn(engine, f), 0);
    }
}

TEST(CaptiveQueensRules, FivesBuildDownToTheKingAndSixesUpToTheJack)
{
    Engine engine;
    dealEmbeddedGame(engine, "Captive Queens", 1);
    const int five = cardOf(engine, kHeart, 5), six = cardOf(engine, kHeart, 6);
    const int ace = cardOf(engine, kSpade, 1), king = cardOf(engine, kSpade, 13);
    const int jack = cardOf(engine, kClub, 11), ten = cardOf(engine, kClub, 10);
    const int four = cardOf(engine, kHeart, 4), otherFour = cardOf(engine, kDiamond, 4);
    const int seven = cardOf(engine, kHeart, 7);
    const auto wasteShows = [&](int card) { arrangeBoard(engine, {{kFives + 1, {ace}}, {kSixes + 1, {ten}},
                                                                  {kWaste, {card}}}, kStock); };
    wasteShows(five);
    EXPECT_TRUE(engine.canDrop(five, kFives));
    EXPECT_FALSE(engine.canDrop(five, kSixes));
    EXPECT_FALSE(engine.canDrop(five, kQueens));
    wasteShows(six);
    EXPECT_TRUE(engine.canDrop(six, kSixes));
    EXPECT_FALSE(engine.canDrop(six, kFives));
    wasteShows(king);
    EXPECT_TRUE(engine.canDrop(king, kFives + 1));  // the King ends on the Ace
    wasteShows(jack);
    EXPECT_TRUE(engine.canDrop(jack, kSixes + 1));

    arrangeBoard(engine, {{kFives, {five}}, {kSixes, {six}}, {kWaste, {otherFour, four}}}, kStock);
    EXPECT_TRUE(engine.canDrop(four, kFives));
    ASSERT_TRUE(applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(four), kFives), nullptr));
    EXPECT_FALSE(engine.canDrop(otherFour, kFives));  // the Four is there already
    EXPECT_FALSE(engine.canDrop(otherFour, kSixes));
    EXPECT_FALSE(engine.canPickUp(four));  // foundations keep their cards
    arrangeBoard(engine, {{kFives, {five}}, {kSixes, {six}}, {kWaste, {seven}}}, kStock);
    EXPECT_TRUE(engine.canDrop(seven, kSixes));
    EXPECT_FALSE(engine.canDrop(seven, kFives));
    // Even a Queen that strayed from the centre could not follow the King or
    // the Jack of her suit.
    arrangeBoard(engine, {{kFives, {king}}, {kWaste, {cardOf(engine, kSpade, 12)}}}, kStock);
    EXPECT_FALSE(engine.canDrop(cardOf(engine, kSpade, 12), kFives));
    arrangeBoard(engine, {{kSixes, {jack}}, {kWaste, {cardOf(engine, kClub, 12)}}}, kStock);
    EXPECT_FALSE(engine.canDrop(cardOf(engine, kClub, 12), kSixes));
}

TEST(CaptiveQueensRules, TheStockIsTurnedThreeTimes)
{
    Engine engine;
    dealEmbeddedGame(engine, "Captive Queens", 2);
    const std::vector<std::uint16_t> firstOrder = engine.cardsOn(kStock);
    for (int pass = 0; pass < 3; ++pass) {
        SCOPED_TRACE(pass);
        while (countOn(engine, kStock) > 0)
            ASSERT_TRUE(tapStock(engine));
        EXPECT_EQ(engine.canTap(kStock), pass < 2);
        if (pass < 2) {
            ASSERT_TRUE(tapStock(engine));
            EXPECT_EQ(engine.cardsOn(kStock), firstOrder);  // the same order each pass
            EXPECT_FALSE(faceUp(engine, engine.topCard(kStock)));
        }
    }
    EXPECT_FALSE(tapStock(engine));
}

TEST(CaptiveQueensRules, RecordedWinReplays)
{
    Engine engine;
    dealEmbeddedGame(engine, "Captive Queens", 4);
    std::vector<ParsedStep> steps;
    std::string error;
    ASSERT_TRUE(parseSteps(
                    "t 0;t 0;t 0;t 0;t 0;t 0;m 31 10;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;t 0;m 5 11;t 0;t 0;"
                    "t 0;t 0;t 0;t 0;t 0;t 0;t 0;m 18 12;t 0;t 0;m 44 13;t 0;t 0;t 0;m 4 6;t 0;t 0;t 0;t 0;m 43 9;"
                    "t 0;t 0;m 32 10;t 0;m 17 7;t 0;t 0;t 0;t 0;t 0;m 30 8;t 0;t 0;m 29 8;t 0;t 0;t 0;t 0;t 0;t 0;"
                    "m 19 12;t 0;t 0;m 6 11;t 0;t 0;m 45 13;t 0;t 0;m 28 8;t 0;m 3 6;t 0;t 0;m 20 12;t 0;t 0;t 0;"
                    "m 21 12;t 0;m 42 9;t 0;t 0;t 0;m 41 9;t 0;m 27 8;t 0;t 0;t 0;m 16 7;t 0;t 0;m 33 10;t 0;"
                    "m 46 13;t 0;t 0;m 15 7;t 0;t 0;t 0;t 0;m 14 7;t 0;m 22 12;t 0;m 7 11;m 8 11;t 0;t 0;m 2 6;"
                    "t 0;m 23 12;t 0;t 0;t 0;t 0;t 0;t 0;m 13 7;t 0;m 40 9;t 0;m 47 13;t 0;t 0;t 0;m 26 8;t 0;"
                    "m 34 10;m 35 10;t 0;m 48 13;t 0;m 9 11;t 0;m 49 13;t 0;m 25 7;t 0;m 10 11;t 0;m 1 6;m 0 6;"
                    "m 36 10;m 12 6;t 0;m 38 8;t 0;t 0;m 39 9;m 51 9",
                    steps, error))
        << error;
    for (const ParsedStep& step : steps)
        ASSERT_TRUE(applyParsedStep(engine, step, nullptr)) << formatSteps({step});
    EXPECT_TRUE(engine.isWon());
}

}  // namespace
}  // namespace velmora
