// The Yukon games: their deal, the moving of unordered groups, each game's
// building rule, spaces and foundations on chosen boards; and a recorded win
// of each.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kTableau = 0, kFoundation = 7;
constexpr int kSpades = 1, kClubs = 2, kDiamonds = 3, kHearts = 4;
const char* const kGames[] = {"Yukon", "Russian Solitaire", "Alaska", "Moosehide"};

TEST(YukonRules, DealFaceDownCardsUnderFiveFaceUpOnes)
{
    for (const char* game : kGames) {
        for (GameNumber number = 1; number <= 20; ++number) {
            Engine engine;
            dealEmbeddedGame(engine, game, number);
            const auto& cards = engine.state().cards;
            ASSERT_EQ(engine.cardsOn(kTableau).size(), 1u) << game;
            EXPECT_TRUE(cards[engine.topCard(kTableau)].faceUp) << game;
            for (int k = 1; k < 7; ++k) {
                const auto& pile = engine.cardsOn(kTableau + k);
                ASSERT_EQ(pile.size(), static_cast<std::size_t>(k + 5)) << game << " pile " << k;
                for (int position = 0; position < k + 5; ++position)
                    EXPECT_EQ(cards[pile[position]].faceUp != 0, position >= k)
                        << game << " deal " << number << " pile " << k << " position " << position;
            }
            for (int f = 0; f < 4; ++f)
                EXPECT_TRUE(engine.cardsOn(kFoundation + f).empty()) << game;
        }
    }
}

// Shared by all four games: what moves, what fills a space, the foundations.
TEST(YukonRules, AnyFaceUpCardMovesWithEverythingOnIt)
{
    for (const char* game : kGames) {
        Engine engine;
        dealEmbeddedGame(engine, game, 1);
        const int hidden = cardOf(engine, kClubs, 9), eight = cardOf(engine, kSpades, 8);
        const int queen = cardOf(engine, kDiamonds, 12), two = cardOf(engine, kClubs, 2);
        const int king = cardOf(engine, kHearts, 13), jack = cardOf(engine, kClubs, 11);
        const int ace = cardOf(engine, kDiamonds, 1);
        // A Seven that this game lets go on the Eight of spades.
        const std::string name = game;
        const int fits = name == "Yukon" ? cardOf(engine, kHearts, 7)
                         : name == "Moosehide" ? cardOf(engine, kClubs, 7)
                                               : cardOf(engine, kSpades, 7);
        arrangeBoard(engine,
                     {{kTableau, {eight}}, {kTableau + 1, {hidden}, false}, {kTableau + 1, {fits, two, queen}},
                      {kTableau + 2, {king, jack, ace}}},
                     kFoundation + 3);
        EXPECT_FALSE(engine.canPickUp(hidden)) << game;
        EXPECT_TRUE(engine.canPickUp(fits)) << game;
        EXPECT_TRUE(engine.canDrop(fits, kTableau)) << game;  // the Queen on top need not fit
        EXPECT_FALSE(engine.canDrop(two, kTableau)) << game;  // the card moved must fit
        EXPECT_FALSE(engine.canDrop(queen, kTableau + 3)) << game;
        EXPECT_TRUE(engine.canDrop(king, kTableau + 3)) << game;  // a King, with what lies on it
        EXPECT_FALSE(engine.canDrop(jack, kFoundation)) << game;  // one card at a time
        EXPECT_TRUE(engine.canDrop(ace, kFoundation)) << game;
        ASSERT_TRUE(applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(fits), kTableau), nullptr));
        EXPECT_EQ(engine.cardsOn(kTableau).size(), 4u) << game;
        EXPECT_TRUE(engine.state().cards[hidden].faceUp) << game;  // exposed, turned up
        ASSERT_TRUE(applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(ace), kFoundation), nullptr));
        EXPECT_FALSE(engine.canPickUp(ace)) << game;  // it stays there
    }
}

