// The Yukon games: their deal, the moving of unordered groups, each game's
// building rule, spaces and foundations on chosen boards. Their recorded wins
// are rows of tests/games/wins/yukon.tsv.
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

}  // namespace
}  // namespace velmora
