// Addition games: cards leave the table in pairs, and the game is won when
// every card that can go has gone to the discard pile.
//
// A pair is removed by dropping one of its cards on the other: the accept
// rule of the pile says which cards pair, and the pile's drop key then moves
// its top two cards, the dropped card and its partner, to the discard pile.
// Which cards may meet is decided by pick-up and accept programs (Pyramid
// switches them on as cards are uncovered) and by move permissions (Monte
// Carlo permits moves only between neighbouring places of its grid).
#include <span>
#include <vector>

#include "game_parts.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

using namespace velmora::rules;

// Accept rule: one face-up card on a face-up card when the two pair.
int addPairAccept(RecordBuilder& b, const Condition& pair)
{
    return addRule(b, count(first) == 1 && faceUp(top(first)) && faceUp(top(second)) && pair);
}

Condition sameRank() { return rank(top(first)) == rank(top(second)); }

// Each listed pile discards its top two cards when a card is dropped on it.
// Returns the drop keys in the order of the piles.
std::vector<int> addPairDropKeys(RecordBuilder& b, std::span<const int> piles, int discard)
{
    std::vector<int> keys;
    for (int pile : piles) {
        const int key = b.addKey(TriggerType::never);
        b.addAction(key, moveCardsAction(pile, Range::fromTop, 0, 2, discard));
        b.pile(pile).dropKey = static_cast<std::uint16_t>(key);
        keys.push_back(key);
    }
    return keys;
}

std::vector<int> pileRange(int firstPile, int count)
{
    std::vector<int> piles;
    for (int p = firstPile; p < firstPile + count; ++p)
        piles.push_back(p);
    return piles;
}

// Each listed empty pile takes the stock's top card, face up, after every step.
void addFillFromStock(RecordBuilder& b, const CommonPrograms& common, std::span<const int> piles, int stock)
{
    for (int pile : piles) {
        const int key = b.addKey(TriggerType::afterEveryStep);
        b.addCondition(key, common.isEmpty, pile);
        b.addCondition(key, common.notEmpty, stock);
        b.addAction(key, setCardsAction(stock, Range::fromTop, 0, 1, kCardFaceUp, 1));
        b.addAction(key, moveCardsAction(stock, Range::fromTop, 0, 1, pile));
    }
}

// --- Monte Carlo ---------------------------------------------------------------

constexpr int kGridSide = 5;
constexpr int kGridCells = kGridSide * kGridSide;

// Pairs may only meet between places of the grid that touch, diagonals included.
void permitNeighbours(RecordBuilder& b)
{
    for (int from = 0; from < kGridCells; ++from)
        for (int to = 0; to < kGridCells; ++to) {
            const int rows = from / kGridSide - to / kGridSide, columns = from % kGridSide - to % kGridSide;
            if (from != to && rows >= -1 && rows <= 1 && columns >= -1 && columns <= 1)
                b.permit(from, to);
        }
}

