// Terrace and Queen of Italy: choosing the base card, the foundations that
// build from it in alternate colours, the columns, the terrace that plays
// only to the foundations, and how spaces are filled.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr int kColumns = 9;
constexpr int kFoundation = 9;  // the first of eight
constexpr int kTerrace = 17, kStock = 18, kWaste = 19;
constexpr int kSpades = 1, kClubs = 2, kDiamonds = 3, kHearts = 4;

bool move(Engine& engine, int card, int pile)
{
    return applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(card), static_cast<std::uint16_t>(pile)),
                     nullptr);
}

bool tapStock(Engine& engine) { return applyStep(engine, Step::tapOn(kStock), nullptr); }

// Deals, lays `candidates` on the first columns and plays `base` (one of
// them) to the first foundation.
void chooseBase(Engine& engine, const char* game, const std::vector<int>& candidates, int base)
{
    dealEmbeddedGame(engine, game, 1);
    std::vector<PileContent> board;
    for (std::size_t c = 0; c < candidates.size(); ++c)
        board.push_back({static_cast<int>(c), {candidates[c]}});
    arrangeBoard(engine, board, kStock);
    ASSERT_TRUE(move(engine, base, kFoundation));
}

// Deals another number of the loaded game the way dealEmbeddedGame does.
void redeal(Engine& engine, GameNumber number)
{
    ASSERT_TRUE(engine.newDeal(number));
    engine.random().seed(number);
    engine.runDealEvents();
}

TEST(TerraceRules, DealsFourCandidatesTheTerraceAndTheStock)
{
    for (const char* game : {"Terrace", "Queen of Italy"}) {
        Engine engine;
        loadEmbeddedGame(engine, game);
        for (GameNumber number = 1; number <= 20; ++number) {
            SCOPED_TRACE(::testing::Message() << game << " deal " << number);
            redeal(engine, number);
            for (int column = 0; column < kColumns; ++column)
                EXPECT_EQ(cardsOn(engine, column), column < 4 ? 1 : 0);
            for (int f = 0; f < 8; ++f)
                EXPECT_EQ(cardsOn(engine, kFoundation + f), 0);
            EXPECT_EQ(cardsOn(engine, kTerrace), 11);
            for (std::uint16_t card : engine.cardsOn(kTerrace))
                EXPECT_TRUE(isFaceUp(engine, card));
            EXPECT_EQ(cardsOn(engine, kStock), 89);
            EXPECT_FALSE(isFaceUp(engine, engine.topCard(kStock)));
            EXPECT_EQ(cardsOn(engine, kWaste), 0);
        }
    }
}

// Any foundation takes the chosen card; it goes on to the first, whose card
// the base keys read.
TEST(TerraceRules, OnlyACandidateToAFoundationMayBePlayedFirst)
{
    for (const char* game : {"Terrace", "Queen of Italy"}) {
        SCOPED_TRACE(game);
        Engine engine;
        dealEmbeddedGame(engine, game, 7);
        const int candidate = engine.topCard(0), other = engine.topCard(1);
        EXPECT_FALSE(engine.canTap(kStock));
        EXPECT_FALSE(engine.canPickUp(engine.topCard(kTerrace)));
        EXPECT_FALSE(engine.canDrop(candidate, 1));
        EXPECT_FALSE(engine.canDrop(candidate, 5));
        for (int f = 0; f < 8; ++f)
            EXPECT_TRUE(engine.canDrop(candidate, kFoundation + f)) << f;
        int moves = 0;
        while (engine.findMove(moves))
            ++moves;
        EXPECT_EQ(moves, 4 * 8);  // the four candidates, to any foundation

        ASSERT_TRUE(move(engine, candidate, kFoundation + 5));
        EXPECT_EQ(engine.topCard(kFoundation), candidate);
        EXPECT_EQ(cardsOn(engine, kFoundation + 5), 0);
        const int base = engine.definition().cards[static_cast<std::size_t>(candidate)].rank;
        for (int column = 0; column < kColumns; ++column)
            EXPECT_EQ(cardsOn(engine, column), 1);
        EXPECT_EQ(engine.topCard(1), other);
        EXPECT_EQ(cardsOn(engine, kWaste), 1);
        EXPECT_EQ(cardsOn(engine, kStock), 89 - 6 - 1);
        for (int f = 0; f < 8; ++f)
            EXPECT_EQ(engine.state().piles[static_cast<std::size_t>(kFoundation + f)].displayValue,
                      static_cast<std::uint32_t>(base));
        EXPECT_TRUE(engine.canTap(kStock));

        ASSERT_TRUE(engine.undoStep());  // the choice is undone whole
        EXPECT_EQ(cardsOn(engine, kStock), 89);
        EXPECT_EQ(cardsOn(engine, 4), 0);
        EXPECT_EQ(engine.topCard(0), candidate);
        EXPECT_FALSE(engine.canTap(kStock));
        EXPECT_EQ(engine.state().piles[static_cast<std::size_t>(kFoundation)].displayValue, 0u);
        EXPECT_TRUE(engine.canDrop(other, kFoundation));
        EXPECT_TRUE(engine.canDrop(other, kFoundation + 7));
    }
}

