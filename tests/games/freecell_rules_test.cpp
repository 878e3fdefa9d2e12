// FreeCell, Baker's Game, Eight Off and Seahaven Towers: the deal, the cells
// and foundations, and above all the size of the group that may move, which
// the records follow by switching the columns' programs after every step.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "player_steps.h"

namespace velmora {
namespace {

using namespace velmora::testing;

struct Piles {
    int columns;
    int cells;
    int firstCell() const { return columns; }
    int firstFoundation() const { return columns + cells; }
};

constexpr Piles kEightColumns{8, 4};  // FreeCell and Baker's Game
constexpr Piles kEightOff{8, 8};
constexpr Piles kSeahaven{10, 4};

// Lays out chosen boards: cards are taken by suit and rank and the rest are
// handed out as fillers, so no card is used twice.
class BoardPlan {
public:
    explicit BoardPlan(const Engine& engine) : engine_(engine), used_(engine.definition().cards.size(), false) {}

    int card(int suit, int rank)
    {
        const int c = cardOf(engine_, suit, rank);
        EXPECT_FALSE(used_[static_cast<std::size_t>(c)]) << "card used twice";
        used_[static_cast<std::size_t>(c)] = true;
        return c;
    }
    // Any card not used yet, Kings and Queens last so that fillers rarely fit anywhere.
    int filler()
    {
        for (int rank = 1; rank <= 13; ++rank)
            for (int suit = 1; suit <= 4; ++suit)
                if (!used_[static_cast<std::size_t>(cardOf(engine_, suit, rank))])
                    return card(suit, rank);
        ADD_FAILURE() << "no filler left";
        return 0;
    }

private:
    const Engine& engine_;
    std::vector<bool> used_;
};

// Arranges the board and lets the automatic keys fit the columns' programs to it.
void arrangeAndSettle(Engine& engine, const std::vector<PileContent>& piles, int rest)
{
    arrangeBoard(engine, piles, rest);
    engine.runAfterMoveEvents(nullptr);
}

// A run from `high` down to the Ace, alternating colours (suits 1 and 3), bottom first.
std::vector<int> alternatingRun(BoardPlan& plan, int high)
{
    std::vector<int> run;
    for (int rank = high; rank >= 1; --rank)
        run.push_back(plan.card(rank % 2 == 1 ? 1 : 3, rank));
    return run;
}

// The other card of the run's colour at this rank: it takes the run's card one lower.
int targetFor(BoardPlan& plan, int rank) { return plan.card(rank % 2 == 1 ? 2 : 4, rank); }

int freeCellLimit(int freeCells, int emptyColumns) { return std::min(13, (freeCells + 1) << emptyColumns); }

// One board per combination: column 0 holds a run one longer than the limit,
// columns 1 and 2 the cards that take a group of exactly the limit and of one
// more, then the empty columns; the other columns and the filled cells hold
// fillers.
void checkGroupLimit(const char* game, int freeCells, int emptyColumns)
{
    SCOPED_TRACE(::testing::Message() << game << ": " << freeCells << " free cells, " << emptyColumns
                                      << " empty columns");
    Engine engine;
    dealEmbeddedGame(engine, game, 1);
    const Piles p = kEightColumns;
    const int limit = freeCellLimit(freeCells, emptyColumns);
    const int length = std::min(13, limit + 1);
    BoardPlan plan(engine);
    const std::vector<int> run = alternatingRun(plan, length);
    auto groupOf = [&](int n) { return run[static_cast<std::size_t>(length - n)]; };

    std::vector<PileContent> board{{0, run}};
    board.push_back({1, {limit + 1 <= 13 ? targetFor(plan, limit + 1) : plan.filler()}});
    board.push_back({2, {limit + 2 <= 13 ? targetFor(plan, limit + 2) : plan.filler()}});
    for (int column = 3 + emptyColumns; column < p.columns; ++column)
        board.push_back({column, {plan.filler()}});
    for (int cell = freeCells; cell < p.cells; ++cell)
        board.push_back({p.firstCell() + cell, {plan.filler()}});
    arrangeAndSettle(engine, board, p.firstFoundation() + 3);

    EXPECT_TRUE(engine.canPickUp(groupOf(limit)));
    if (limit < length) {
        EXPECT_FALSE(engine.canPickUp(groupOf(limit + 1)));
    }
    if (limit + 1 <= 13) {
        EXPECT_TRUE(engine.canDrop(groupOf(limit), 1));
    }
    if (limit + 2 <= 13) {
        EXPECT_FALSE(engine.canDrop(groupOf(limit + 1), 2));
    }
    if (emptyColumns > 0) {
        const int intoSpace = freeCellLimit(freeCells, emptyColumns - 1);
        EXPECT_TRUE(engine.canDrop(groupOf(intoSpace), 3));
        if (intoSpace < length) {
            EXPECT_FALSE(engine.canDrop(groupOf(intoSpace + 1), 3));
        }
        ASSERT_TRUE(applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(groupOf(intoSpace)), 3), nullptr));
        EXPECT_EQ(cardsOn(engine, 3), intoSpace);
    }
}