// Tapping the stock after a pair went switches consolidation on: repeating
// keys shift every card to the first free place before it, feed the last
// place from the stock while it lasts, and switch consolidation off when
// nothing is left to shift or fill. Two bookkeeping piles hold the state:
// `consolidating`, and `paired`, enabled when a pair went since the last
// consolidation and left something to do, so that a tap that would change
// nothing is not offered.
void addConsolidation(RecordBuilder& b, const CommonPrograms& common, int stock, int consolidating, int paired,
                      std::span<const int> dropKeys)
{
    const int markPaired = b.addAction(dropKeys.front(), setPileAction(paired, kPileEnabled, 1));
    for (int key : dropKeys.subspan(1))
        b.linkAction(key, markPaired);

    const int tap = b.addKey(TriggerType::never);
    b.addCondition(tap, common.always, paired);
    b.addAction(tap, setPileAction(paired, kPileEnabled, 0));
    b.addAction(tap, setPileAction(consolidating, kPileEnabled, 1));
    b.pile(stock).tapKey = b.pile(stock).emptyTapKey = static_cast<std::uint16_t>(tap);

    for (int cell = 0; cell + 1 < kGridCells; ++cell) {
        const int shift = b.addKey(TriggerType::afterEveryStepRepeated);
        b.addCondition(shift, common.always, consolidating);
        b.addCondition(shift, common.isEmpty, cell);
        b.addCondition(shift, common.notEmpty, cell + 1);
        b.addAction(shift, moveCardsAction(cell + 1, Range::between, 0, 0, cell));
    }
    const int feed = b.addKey(TriggerType::afterEveryStepRepeated);
    b.addCondition(feed, common.always, consolidating);
    b.addCondition(feed, common.isEmpty, kGridCells - 1);
    b.addCondition(feed, common.notEmpty, stock);
    b.addAction(feed, setCardsAction(stock, Range::fromTop, 0, 1, kCardFaceUp, 1));
    b.addAction(feed, moveCardsAction(stock, Range::fromTop, 0, 1, kGridCells - 1));

    const int gridFull = b.addKey(TriggerType::afterEveryStep);
    b.addCondition(gridFull, common.always, consolidating);
    for (int cell = 0; cell < kGridCells; ++cell)
        b.addCondition(gridFull, common.notEmpty, cell);
    b.addAction(gridFull, setPileAction(consolidating, kPileEnabled, 0));

    // With the stock used up and no gap before a card, consolidating has
    // nothing (more) to do.
    const int noGapBeforeCard = addRule(b, !empty(first) || empty(second));
    for (int flag : {consolidating, paired}) {
        const int settled = b.addKey(TriggerType::afterEveryStep);
        b.addCondition(settled, common.always, flag);
        b.addCondition(settled, common.isEmpty, stock);
        for (int cell = 0; cell + 1 < kGridCells; ++cell)
            b.addCondition(settled, noGapBeforeCard, cell, cell + 1);
        b.addAction(settled, setPileAction(flag, kPileEnabled, 0));
    }
}

void addMonteCarlo(GameList& games)
{
    RecordBuilder b(480, "Monte Carlo");
    b.category(Category::addition).skill(1).playTime(1).largeCards(true);
    b.description(
        "Pairs of a rank that lie side by side leave the grid; the gaps close up and the stock refills it.\n"
        "<b>Object</b>\nDiscard all 52 cards in pairs.\n"
        "<b>Layout</b>\nA grid of five rows of five cards, face up, and the stock of the other 27 cards.\n"
        "<b>Rules</b>\nTwo cards of the same rank that touch, across, up and down or corner to corner, may be "
        "discarded together: drop one on the other.\n"
        "When you have taken what pairs you want, tap the stock to consolidate: the cards left in the grid "
        "move up, in reading order (left to right, then row by row), to close every gap, and the places "
        "freed at the end are filled from the stock. Cards that did not touch before may touch now.\n"
        "Once the stock is used up, a tap still closes the gaps.\n"
        "The game is lost when no two touching cards pair and there is nothing to consolidate.");
    b.addPacks(1);
    const CommonPrograms common = addCommonPrograms(b);
    const int accept = addPairAccept(b, sameRank());

    for (int cell = 0; cell < kGridCells; ++cell)
        b.addPile(makePile({.x = 16 + 22 * (cell % kGridSide), .y = 14 + 25 * (cell / kGridSide),
                            .dealCount = 1, .pickUp = common.topCardOnly, .accept = accept}));
    const int stock = b.addPile(makePile({.x = 140, .y = 14, .faceUp = false, .dealCount = 27}));
    const int discard = b.addPile(makePile({.x = 140, .y = 42}));
    const int consolidating = b.addPile(makePile({.interactive = false, .enabled = false}));
    const int paired = b.addPile(makePile({.interactive = false, .enabled = false}));
    permitNeighbours(b);

    const std::vector<int> grid = pileRange(0, kGridCells);
    const std::vector<int> dropKeys = addPairDropKeys(b, grid, discard);
    addConsolidation(b, common, stock, consolidating, paired, dropKeys);
    addWinWhenFull(b, std::vector<int>{discard}, 52);
    games.push_back(b.build());
}