// Each game's building rule: cards tried on a black Eight of spades.
TEST(YukonRules, EachGameBuildsByItsOwnRule)
{
    struct Trial {
        int suit, rank;
        bool fits;
    };
    const struct {
        const char* game;
        std::vector<Trial> trials;
    } games[] = {
        {"Yukon", {{kHearts, 7, true}, {kDiamonds, 7, true}, {kClubs, 7, false}, {kHearts, 9, false}}},
        {"Russian Solitaire", {{kSpades, 7, true}, {kClubs, 7, false}, {kHearts, 7, false}, {kSpades, 9, false}}},
        {"Alaska", {{kSpades, 7, true}, {kSpades, 9, true}, {kClubs, 9, false}, {kHearts, 7, false},
                    {kSpades, 6, false}}},
        {"Moosehide", {{kClubs, 7, true}, {kHearts, 7, true}, {kSpades, 7, false}, {kClubs, 9, false}}},
    };
    for (const auto& [game, trials] : games) {
        Engine engine;
        dealEmbeddedGame(engine, game, 1);
        const int eight = cardOf(engine, kSpades, 8);
        std::vector<PileContent> board = {{kTableau, {eight}}};
        for (std::size_t i = 0; i < trials.size(); ++i)
            board.push_back({kTableau + 1 + static_cast<int>(i), {cardOf(engine, trials[i].suit, trials[i].rank)}});
        arrangeBoard(engine, board, kFoundation + 3);
        for (const Trial& trial : trials)
            EXPECT_EQ(engine.canDrop(cardOf(engine, trial.suit, trial.rank), kTableau), trial.fits)
                << game << ": " << trial.rank << " of suit " << trial.suit;
    }
}

struct RecordedWin {
    const char* game;
    GameNumber number;
    const char* steps;
};