TEST(FreeCellRules, GroupLimitFollowsFreeCellsAndEmptyColumns)
{
    for (int freeCells = 0; freeCells <= 4; ++freeCells)
        for (int emptyColumns = 0; emptyColumns <= 2; ++emptyColumns)
            checkGroupLimit("FreeCell", freeCells, emptyColumns);
}

TEST(FreeCellRules, BakersGameHasTheSameLimitButBuildsInSuit)
{
    Engine engine;
    dealEmbeddedGame(engine, "Baker's Game", 1);
    BoardPlan plan(engine);
    auto suitRun = [&](int suit, int high) {
        std::vector<int> run;
        for (int rank = high; rank >= 1; --rank)
            run.push_back(plan.card(suit, rank));
        return run;
    };
    // One free cell and one empty column (4): four cards onto a card, two into the space.
    const std::vector<int> spades = suitRun(1, 4), clubs = suitRun(2, 5);
    const int spadeFive = plan.card(1, 5), clubSix = plan.card(2, 6), heartThree = plan.card(3, 3);
    std::vector<PileContent> board{{0, spades}, {1, {spadeFive}}, {2, clubs}, {3, {clubSix}}, {5, {heartThree}}};
    for (int column : {6, 7})
        board.push_back({column, {plan.filler()}});
    for (int cell = 1; cell < 4; ++cell)
        board.push_back({kEightColumns.firstCell() + cell, {plan.filler()}});
    arrangeAndSettle(engine, board, kEightColumns.firstFoundation() + 3);

    EXPECT_TRUE(engine.canDrop(spades[0], 1));
    EXPECT_FALSE(engine.canPickUp(clubs[0]));
    EXPECT_FALSE(engine.canDrop(clubs[0], 3));
    EXPECT_TRUE(engine.canDrop(spades[2], 4));
    EXPECT_FALSE(engine.canDrop(spades[1], 4));
    EXPECT_FALSE(engine.canDrop(spades[2], 5));  // the two of spades on a red three: not in suit
}

TEST(FreeCellRules, LimitIsRecomputedAfterEveryStepAndUndone)
{
    Engine engine;
    dealEmbeddedGame(engine, "FreeCell", 3);
    BoardPlan plan(engine);
    const std::vector<int> run = alternatingRun(plan, 4);  // 4, 3, 2, A
    const int five = targetFor(plan, 5);
    const int spareAce = plan.card(2, 1);
    std::vector<PileContent> board{{0, run}, {1, {five}}, {7, {spareAce}}};
    for (int column = 2; column < 7; ++column)
        board.push_back({column, {plan.filler()}});
    board.push_back({kEightColumns.firstCell(), {plan.filler()}});
    board.push_back({kEightColumns.firstCell() + 1, {plan.filler()}});
    arrangeAndSettle(engine, board, kEightColumns.firstFoundation() + 3);
    const int foundation = kEightColumns.firstFoundation();

    EXPECT_FALSE(engine.canDrop(run[0], 1));  // four cards, two free cells: three at most
    ASSERT_TRUE(applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(spareAce), foundation), nullptr));
    EXPECT_TRUE(engine.canDrop(run[0], 1));  // the emptied column doubles it to six
    ASSERT_TRUE(applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(run[3]), kEightColumns.firstCell() + 2),
                          nullptr));
    EXPECT_TRUE(engine.canDrop(run[0], 1));   // three cards, one free cell and a space: four
    EXPECT_FALSE(engine.canDrop(run[0], 7));  // into the space itself: two
    EXPECT_TRUE(engine.canDrop(run[1], 7));
    ASSERT_TRUE(engine.undoStep());
    ASSERT_TRUE(engine.undoStep());
    EXPECT_FALSE(engine.canPickUp(run[0]));
    EXPECT_TRUE(engine.canPickUp(run[1]));
}