// --- Pyramid -------------------------------------------------------------------

constexpr int kPyramidRows = 7;
constexpr int kPyramidCards = kPyramidRows * (kPyramidRows + 1) / 2;

int pyramidPile(int row, int index) { return row * (row + 1) / 2 + index; }

// A card of the pyramid comes into play when the two cards on it have gone:
// its pile then takes on the pick-up and pairing rules.
void addUncoverKeys(RecordBuilder& b, const CommonPrograms& common, int accept)
{
    for (int row = 0; row + 1 < kPyramidRows; ++row)
        for (int index = 0; index <= row; ++index) {
            const int pile = pyramidPile(row, index);
            const int key = b.addKey(TriggerType::afterEveryStep);
            b.addCondition(key, common.isEmpty, pyramidPile(row + 1, index));
            b.addCondition(key, common.isEmpty, pyramidPile(row + 1, index + 1));
            b.addAction(key, setPileAction(pile, kPilePickUpProgram, common.topCardOnly));
            b.addAction(key, setPileAction(pile, kPileAcceptProgram, accept));
        }
}

void addPyramid(GameList& games)
{
    RecordBuilder b(481, "Pyramid");
    b.category(Category::addition).skill(1).playTime(1).largeCards(true);
    b.description(
        "Pairs that add up to thirteen are taken from a pyramid of 28 cards, with three passes through the "
        "stock.\n"
        "<b>Object</b>\nDiscard all 52 cards.\n"
        "<b>Layout</b>\nA pyramid of seven rows, one to seven cards, each row overlapping the one above; the "
        "stock of 24 cards, the waste and the discard pile.\n"
        "<b>Rules</b>\nAces count 1, Jacks 11, Queens 12 and Kings 13. A card is free when no card of the row "
        "below overlaps it; the top card of the waste is free too.\n"
        "Two free cards that add up to 13 are discarded together: drop one on the other. A free King is "
        "discarded on its own: move it to the discard pile.\n"
        "Tap the stock to turn its top card onto the waste. Tap the empty stock to turn the waste over and "
        "go through it again; this may be done twice.");
    b.addPacks(1);
    const CommonPrograms common = addCommonPrograms(b);
    const int accept = addPairAccept(b, rank(top(first)) + rank(top(second)) == 13);
    const int kingsOnly = addRule(b, count(first) == 1 && faceUp(top(first)) && rank(top(first)) == 13);

    for (int row = 0; row < kPyramidRows; ++row)
        for (int index = 0; index <= row; ++index) {
            const bool free = row + 1 == kPyramidRows;
            b.addPile(makePile({.x = 80 + 10 * (2 * index - row), .y = 14 + 12 * row,
                                .style = kStyleHiddenWhenEmpty, .dealCount = 1,
                                .pickUp = free ? common.topCardOnly : common.never,
                                .accept = free ? accept : common.never}));
        }
    const int stock = b.addPile(makePile({.x = 14, .y = 14, .faceUp = false, .dealCount = 52 - kPyramidCards}));
    const int waste = b.addPile(makePile({.x = 36, .y = 14, .style = kStyleHiddenWhenEmpty,
                                          .pickUp = common.topCardOnly, .accept = accept}));
    const int discard = b.addPile(makePile({.x = 146, .y = 14, .pickUp = common.never, .accept = kingsOnly}));
    b.permit(kAnyPile, kAnyPile);

    b.pile(stock).tapKey = static_cast<std::uint16_t>(addDealToWaste(b, stock, waste, 1));
    b.pile(stock).emptyTapKey = static_cast<std::uint16_t>(addRedeal(b, common, stock, waste, 2));
    std::vector<int> pairing = pileRange(0, kPyramidCards);
    pairing.push_back(waste);
    addPairDropKeys(b, pairing, discard);
    addUncoverKeys(b, common, accept);
    addWinWhenFull(b, std::vector<int>{discard}, 52);
    games.push_back(b.build());
}

// --- Block Ten -----------------------------------------------------------------

