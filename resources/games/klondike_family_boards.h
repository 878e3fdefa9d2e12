// Where the piles of a Klondike-family record lie on the 160-unit board: the
// card size, the top row of stock, waste, reserves and foundations, any rows
// of reserves below it, and the tableau's row or rows. Used by klondikeGame.
#pragma once

#include "klondike_family.h"

namespace velmora::gamedb {

struct Point {
    int x;
    int y;
};

// Slots at a fixed step from the centre of the leftmost.
struct Grid {
    int left;
    int step;
    int x(int slot) const { return left + step * slot; }
};

inline constexpr int kTopRowY = 14;
inline constexpr int kSecondRowY = 36;
inline constexpr int kRowStep = kSecondRowY - kTopRowY;
// A fanned tableau row stops this far above the row below it.
inline constexpr int kCardHeightOnShortBoard = 21;
// Between the rows of a fir tree of reserves.
inline constexpr int kTreeRowStep = 7;

// Where the top row, any second row of reserves and the tableau go, and
// which card size fits them.
struct Board {
    bool largeCards;
    Grid tableau;
    Grid top;
    int firstTopSlot;  // reserves follow the stock and waste from here
    int foundationSlot;
    int reservesOnTop = 0;  // the rest take a second row
    Grid secondRow{0, 0};
    int tableauY;
    int reservesPerRow = 0;  // 0: the second row holds them all; else rows of this many
    int foundationsOnTop = 0;  // 0: all of them; else the rest lie beneath these
    int rowStep = kRowStep;     // between the rows of reserves
    // 0: the tableau takes one row; else rows of this many piles, placed in
    // proportion to the board's height, each but the last fanned no further
    // than the next row.
    int tableauPerRow = 0;
    int tableauRowStep = 0;
    int gapAt = 0;  // the tableau leaves gapSlots free slots before this column
    int gapSlots = 0;
    int tableauX(int column) const { return tableau.x(column < gapAt ? column : column + gapSlots); }
};

// Reserve piles of several cards lie fanned down beside the tableau, as
// further columns of its row; those the stock deals to keep only their top
// card in play and lie squared however many cards they start with.
bool fannedReserves(const KlondikeRules& rules);

// The board for a game's piles; with a stock, the stock and the waste take
// the first two slots of the top row.
Board boardFor(const KlondikeRules& rules, bool hasStock);

// Where single-card reserve (or cell) `k` lies: the top row first, then the
// rows below.
Point reservePlace(const Board& board, int k);
Point foundationPlace(const Board& board, int k);

}  // namespace velmora::gamedb