// Boards after the choice: every column holds a card unless a test empties
// one, so that Terrace's automatic filling stays out of the way.
class TerraceBoard {
public:
    explicit TerraceBoard(Engine& engine) : engine_(engine) {}

    // Card of a suit and rank; copy 1 is the second pack's.
    int card(int suit, int rank, int copy = 0) const { return cardOf(engine_, suit, rank) + 52 * copy; }

    // Lays the given piles; columns not given get a second-pack Queen or King,
    // and the rest of the cards go face down to `rest`.
    void lay(std::vector<PileContent> piles, int rest = kStock)
    {
        std::vector<bool> given(kColumns, false);
        for (const PileContent& pile : piles)
            if (pile.pile < kColumns)
                given[static_cast<std::size_t>(pile.pile)] = true;
        int filler = 0;
        for (int column = 0; column < kColumns; ++column)
            if (!given[static_cast<std::size_t>(column)]) {
                piles.push_back({column, {card(1 + filler % 4, filler < 4 ? 13 : 12, 1)}});
                ++filler;
            }
        arrangeBoard(engine_, piles, rest);
    }

private:
    Engine& engine_;
};

TEST(TerraceRules, FoundationsBuildUpInAlternateColoursFromTheBaseAndTurnTheCorner)
{
    for (const char* game : {"Terrace", "Queen of Italy"}) {
        SCOPED_TRACE(game);
        Engine engine;
        TerraceBoard board(engine);
        loadEmbeddedGame(engine, game);
        const int base = board.card(kSpades, 11);
        chooseBase(engine, game, {board.card(kHearts, 3), base}, base);

        const int redQueen = board.card(kHearts, 12), blackQueen = board.card(kClubs, 12);
        const int redJack = board.card(kDiamonds, 11), redTen = board.card(kHearts, 10);
        const int terraceQueen = board.card(kDiamonds, 12, 1);
        board.lay({{kFoundation, {base}},
                   {0, {redQueen}},
                   {1, {blackQueen}},
                   {2, {redJack}},
                   {3, {redTen}},
                   {kTerrace, {board.card(kHearts, 2), terraceQueen}},
                   {kWaste, {board.card(kClubs, 2)}}});
        EXPECT_FALSE(engine.canDrop(blackQueen, kFoundation));  // same colour
        EXPECT_TRUE(engine.canDrop(redQueen, kFoundation));
        EXPECT_TRUE(engine.canDrop(redJack, kFoundation + 1));  // the base rank starts a foundation
        EXPECT_FALSE(engine.canDrop(redTen, kFoundation + 2));
        EXPECT_TRUE(engine.canPickUp(terraceQueen));
        EXPECT_TRUE(engine.canDrop(terraceQueen, kFoundation));  // the terrace plays to foundations
        ASSERT_TRUE(move(engine, redQueen, kFoundation));
        EXPECT_FALSE(engine.canPickUp(redQueen));  // foundation cards stay

        // King, then round the corner to an Ace of the other colour.
        const int blackKing = board.card(kSpades, 13), redAce = board.card(kDiamonds, 1);
        const int blackAce = board.card(kClubs, 1);
        board.lay({{kFoundation, {base, redQueen, blackKing}}, {0, {redAce}}, {1, {blackAce}},
                   {kWaste, {board.card(kClubs, 2)}}});
        EXPECT_TRUE(engine.canDrop(redAce, kFoundation));
        EXPECT_FALSE(engine.canDrop(blackAce, kFoundation));

        // Thirteen cards end a foundation, although the next rank would follow.
        std::vector<int> full;
        for (int k = 0; k < 13; ++k)
            full.push_back(board.card(k % 2 == 0 ? kSpades : kHearts, (10 + k) % 13 + 1));
        const int redJackNext = board.card(kDiamonds, 11);
        board.lay({{kFoundation, full}, {0, {redJackNext}}, {kWaste, {board.card(kClubs, 2)}}});
        EXPECT_FALSE(engine.canDrop(redJackNext, kFoundation));
        EXPECT_TRUE(engine.canDrop(redJackNext, kFoundation + 1));
    }
}

