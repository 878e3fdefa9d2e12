// The Yukon family's rows beyond the classic four: deal shapes with stocks,
// reserves and free cells, what each pile takes, reserves that only give,
// the single foundation built by rank round the corner, the games won in the
// tableau without foundations, and a stock's limited redeal.
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kSpades = 1, kClubs = 2, kDiamonds = 3, kHearts = 4;

struct Column {
    int down;
    int up;
};

// The piles in record order: stock and waste (when the game has them), the
// tableau, the reserves, the free cells, then the foundations.
struct DealShape {
    const char* game;
    int stockCards;  // -1: no stock
    int wasteCards;  // -1: no waste
    std::vector<Column> columns;
    std::vector<int> reserves;  // cards on each reserve pile, all face up
    std::vector<int> cells;     // cards in each free cell
    int foundations;  // empty at the start
    int baseCards = 0;  // then foundations dealt the four base cards of the suits' steps
};

const std::vector<Column> kTripleDeal = {{0, 6}, {1, 6}, {2, 6}, {3, 6},  {4, 6},  {5, 6}, {6, 6},
                                         {7, 6}, {8, 6}, {9, 6}, {10, 6}, {11, 6}, {12, 6}};

const DealShape kShapes[] = {
    {"Canberra", 23, 1, {{0, 4}, {0, 4}, {0, 4}, {0, 4}, {0, 4}, {0, 4}, {0, 4}}, {}, {}, 4},
    {"Outback Patience", 47, 1, {{0, 7}, {0, 7}, {0, 7}, {0, 7}, {0, 7}, {0, 7}, {0, 7}, {0, 7}}, {}, {}, 8},
    {"Bim Bom", 63, 1, {{0, 5}, {0, 5}, {0, 5}, {0, 5}, {0, 5}, {0, 5}, {0, 5}, {0, 5}}, {}, {}, 8},
    {"Triple Yukon", -1, -1, kTripleDeal, {}, {}, 12},
    {"Triple Russian Solitaire", -1, -1, kTripleDeal, {}, {}, 12},
    {"Odessa", -1, -1, {{3, 3}, {3, 5}, {3, 5}, {3, 5}, {3, 5}, {3, 5}, {3, 3}}, {}, {}, 4},
    {"Yukonic Plague", -1, -1, {{0, 1}, {2, 2}, {2, 3}, {2, 4}, {2, 5}, {2, 6}, {2, 6}}, {13}, {}, 4},
    {"Panopticon", -1, -1, {{1, 5}, {2, 4}, {3, 3}, {4, 2}, {4, 2}, {3, 3}, {2, 4}, {1, 5}}, {}, {1, 1, 1, 1}, 4},
    {"Applegate", -1, -1, {{0, 7}, {2, 5}, {2, 5}, {2, 5}, {2, 5}, {2, 5}, {2, 5}}, {1, 1, 1}, {}, 0},
    {"Yukon Kings", -1, -1, {{0, 1}, {1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}}, {}, {}, 0},
    {"Abacus", 20, -1, {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 6}, {0, 7}}, {}, {}, 0, 4},
    {"Tvete's Grandfather", 0, -1, {{0, 1}, {2, 5}, {4, 5}, {6, 5}, {5, 5}, {3, 5}, {1, 5}}, {}, {}, 4},
    {"Ace of Hearts", 24, -1, {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 6}, {0, 7}}, {}, {}, 1},
    {"Quadruple Yukon", -1, -1, {{0, 1}, {1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}, {7, 6}, {8, 6}, {9, 6},
                                 {10, 6}, {11, 6}, {12, 6}, {13, 5}, {14, 5}, {15, 5}}, {}, {}, 16},
    {"Double Russian Spider", -1, -1, {{0, 6}, {1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}, {7, 6}, {8, 6}, {8, 6}},
     {}, {}, 8},
};