void addBlockTen(GameList& games)
{
    constexpr int kSide = 3;
    constexpr int kCells = kSide * kSide;
    RecordBuilder b(482, "Block Ten");
    b.category(Category::addition).skill(1).playTime(1).largeCards(true);
    b.description(
        "Pairs adding up to ten leave a small grid that refills itself; the Tens stay and block their "
        "places.\n"
        "<b>Object</b>\nDiscard every card except the four Tens.\n"
        "<b>Layout</b>\nNine cards face up in three rows of three, and the stock of the other 43 cards.\n"
        "<b>Rules</b>\nAces count 1. Two cards of the grid that add up to ten (Ace and Nine, Two and Eight, "
        "Three and Seven, Four and Six, two Fives) are discarded together: drop one on the other. Two Jacks, "
        "two Queens or two Kings are discarded as a pair the same way. A Ten can never be discarded.\n"
        "Every place emptied is filled at once from the stock.\n"
        "The game is lost when no pair is left in the grid.");
    b.addPacks(1);
    const CommonPrograms common = addCommonPrograms(b);
    const Value upper = rank(top(first)), lower = rank(top(second));
    const int accept = addPairAccept(b, upper + lower == 10 || (upper == lower && upper >= 11));

    for (int cell = 0; cell < kCells; ++cell)
        b.addPile(makePile({.x = 40 + 24 * (cell % kSide), .y = 14 + 28 * (cell / kSide), .dealCount = 1,
                            .pickUp = common.topCardOnly, .accept = accept}));
    const int stock = b.addPile(makePile({.x = 132, .y = 14, .faceUp = false, .dealCount = 52 - kCells}));
    const int discard = b.addPile(makePile({.x = 132, .y = 42}));
    b.permit(kAnyPile, kAnyPile);

    const std::vector<int> grid = pileRange(0, kCells);
    addPairDropKeys(b, grid, discard);
    addFillFromStock(b, common, grid, stock);
    addWinWhenFull(b, std::vector<int>{discard}, 48);
    games.push_back(b.build());
}

// --- Nestor --------------------------------------------------------------------

void addNestor(GameList& games)
{
    constexpr int kColumns = 8;
    constexpr int kReserve = 4;
    RecordBuilder b(483, "Nestor");
    b.category(Category::addition).skill(1).playTime(1).largeCards(true);
    b.description(
        "Pairs of a rank are taken from the ends of eight columns, helped by four spare cards.\n"
        "<b>Object</b>\nDiscard all 52 cards in pairs.\n"
        "<b>Layout</b>\nEight columns of six cards, face up, and a reserve of four cards. The deal is plain "
        "random: a column may hold two cards of the same rank (the old rule that moves such a card away "
        "during the deal is not used).\n"
        "<b>Rules</b>\nThe top card of each column and every reserve card are free. Two free cards of the "
        "same rank are discarded together, whatever their suits: drop one on the other. Discarding a "
        "column's top card frees the card under it.\n"
        "The game is lost when no two free cards are of the same rank.");
    b.addPacks(1);
    const CommonPrograms common = addCommonPrograms(b);
    const int accept = addPairAccept(b, sameRank());

    for (int column = 0; column < kColumns; ++column)
        b.addPile(makePile({.x = 10 + 20 * column, .y = 42, .spread = Spread::down, .dealCount = 6,
                            .pickUp = common.topCardOnly, .accept = accept}));
    for (int spare = 0; spare < kReserve; ++spare)
        b.addPile(makePile({.x = 10 + 20 * spare, .y = 14, .dealCount = 1, .pickUp = common.topCardOnly,
                            .accept = accept}));
    const int discard = b.addPile(makePile({.x = 150, .y = 14}));
    b.permit(kAnyPile, kAnyPile);

    addPairDropKeys(b, pileRange(0, kColumns + kReserve), discard);
    addWinWhenFull(b, std::vector<int>{discard}, 52);
    games.push_back(b.build());
}

}  // namespace

VELMORA_GAME_FAMILY(pairing)
{
    addMonteCarlo(games);
    addPyramid(games);
    addBlockTen(games);
    addNestor(games);
}

}  // namespace velmora::gamedb
