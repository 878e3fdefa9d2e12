#include "klondike_family_boards.h"

#include <algorithm>

#include "klondike_family_parts.h"

namespace velmora::gamedb {

namespace {

// Slot positions across the 160-unit board. Seven large cards fit at the
// spacing Klondike uses; more need normal cards at a narrower one, centred.
constexpr Grid kLargeGrid{14, 22};
constexpr int kNormalStep = 15;
// The span of card centres on a row of normal cards: wide rows of twelve or
// thirteen piles use it all, their neighbours sharing a sliver of edge.
constexpr int kNormalSpan = 146;
constexpr int kTableauY = 42;

Grid normalGrid(int slots)
{
    const int step = slots <= 1 ? kNormalStep : std::min(kNormalStep, kNormalSpan / (slots - 1));
    return {(160 - step * (slots - 1)) / 2, step};
}

constexpr int kWidestRow = 11;
constexpr int kTableauBelowTwoRowsY = 61;
constexpr int kLargeSlots = 7;
// The most normal cards a row holds without covering one another.
constexpr int kMostInRow = 13;
// The tableau's two rows, placed in proportion to the board's height: the
// first clears two rows of foundations on a short board, and each fan of the
// first stops a card's height (kCardHeightOnShortBoard) above the second.
constexpr int kFirstTableauRowY = 56;
constexpr int kTableauRowStep = 52;
// Reserve rows closer than kRowStep, still leaving only a sliver of each
// card under the next row, for games with too many reserves for two rows.
constexpr int kCloseRowStep = 19;

// Reserve piles of several cards, and a reserve opened by the used-up stock
// that takes groups, are fanned down beside the tableau, as further columns
// of its row; the top row holds the stock, the waste and the foundations.
Board boardWithFannedReserves(const KlondikeRules& rules, bool hasStock)
{
    const int foundations = foundationCount(rules);
    const int stockSlots = hasStock ? 2 : 0;
    const int topSlots = stockSlots + foundations;
    const int rowSlots = rules.columns + rules.reserves + (rules.stockOutReserve == kStockOutGroup ? 1 : 0);
    if (rowSlots <= kLargeSlots && topSlots <= kLargeSlots) {
        const int slots = std::max(rowSlots, topSlots);
        const Grid row{kLargeGrid.x((kLargeSlots - rowSlots) / 2), kLargeGrid.step};
        return {.largeCards = true,
                .tableau = row,
                .top = kLargeGrid,
                .firstTopSlot = stockSlots,
                .foundationSlot = slots - foundations,
                .tableauY = kTableauY};
    }
    const Grid row = normalGrid(std::max(rowSlots, topSlots));
    return {.largeCards = false,
            .tableau = row,
            .top = row,
            .firstTopSlot = stockSlots,
            .foundationSlot = std::max(rowSlots, topSlots) - foundations,
            .tableauY = kTableauY};
}

// More piles than a row holds: the tableau takes two rows of half of them,
// under the stock, the waste and the foundations in two rows at their right.
Board boardWithTwoTableauRows(const KlondikeRules& rules, bool hasStock)
{
    const int foundations = foundationCount(rules);
    const int stockSlots = hasStock ? 2 : 0;
    const int onTop = (foundations + 1) / 2;
    const int perRow = (rules.columns + 1) / 2;
    return {.largeCards = false,
            .tableau = normalGrid(perRow),
            .top = normalGrid(stockSlots + onTop),
            .firstTopSlot = stockSlots,
            .foundationSlot = stockSlots,
            .tableauY = kFirstTableauRowY,
            .foundationsOnTop = onTop,
            .tableauPerRow = perRow,
            .tableauRowStep = kTableauRowStep};
}

// A fir tree of reserves takes two slots between the halves of the
// tableau; the stock, the waste and the foundations share the row above.
constexpr int kTreeSlots = 2;

Board boardWithFirTree(const KlondikeRules& rules, bool hasStock)
{
    const int stockSlots = hasStock ? 2 : 0;
    const int slots = std::max(rules.columns + kTreeSlots, stockSlots + foundationCount(rules));
    const Grid grid = normalGrid(slots);
    return {.largeCards = false,
            .tableau = grid,
            .top = grid,
            .firstTopSlot = stockSlots,
            .foundationSlot = slots - foundationCount(rules),
            .tableauY = kTableauY,
            .gapAt = rules.columns / 2,
            .gapSlots = kTreeSlots};
}

}  // namespace

bool fannedReserves(const KlondikeRules& rules) { return rules.reserveCards > 1 && !dealsToReserves(rules); }

Board boardFor(const KlondikeRules& rules, bool hasStock)
{
    if (rules.firTree)
        return boardWithFirTree(rules, hasStock);
    // A reserve that takes groups lies fanned like one more column.
    if (fannedReserves(rules) || rules.stockOutReserve == kStockOutGroup)
        return boardWithFannedReserves(rules, hasStock);
    if (rules.columns > kMostInRow && rules.reserves == 0 && rules.cells.empty() && rules.stockOutReserve == 0)
        return boardWithTwoTableauRows(rules, hasStock);
    const int foundations = foundationCount(rules);
    const int stockSlots = hasStock ? 2 : 0;
    // Cells take places beside the reserves.
    const int extras = rules.reserves + static_cast<int>(rules.cells.size()) + (rules.stockOutReserve != 0 ? 1 : 0);
    const int topSlots = stockSlots + extras + foundations;
    if (rules.columns <= kLargeSlots && topSlots <= rules.columns)
        return {.largeCards = true,
                .tableau = kLargeGrid,
                .top = kLargeGrid,
                .firstTopSlot = stockSlots,
                .foundationSlot = rules.columns - foundations,
                .reservesOnTop = extras,
                .tableauY = kTableauY};
    if (rules.columns <= kLargeSlots && topSlots <= kLargeSlots) {
        // A narrow tableau is centred under a full top row.
        const Grid tableau{kLargeGrid.x((kLargeSlots - rules.columns) / 2), kLargeGrid.step};
        return {.largeCards = true,
                .tableau = tableau,
                .top = kLargeGrid,
                .firstTopSlot = stockSlots,
                .foundationSlot = kLargeSlots - foundations,
                .reservesOnTop = extras,
                .tableauY = kTableauY};
    }
    const Grid tableau = normalGrid(rules.columns);
    if (topSlots <= rules.columns)
        return {.largeCards = false,
                .tableau = tableau,
                .top = tableau,
                .firstTopSlot = stockSlots,
                .foundationSlot = rules.columns - foundations,
                .reservesOnTop = extras,
                .tableauY = kTableauY};
    if (topSlots <= kWidestRow)
        return {.largeCards = false,
                .tableau = tableau,
                .top = normalGrid(topSlots),
                .firstTopSlot = stockSlots,
                .foundationSlot = topSlots - foundations,
                .reservesOnTop = extras,
                .tableauY = kTableauY};
    if (extras == 0) {
        // Many packs: the foundations take two rows at the right end of the
        // tableau's grid, the stock and waste its left end.
        const int onTop = (foundations + 1) / 2;
        const int slots = std::max(rules.columns, stockSlots + onTop);
        const Grid top = slots == rules.columns ? tableau : normalGrid(slots);
        return {.largeCards = false,
                .tableau = tableau,
                .top = top,
                .firstTopSlot = stockSlots,
                .foundationSlot = slots - onTop,
                .tableauY = kTableauBelowTwoRowsY,
                .foundationsOnTop = onTop};
    }
    // Too many for one row: the top row is filled up to the foundations at
    // its right end and the remaining reserves are centred below it, in as
    // many rows as they need.
    const int rowSlots = kWidestRow - 1;
    const int onTop = rowSlots - stockSlots - foundations;
    const int below = extras - onTop;
    const int rows = (below + kWidestRow - 1) / kWidestRow;
    const int perRow = (below + rows - 1) / rows;
    if (rows > 2) {
        // So many reserves that rows of eleven would crowd the tableau off
        // a short board: rows as wide as the board holds, closer together.
        const int closeOnTop = kMostInRow - stockSlots - foundations;
        const int closeRows = (extras - closeOnTop + kMostInRow - 1) / kMostInRow;
        const Grid row = normalGrid(kMostInRow);
        return {.largeCards = false,
                .tableau = tableau,
                .top = row,
                .firstTopSlot = stockSlots,
                .foundationSlot = kMostInRow - foundations,
                .reservesOnTop = closeOnTop,
                .secondRow = row,
                .tableauY = kTopRowY + kCloseRowStep * closeRows + kCardHeightOnShortBoard,
                .reservesPerRow = kMostInRow,
                .rowStep = kCloseRowStep};
    }
    return {.largeCards = false,
            .tableau = tableau,
            .top = normalGrid(rowSlots),
            .firstTopSlot = stockSlots,
            .foundationSlot = rowSlots - foundations,
            .reservesOnTop = onTop,
            .secondRow = normalGrid(perRow),
            .tableauY = kTableauBelowTwoRowsY + kRowStep * (rows - 1),
            .reservesPerRow = rows > 1 ? perRow : 0};
}

Point reservePlace(const Board& board, int k)
{
    if (k < board.reservesOnTop)
        return {board.top.x(board.firstTopSlot + k), kTopRowY};
    const int below = k - board.reservesOnTop;
    if (board.reservesPerRow == 0)
        return {board.secondRow.x(below), kTopRowY + board.rowStep};
    return {board.secondRow.x(below % board.reservesPerRow),
            kTopRowY + board.rowStep * (1 + below / board.reservesPerRow)};
}

Point foundationPlace(const Board& board, int k)
{
    if (board.foundationsOnTop == 0 || k < board.foundationsOnTop)
        return {board.top.x(board.foundationSlot + k), kTopRowY};
    return {board.top.x(board.foundationSlot + k - board.foundationsOnTop), kSecondRowY};
}

}  // namespace velmora::gamedb