TEST(YukonFamilyRules, DealsEachPileItsFaceDownAndFaceUpCards)
{
    for (const DealShape& shape : kShapes) {
        SCOPED_TRACE(shape.game);
        for (GameNumber number : {1u, 7u}) {
            Engine engine;
            dealEmbeddedGame(engine, shape.game, number);
            const auto& cards = engine.state().cards;
            int pile = 0;
            for (int count : {shape.stockCards, shape.wasteCards})
                if (count >= 0) {
                    EXPECT_EQ(engine.cardsOn(pile++).size(), static_cast<std::size_t>(count)) << "pile " << pile - 1;
                }
            for (const Column& column : shape.columns) {
                const auto& onPile = engine.cardsOn(pile);
                ASSERT_EQ(onPile.size(), static_cast<std::size_t>(column.down + column.up)) << "pile " << pile;
                for (int position = 0; position < column.down + column.up; ++position)
                    EXPECT_EQ(cards[onPile[position]].faceUp != 0, position >= column.down)
                        << "pile " << pile << " position " << position;
                ++pile;
            }
            for (const std::vector<int>* group : {&shape.reserves, &shape.cells})
                for (int count : *group) {
                    ASSERT_EQ(engine.cardsOn(pile).size(), static_cast<std::size_t>(count)) << "pile " << pile;
                    for (std::uint16_t card : engine.cardsOn(pile))
                        EXPECT_TRUE(cards[card].faceUp) << "pile " << pile;
                    ++pile;
                }
            for (int k = 0; k < shape.foundations; ++k, ++pile)
                EXPECT_TRUE(engine.cardsOn(pile).empty()) << "foundation " << k;
            std::set<std::pair<int, int>> bases;
            for (int k = 0; k < shape.baseCards; ++k, ++pile) {
                ASSERT_EQ(engine.cardsOn(pile).size(), 1u) << "foundation " << pile;
                const CardDefinition& card = engine.definition().cards[engine.topCard(pile)];
                bases.insert({card.suit, card.rank});
            }
            if (shape.baseCards > 0) {
                EXPECT_EQ(bases, (std::set<std::pair<int, int>>{{kClubs, 1}, {kSpades, 2}, {kHearts, 3}, {kDiamonds, 4}}));
            }
            EXPECT_EQ(pile, engine.definition().pileCount());
        }
    }
}