TEST(FreeCellRules, KingsOnlyGamesIgnoreEmptyColumnsForGroups)
{
    for (const char* game : {"Eight Off", "Seahaven Towers"}) {
        SCOPED_TRACE(game);
        const Piles p = std::string(game) == "Eight Off" ? kEightOff : kSeahaven;
        Engine engine;
        dealEmbeddedGame(engine, game, 2);
        BoardPlan plan(engine);
        std::vector<int> spades;  // the King down to the Ten
        for (int rank = 13; rank >= 10; --rank)
            spades.push_back(plan.card(1, rank));
        const int heartKing = plan.card(3, 13), heartQueen = plan.card(3, 12);
        const int spadeNine = plan.card(1, 9), heartNine = plan.card(3, 9), clubJack = plan.card(2, 11);
        // Columns 3 and 4 empty and one free cell: two cards at a time, as
        // with no empty column.
        std::vector<PileContent> board{{0, spades},       {1, {heartKing, heartQueen}}, {2, {heartNine}},
                                       {5, {spadeNine}}, {6, {clubJack}}};
        for (int column = 7; column < p.columns; ++column)
            board.push_back({column, {plan.filler()}});
        for (int cell = 1; cell < p.cells; ++cell)
            board.push_back({p.firstCell() + cell, {plan.filler()}});
        arrangeAndSettle(engine, board, p.firstFoundation() + 3);

        EXPECT_TRUE(engine.canPickUp(spades[2]));
        EXPECT_FALSE(engine.canPickUp(spades[1]));
        EXPECT_TRUE(engine.canDrop(heartKing, 3));  // a King with its group fills a space
        EXPECT_FALSE(engine.canDrop(clubJack, 3));  // nothing else does
        EXPECT_TRUE(engine.canDrop(spadeNine, 0));
        EXPECT_FALSE(engine.canDrop(heartNine, 0));  // building is in suit

        ASSERT_TRUE(applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(spades[3]), p.firstCell()), nullptr));
        EXPECT_FALSE(engine.canDrop(heartKing, 3));  // no free cell left: one card at a time
        EXPECT_FALSE(engine.canPickUp(spades[1]));
        EXPECT_TRUE(engine.canPickUp(spades[2]));
        EXPECT_FALSE(engine.canDrop(spadeNine, p.firstCell()));  // a cell holds one card
    }
}

TEST(FreeCellRules, CellsTakeOneCardAndFoundationsBuildUpInSuit)
{
    Engine engine;
    dealEmbeddedGame(engine, "FreeCell", 4);
    BoardPlan plan(engine);
    const int ace = plan.card(1, 1), two = plan.card(1, 2), otherTwo = plan.card(2, 2), three = plan.card(4, 3);
    const int cell = kEightColumns.firstCell(), foundation = kEightColumns.firstFoundation();
    std::vector<PileContent> board{{0, {ace}}, {1, {otherTwo, two}}, {2, {three}}};
    for (int column = 3; column < 8; ++column)
        board.push_back({column, {plan.filler()}});
    arrangeAndSettle(engine, board, foundation + 3);
    EXPECT_FALSE(engine.canDrop(two, foundation));
    EXPECT_FALSE(engine.canDrop(otherTwo, cell));  // not with a card on it
    EXPECT_TRUE(engine.canDrop(two, cell));
    ASSERT_TRUE(applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(two), cell), nullptr));
    EXPECT_FALSE(engine.canDrop(three, cell));  // the cell is full
    ASSERT_TRUE(applyStep(engine, Step::moveOnto(static_cast<std::uint16_t>(ace), foundation), nullptr));
    EXPECT_FALSE(engine.canDrop(otherTwo, foundation));
    EXPECT_TRUE(engine.canDrop(two, foundation));
    EXPECT_FALSE(engine.canPickUp(ace));  // cards stay on the foundations
}

