// The Thirty-Six games deal their tableau in rows from the stock, and every
// Ace that comes to the top of a column goes to the leftmost empty
// foundation before the next row. Each deal is compared with the same rows
// dealt by hand from the stock as it lies before they are dealt; then the
// stock's tap, which feeds the waste or only the first column.
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

struct AcesOutGame {
    const char* name;
    int rows;
    int columns;
    int foundations;
    bool waste;  // stock 0, waste 1, then the tableau; else the tableau from 1
};

const AcesOutGame kGames[] = {
    {"Thirty-Six", 6, 6, 4, true},
    {"Taking Silk", 6, 6, 8, true},
    {"Six by Six", 6, 6, 4, false},
    {"Eights", 8, 8, 8, false},
};

using Piles = std::vector<std::vector<std::uint16_t>>;

// The rows dealt by hand from `stock` (bottom first): a card to each column
// from the left, then each column's top card, if an Ace, to the first empty
// foundation.
void dealByHand(const Engine& engine, const AcesOutGame& game, std::vector<std::uint16_t>& stock, Piles& columns,
                Piles& foundations)
{
    columns.assign(static_cast<std::size_t>(game.columns), {});
    foundations.assign(static_cast<std::size_t>(game.foundations), {});
    for (int row = 0; row < game.rows; ++row) {
        for (auto& column : columns) {
            column.push_back(stock.back());
            stock.pop_back();
        }
        for (auto& column : columns) {
            if (engine.definition().cards[column.back()].rank != 1)
                continue;
            for (auto& foundation : foundations)
                if (foundation.empty()) {
                    foundation.push_back(column.back());
                    column.pop_back();
                    break;
                }
        }
    }
}

TEST(KlondikeAcesOut, TheRowsAreDealtAndEachAceGoesOutBeforeTheNextRow)
{
    for (const AcesOutGame& game : kGames) {
        SCOPED_TRACE(game.name);
        const int firstColumn = game.waste ? 2 : 1;
        const int firstFoundation = firstColumn + game.columns;
        int shortColumns = 0;
        for (GameNumber number = 1; number <= 30; ++number) {
            SCOPED_TRACE(number);
            Engine undealt;
            loadEmbeddedGame(undealt, game.name);
            ASSERT_TRUE(undealt.newDeal(number));
            std::vector<std::uint16_t> stock = undealt.cardsOn(0);
            Piles columns;
            Piles foundations;
            dealByHand(undealt, game, stock, columns, foundations);

            Engine engine;
            dealEmbeddedGame(engine, game.name, number);
            EXPECT_EQ(engine.cardsOn(0), stock);
            for (std::uint16_t card : engine.cardsOn(0))
                EXPECT_FALSE(engine.state().cards[card].faceUp);
            if (game.waste) {
                EXPECT_EQ(engine.cardsOn(1).size(), 1u);
            }
            for (int c = 0; c < game.columns; ++c) {
                const auto& column = engine.cardsOn(firstColumn + c);
                EXPECT_EQ(column, columns[static_cast<std::size_t>(c)]) << "column " << c;
                for (std::uint16_t card : column) {
                    EXPECT_TRUE(engine.state().cards[card].faceUp);
                    EXPECT_NE(engine.definition().cards[card].rank, 1) << "an Ace left in column " << c;
                }
                shortColumns += static_cast<int>(column.size()) < game.rows ? 1 : 0;
            }
            for (int f = 0; f < game.foundations; ++f)
                EXPECT_EQ(engine.cardsOn(firstFoundation + f), foundations[static_cast<std::size_t>(f)])
                    << "foundation " << f;
            EXPECT_EQ(firstFoundation + game.foundations, engine.definition().pileCount());
        }
        EXPECT_GT(shortColumns, 0) << "no deal sent an Ace out";
    }
}

// Six by Six and Eights deal one card from the stock onto the first column
// per tap; Thirty-Six turns one onto the waste. None turns the stock over.
TEST(KlondikeAcesOut, TheStockFeedsTheWasteOrTheFirstColumnOnce)
{
    for (const AcesOutGame& game : kGames) {
        SCOPED_TRACE(game.name);
        Engine engine;
        dealEmbeddedGame(engine, game.name, 2);
        const int fed = 1;  // the waste, or else the first column
        std::vector<std::vector<std::uint16_t>> before;
        for (int pile = 0; pile < engine.definition().pileCount(); ++pile)
            before.push_back(engine.cardsOn(pile));
        const std::uint16_t next = before[0].back();
        ASSERT_TRUE(applyStep(engine, Step::tapOn(0), nullptr));
        EXPECT_EQ(engine.topCard(fed), next);
        EXPECT_TRUE(engine.state().cards[next].faceUp);
        for (int pile = 2; pile < engine.definition().pileCount(); ++pile)
            EXPECT_EQ(engine.cardsOn(pile), before[static_cast<std::size_t>(pile)]) << "pile " << pile;
        int taps = 1;
        while (engine.canTap(0) && taps < 200) {
            ASSERT_TRUE(applyStep(engine, Step::tapOn(0), nullptr));
            ++taps;
        }
        EXPECT_TRUE(engine.cardsOn(0).empty());
        EXPECT_EQ(taps, static_cast<int>(before[0].size()));
        EXPECT_FALSE(engine.canTap(0));
    }
}

// Thirty-Six moves any group built down; Six by Six only a group in suit.
TEST(KlondikeAcesOut, SixBySixMovesOnlyGroupsInSuit)
{
    constexpr int kSpades = 1, kClubs = 2, kHearts = 4;
    for (const auto& [game, column, mixedGroupMoves] : {std::tuple{"Thirty-Six", 2, true},
                                                        std::tuple{"Six by Six", 1, false}}) {
        SCOPED_TRACE(game);
        Engine engine;
        dealEmbeddedGame(engine, game, 1);
        const int mixed = cardOf(engine, kHearts, 10), suited = cardOf(engine, kClubs, 10);
        arrangeBoard(engine,
                     {{column, {mixed, cardOf(engine, kSpades, 9)}}, {column + 1, {suited, cardOf(engine, kClubs, 9)}}},
                     0);
        EXPECT_EQ(engine.canPickUp(mixed), mixedGroupMoves);
        EXPECT_TRUE(engine.canPickUp(suited));
    }
}

}  // namespace
}  // namespace velmora