// Ace of Hearts and Abacus: stock 0, tableau 1-7, foundations from 8. Applegate: tableau 0-6,
// reserves 7-9. Yukonic Plague: tableau 0-6, reserve 7, foundations 8-11.
// Panopticon: tableau 0-7, cells 8-11, foundations 12-15. Bim Bom: stock 0,
// waste 1, tableau 2-9.
const DropCase kDrops[] = {
    {"Ace of Hearts", 1, 8, {}, {kHearts, 1}, true, "the Ace of hearts starts the foundation"},
    {"Ace of Hearts", 1, 8, {}, {kSpades, 1}, false, "no other Ace starts it"},
    {"Ace of Hearts", 1, 8, {}, {kHearts, 2}, false, "nor any other heart"},
    {"Ace of Hearts", 1, 8, {{kHearts, 1}}, {kClubs, 2}, true, "it goes up in any suit"},
    {"Ace of Hearts", 1, 8, {{kHearts, 1}, {kSpades, 13}}, {kDiamonds, 1}, true, "an Ace follows a King"},
    {"Ace of Hearts", 1, 8, {{kHearts, 1}, {kSpades, 5}}, {kSpades, 7}, false, "ranks are not skipped"},
    {"Ace of Hearts", 1, 8, {{kHearts, 1}, {kSpades, 5}}, {kSpades, 4}, false, "nor go down"},
    {"Ace of Hearts", 1, 2, {{kHearts, 9}}, {kHearts, 8}, true, "the tableau goes down in suit"},
    {"Applegate", 0, 1, {{kSpades, 1}}, {kSpades, 13}, true, "a King goes on the Ace of its suit"},
    {"Applegate", 0, 1, {{kSpades, 1}}, {kHearts, 13}, false, "but not on another suit's"},
    {"Applegate", 0, 1, {{kSpades, 9}}, {kSpades, 8}, true, "the tableau goes down in suit"},
    {"Applegate", 0, 1, {}, {kSpades, 12}, false, "only a King fills a space"},
    {"Applegate", 0, 1, {}, {kSpades, 13}, true, "a King fills a space"},
    {"Applegate", 0, 7, {}, {kSpades, 13}, false, "an emptied reserve takes nothing"},
    {"Applegate", 7, 1, {{kHearts, 5}}, {kHearts, 4}, true, "a reserve card plays to the tableau"},
    {"Yukonic Plague", 0, 7, {{kSpades, 8}}, {kHearts, 7}, false, "the reserve takes nothing"},
    {"Yukonic Plague", 7, 1, {{kSpades, 8}}, {kHearts, 7}, true, "its top card plays to the tableau"},
    {"Yukonic Plague", 7, 8, {}, {kHearts, 1}, true, "or to a foundation"},
    {"Panopticon", 0, 8, {}, {kHearts, 7}, true, "an empty cell takes a card"},
    {"Panopticon", 0, 8, {{kSpades, 2}}, {kHearts, 7}, false, "a full one does not"},
    {"Panopticon", 0, 1, {{kSpades, 8}}, {kClubs, 7}, false, "the tableau goes down in suit"},
    {"Bim Bom", 2, 3, {}, {kHearts, 7}, true, "any card fills a space"},
    {"Canberra", 2, 3, {}, {kHearts, 7}, false, "only a King fills a space"},
    {"Abacus", 1, 8, {{kSpades, 2}}, {kSpades, 4}, true, "spades go up by two"},
    {"Abacus", 1, 8, {{kSpades, 2}}, {kSpades, 3}, false, "not by one"},
    {"Abacus", 1, 8, {{kHearts, 12}}, {kHearts, 2}, true, "hearts go up by three, past the King"},
    {"Abacus", 1, 8, {{kDiamonds, 9}, {kDiamonds, 13}}, {kDiamonds, 4}, false, "a foundation ends with its King"},
    {"Abacus", 1, 8, {{kDiamonds, 4}}, {kClubs, 5}, false, "in suit only"},
    {"Abacus", 1, 2, {{kSpades, 6}}, {kSpades, 4}, true, "the tableau goes down by the suit's step"},
    {"Abacus", 1, 2, {{kClubs, 6}}, {kClubs, 5}, true, "clubs by one"},
    {"Abacus", 1, 2, {{kHearts, 2}}, {kHearts, 12}, true, "hearts by three, past the Ace"},
    {"Abacus", 1, 2, {{kHearts, 6}}, {kSpades, 3}, false, "in suit only"},
    {"Abacus", 1, 2, {}, {kDiamonds, 7}, true, "any card fills a space"},
    {"Triple Yukon", 0, 1, {{kSpades, 8}}, {kHearts, 7}, true, "alternating colours"},
    {"Triple Russian Solitaire", 0, 1, {{kSpades, 8}}, {kHearts, 7}, false, "in suit only"},
    // Russian Spider: tableau 0-6, foundations 7-10, which take only whole suits.
    {"Russian Spider", 0, 7, {}, {kHearts, 1}, false, "a foundation takes no single card"},
    {"Russian Spider", 0, 1, {{kSpades, 8}}, {kSpades, 7}, true, "the tableau goes down in suit"},
    {"Russian Spider", 0, 1, {}, {kSpades, 12}, false, "only a King fills a space"},
    // Quadruple Yukon: tableau 0-15, foundations 16-31.
    {"Quadruple Yukon", 0, 15, {{kSpades, 8}}, {kHearts, 7}, true, "alternating colours"},
    {"Quadruple Yukon", 0, 31, {}, {kHearts, 1}, true, "the last foundation takes an Ace"},
};

TEST(YukonFamilyRules, DropsFollowEachGamesFoundationsSpacesAndReserves)
{
    for (const DropCase& drop : kDrops)
        expectDrop(drop);
}

TEST(YukonFamilyRules, OnlyTheTopCardOfAReserveIsInPlay)
{
    Engine engine;
    dealEmbeddedGame(engine, "Yukonic Plague", 1);
    const int under = cardOf(engine, kClubs, 4), top = cardOf(engine, kHearts, 7);
    const int eight = cardOf(engine, kSpades, 8), five = cardOf(engine, kHearts, 5);
    arrangeBoard(engine, {{0, {eight}}, {1, {five}}, {7, {under, top}}}, 11);
    EXPECT_FALSE(engine.canPickUp(under));
    ASSERT_TRUE(applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(top), 0), nullptr));
    EXPECT_TRUE(engine.canDrop(under, 1));
}

// A complete run of one suit, or of alternating colours (spades with hearts,
// clubs with diamonds), from the King at the bottom down to the Ace on top.
std::vector<int> run(const Engine& engine, int suit, bool alternating)
{
    const int partner[] = {0, kHearts, kDiamonds, kClubs, kSpades};
    std::vector<int> cards;
    for (int rank = 13; rank >= 1; --rank)
        cards.push_back(cardOf(engine, alternating && rank % 2 == 0 ? partner[suit] : suit, rank));
    return cards;
}

