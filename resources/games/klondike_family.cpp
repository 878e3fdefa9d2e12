#include "klondike_family.h"

#include "klondike_family_parts.h"

#include <algorithm>
#include <span>

namespace velmora::gamedb {

using namespace velmora::rules;

bool topCardUp(int, int position, int count) { return position == count - 1; }
bool allCardsUp(int, int, int) { return true; }
bool alternateFromDown(int, int position, int) { return position % 2 == 1; }
bool alternateFromUp(int, int position, int) { return position % 2 == 0; }

namespace {

// Slot positions across the 160-unit board. Seven large cards fit at the
// spacing Klondike uses; more need normal cards at a narrower one, centred.
struct Grid {
    int left;
    int step;
    int x(int slot) const { return left + step * slot; }
};

constexpr Grid kLargeGrid{14, 22};
constexpr int kNormalStep = 15;
constexpr int kNarrowestStep = 14;  // a normal card spans about 13.3 units
constexpr int kTopRowY = 14;
constexpr int kTableauY = 42;

Grid normalGrid(int slots)
{
    const int step = slots <= 1 ? kNormalStep : std::min(kNormalStep, 142 / (slots - 1));
    return {(160 - step * (slots - 1)) / 2, step};
}

int pileCards(const KlondikeRules& rules, int column)
{
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
};

constexpr int kWidestRow = 11;
constexpr int kSecondRowY = 36;
constexpr int kTableauBelowTwoRowsY = 61;

Board boardFor(const KlondikeRules& rules, bool hasStock)
{
    const int foundations = 4 * rules.packs;
    const int stockSlots = hasStock ? 2 : 0;
    const int reserves = rules.reserves;
    const int topSlots = stockSlots + reserves + foundations;
    const Grid none{0, 0};
    if (rules.columns <= 7 && topSlots <= 7)
        return {true, kLargeGrid, kLargeGrid, stockSlots, rules.columns - foundations, reserves, none, kTableauY};
    const Grid tableau = normalGrid(rules.columns);
    if (topSlots <= rules.columns)
        return {false, tableau, tableau, stockSlots, rules.columns - foundations, reserves, none, kTableauY};
    if (topSlots <= kWidestRow)
        return {false, tableau, normalGrid(topSlots), stockSlots, topSlots - foundations, reserves, none, kTableauY};
    // Too many for one row: the top row is filled up to the foundations at
    // its right end and the remaining reserves are centred below it.
    const int rowSlots = kWidestRow - 1;
    const int onTop = rowSlots - stockSlots - foundations;
    return {false,
            tableau,
            normalGrid(rowSlots),
            stockSlots,
            rowSlots - foundations,
            onTop,
            normalGrid(reserves - onTop),
            kTableauBelowTwoRowsY};
}

void addCards(RecordBuilder& b, const KlondikeRules& rules)
{
    if (!rules.acesDealt) {
        b.addPacks(rules.packs);
        return;
    }
    // Aces form their own deal class, which only the foundations receive.
    for (int pack = 0; pack < rules.packs; ++pack)
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 1; rank <= 13; ++rank)
                b.addCard(suit, rank, rank == 1 ? 1 : 0);
}

std::vector<int> addTableau(RecordBuilder& b, const KlondikeRules& rules, const Board& board, int pickUp,
                            int accept)
{
    std::vector<int> tableau;
    for (int column = 0; column < rules.columns; ++column) {
        const int count = pileCards(rules, column);
        const bool bottomUp = rules.faceUp(column, 0, count);
        const int pile = b.addPile(makePile({.x = board.tableau.x(column),
                                             .y = board.tableauY,
                                             .spread = Spread::down,
                                             .faceUp = bottomUp,
                                             .dealCount = count,
                                             .pickUp = pickUp,
                                             .accept = accept}));
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

}  // namespace

GameDefinition klondikeGame(const KlondikeRules& rules)
{
    const int foundationCount = 4 * rules.packs;
    const int dealtApart = rules.acesDealt ? foundationCount : 0;
    const int baseCard = rules.base == FoundationBase::dealtCard ? 1 : 0;
    const int stockCards = 52 * rules.packs - tableauCards(rules) - rules.reserves - dealtApart - baseCard;
    const bool hasStock = stockCards > 0 || rules.redealTableau;
    const bool hasWaste =
        stockCards > 0 && (rules.stock == StockDeal::toWaste || rules.stock == StockDeal::reservesThenOpen);
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
    // A foundation gives back any card but its first.
    const int foundationPickUp =
        rules.foundationsKeep ? common.never : addRule(b, count(first) == 1 && !empty(second));
    const int foundationAccept = movableBase(rules) ? common.never : addRule(b, foundationAcceptRule(rules));

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
        const bool onTop = k < board.reservesOnTop;
        piles.reserves.push_back(b.addPile(makePile(
            {.x = onTop ? board.top.x(board.firstTopSlot + k) : board.secondRow.x(k - board.reservesOnTop),
             .y = onTop ? kTopRowY : kSecondRowY,
             .dealCount = 1,
             .pickUp = common.topCardOnly,
             .accept = common.never})));
    }
    for (int k = 0; k < foundationCount; ++k)
        piles.foundations.push_back(b.addPile(makePile(
            {.x = board.top.x(board.foundationSlot + k),
             .y = kTopRowY,
             .style = kStyleBaseCard,
             .dealCount = rules.acesDealt || (baseCard == 1 && k == 0) ? 1 : 0,
             .dealClass = rules.acesDealt ? 1 : 0,
             .pickUp = foundationPickUp,
             .accept = movableBase(rules) ? foundationAcceptBeforeBase(b, rules, common, k) : foundationAccept,
             .baseRank = movableBase(rules) ? 0 : rules.kingsDown ? 13 : 1})));
    if (rules.tableauFedByWasteOnly)
        permitWasteFedMoves(b, piles);
    else
        permitMoves(b, piles.foundations);

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
        b.pile(piles.stock).tapKey = static_cast<std::uint16_t>(addDealRow(b, piles.stock, piles.tableau));
    }
    if (movableBase(rules))
        addBaseRankSwitch(b, rules, piles);
    if (dealsFaceDown(rules))
        addTurnUpKeys(b, common, piles.tableau);
    addWinWhenFull(b, piles.foundations, 13);
    return b.build();
}

}  // namespace velmora::gamedb