const RecordedWin kWins[] = {
    {"Yukon", 4,
     "m 39 10;m 26 9;m 20 4;m 0 8;m 11 1;m 15 5;m 48 3;m 23 4;m 40 5;m 37 6;m 16 2;m 42 4;m 46 5;"
     "m 44 4;m 41 2;m 27 9;m 21 3;m 38 0;m 50 0;m 13 7;m 19 3;m 40 10;m 16 0;m 11 1;m 9 6;m 32 1;"
     "m 42 2;m 29 4;m 6 3;m 10 1;m 1 8;m 51 3;m 35 3;m 41 6;m 51 1;m 25 3;m 36 1;m 49 6;m 24 0;m 4 6;"
     "m 41 6;m 30 5;m 2 8;m 3 8;m 34 1;m 41 10;m 30 4;m 20 3;m 15 6;m 42 10;m 43 10;m 30 5;m 29 2;"
     "m 4 8;m 30 4;m 5 8;m 51 5;m 38 1;m 17 6;m 14 7;m 15 7;m 16 7;m 22 1;m 51 0;m 47 1;m 46 1;m 51 5;"
     "m 38 0;m 33 3;m 44 10;m 31 0;m 45 10;m 28 9;m 29 9;m 30 9;m 17 7;m 31 9;m 18 7;m 19 7;m 46 10;"
     "m 51 6;m 38 5;m 51 4;m 38 6;m 51 1;m 38 4;m 51 0;m 38 1;m 32 2;m 20 7;m 47 10;m 51 6;m 38 5;"
     "m 51 4;m 38 6;m 51 5;m 38 4;m 51 1;m 33 2;m 21 7;m 48 10;m 22 7;m 49 10;m 51 6;m 38 5;m 51 4;"
     "m 38 6;m 51 5;m 12 4;m 6 8;m 51 1;m 38 5;m 51 6;m 38 1;m 51 0;m 36 1;m 51 5;m 38 0;m 8 4;m 32 9;"
     "m 33 9;m 34 9;m 7 8;m 8 8;m 35 9;m 23 7;m 9 8;m 36 9;m 37 9;m 24 7;m 38 9;m 10 8;m 50 10;m 25 7;"
     "m 11 8;m 51 10;m 12 8"},
    {"Russian Solitaire", 40,
     "m 2 4;m 39 0;m 35 3;m 8 4;m 32 2;m 33 5;m 13 10;m 16 6;m 41 3;m 39 9;m 40 9;m 41 9;m 42 9;"
     "m 51 0;m 36 1;m 27 3;m 43 9;m 44 9;m 3 2;m 17 1;m 30 6;m 26 8;m 27 8;m 28 8;m 29 8;m 45 6;m 7 4;"
     "m 31 5;m 14 10;m 37 6;m 9 1;m 6 1;m 38 3;m 21 4;m 4 6;m 5 1;m 18 6;m 15 10;m 16 10;m 17 10;"
     "m 18 10;m 19 10;m 20 10;m 21 10;m 22 10;m 23 10;m 24 10;m 45 9;m 46 9;m 47 9;m 30 8;m 31 8;"
     "m 32 8;m 33 8;m 34 8;m 0 7;m 48 9;m 49 9;m 35 8;m 36 8;m 37 8;m 38 8;m 1 7;m 50 9;m 51 9;m 2 7;"
     "m 3 7;m 4 7;m 5 7;m 6 7;m 7 7;m 8 7;m 9 7;m 10 7;m 11 7;m 12 7;m 25 10"},
    {"Alaska", 2,
     "m 31 0;m 51 1;m 13 10;m 47 2;m 37 3;m 11 3;m 37 2;m 19 5;m 46 5;m 21 5;m 42 2;m 37 3;m 15 0;"
     "m 32 5;m 12 0;m 2 4;m 5 4;m 26 9;m 11 0;m 9 4;m 27 9;m 37 5;m 31 6;m 8 3;m 37 4;m 8 4;m 7 2;"
     "m 31 5;m 30 5;m 51 3;m 49 1;m 48 1;m 42 6;m 44 2;m 50 3;m 51 1;m 38 3;m 37 1;m 6 0;m 43 6;"
     "m 37 3;m 23 2;m 45 6;m 41 2;m 51 6;m 38 1;m 51 3;m 38 6;m 19 6;m 18 6;m 28 9;m 39 8;m 3 4;"
     "m 25 1;m 37 3;m 24 1;m 51 2;m 16 5;m 22 1;m 29 9;m 30 9;m 31 9;m 32 9;m 33 9;m 12 3;m 38 0;"
     "m 8 3;m 17 3;m 38 5;m 51 0;m 47 3;m 51 6;m 37 5;m 51 2;m 38 6;m 4 4;m 10 3;m 36 6;m 0 7;m 51 5;"
     "m 38 2;m 51 6;m 12 0;m 8 0;m 51 3;m 47 3;m 46 3;m 51 5;m 45 5;m 51 6;m 38 3;m 25 5;m 44 6;"
     "m 51 1;m 38 6;m 8 4;m 43 1;m 42 1;m 41 1;m 40 8;m 41 8;m 42 8;m 43 8;m 44 8;m 45 8;m 46 8;"
     "m 47 8;m 48 8;m 49 8;m 50 8;m 51 8;m 38 3;m 25 6;m 38 5;m 25 3;m 38 2;m 25 1;m 20 1;m 15 1;"
     "m 14 10;m 15 10;m 16 10;m 17 10;m 18 10;m 19 10;m 20 10;m 21 10;m 22 10;m 23 10;m 24 10;m 25 10;"
     "m 38 6;m 12 5;m 38 3;m 8 5;m 7 5;m 12 1;m 6 1;m 5 1;m 38 2;m 12 6;m 38 5;m 12 3;m 38 1;m 12 2;"
     "m 38 0;m 4 2;m 3 2;m 2 2;m 1 7;m 34 9;m 35 9;m 36 9;m 37 9;m 38 9;m 2 7;m 3 7;m 4 7;m 5 7;m 6 7;"
     "m 7 7;m 8 7;m 9 7;m 10 7;m 11 7;m 12 7"},
    {"Moosehide", 1,
     "m 39 10;m 40 10;m 47 5;m 41 10;m 0 9;m 30 1;m 12 2;m 50 4;m 27 2;m 23 3;m 37 5;m 35 1;m 49 0;"
     "m 51 1;m 33 5;m 35 1;m 28 3;m 23 6;m 9 0;m 3 2;m 49 1;m 32 3;m 46 4;m 51 3;m 49 0;m 25 1;m 43 4;"
     "m 49 3;m 45 5;m 34 3;m 36 1;m 8 4;m 48 6;m 6 4;m 50 2;m 49 0;m 48 2;m 50 1;m 19 5;m 7 6;m 13 8;"
     "m 14 8;m 51 5;m 50 2;m 49 5;m 51 3;m 48 6;m 49 0;m 11 1;m 1 9;m 51 5;m 49 5;m 48 2;m 51 3;"
     "m 44 4;m 49 0;m 51 5;m 46 4;m 22 1;m 29 0;m 18 2;m 51 3;m 49 3;m 46 1;m 51 5;m 43 6;m 49 0;"
     "m 43 2;m 17 6;m 31 1;m 38 3;m 26 7;m 2 9;m 51 6;m 50 3;m 49 6;m 51 5;m 46 4;m 28 3;m 3 9;m 51 6;"
     "m 50 2;m 49 0;m 51 5;m 46 1;m 50 3;m 51 6;m 43 1;m 16 4;m 42 10;m 43 10;m 51 5;m 50 2;m 49 5;"
     "m 51 6;m 46 4;m 50 3;m 51 5;m 30 3;m 44 10;m 51 6;m 50 2;m 49 0;m 51 5;m 46 1;m 50 3;m 51 6;"
     "m 38 5;m 18 4;m 45 10;m 51 3;m 50 2;m 49 3;m 51 6;m 46 4;m 50 5;m 51 3;m 19 5;m 32 1;m 46 10;"
     "m 51 6;m 50 2;m 49 0;m 51 3;m 33 4;m 50 5;m 51 6;m 38 3;m 7 4;m 47 10;m 51 5;m 50 2;m 49 5;"
     "m 51 6;m 36 0;m 33 0;m 51 5;m 30 0;m 8 1;m 48 10;m 51 6;m 30 4;m 33 4;m 51 5;m 25 6;m 51 1;"
     "m 33 6;m 30 6;m 9 0;m 49 10;m 50 10;m 51 5;m 30 4;m 33 4;m 51 1;m 25 5;m 51 6;m 33 5;m 37 2;"
     "m 51 10;m 33 4;m 25 6;m 24 3;m 38 5;m 33 6;m 38 1;m 30 6;m 38 3;m 4 4;m 27 7;m 15 8;m 38 5;"
     "m 34 5;m 38 1;m 33 1;m 38 3;m 25 5;m 10 2;m 29 3;m 4 9;m 38 6;m 34 2;m 38 1;m 33 5;m 38 3;"
     "m 30 4;m 5 9;m 38 6;m 18 2;m 6 9;m 38 3;m 34 3;m 38 1;m 33 1;m 38 6;m 32 4;m 7 9;m 8 9;m 21 5;"
     "m 28 7;m 29 7;m 16 8;m 30 7;m 17 8;m 31 7;m 18 8;m 32 7;m 19 8;m 33 7;m 34 7;m 20 8;m 21 8;"
     "m 35 7;m 22 8;m 23 8;m 9 9;m 36 7;m 24 8;m 10 9;m 37 7;m 38 7;m 11 9;m 25 8;m 12 9"},
};

TEST(YukonRules, RecordedWinsReplayFromAFreshDeal)
{
    for (const RecordedWin& win : kWins) {
        expectRecordedWin(win.game, win.number, win.steps);
    }
}

}  // namespace
}  // namespace velmora