// Four runs on piles 0 to 3 with the Ace of the last one on pile 4: the
// game is won when that Ace completes the fourth run if all four follow the
// game's building rule. Runs 2 and 3 always do; runs 0 and 1 (spades and
// hearts, alone or together) follow it or the other rule.
TEST(YukonFamilyRules, GamesWithoutFoundationsAreWonByFourCompleteRuns)
{
    const struct {
        const char* game;
        bool alternating;  // the game's building rule
        bool firstTwoFollowIt;
    } cases[] = {
        {"Yukon Kings", true, true},
        {"Yukon Kings", true, false},
        {"Applegate", false, true},
        {"Applegate", false, false},
    };
    for (const auto& [game, alternating, firstTwoFollowIt] : cases) {
        SCOPED_TRACE(std::string(game) + (firstTwoFollowIt ? ", runs by its rule" : ", two runs by another rule"));
        Engine engine;
        dealEmbeddedGame(engine, game, 1);
        std::vector<PileContent> board;
        const int suits[] = {kSpades, kHearts, kClubs, kDiamonds};
        for (int k = 0; k < 4; ++k)
            board.push_back({k, run(engine, suits[k], k >= 2 || firstTwoFollowIt ? alternating : !alternating)});
        const int ace = board[3].cards.back();
        board[3].cards.pop_back();
        board.push_back({4, {ace}});
        arrangeBoard(engine, board, 5);
        EXPECT_FALSE(engine.isWon());
        ASSERT_TRUE(applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(ace), 3), nullptr));
        EXPECT_EQ(engine.isWon(), firstTwoFollowIt);
    }
}

// Canberra turns its waste over once; Australian Patience never.
TEST(YukonFamilyRules, TheStockIsDealtAgainOnlyAsOftenAsTheGameAllows)
{
    for (const auto& [game, passes] : {std::pair{"Canberra", 2}, std::pair{"Australian Patience", 1}}) {
        SCOPED_TRACE(game);
        Engine engine;
        dealEmbeddedGame(engine, game, 1);
        const std::size_t stock = engine.cardsOn(0).size();
        int passed = 0;
        while (engine.canTap(0)) {
            const bool turningOver = engine.cardsOn(0).empty();
            ASSERT_TRUE(applyStep(engine, Step::tapOn(0), nullptr));
            if (turningOver) {
                EXPECT_EQ(engine.cardsOn(0).size(), stock + 1);  // the waste's first card goes back too
            }
            passed += engine.cardsOn(0).empty() ? 1 : 0;
            ASSERT_LT(passed, 10);
        }
        EXPECT_TRUE(engine.cardsOn(0).empty());
        EXPECT_EQ(passed, passes);
    }
}

// Tvete's Grandfather: the tableau gathered, shuffled and dealt again in the
// opening rounds, as far as its cards go; the foundations keep theirs; twice.
TEST(YukonFamilyRules, TheTableauIsShuffledAndDealtAgainTwice)
{
    Engine engine;
    dealEmbeddedGame(engine, "Tvete's Grandfather", 1);
    const int ace = cardOf(engine, kSpades, 1);
    ASSERT_EQ(engine.state().cards[ace].pile, 2);  // on top of the second pile in this deal
    ASSERT_TRUE(applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(ace), 8), nullptr));
    const std::vector<std::uint16_t> before = engine.cardsOn(4);
    // Fifty-one cards: the last round comes one card short, on the last pile.
    const Column shortDeal[] = {{0, 1}, {2, 5}, {4, 5}, {6, 5}, {5, 5}, {3, 5}, {1, 4}};
    for (int redeal = 0; redeal < 2; ++redeal) {
        ASSERT_TRUE(engine.canTap(0)) << "redeal " << redeal;
        ASSERT_TRUE(applyStep(engine, Step::tapOn(0), nullptr));
        EXPECT_TRUE(engine.cardsOn(0).empty());
        EXPECT_EQ(engine.cardsOn(8).size(), 1u);
        for (int k = 0; k < 7; ++k) {
            const auto& pile = engine.cardsOn(1 + k);
            ASSERT_EQ(pile.size(), static_cast<std::size_t>(shortDeal[k].down + shortDeal[k].up)) << "pile " << 1 + k;
            for (std::size_t position = 0; position < pile.size(); ++position)
                EXPECT_EQ(engine.state().cards[pile[position]].faceUp != 0,
                          position >= static_cast<std::size_t>(shortDeal[k].down));
        }
    }
    EXPECT_NE(engine.cardsOn(4), before);
    EXPECT_FALSE(engine.canTap(0));
}

}  // namespace
}  // namespace velmora
