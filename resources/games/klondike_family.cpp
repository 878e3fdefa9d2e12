#include "klondike_family.h"

#include "game_parts_base_rank.h"
#include "game_parts_runs.h"
#include "klondike_family_aces_out.h"
#include "klondike_family_fills.h"
#include "klondike_family_locks.h"
#include "klondike_family_parts.h"
#include "klondike_family_runs.h"
#include "klondike_family_waste_out.h"

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>

namespace velmora::gamedb {

using namespace velmora::rules;

bool topCardUp(int, int position, int count) { return position == count - 1; }
bool allCardsUp(int, int, int) { return true; }
bool alternateFromDown(int, int position, int) { return position % 2 == 1; }
bool alternateFromUp(int, int position, int) { return position % 2 == 0; }

int suitsPerPack(const KlondikeRules& rules)
{
    return rules.packSuits.empty() ? 4 : static_cast<int>(rules.packSuits.size());
}

int ranksPerPack(const KlondikeRules& rules)
{
    return rules.packRanks.empty() ? 13 : static_cast<int>(rules.packRanks.size());
}

int foundationCount(const KlondikeRules& rules)
{
    return suitsPerPack(rules) * rules.packs * (rules.splitFoundations ? 2 : 1);
}

namespace {

// Slot positions across the 160-unit board. Seven large cards fit at the
// spacing Klondike uses; more need normal cards at a narrower one, centred.
struct Point {
    int x;
    int y;
};

struct Grid {
    int left;
    int step;
    int x(int slot) const { return left + step * slot; }
};

constexpr Grid kLargeGrid{14, 22};
constexpr int kNormalStep = 15;
constexpr int kNarrowestStep = 14;  // a normal card spans about 13.3 units
// The span of card centres on a row of normal cards: wide rows of twelve or
// thirteen piles use it all, their neighbours sharing a sliver of edge.
constexpr int kNormalSpan = 146;
constexpr int kTopRowY = 14;
constexpr int kTableauY = 42;

Grid normalGrid(int slots)
{
    const int step = slots <= 1 ? kNormalStep : std::min(kNormalStep, kNormalSpan / (slots - 1));
    return {(160 - step * (slots - 1)) / 2, step};
}

int pileCards(const KlondikeRules& rules, int column)
{
    if (rules.rowsSendingAcesOut > 0)
        return 0;  // the columns are filled from the stock after the deal
    if (!rules.columnCards.empty())
        return rules.columnCards[static_cast<std::size_t>(column)];
    return rules.firstPileCards + column * rules.extraPerPile;
}

int tableauCards(const KlondikeRules& rules)
{
    int cards = 0;
    for (int column = 0; column < rules.columns; ++column)
        cards += pileCards(rules, column);
    return cards;
}

bool dealsFaceDown(const KlondikeRules& rules)
{
    for (int column = 0; column < rules.columns; ++column) {
        const int count = pileCards(rules, column);
        for (int position = 0; position < count; ++position)
            if (!rules.faceUp(column, position, count))
                return true;
    }
    return false;
}

constexpr int kWidestRow = 11;
constexpr int kSecondRowY = 36;
constexpr int kTableauBelowTwoRowsY = 61;
constexpr int kRowStep = kSecondRowY - kTopRowY;
constexpr int kLargeSlots = 7;
// The most normal cards a row holds without covering one another.
constexpr int kMostInRow = 13;
// The tableau's two rows, placed in proportion to the board's height: the
// first clears two rows of foundations on a short board, and each fan of the
// first stops a card's height (21 units on the shortest board) above the
// second.
constexpr int kFirstTableauRowY = 56;
constexpr int kTableauRowStep = 52;
constexpr int kCardHeightOnShortBoard = 21;
// Reserve rows closer than kRowStep, still leaving only a sliver of each
// card under the next row, for games with too many reserves for two rows.
constexpr int kCloseRowStep = 19;

// Where the top row, any second row of reserves and the tableau go, and
// which card size fits them.
struct Board {
    bool largeCards;
    Grid tableau;
    Grid top;
    int firstTopSlot;  // reserves follow the stock and waste from here
    int foundationSlot;
    int reservesOnTop;  // the rest take a second row
    Grid secondRow;
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

bool fannedReserves(const KlondikeRules& rules) { return rules.reserveCards > 1; }

// Reserve piles of several cards are fanned down beside the tableau, as
// further columns of its row; the top row holds the stock, the waste and the
// foundations.
Board boardWithFannedReserves(const KlondikeRules& rules, bool hasStock)
{
    const int foundations = foundationCount(rules);
    const int stockSlots = hasStock ? 2 : 0;
    const int topSlots = stockSlots + foundations;
    const int rowSlots = rules.columns + rules.reserves;
    const Grid none{0, 0};
    if (rowSlots <= kLargeSlots && topSlots <= kLargeSlots) {
        const int slots = std::max(rowSlots, topSlots);
        const Grid row{kLargeGrid.x((kLargeSlots - rowSlots) / 2), kLargeGrid.step};
        return {true, row, kLargeGrid, stockSlots, slots - foundations, 0, none, kTableauY};
    }
    const Grid row = normalGrid(std::max(rowSlots, topSlots));
    return {false, row, row, stockSlots, std::max(rowSlots, topSlots) - foundations, 0, none, kTableauY};
}

// More piles than a row holds: the tableau takes two rows of half of them,
// under the stock, the waste and the foundations in two rows at their right.
Board boardWithTwoTableauRows(const KlondikeRules& rules, bool hasStock)
{
    const int foundations = suitsPerPack(rules) * rules.packs;
    const int stockSlots = hasStock ? 2 : 0;
    const int onTop = (foundations + 1) / 2;
    const int perRow = (rules.columns + 1) / 2;
    const Grid none{0, 0};
    return {false,     normalGrid(perRow), normalGrid(stockSlots + onTop), stockSlots, stockSlots, 0, none,
            kFirstTableauRowY, 0, onTop, kRowStep, perRow, kTableauRowStep};
}

// A fir tree of reserves takes two slots between the halves of the
// tableau; the stock, the waste and the foundations share the row above.
constexpr int kTreeSlots = 2;
constexpr int kTreeRowStep = 7;

Board boardWithFirTree(const KlondikeRules& rules, bool hasStock)
{
    const int stockSlots = hasStock ? 2 : 0;
    const int slots = std::max(rules.columns + kTreeSlots, stockSlots + foundationCount(rules));
    const Grid grid = normalGrid(slots);
    const Grid none{0, 0};
    return {false, grid, grid, stockSlots, slots - foundationCount(rules), 0, none, kTableauY, 0, 0,
            kRowStep, 0, 0, rules.columns / 2, kTreeSlots};
}

Board boardFor(const KlondikeRules& rules, bool hasStock)
{
    if (rules.firTree)
        return boardWithFirTree(rules, hasStock);
    if (fannedReserves(rules))
        return boardWithFannedReserves(rules, hasStock);
    if (rules.columns > kMostInRow && rules.reserves == 0 && rules.cells.empty())
        return boardWithTwoTableauRows(rules, hasStock);
    const int foundations = foundationCount(rules);
    const int stockSlots = hasStock ? 2 : 0;
    // Cells take places beside the reserves.
    const int extras = rules.reserves + static_cast<int>(rules.cells.size());
    const int topSlots = stockSlots + extras + foundations;
    const Grid none{0, 0};
    if (rules.columns <= kLargeSlots && topSlots <= rules.columns)
        return {true, kLargeGrid, kLargeGrid, stockSlots, rules.columns - foundations, extras, none,
                kTableauY};
    if (rules.columns <= kLargeSlots && topSlots <= kLargeSlots) {
        // A narrow tableau is centred under a full top row.
        const Grid tableau{kLargeGrid.x((kLargeSlots - rules.columns) / 2), kLargeGrid.step};
        return {true, tableau, kLargeGrid, stockSlots, kLargeSlots - foundations, extras, none, kTableauY};
    }
    const Grid tableau = normalGrid(rules.columns);
    if (topSlots <= rules.columns)
        return {false, tableau, tableau, stockSlots, rules.columns - foundations, extras, none, kTableauY};
    if (topSlots <= kWidestRow)
        return {false, tableau, normalGrid(topSlots), stockSlots, topSlots - foundations, extras, none,
                kTableauY};
    if (extras == 0) {
        // Many packs: the foundations take two rows at the right end of the
        // tableau's grid, the stock and waste its left end.
        const int onTop = (foundations + 1) / 2;
        const int slots = std::max(rules.columns, stockSlots + onTop);
        const Grid top = slots == rules.columns ? tableau : normalGrid(slots);
        return {false, tableau, top, stockSlots, slots - onTop, 0, none, kTableauBelowTwoRowsY, 0, onTop};
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
        return {false, tableau, row, stockSlots, kMostInRow - foundations, closeOnTop, row,
                kTopRowY + kCloseRowStep * closeRows + kCardHeightOnShortBoard, kMostInRow, 0, kCloseRowStep};
    }
    return {false,
            tableau,
            normalGrid(rowSlots),
            stockSlots,
            rowSlots - foundations,
            onTop,
            normalGrid(perRow),
            kTableauBelowTwoRowsY + kRowStep * (rows - 1),
            rows > 1 ? perRow : 0};
}

// Where reserve `k` lies: the top row first, then the rows below.
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

// Whether the foundations receive the card at the deal.
bool dealtToFoundation(const KlondikeRules& rules, int suit, int rank)
{
    if (!rules.dealtBases.empty())
        return rules.dealtBases[static_cast<std::size_t>(suit - 1)] == rank;
    return rules.acesDealt && rank == 1;
}

void addCards(RecordBuilder& b, const KlondikeRules& rules)
{
    if (!rules.acesDealt && rules.dealtBases.empty() && rules.packSuits.empty() && rules.packRanks.empty()) {
        b.addPacks(rules.packs);
        return;
    }
    // The cards dealt to the foundations form their own deal class, which
    // only the foundations receive.
    const std::vector<int> suits = rules.packSuits.empty() ? std::vector<int>{1, 2, 3, 4} : rules.packSuits;
    const std::vector<int> ranks =
        rules.packRanks.empty() ? std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13} : rules.packRanks;
    for (int pack = 0; pack < rules.packs; ++pack)
        for (int suit : suits)
            for (int rank : ranks)
                b.addCard(suit, rank, dealtToFoundation(rules, suit, rank) ? 1 : 0);
}

std::vector<int> addTableau(RecordBuilder& b, const KlondikeRules& rules, const Board& board, int pickUp,
                            int accept)
{
    std::vector<int> tableau;
    for (int column = 0; column < rules.columns; ++column) {
        const int count = pileCards(rules, column);
        const bool bottomUp = rules.faceUp(column, 0, count);
        const int perRow = board.tableauPerRow == 0 ? rules.columns : board.tableauPerRow;
        const int row = column / perRow;
        const bool rowBelow = row + 1 < (rules.columns + perRow - 1) / perRow;
        const int pile = b.addPile(makePile({.x = board.tableauX(column % perRow),
                                             .y = board.tableauY + board.tableauRowStep * row,
                                             .yAnchor = board.tableauPerRow == 0 ? 0 : 1,
                                             .spread = Spread::down,
                                             .faceUp = bottomUp,
                                             .dealCount = count,
                                             .pickUp = pickUp,
                                             .accept = accept,
                                             .fanLimit = rowBelow ? board.tableauRowStep - kCardHeightOnShortBoard : 0}));
        for (int position = 1; position < count; ++position)
            if (rules.faceUp(column, position, count) != bottomUp)
                b.addFaceToggle(pile, position);
        tableau.push_back(pile);
    }
    return tableau;
}

// Every pile gives to every other, except that a foundation's card never
// goes onto another foundation: with two or more packs that move would only
// swap a card between equal foundations, a step that changes nothing. The
// foundations are the last piles added.
void permitMoves(RecordBuilder& b, std::span<const int> foundations)
{
    if (foundations.size() <= 4) {
        b.permit(kAnyPile, kAnyPile);
        return;
    }
    const int firstFoundation = foundations.front();
    for (int pile = 0; pile < firstFoundation; ++pile) {
        b.permit(pile, kAnyPile);
        b.permit(kAnyPile, pile);
    }
}

// After the deal the first foundation's card sets the base of them all: its
// rank switches every foundation to the accept rule for that base and shows
// the rank on its empty place.
void addDealtBaseKeys(RecordBuilder& b, std::span<const int> foundations)
{
    BaseRankSwitch choice;
    choice.readPile = foundations.front();
    choice.foundations.assign(foundations.begin(), foundations.end());
    choice.programs = addBaseRankPrograms(
        b, [](int base) { return acceptsOnFoundation(base, Direction::up, true); },
        [](int base) { return faceUp(top(first)) && rank(top(first)) == base; });
    addBaseRankKeys(b, choice);
}

}  // namespace

// Row data that the piles cannot carry out: refused when the game is built.
void requireConsistent(const KlondikeRules& rules, bool hasWaste)
{
    const auto refuse = [&](const std::string& why) {
        throw std::runtime_error("game \"" + std::string(rules.name) + "\": " + why);
    };
    const bool usesWaste = rules.spaceFill == SpaceFill::fromWaste || rules.spaceFill == SpaceFill::fromReserves;
    if (usesWaste && !hasWaste)
        refuse("spaces filled from the waste need a waste");
    if (rules.spaceFill == SpaceFill::fromReserves && rules.reserves != 2)
        refuse("spaces filled from the fuller reserve need two reserve piles");
    if (!rules.cells.empty() && fannedReserves(rules))
        refuse("cells lie beside single-card reserves only");
    if (!rules.dealtBases.empty() && (rules.dealtBases.size() != 4 || !rules.packSuits.empty() || rules.acesDealt))
        refuse("dealt bases name one rank for each of the four suits of a full pack");
    if (!rules.dealtBases.empty() && (rules.baseCardDealt || movableBase(rules)))
        refuse("dealt bases fix every foundation's base");
    if (rules.reservesFeedFoundationsOnly && (rules.tableauFedByWasteOnly || !rules.cells.empty()))
        refuse("reserves that feed only the foundations go with neither cells nor a tableau fed by the waste");
    if (!rules.packRanks.empty() && rules.foundationSuits != Suits::same)
        refuse("a stripped pack's foundations are built in suit");
    if (!rules.packRanks.empty() && (rules.base != FoundationBase::fixed || rules.baseCardDealt))
        refuse("a stripped pack's foundations start from a fixed rank");
    if (rules.spaceFill == SpaceFill::fromReserve && rules.reserves != 1)
        refuse("spaces filled from the reserve need one reserve pile");
    if (rules.lockedReserves && (rules.reserves > foundationCount(rules) || fannedReserves(rules)))
        refuse("each locked reserve card lies under a foundation of its own");
    if (rules.wasteOut && (!hasWaste || movableBase(rules) || rules.kingsDown || rules.splitFoundations ||
                           rules.foundationBase != 0 || rules.baseCardDealt))
        refuse("the waste goes out by itself onto foundations up from the Ace, from a waste");
    if (rules.firTree && (rules.reserves % 3 != 1 || fannedReserves(rules) || rules.columns % 2 != 0))
        refuse("a fir tree holds rows of one and two reserve cards, from one to one, between two equal halves");
    if (const std::string why = runFoundationsConflict(rules); !why.empty())
        refuse(why);
}

GameDefinition klondikeGame(const KlondikeRules& rules)
{
    const int foundationCount = gamedb::foundationCount(rules);
    const int packCards = ranksPerPack(rules) * suitsPerPack(rules) * rules.packs;
    const bool oneBaseCard = rules.baseCardDealt || rules.base == FoundationBase::dealtCard;
    const bool basesDealt = rules.acesDealt || !rules.dealtBases.empty();
    const int dealtApart = basesDealt ? foundationCount : oneBaseCard ? 1 : 0;
    // Foundations whose base is dealt or chosen in play show no rank when empty.
    const bool noBaseMark =
        movableBase(rules) || rules.baseCardDealt || !rules.dealtBases.empty() || rules.runFoundations;
    const int reserveCards = rules.reserves * rules.reserveCards;
    const int stockCards = packCards - tableauCards(rules) - reserveCards - dealtApart;
    const bool hasStock = stockCards > 0 || rules.redealTableau;
    const bool hasWaste =
        stockCards > 0 && (rules.stock == StockDeal::toWaste || rules.stock == StockDeal::reservesThenOpen);
    requireConsistent(rules, hasWaste);
    const Board board = boardFor(rules, hasStock);

    RecordBuilder b(rules.id, rules.name);
    b.category(rules.category, rules.extraCategories)
        .skill(rules.skill)
        .playTime(rules.playTime)
        .largeCards(board.largeCards);
    b.description(*rules.description ? std::string(rules.description) : klondikeDescription(rules));
    addCards(b, rules);

    const CommonPrograms common = addCommonPrograms(b);
    const int tableauPickUp = rules.singleCards ? common.topCardOnly : addRule(b, isRun(first, rules.groupBuild));
    const int tableauAccept = addRule(b, tableauAcceptRule(rules));
    // A foundation gives back any card but its first. Foundations of whole
    // suits neither take nor give a card: runs reach them by the run keys.
    const int foundationPickUp = rules.foundationsKeep || rules.runFoundations
                                     ? common.never
                                     : addRule(b, count(first) == 1 && !empty(second));
    const int foundationAccept =
        movableBase(rules) || rules.runFoundations ? common.never : addRule(b, foundationAcceptRule(rules));
    const int downFromKing = rules.splitFoundations ? addRule(b, acceptsOnFoundation(13, Direction::down)) : 0;

    KlondikePiles piles;
    if (hasStock) {
        const int wasteCards = hasWaste && rules.stock == StockDeal::toWaste ? rules.stockDeal : 0;
        const bool stockInPlay = rules.stock == StockDeal::reservesThenOpen;
        piles.stock = b.addPile(makePile({.x = board.top.x(0),
                                          .y = kTopRowY,
                                          .faceUp = false,
                                          .dealCount = stockCards - wasteCards,
                                          .pickUp = stockInPlay ? common.topCardOnly : 0}));
        if (hasWaste)
            piles.waste = b.addPile(makePile({.x = board.top.x(1),
                                              .y = kTopRowY,
                                              .style = kStyleHiddenWhenEmpty,
                                              .dealCount = wasteCards,
                                              .pickUp = common.topCardOnly}));
    }
    piles.tableau = addTableau(b, rules, board, tableauPickUp, tableauAccept);
    for (int k = 0; k < rules.reserves; ++k) {
        const bool fanned = fannedReserves(rules);
        Point place = fanned ? Point{board.tableau.x(rules.columns + k), board.tableauY} : reservePlace(board, k);
        if (rules.lockedReserves)
            place.x = foundationPlace(board, k).x;
        if (rules.firTree) {
            const int left = board.tableau.x(board.gapAt);
            const TreePlace tree = firTreePlace(k, left, board.tableau.step, board.tableauY, kTreeRowStep);
            place = {tree.x, tree.y};
        }
        piles.reserves.push_back(b.addPile(makePile({.x = place.x,
                                                     .y = place.y,
                                                     .spread = fanned ? Spread::down : Spread::squared,
                                                     .faceUp = !rules.lockedReserves,
                                                     .dealCount = rules.reserveCards,
                                                     .pickUp = reservePickUp(rules, common, k),
                                                     .accept = common.never})));
    }
    for (std::size_t k = 0; k < rules.cells.size(); ++k) {
        const RankCell& cell = rules.cells[k];
        const Point place = reservePlace(board, rules.reserves + static_cast<int>(k));
        const int accept = addRule(b, count(first) == 1 && faceUp(top(first)) && rank(top(first)) == cell.rank &&
                                          count(second) < cell.capacity);
        b.addPile(makePile({.x = place.x, .y = place.y, .pickUp = common.topCardOnly, .accept = accept}));
    }
    for (int k = 0; k < foundationCount; ++k) {
        const bool goesDown = rules.splitFoundations && 2 * k >= foundationCount;
        const int accept = goesDown ? downFromKing : foundationAccept;
        piles.foundations.push_back(b.addPile(makePile(
            {.x = foundationPlace(board, k).x,
             .y = foundationPlace(board, k).y,
             .style = rules.runFoundations ? kStylePlain : kStyleBaseCard,
             .dealCount = basesDealt || (oneBaseCard && k == 0) ? 1 : 0,
             .dealClass = basesDealt ? 1 : 0,
             .pickUp = foundationPickUp,
             .accept = movableBase(rules) ? foundationAcceptBeforeBase(b, rules, common, k) : accept,
             .baseRank = noBaseMark ? 0 : goesDown ? 13 : shownFoundationBase(rules)})));
    }
    if (rules.tableauFedByWasteOnly)
        permitWasteFedMoves(b, piles);
    else if (rules.reservesFeedFoundationsOnly)
        permitReservesToFoundationsOnly(b, piles);
    else
        permitMoves(b, piles.foundations);
    if (rules.baseCardDealt)
        addDealtBaseKeys(b, piles.foundations);
    if (rules.lockedReserves)
        addLockedReserveKeys(b, common, piles);
    addReserveCoverKeys(b, rules, common, piles);

    if (hasWaste && rules.dealCountFalls) {
        addFallingDeal(b, rules, common, piles);
    } else if (hasWaste && rules.stock == StockDeal::toWaste) {
        b.pile(piles.stock).tapKey =
            static_cast<std::uint16_t>(addDealToWaste(b, piles.stock, piles.waste, rules.stockDeal));
        if (rules.redeals != 0)
            b.pile(piles.stock).emptyTapKey =
                static_cast<std::uint16_t>(addRedeal(b, common, piles.stock, piles.waste, rules.redeals));
    } else if (rules.redealTableau) {
        addTableauRedeal(b, rules, piles);
    } else if (hasStock && dealsToReserves(rules)) {
        addReserveDeal(b, rules, common, piles);
    } else if (hasStock) {
        const std::span<const int> targets(piles.tableau.data(),
                                           rules.stock == StockDeal::toFirstColumn ? 1 : piles.tableau.size());
        b.pile(piles.stock).tapKey = static_cast<std::uint16_t>(addDealRow(b, piles.stock, targets));
    }
    if (rules.rowsSendingAcesOut > 0)
        addRowsSendingAcesOut(b, piles.stock, piles.tableau, piles.foundations, rules.rowsSendingAcesOut);
    if (movableBase(rules))
        addBaseRankSwitch(b, rules, piles);
    const std::vector<FillGuard> guards =
        rules.wasteOut ? addWasteOutKeys(b, common, piles) : std::vector<FillGuard>{};
    addSpaceFillKeys(b, rules, common, {piles.stock, piles.waste}, piles.tableau, piles.reserves, guards);
    // A run leaves before the card under it is turned, so that the card is
    // turned up in the same step.
    if (rules.runFoundations)
        addRunKeys(b, common, piles.tableau, piles.foundations);
    if (dealsFaceDown(rules))
        addTurnUpKeys(b, common, piles.tableau);
    if (rules.splitFoundations)
        addWinWhenEmpty(b, common, cardsInPlay(piles));
    else
        addWinWhenFull(b, piles.foundations, ranksPerPack(rules));
    return b.build();
}

}  // namespace velmora::gamedb