struct DealShape {
    const char* game;
    Piles piles;
    std::vector<int> columnCards;
    std::vector<int> cellCards;
};

TEST(FreeCellRules, DealsTheLayoutFaceUpWithProgramsMatchingTheBoard)
{
    const std::vector<DealShape> shapes{
        {"FreeCell", kEightColumns, {7, 7, 7, 7, 6, 6, 6, 6}, {0, 0, 0, 0}},
        {"Baker's Game", kEightColumns, {7, 7, 7, 7, 6, 6, 6, 6}, {0, 0, 0, 0}},
        {"Eight Off", kEightOff, {6, 6, 6, 6, 6, 6, 6, 6}, {1, 0, 1, 0, 1, 0, 1, 0}},
        {"Seahaven Towers", kSeahaven, {5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, {0, 1, 1, 0}},
    };
    for (const DealShape& shape : shapes) {
        for (GameNumber number = 1; number <= 20; ++number) {
            SCOPED_TRACE(::testing::Message() << shape.game << " #" << number);
            Engine engine;
            dealEmbeddedGame(engine, shape.game, number);
            for (int column = 0; column < shape.piles.columns; ++column)
                EXPECT_EQ(cardsOn(engine, column), shape.columnCards[static_cast<std::size_t>(column)]);
            for (int cell = 0; cell < shape.piles.cells; ++cell)
                EXPECT_EQ(cardsOn(engine, shape.piles.firstCell() + cell),
                          shape.cellCards[static_cast<std::size_t>(cell)]);
            for (int f = 0; f < 4; ++f)
                EXPECT_EQ(cardsOn(engine, shape.piles.firstFoundation() + f), 0);
            for (const Card& card : engine.state().cards)
                EXPECT_TRUE(card.faceUp);
            // The programs dealt are those the keys would choose for this board.
            std::vector<std::int16_t> dealt;
            for (int column = 0; column < shape.piles.columns; ++column)
                dealt.push_back(engine.state().piles[static_cast<std::size_t>(column)].pickUpProgram);
            engine.runAfterMoveEvents(nullptr);
            for (int column = 0; column < shape.piles.columns; ++column)
                EXPECT_EQ(engine.state().piles[static_cast<std::size_t>(column)].pickUpProgram,
                          dealt[static_cast<std::size_t>(column)]);
        }
    }
}

// Wins found by the solver, replayed step by step on a fresh deal.
struct RecordedWin {
    const char* game;
    GameNumber number;
    const char* steps;
};

TEST(FreeCellRules, RecordedWinsReplay)
{
    const RecordedWin wins[] = {
        {"FreeCell", 1,
         "m 50 11;m 45 10;m 50 9;m 45 11;m 50 10;m 45 9;m 50 8;m 6 11;m 7 10;m 13 15;m 14 15;m 15 15;"
         "m 50 4;m 45 8;m 50 9;m 33 7;m 6 7;m 50 11;m 44 9;m 16 15;m 50 4;m 45 11;m 50 8;m 44 7;m 50 9;"
         "m 45 8;m 40 11;m 50 4;m 10 9;m 17 15;m 18 15;m 19 15;m 47 5;m 23 4;m 47 2;m 34 5;m 7 5;m 22 3;"
         "m 41 10;m 0 14;m 47 1;m 45 5;m 47 8;m 44 1;m 42 2;m 47 3;m 7 3;m 31 7;m 38 8;m 26 13;m 40 6;"
         "m 7 5;m 4 7;m 27 13;m 7 3;m 4 1;m 2 1;m 35 4;m 21 4;m 28 13;m 9 6;m 7 6;m 47 11;m 10 2;m 36 7;"
         "m 48 9;m 20 15;m 39 12;m 40 12;m 41 12;m 42 3;m 48 10;m 47 9;m 42 1;m 37 3;m 48 11;m 47 10;"
         "m 48 9;m 2 11;m 42 12;m 43 12;m 48 3;m 47 9;m 48 10;m 47 7;m 37 0;m 44 3;m 37 1;m 4 9;m 44 12;"
         "m 45 12;m 37 0;m 37 3;m 48 3;m 34 1;m 48 10;m 47 6;m 7 6;m 3 5;m 46 12;m 47 7;m 37 0;m 47 3;"
         "m 48 2;m 47 6;m 36 3;m 47 3;m 48 10;m 11 2;m 1 14;m 29 13;m 2 14;m 3 14;m 30 13;m 31 13;m 4 14;"
         "m 47 7;m 36 2;m 33 3;m 21 15;m 22 15;m 47 6;m 50 7;m 37 4;m 50 0;m 47 7;m 11 5;m 51 2;m 35 11;"
         "m 23 15;m 47 6;m 37 7;m 33 5;m 47 3;m 37 4;m 33 7;m 50 9;m 48 4;m 7 10;m 47 12;m 48 12;m 37 0;"
         "m 33 5;m 37 7;m 50 4;m 37 3;m 33 7;m 50 0;m 25 9;m 5 14;m 32 13;m 6 14;m 33 13;m 34 13;m 35 13;"
         "m 36 13;m 7 14;m 8 14;m 9 14;m 10 14;m 37 13;m 38 13;m 11 14;m 12 7;m 49 12;m 50 12;m 51 12;"
         "m 24 15;m 25 15;m 12 14"},
        {"Baker's Game", 2,
         "m 0 15;m 47 11;m 40 10;m 47 9;m 40 11;m 47 10;m 38 9;m 2 8;m 5 0;m 26 14;m 47 1;m 40 10;m 47 11;"
         "m 2 4;m 47 8;m 40 11;m 38 10;m 47 9;m 9 8;m 27 14;m 47 1;m 9 9;m 7 8;m 38 2;m 7 10;m 47 8;"
         "m 37 2;m 4 0;m 47 1;m 3 0;m 40 8;m 37 11;m 29 6;m 46 1;m 37 2;m 11 3;m 40 11;m 18 8;m 28 14;"
         "m 39 13;m 40 13;m 29 14;m 30 14;m 48 6;m 47 5;m 18 11;m 9 8;m 47 6;m 12 5;m 1 15;m 2 15;m 3 15;"
         "m 4 15;m 5 15;m 6 15;m 7 15;m 36 2;m 48 3;m 49 10;m 41 13;m 42 13;m 49 9;m 46 10;m 10 5;m 49 6;"
         "m 48 6;m 35 3;m 46 9;m 14 10;m 8 15;m 31 14;m 9 15;m 10 15;m 11 15;m 12 15;m 49 0;m 50 6;"
         "m 32 14;m 14 0;m 47 10;m 49 5;m 35 2;m 49 3;m 35 5;m 50 8;m 48 6;m 47 6;m 20 10;m 15 7;m 33 14;"
         "m 34 14;m 35 14;m 36 14;m 37 14;m 38 14;m 48 5;m 16 6;m 48 3;m 21 5;m 43 13;m 50 2;m 47 8;"
         "m 24 4;m 49 2;m 49 1;m 50 3;m 49 3;m 49 2;m 23 4;m 44 13;m 49 3;m 50 7;m 51 3;m 13 12;m 14 12;"
         "m 15 12;m 16 12;m 51 7;m 25 6;m 17 12;m 45 13;m 46 13;m 47 13;m 48 13;m 49 13;m 50 13;m 51 13;"
         "m 18 12;m 19 12;m 20 12;m 21 12;m 22 12;m 23 12;m 24 12;m 25 12"},
        {"Eight Off", 9,
         "m 39 19;m 26 18;m 51 15;m 48 13;m 51 11;m 48 15;m 51 13;m 48 11;m 18 15;m 40 19;m 51 10;m 48 13;"
         "m 51 11;m 48 10;m 51 9;m 48 8;m 42 13;m 51 11;m 19 10;m 0 17;m 27 18;m 51 9;m 48 11;m 51 8;"
         "m 48 9;m 34 11;m 5 3;m 51 1;m 46 8;m 1 17;m 2 17;m 3 17;m 4 17;m 5 17;m 6 17;m 16 5;m 9 6;"
         "m 22 7;m 8 6;m 13 16;m 51 3;m 38 1;m 14 16;m 37 1;m 36 1;m 32 2;m 51 12;m 25 3;m 44 14;m 7 17;"
         "m 8 17;m 9 17;m 10 17;m 11 17;m 44 4;m 23 6;m 15 16;m 16 16;m 17 16;m 18 16;m 19 16;m 38 7;"
         "m 24 3;m 25 1;m 38 3;m 25 7;m 38 1;m 51 15;m 43 14;m 20 16;m 21 16;m 28 18;m 22 16;m 23 16;"
         "m 24 16;m 25 16;m 38 7;m 51 12;m 50 15;m 29 18;m 30 18;m 12 17;m 31 18;m 32 18;m 33 18;m 34 18;"
         "m 35 18;m 36 18;m 37 18;m 38 18;m 51 11;m 50 12;m 51 15;m 50 11;m 51 10;m 48 15;m 51 12;m 47 10;"
         "m 49 9;m 41 19;m 42 19;m 43 19;m 44 19;m 45 19;m 46 19;m 47 19;m 48 19;m 49 19;m 50 19;m 51 19"},
        {"Seahaven Towers", 1,
         "m 50 13;m 47 10;m 41 0;m 0 14;m 21 3;m 36 11;m 47 4;m 21 10;m 14 7;m 50 12;m 46 13;m 21 3;"
         "m 50 10;m 46 12;m 41 13;m 46 4;m 43 1;m 28 12;m 11 0;m 1 14;m 41 1;m 36 13;m 14 11;m 28 9;"
         "m 15 12;m 40 1;m 9 2;m 30 8;m 50 7;m 29 8;m 10 0;m 50 10;m 17 9;m 8 0;m 50 7;m 18 2;m 51 9;"
         "m 7 0;m 13 17;m 14 17;m 15 17;m 51 7;m 50 12;m 46 11;m 47 10;m 50 7;m 51 9;m 48 12;m 20 3;"
         "m 39 16;m 40 16;m 41 16;m 42 16;m 43 16;m 44 16;m 45 16;m 46 16;m 47 16;m 48 16;m 16 17;m 17 17;"
         "m 18 17;m 19 17;m 20 17;m 21 17;m 22 17;m 5 11;m 32 10;m 33 12;m 23 17;m 33 5;m 5 12;m 6 11;"
         "m 25 7;m 32 5;m 25 1;m 4 10;m 27 8;m 36 3;m 51 7;m 27 13;m 25 6;m 6 0;m 51 9;m 5 0;m 27 8;m 4 0;"
         "m 31 5;m 38 13;m 26 15;m 27 15;m 28 15;m 29 15;m 30 15;m 31 15;m 32 15;m 33 15;m 34 15;m 2 14;"
         "m 35 15;m 36 15;m 37 15;m 38 15;m 3 14;m 4 14;m 5 14;m 6 14;m 7 14;m 8 14;m 9 14;m 10 14;"
         "m 11 14;m 12 14;m 49 16;m 50 16;m 51 16;m 24 17;m 25 17"},
    };
    for (const RecordedWin& win : wins) {
        expectRecordedWin(win.game, win.number, win.steps);
    }
}

}  // namespace
}  // namespace velmora