TEST(TerraceRules, ColumnsBuildDownInAlternateColoursOneCardAtATimeButNotFromTheTerrace)
{
    for (const char* game : {"Terrace", "Queen of Italy"}) {
        SCOPED_TRACE(game);
        Engine engine;
        TerraceBoard board(engine);
        loadEmbeddedGame(engine, game);
        const int base = board.card(kSpades, 7);
        chooseBase(engine, game, {base}, base);

        const int blackFive = board.card(kSpades, 5), redFour = board.card(kHearts, 4);
        const int blackFour = board.card(kClubs, 4), redAce = board.card(kHearts, 1);
        const int blackKing = board.card(kSpades, 13), redNine = board.card(kDiamonds, 9);
        const int blackEight = board.card(kSpades, 8), wasteFour = board.card(kDiamonds, 4);
        const int terraceFour = board.card(kHearts, 4, 1);
        const int lastStockCard = board.card(kClubs, 6);
        board.lay({{kFoundation, {base}},
                   {0, {blackFive}},
                   {1, {redFour}},
                   {2, {blackFour}},
                   {3, {redAce}},
                   {4, {blackKing}},
                   {5, {redNine, blackEight}},
                   {kTerrace, {terraceFour}},
                   {kWaste, {wasteFour}},
                   {kStock, {lastStockCard}, false}},
                  kFoundation + 7);
        EXPECT_TRUE(engine.canDrop(redFour, 0));
        EXPECT_FALSE(engine.canDrop(blackFour, 0));
        EXPECT_TRUE(engine.canDrop(blackKing, 3));  // a King goes on an Ace
        EXPECT_FALSE(engine.canPickUp(redNine));    // one card at a time
        EXPECT_TRUE(engine.canDrop(wasteFour, 0));
        EXPECT_FALSE(engine.canDrop(terraceFour, 0));
        EXPECT_FALSE(engine.canDrop(redFour, kWaste));
        EXPECT_FALSE(engine.canDrop(redFour, kTerrace));

        ASSERT_TRUE(tapStock(engine));  // one card, then the stock is done
        EXPECT_EQ(engine.topCard(kWaste), lastStockCard);
        EXPECT_TRUE(isFaceUp(engine, lastStockCard));
        EXPECT_FALSE(engine.canTap(kStock));
    }
}

