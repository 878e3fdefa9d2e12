#include "klondike_family.h"

#include "game_parts_base_rank.h"
#include "game_parts_runs.h"
#include "klondike_family_aces_out.h"
#include "klondike_family_boards.h"
#include "klondike_family_fills.h"
#include "klondike_family_locks.h"
#include "klondike_family_parts.h"
#include "klondike_family_runs.h"
#include "klondike_family_waste_out.h"

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
    if (rules.tableauOnly)
        return 0;
    if (rules.foundationPerSuit)
        return suitsPerPack(rules);
    return suitsPerPack(rules) * rules.packs * (rules.splitFoundations ? 2 : 1);
}

namespace {

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

// The deal class of a card: 1 for a card the foundations receive at the
// deal (2 for a King that starts a foundation going down), else 0.
int dealClassOf(const KlondikeRules& rules, int pack, int suit, int rank)
{
    if (!rules.dealtBases.empty())
        return rules.dealtBases[static_cast<std::size_t>(suit - 1)] == rank ? 1 : 0;
    if (rules.acesDealt && rules.kingsHalf)
        return pack == 0 && rank == 1 ? 1 : pack == 1 && rank == 13 ? 2 : 0;
    return rules.acesDealt && rank == 1 ? 1 : 0;
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
                b.addCard(suit, rank, dealClassOf(rules, pack, suit, rank));
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
    if (rules.rowDealNeedsNoSpace && rules.stock != StockDeal::rowToTableau)
        refuse("only a stock dealt in rows onto the tableau waits for its spaces to be filled");
    if (const std::string why = runFoundationsConflict(rules); !why.empty())
        refuse(why);
    if (rules.tableauOnly &&
        (rules.acesDealt || !rules.dealtBases.empty() || rules.baseCardDealt || movableBase(rules) ||
         rules.splitFoundations || rules.wasteOut || rules.runFoundations || rules.reservesFeedFoundationsOnly ||
         rules.tableauFedByWasteOnly))
        refuse("a game without foundations neither deals cards to them nor plays to them alone");
    const bool fillsFromStock = rules.spaceFill == SpaceFill::fromStock;
    if (fillsFromStock && (rules.stock != StockDeal::toWaste || rules.redeals != 0 || rules.dealCountFalls))
        refuse("a stock that only fills spaces is dealt no other way and never again");
    if (rules.stockInPlay && !fillsFromStock)
        refuse("only a stock that fills the spaces has its top card in play");
    if (rules.dealNeedsEmptyWaste && (!hasWaste || rules.stock != StockDeal::toWaste || rules.dealCountFalls))
        refuse("only a stock turned onto a waste waits for the waste to be played");
    if (rules.foundationPerSuit &&
        (rules.kingsDown || rules.splitFoundations || !rules.dealtBases.empty() || rules.acesDealt ||
         movableBase(rules) || rules.baseCardDealt || rules.foundationBase != 0 || !rules.packRanks.empty() ||
         rules.runFoundations || rules.wasteOut || rules.tableauOnly))
        refuse("a foundation for each suit goes up from the Ace, and takes nothing dealt");
    if (rules.kingsHalf && (rules.packs != 2 || rules.splitFoundations || rules.kingsDown || movableBase(rules) ||
                            rules.baseCardDealt || !rules.dealtBases.empty() || rules.foundationBase != 0 ||
                            !rules.packRanks.empty() || rules.runFoundations || rules.wasteOut))
        refuse("foundations half up from the Ace and half down from the King need two full packs");
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
    const bool hasWaste = stockCards > 0 && rules.spaceFill != SpaceFill::fromStock &&
                          (rules.stock == StockDeal::toWaste || rules.stock == StockDeal::reservesThenOpen);
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
    const bool halfDown = rules.splitFoundations || rules.kingsHalf;
    const int downFromKing = halfDown ? addRule(b, acceptsOnFoundation(13, Direction::down)) : 0;

    KlondikePiles piles;
    if (hasStock) {
        const int wasteCards = hasWaste && rules.stock == StockDeal::toWaste ? rules.stockDeal : 0;
        const bool stockInPlay = rules.stock == StockDeal::reservesThenOpen || rules.stockInPlay;
        piles.stock = b.addPile(makePile({.x = board.top.x(0),
                                          .y = kTopRowY,
                                          .faceUp = rules.stockInPlay,
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
        const bool goesDown = halfDown && 2 * k >= foundationCount;
        const int accept = goesDown ? downFromKing : foundationAccept;
        piles.foundations.push_back(b.addPile(makePile(
            {.x = foundationPlace(board, k).x,
             .y = foundationPlace(board, k).y,
             .style = rules.runFoundations ? kStylePlain : kStyleBaseCard,
             .dealCount = basesDealt || (oneBaseCard && k == 0) ? 1 : 0,
             .dealClass = basesDealt ? (goesDown && rules.kingsHalf ? 2 : 1) : 0,
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
        const int deal = addDealToWaste(b, piles.stock, piles.waste, rules.stockDeal);
        if (rules.dealNeedsEmptyWaste)
            b.addCondition(deal, common.isEmpty, piles.waste);
        b.pile(piles.stock).tapKey = static_cast<std::uint16_t>(deal);
        if (rules.redeals != 0)
            b.pile(piles.stock).emptyTapKey =
                static_cast<std::uint16_t>(addRedeal(b, common, piles.stock, piles.waste, rules.redeals));
    } else if (rules.redealTableau) {
        addTableauRedeal(b, rules, piles);
    } else if (hasStock && dealsToReserves(rules)) {
        addReserveDeal(b, rules, common, piles);
    } else if (hasStock && rules.spaceFill != SpaceFill::fromStock) {
        const std::span<const int> targets(piles.tableau.data(),
                                           rules.stock == StockDeal::toFirstColumn ? 1 : piles.tableau.size());
        const int deal = addDealRow(b, piles.stock, targets);
        if (rules.rowDealNeedsNoSpace)
            for (int pile : piles.tableau)
                b.addCondition(deal, common.notEmpty, pile);
        b.pile(piles.stock).tapKey = static_cast<std::uint16_t>(deal);
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
    if (rules.tableauOnly)
        addTableauWin(b, rules, common, piles);
    else if (rules.splitFoundations)
        addWinWhenEmpty(b, common, cardsInPlay(piles));
    else if (rules.foundationPerSuit)
        addWinWhenFull(b, piles.foundations, ranksPerPack(rules) * rules.packs);
    else
        addWinWhenFull(b, piles.foundations, ranksPerPack(rules));
    return b.build();
}

}  // namespace velmora::gamedb