TEST(TerraceRules, TerraceFillsSpacesFromTheWasteAndTheWasteFromTheStock)
{
    Engine engine;
    TerraceBoard board(engine);
    loadEmbeddedGame(engine, "Terrace");
    const int base = board.card(kSpades, 7);
    chooseBase(engine, "Terrace", {base}, base);
    const int blackFive = board.card(kSpades, 5), redFour = board.card(kHearts, 4);
    const int under = board.card(kClubs, 10), onTop = board.card(kClubs, 9);
    board.lay({{kFoundation, {base}}, {0, {blackFive}}, {1, {redFour}}, {kWaste, {under, onTop}}});
    ASSERT_TRUE(move(engine, redFour, 0));
    EXPECT_EQ(engine.topCard(1), onTop);
    EXPECT_EQ(engine.topCard(kWaste), under);
    ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(engine.topCard(1), redFour);

    const int nextInStock = board.card(kDiamonds, 2);
    board.lay({{kFoundation, {base}}, {0, {blackFive}}, {1, {redFour}}, {kWaste, {onTop}},
               {kStock, {nextInStock}, false}},
              kFoundation + 7);
    ASSERT_TRUE(move(engine, redFour, 0));
    EXPECT_EQ(engine.topCard(1), onTop);
    EXPECT_EQ(engine.topCard(kWaste), nextInStock);
    EXPECT_TRUE(isFaceUp(engine, nextInStock));
    EXPECT_EQ(cardsOn(engine, kStock), 0);

    // With stock and waste used up, a space waits for any card.
    board.lay({{kFoundation, {base}}, {0, {blackFive}}, {1, {redFour}}}, kFoundation + 7);
    ASSERT_TRUE(move(engine, redFour, 0));
    EXPECT_EQ(cardsOn(engine, 1), 0);
    EXPECT_TRUE(engine.canDrop(engine.topCard(2), 1));
}

TEST(TerraceRules, QueenOfItalyLeavesSpacesToThePlayer)
{
    Engine engine;
    TerraceBoard board(engine);
    loadEmbeddedGame(engine, "Queen of Italy");
    const int base = board.card(kSpades, 7);
    chooseBase(engine, "Queen of Italy", {base}, base);
    const int blackFive = board.card(kSpades, 5), redFour = board.card(kHearts, 4);
    const int wasteCard = board.card(kClubs, 9), terraceCard = board.card(kClubs, 10);
    board.lay({{kFoundation, {base}}, {0, {blackFive}}, {1, {redFour}}, {kWaste, {wasteCard}},
               {kTerrace, {terraceCard}}});
    ASSERT_TRUE(move(engine, redFour, 0));
    EXPECT_EQ(cardsOn(engine, 1), 0);
    EXPECT_EQ(cardsOn(engine, kWaste), 1);
    EXPECT_TRUE(engine.canDrop(wasteCard, 1));
    EXPECT_TRUE(engine.canDrop(engine.topCard(2), 1));
    EXPECT_FALSE(engine.canDrop(terraceCard, 1));
}

// Foundation f starts black for f < 4, red otherwise, and alternates; the
// copies are shared out so that every card is used once.
TEST(TerraceRules, IsWonWhenAllEightFoundationsHoldThirteenCards)
{
    for (const char* game : {"Terrace", "Queen of Italy"}) {
        SCOPED_TRACE(game);
        Engine engine;
        TerraceBoard board(engine);
        loadEmbeddedGame(engine, game);
        const int baseRank = 5;
        const int base = board.card(kSpades, baseRank);
        chooseBase(engine, game, {base}, base);
        std::vector<PileContent> piles;
        int lastCard = 0;
        for (int f = 0; f < 8; ++f) {
            std::vector<int> cards;
            for (int k = 0; k < 13; ++k) {
                const int colour = (f < 4 ? 0 : 1) ^ (k % 2);
                const int pair = f % 4 < 2 ? 0 : 1;
                const int suit = colour == 0 ? (pair == 0 ? kSpades : kClubs) : (pair == 0 ? kDiamonds : kHearts);
                cards.push_back(board.card(suit, (baseRank - 1 + k) % 13 + 1, f % 2));
            }
            if (f == 7) {
                lastCard = cards.back();
                cards.pop_back();
            }
            piles.push_back({kFoundation + f, cards});
        }
        ASSERT_EQ(piles.front().cards.front(), base);
        piles.push_back({0, {lastCard}});
        arrangeBoard(engine, piles, kStock);
        EXPECT_FALSE(engine.isWon());
        ASSERT_TRUE(move(engine, lastCard, kFoundation + 7));
        EXPECT_TRUE(engine.isWon());
    }
}

TEST(TerraceRules, RecordedWinsReplay)
{
    expectRecordedWin("Terrace", 1,
                      "m 95 9;m 49 0;m 56 16;m 48 5;m 28 4;m 43 15;m 31 16;m 71 16;m 98 16;m 21 16;m 48 16;m 62 16;"
                      "m 70 15;m 97 15;m 78 8;m 77 8;m 50 16;m 77 16;m 78 16;m 66 16;m 28 16;m 55 16;t 18;t 18;"
                      "t 18;t 18;t 18;t 18;t 18;t 18;t 18;m 9 3;t 18;m 46 4;m 9 0;t 18;m 7 15;m 47 15;m 9 15;"
                      "m 49 15;m 24 15;m 90 15;m 15 5;t 18;t 18;m 57 9;t 18;t 18;t 18;t 18;t 18;m 30 14;t 18;t 18;"
                      "m 102 2;t 18;t 18;t 18;t 18;m 69 13;m 58 4;m 63 1;m 101 1;t 18;m 44 13;m 58 13;m 46 13;"
                      "m 73 13;m 87 13;m 10 13;m 102 13;m 64 13;m 17 12;m 74 3;m 54 2;m 74 1;m 11 0;m 36 0;m 39 13;"
                      "m 53 13;m 92 5;m 74 0;m 92 3;m 54 4;m 92 4;m 74 1;m 15 2;m 92 2;m 2 5;m 80 13;m 16 13;"
                      "m 92 5;m 74 0;m 92 4;m 40 5;m 13 15;m 92 15;m 54 15;m 94 15;m 74 1;m 40 2;t 18;m 18 14;"
                      "m 74 0;m 40 5;t 18;m 74 1;m 26 8;t 18;m 82 11;m 74 0;m 40 2;m 26 7;m 74 1;t 18;m 61 0;"
                      "m 40 5;t 18;t 18;m 84 14;m 20 14;m 40 2;m 26 8;t 18;m 83 12;m 19 12;m 99 14;m 85 12;m 74 14;"
                      "m 101 14;m 63 14;m 60 12;m 51 14;m 45 9;m 35 12;m 75 12;m 76 1;m 40 5;m 27 3;m 89 12;"
                      "m 65 14;m 40 14;m 15 14;m 81 14;m 12 12;m 59 9;m 86 9;m 61 9;m 36 9;m 76 9;m 38 9;m 26 12;"
                      "m 14 12;m 41 12;m 5 11;m 32 11;m 0 9;m 27 9;m 2 9;m 29 9;m 33 2;m 88 0;m 100 5;m 72 11;"
                      "m 34 11;m 91 8;m 22 11;m 88 11;m 11 11;m 103 11;m 52 11;m 79 11;m 67 11;m 4 10;m 96 10;"
                      "m 68 12;m 42 11;m 6 10;m 33 10;m 8 10;m 100 10;m 23 10;m 37 10;m 25 10;m 91 10;m 1 10;"
                      "m 93 10;m 3 10");
    // The same deal played with the spaces filled by hand, as Terrace fills them.
    expectRecordedWin("Queen of Italy", 1,
                      "m 95 9;m 49 0;m 28 1;t 18;m 56 16;t 18;m 48 5;m 36 3;t 18;m 28 4;m 71 1;t 18;m 43 15;t 18;"
                      "m 31 16;t 18;m 71 16;m 38 1;t 18;m 98 16;m 21 16;m 97 8;t 18;m 48 16;m 62 16;m 78 5;t 18;"
                      "m 70 15;t 18;m 97 15;m 66 8;t 18;m 78 8;m 29 5;t 18;m 77 8;t 18;m 50 16;t 18;m 77 16;"
                      "m 78 16;m 66 16;m 1 8;t 18;m 28 16;m 55 16;m 73 4;t 18;t 18;t 18;t 18;t 18;t 18;t 18;t 18;"
                      "t 18;t 18;m 9 3;t 18;m 46 4;m 9 0;t 18;m 7 15;m 47 15;m 9 15;m 49 15;m 24 15;m 87 0;m 90 15;"
                      "m 101 6;m 15 5;t 18;t 18;m 57 9;t 18;t 18;t 18;t 18;t 18;m 30 14;t 18;t 18;m 102 2;t 18;"
                      "t 18;t 18;t 18;m 69 13;m 58 4;m 63 1;m 101 1;m 54 6;t 18;m 44 13;m 58 13;m 46 13;m 73 13;"
                      "m 53 4;m 87 13;m 103 0;m 10 13;m 102 13;m 64 13;m 81 2;m 17 12;m 74 3;m 54 2;m 11 6;m 74 1;"
                      "m 11 0;m 16 6;m 36 0;m 2 3;m 39 13;m 53 13;m 94 4;m 92 5;m 74 0;m 92 3;m 54 4;m 92 4;m 74 1;"
                      "m 15 2;m 92 2;m 2 5;m 85 3;m 80 13;t 18;m 16 13;m 40 6;t 18;m 92 5;m 74 0;m 92 4;m 40 5;"
                      "m 51 6;t 18;m 13 15;t 18;m 92 15;m 54 15;m 94 15;m 75 4;t 18;m 74 1;m 40 2;t 18;m 18 14;"
                      "m 74 0;m 40 5;t 18;m 74 1;m 26 8;t 18;m 82 11;m 74 0;m 40 2;m 26 7;m 74 1;t 18;m 61 0;"
                      "m 40 5;t 18;t 18;m 84 14;m 20 14;m 40 2;m 26 8;t 18;m 83 12;m 19 12;m 99 14;m 85 12;m 60 3;"
                      "t 18;m 74 14;m 101 14;m 63 14;m 60 12;m 45 3;t 18;m 51 14;m 6 6;t 18;m 45 9;m 76 3;t 18;"
                      "m 35 12;t 18;m 75 12;m 12 4;t 18;m 76 1;m 67 3;t 18;m 40 5;m 27 3;t 18;m 89 12;t 18;m 65 14;"
                      "t 18;m 40 14;m 15 14;m 81 14;m 8 2;t 18;m 12 12;m 34 4;t 18;m 59 9;t 18;m 86 9;t 18;m 61 9;"
                      "m 36 9;m 76 9;m 38 9;m 25 1;t 18;m 26 12;m 14 12;m 5 7;t 18;m 41 12;m 5 11;m 32 7;t 18;"
                      "m 32 11;m 33 7;t 18;m 0 9;m 27 9;m 2 9;m 29 9;m 23 5;t 18;m 33 2;m 93 7;t 18;m 88 0;t 18;"
                      "m 100 5;t 18;m 72 11;t 18;m 34 11;m 91 4;t 18;m 91 8;m 52 4;t 18;m 22 11;t 18;m 88 11;"
                      "m 11 11;m 103 11;m 4 0;t 18;m 52 11;m 79 4;t 18;m 79 11;m 37 4;t 18;m 67 11;m 3 3;m 4 10;"
                      "m 96 10;m 68 12;m 42 11;m 6 10;m 33 10;m 8 10;m 100 10;m 23 10;m 37 10;m 25 10;m 91 10;"
                      "m 1 10;m 93 10;m 3 10");
}

}  // namespace
}  // namespace velmora
