#include "klondike_family.h"

#include "game_parts_base_rank.h"
#include "game_parts_runs.h"
#include "klondike_family_aces_out.h"
#include "klondike_family_boards.h"
#include "klondike_family_conflicts.h"
#include "klondike_family_deal_out.h"
#include "klondike_family_fills.h"
#include "klondike_family_locks.h"
#include "klondike_family_parts.h"
#include "klondike_family_runs.h"
#include "klondike_family_started.h"
#include "klondike_family_stock_out.h"
#include "klondike_family_waste_out.h"
#include "klondike_family_waste_spaces.h"
#include "yukon_family.h"

#include <span>
#include <stdexcept>
#include <string>

namespace velmora::gamedb {

using namespace velmora::rules;

bool topCardUp(int, int position, int count) { return position == count - 1; }
bool allCardsUp(int, int, int) { return true; }
bool alternateFromDown(int, int position, int) { return position % 2 == 1; }
bool alternateFromUp(int, int position, int) { return position % 2 == 0; }
bool allCardsDown(int, int, int) { return false; }

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
    if (!rules.startedFoundations.empty())
        return static_cast<int>(rules.startedFoundations.size());
    const int packs = rules.foundationPerSuit ? 1 : rules.packs;
    const bool doubled = (rules.splitFoundations && !rules.splitOncePerSuit) || rules.foundationsByTwos;
    return suitsPerPack(rules) * packs * (doubled ? 2 : 1);
}

namespace {

int pileCards(const KlondikeRules& rules, int column)
{
    if (rules.rowsSendingAcesOut > 0 || rules.rowsDealtPastFoundations > 0)
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
// The class of the cards the reserves are dealt, apart from the foundations'.
constexpr int kReserveDealClass = 3;

int dealClassOf(const KlondikeRules& rules, int pack, int suit, int rank)
{
    if (rules.reserveRank != 0 && rank == rules.reserveRank)
        return kReserveDealClass;
    if (!rules.startedFoundations.empty())
        return startedDealClass(rules, pack, suit, rank);
    if (!rules.dealtBases.empty())
        return rules.dealtBases[static_cast<std::size_t>(suit - 1)] == rank ? 1 : 0;
    if (rules.foundationsByTwos)
        return rank <= 2 ? rank : 0;
    if (rules.acesDealt && rules.kingsHalf)
        return pack == 0 && rank == 1 ? 1 : pack == 1 && rank == 13 ? 2 : 0;
    if (rules.kingsDealtDown)
        return pack == 0 && rank == 13 ? 2 : 0;
    return rules.acesDealt && rank == 1 ? 1 : 0;
}

void addCards(RecordBuilder& b, const KlondikeRules& rules)
{
    if (!rules.acesDealt && !rules.foundationsByTwos && rules.dealtBases.empty() && rules.packSuits.empty() &&
        rules.packRanks.empty() && rules.reserveRank == 0 && !rules.kingsDealtDown &&
        rules.startedFoundations.empty()) {
        b.addPacks(rules.packs);
        return;
    }
    // The cards dealt to the foundations form their own deal class, which
    // only the foundations receive; so do those dealt to the reserves.
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
// swap a card between equal foundations, a step that changes nothing, unless
// the foundations go different ways (`across`). The foundations are the last
// piles added.
void permitMoves(RecordBuilder& b, std::span<const int> foundations, bool across)
{
    if (foundations.size() <= 4 || across) {
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
void addDealtBaseKeys(RecordBuilder& b, const KlondikeRules& rules, std::span<const int> foundations)
{
    BaseRankSwitch choice;
    choice.readPile = foundations.front();
    choice.foundations.assign(foundations.begin(), foundations.end());
    // With more than one pack a foundation stops at thirteen cards, where the
    // round would come to the base again.
    const bool fullAtThirteen = rules.packs > 1;
    choice.programs = addBaseRankPrograms(
        b,
        [fullAtThirteen](int base) {
            const Condition rule = acceptsOnFoundation(base, Direction::up, true);
            return fullAtThirteen ? rule && count(second) < 13 : rule;
        },
        [](int base) { return faceUp(top(first)) && rank(top(first)) == base; });
    addBaseRankKeys(b, choice);
}

// Tapping a tableau pile whose top card lies face down turns it up.
void addTurnUpByTap(RecordBuilder& b, const CommonPrograms& common, std::span<const int> tableau)
{
    for (int column : tableau) {
        const int key = b.addKey(TriggerType::never);
        b.addCondition(key, common.topFaceDown, column);
        b.addAction(key, setCardsAction(column, Range::fromTop, 0, 1, kCardFaceUp, 1));
        b.pile(column).tapKey = static_cast<std::uint16_t>(key);
    }
}

}  // namespace

// Row data that the piles cannot carry out: refused when the game is built.
void requireConsistent(const KlondikeRules& rules, bool hasStock, bool hasWaste)
{
    const auto refuse = [&](const std::string& why) {
        throw std::runtime_error("game \"" + std::string(rules.name) + "\": " + why);
    };
    if (!rules.columnCards.empty() && static_cast<int>(rules.columnCards.size()) != rules.columns)
        refuse("the column sizes given must name one size for each column");
    const bool usesWaste = rules.spaceFill == SpaceFill::fromWaste || rules.spaceFill == SpaceFill::fromReserves;
    if (usesWaste && !hasWaste)
        refuse("spaces filled from the waste need a waste");
    if (rules.spaceFill == SpaceFill::fromReserves && rules.reserves != 2)
        refuse("spaces filled from the fuller reserve need two reserve piles");
    if (rules.stockOutReserve == kStockOutGroup && (!rules.cells.empty() || rules.reserves > 0))
        refuse("a reserve that takes groups lies in the tableau's row, beside no other reserves or cells");
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
    if (rules.groupsOnlyToSpaces && rules.singleCards)
        refuse("groups that go only into spaces need groups that move");
    const bool needsStock = rules.spaceFill == SpaceFill::fromStock || rules.reservesDealtLast ||
                            rules.lastRowLeavesOut > 0 || rules.lastRowToColumns || rules.foundationsGiveBackAfterStock ||
                            rules.stockOutReserve != 0;
    if (needsStock && !hasStock)
        refuse("spaces filled from the stock, cards kept back from it, or piles it opens need a stock");
    if (rules.stock == StockDeal::fillsSpaces && rules.spaceFill != SpaceFill::fromStock)
        refuse("a stock that only fills spaces needs spaces filled from the stock");
    if (rules.spaceFill == SpaceFill::fromStock && hasWaste)
        refuse("spaces filled from the stock go with a stock that has no waste");
    if (rules.yukonMoves && (rules.singleCards || rules.spaceFill == SpaceFill::fromRight))
        refuse("Yukon moves take any face-up card with the cards on it");
    const bool reservesDealtOtherwise = fannedReserves(rules) || rules.lockedReserves || rules.firTree ||
                                        dealsToReserves(rules) || rules.spaceFill == SpaceFill::fromReserve ||
                                        rules.spaceFill == SpaceFill::fromReserves;
    if (rules.reservesDealtLast &&
        (rules.reserves == 0 || reservesDealtOtherwise || rules.stock != StockDeal::rowToTableau))
        refuse("reserves dealt last take single cards from a stock dealt in rows");
    if (rules.lastRowLeavesOut < 0 || (rules.lastRowLeavesOut > 0 && (2 * rules.lastRowLeavesOut >= rules.columns ||
                                                                     rules.stock != StockDeal::rowToTableau ||
                                                                     rules.reservesDealtLast)))
        refuse("a last row that leaves out columns at each end needs a stock dealt in rows and columns left over");
    if (rules.acesOnlyInSpaces && (rules.onEmpty != EmptyTakes::aces || rules.spaceRank != 0 || movableBase(rules)))
        refuse("Aces that go only into spaces need spaces that take Aces");
    if (rules.foundationsGiveBackAfterStock && (rules.foundationsKeep || rules.runFoundations))
        refuse("foundations that give back once the stock is used up must give back");
    if (rules.foundationPerSuit && (!rules.packRanks.empty() || rules.kingsDown || rules.splitFoundations ||
                                    rules.foundationBase != 0 || rules.baseCardDealt || movableBase(rules) ||
                                    !rules.dealtBases.empty() || rules.acesDealt))
        refuse("a foundation for each suit goes up from the Ace through every pack");
    if (rules.dealtAcesGoOut && (rules.rowsDealtPastFoundations == 0 || rules.stock != StockDeal::rowToTableau ||
                                 rules.rowsPerTap != 1 || rules.rowDealNeedsNoSpace))
        refuse("Aces go out of a stock's rows only where the columns are dealt past the foundations too");
    if (rules.tableauTakesOnlySpaces && (rules.tableauTakesAnyCard || rules.yukonMoves || !rules.singleCards))
        refuse("a tableau that takes cards only into its spaces moves single cards");
    if (rules.rowsPerTap != 1 && (rules.stock != StockDeal::rowToTableau || rules.rowsPerTap < 1))
        refuse("only a stock dealt in rows onto the tableau deals several rows at a tap");
    if (rules.rowDealNeedsNoSpace && rules.stock != StockDeal::rowToTableau)
        refuse("only a stock dealt in rows onto the tableau waits for its spaces to be filled");
    if (const std::string why = runFoundationsConflict(rules); !why.empty())
        refuse(why);
    if (const std::string why = openColumnsConflict(rules, hasWaste); !why.empty())
        refuse(why);
    if (rules.tableauOnly &&
        (rules.acesDealt || !rules.dealtBases.empty() || rules.baseCardDealt || movableBase(rules) ||
         rules.splitFoundations || rules.wasteOut || rules.runFoundations || rules.reservesFeedFoundationsOnly ||
         rules.tableauFedByWasteOnly))
        refuse("a game without foundations neither deals cards to them nor plays to them alone");
    if (rules.stockInPlay && rules.stock != StockDeal::fillsSpaces)
        refuse("only a stock that fills the spaces has its top card in play");
    if (rules.dealNeedsEmptyWaste && (!hasWaste || rules.stock != StockDeal::toWaste || rules.dealCountFalls))
        refuse("only a stock turned onto a waste waits for the waste to be played");
    if (rules.foundationPerSuit && (rules.foundationTopRank != 0 || rules.tableauOnly))
        refuse("a foundation for each suit goes up from the Ace to the last King");
    if (rules.foundationsByTwos &&
        (rules.acesDealt || rules.kingsDown || rules.kingsHalf || rules.splitFoundations || movableBase(rules) ||
         rules.baseCardDealt || !rules.dealtBases.empty() || rules.foundationBase != 0 || !rules.packRanks.empty() ||
         rules.runFoundations || rules.wasteOut || rules.foundationPerSuit || rules.tableauOnly ||
         rules.foundationTopRank != 0 || rules.rowsDealtPastFoundations > 0 || rules.rowsSendingAcesOut > 0))
        refuse("foundations by twos start from the dealt Aces and twos and build up in suit");
    if (rules.kingsHalf && (rules.packs != 2 || rules.splitFoundations || rules.kingsDown || movableBase(rules) ||
                            rules.baseCardDealt || !rules.dealtBases.empty() || rules.foundationBase != 0 ||
                            !rules.packRanks.empty() || rules.runFoundations || rules.wasteOut ||
                            rules.foundationPerSuit))
        refuse("foundations half up from the Ace and half down from the King need two full packs");
}

namespace {

// With splitOncePerSuit, the suit of foundation k: the first half up from
// the Aces in suit order, the second half down from the Kings.
int splitFoundationSuit(const KlondikeRules& rules, int k)
{
    return rules.splitOncePerSuit ? 1 + k % suitsPerPack(rules) : 0;
}

int splitFoundationAccept(RecordBuilder& b, bool goesDown, int ownSuit)
{
    const Condition rule = goesDown ? acceptsOnFoundation(13, Direction::down) : acceptsOnFoundation(1);
    return addRule(b, rule && suit(top(first)) == ownSuit);
}

}  // namespace

GameDefinition klondikeGame(const KlondikeRules& rules)
{
    const int foundationCount = gamedb::foundationCount(rules);
    const int packCards = ranksPerPack(rules) * suitsPerPack(rules) * rules.packs;
    const bool oneBaseCard = rules.baseCardDealt || rules.base == FoundationBase::dealtCard;
    const bool basesDealt = rules.acesDealt || !rules.dealtBases.empty() || rules.foundationsByTwos ||
                            !rules.startedFoundations.empty();
    const int dealtApart = basesDealt            ? foundationCount
                           : rules.kingsDealtDown ? foundationCount / 2
                           : oneBaseCard          ? 1
                                                  : 0;
    // Foundations whose base is dealt or chosen in play show no rank when empty.
    const bool noBaseMark = movableBase(rules) || rules.baseCardDealt || !rules.dealtBases.empty() ||
                            rules.runFoundations || !rules.startedFoundations.empty();
    const int reserveCards = rules.reserves * rules.reserveCards;
    const int lastRowCards = rules.lastRowLeavesOut > 0 ? rules.columns - 2 * rules.lastRowLeavesOut
                             : rules.lastRowToColumns ? rules.columns
                                                      : 0;
    const int stockCards = packCards - tableauCards(rules) - reserveCards - dealtApart - lastRowCards;
    const bool hasStock = stockCards > 0 || rules.redealTableau;
    const bool hasWaste =
        stockCards > 0 && (rules.stock == StockDeal::toWaste || rules.stock == StockDeal::reservesThenOpen);
    requireConsistent(rules, hasStock, hasWaste);
    const Board board = boardFor(rules, hasStock);

    RecordBuilder b(rules.id, rules.name);
    b.category(rules.category, rules.extraCategories)
        .skill(rules.skill)
        .playTime(rules.playTime)
        .largeCards(board.largeCards);
    b.description(*rules.description ? std::string(rules.description) : klondikeDescription(rules));
    addCards(b, rules);

    const CommonPrograms common = addCommonPrograms(b);
    const int tableauPickUp = rules.yukonMoves    ? addRule(b, yukonPickUp())
                              : rules.singleCards ? common.topCardOnly
                                                  : addRule(b, isRun(first, rules.groupBuild));
    const Condition onFaceDown = !empty(second) && faceDown(top(second));
    const int tableauAccept =
        addRule(b, rules.blindTableau ? tableauAcceptRule(rules) || onFaceDown : tableauAcceptRule(rules));
    // A foundation gives back any card but its first. Foundations of whole
    // suits neither take nor give a card: runs reach them by the run keys.
    // Foundations that give back only once the stock is used up start with
    // the rule switched off.
    const int foundationPickUp = rules.foundationsKeep || rules.runFoundations
                                     ? common.never
                                     : addRule(b, count(first) == 1 && !empty(second));
    // Split foundations of one suit each take rules of their own.
    const int foundationAccept = movableBase(rules) || rules.runFoundations || rules.splitOncePerSuit
                                     ? common.never
                                     : addRule(b, foundationAcceptRule(rules));
    const bool halfDown = rules.splitFoundations || rules.kingsHalf;
    const bool downFromAnyKing = halfDown && !rules.splitOncePerSuit;
    const int downFromKing = downFromAnyKing ? addRule(b, acceptsOnFoundation(13, Direction::down)) : 0;
    const int byTwosFromTwo =
        rules.foundationsByTwos ? addRule(b, acceptsOnFoundation(2, Direction::up, false, Suits::same, 2)) : 0;

    KlondikePiles piles;
    if (hasStock) {
        const int wasteCards = hasWaste && rules.stock == StockDeal::toWaste ? rules.stockDeal : 0;
        const bool stockInPlay = rules.stock == StockDeal::reservesThenOpen || rules.stockInPlay;
        piles.stock = b.addPile(makePile({.x = board.top.x(0),
                                          .y = kTopRowY,
                                          .faceUp = false,
                                          .dealCount = stockCards - wasteCards,
                                          .pickUp = stockInPlay ? common.topCardOnly : 0}));
        // A stock in play shows its top card, and turns up each next one.
        if (rules.stockInPlay && stockCards - wasteCards > 0)
            b.addFaceToggle(piles.stock, stockCards - wasteCards - 1);
        if (hasWaste)
            piles.waste = b.addPile(makePile({.x = board.top.x(1),
                                              .y = kTopRowY,
                                              .style = kStyleHiddenWhenEmpty,
                                              .dealCount = wasteCards,
                                              .pickUp = common.topCardOnly}));
    }
    piles.tableau = addTableau(b, rules, board, tableauPickUp, tableauAccept);
    const Condition takesOneCard = count(first) == 1 && faceUp(top(first)) && empty(second);
    const int reserveAccept = rules.reservesTakeAnyCard ? addRule(b, takesOneCard) : common.never;
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
                                                     .dealCount = rules.reservesDealtLast ? 0 : rules.reserveCards,
                                                     .dealClass = rules.reserveRank != 0 ? kReserveDealClass : 0,
                                                     .pickUp = reservePickUp(rules, common, k),
                                                     .accept = reserveAccept})));
    }
    for (std::size_t k = 0; k < rules.cells.size(); ++k) {
        const RankCell& cell = rules.cells[k];
        const Point place = reservePlace(board, rules.reserves + static_cast<int>(k));
        const Condition ofRank = cell.rank == 0 ? always() : rank(top(first)) == cell.rank;
        const int accept =
            addRule(b, count(first) == 1 && faceUp(top(first)) && ofRank && count(second) < cell.capacity);
        const int pickUp = cell.keepsCards ? common.never : common.topCardOnly;
        const int pile = b.addPile(makePile({.x = place.x, .y = place.y, .pickUp = pickUp, .accept = accept}));
        if (!cell.takesFromWaste)
            piles.wasteBarred.push_back(pile);
    }
    const int stockOut =
        rules.stockOutReserve == 0 ? -1 : addStockOutReserve(b, rules, common, board, tableauPickUp);
    for (int k = 0; k < foundationCount; ++k) {
        const bool goesDown = halfDown && 2 * k >= foundationCount;
        const bool evenRanks = rules.foundationsByTwos && 2 * k >= foundationCount;
        // One foundation a suit is bound to its suit, so that no suit is left
        // without one.
        const int ownSuit = rules.foundationPerSuit ? k + 1 : splitFoundationSuit(rules, k);
        const bool started = !rules.startedFoundations.empty();
        const int accept = started ? addRule(b, startedFoundationAccept(rules, k))
                           : rules.foundationPerSuit
                               ? addRule(b, foundationAcceptRule(rules) && suit(top(first)) == ownSuit)
                           : ownSuit != 0 ? splitFoundationAccept(b, goesDown, ownSuit)
                           : goesDown     ? downFromKing
                           : evenRanks    ? byTwosFromTwo
                                          : foundationAccept;
        piles.foundations.push_back(b.addPile(makePile(
            {.x = foundationPlace(board, k).x,
             .y = foundationPlace(board, k).y,
             .style = rules.runFoundations ? kStylePlain : kStyleBaseCard,
             .dealCount = basesDealt || (oneBaseCard && k == 0) || (rules.kingsDealtDown && goesDown) ? 1 : 0,
             .dealClass = started                             ? startedFoundationClass(rules, k)
                          : basesDealt                        ? ((goesDown && rules.kingsHalf) || evenRanks ? 2 : 1)
                          : rules.kingsDealtDown && goesDown ? 2
                                                              : 0,
             .pickUp = rules.foundationsGiveBackAfterStock ? common.never : foundationPickUp,
             .accept = movableBase(rules) ? foundationAcceptBeforeBase(b, rules, common, k) : accept,
             .baseRank = noBaseMark ? 0 : goesDown ? 13 : evenRanks ? 2 : shownFoundationBase(rules),
             .baseSuit = ownSuit})));
    }
    if (rules.tableauFedByWasteOnly)
        permitWasteFedMoves(b, piles);
    else if (rules.reservesFeedFoundationsOnly)
        permitReservesToFoundationsOnly(b, piles);
    else if (rules.walledColumns > 0)
        permitWalledColumns(b, piles, rules.walledColumns);
    else if (rules.reservesBetweenWasteAndTableau)
        permitReservesBetweenWasteAndTableau(b, piles);
    else if (!piles.wasteBarred.empty())
        permitMovesBarringWaste(b, piles);
    else
        permitMoves(b, piles.foundations, rules.foundationsAcross);
    if (rules.reservesDealtLast)
        addCardsDealtLast(b, common, piles, board.top.x(0), piles.reserves);
    if (rules.lastRowToColumns)
        addCardsDealtLast(b, common, piles, board.top.x(0), piles.tableau);
    if (rules.lastRowLeavesOut > 0) {
        const std::span<const int> middle(piles.tableau.data() + rules.lastRowLeavesOut,
                                          piles.tableau.size() - 2 * static_cast<std::size_t>(rules.lastRowLeavesOut));
        addCardsDealtLast(b, common, piles, board.top.x(0), middle);
    }
    if (rules.foundationsGiveBackAfterStock)
        addFoundationsGiveBack(b, common, piles.stock, piles.foundations, foundationPickUp);
    if (stockOut >= 0)
        addStockOutOpening(b, rules, common, piles.stock, stockOut);
    if (rules.baseCardDealt)
        addDealtBaseKeys(b, rules, piles.foundations);
    if (rules.lockedReserves)
        addLockedReserveKeys(b, common, piles);
    if (rules.spacesFromWasteOnly)
        addWasteOnlySpaceKeys(b, common, piles);
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
    } else if (hasStock && rules.stock != StockDeal::fillsSpaces && !rules.dealtAcesGoOut) {
        const std::span<const int> row(piles.tableau.data(),
                                       rules.stock == StockDeal::toFirstColumn ? 1 : piles.tableau.size());
        std::vector<int> targets;
        for (int round = 0; round < rules.rowsPerTap; ++round)
            targets.insert(targets.end(), row.begin(), row.end());
        const int deal = addDealRow(b, piles.stock, targets);
        if (rules.rowDealNeedsNoSpace)
            for (int pile : piles.tableau)
                b.addCondition(deal, common.notEmpty, pile);
        b.pile(piles.stock).tapKey = static_cast<std::uint16_t>(deal);
    }
    if (rules.rowsSendingAcesOut > 0)
        addRowsSendingAcesOut(b, piles.stock, piles.tableau, piles.foundations, rules.rowsSendingAcesOut);
    if (rules.rowsDealtPastFoundations > 0) {
        const int gathered = addRowsDealtPastFoundations(b, piles.stock, piles.tableau, piles.foundations,
                                                         rules.rowsDealtPastFoundations, rules.dealtAcesGoOut);
        if (rules.dealtAcesGoOut)
            b.pile(piles.stock).tapKey = static_cast<std::uint16_t>(
                addTapRowPastAces(b, common, piles.stock, gathered, piles.tableau, piles.foundations));
    }
    if (movableBase(rules))
        addBaseRankSwitch(b, rules, piles);
    const std::vector<FillGuard> guards =
        rules.wasteOut ? addWasteOutKeys(b, common, piles) : std::vector<FillGuard>{};
    addSpaceFillKeys(b, rules, common, {piles.stock, piles.waste}, piles.tableau, piles.reserves, guards);
    // A run leaves before the card under it is turned, so that the card is
    // turned up in the same step.
    if (rules.runFoundations)
        addRunKeys(b, common, piles.tableau, piles.foundations);
    if (rules.stockInPlay)
        addTurnUpKeys(b, common, std::span<const int>(&piles.stock, 1));
    if (rules.blindTableau)
        addTurnUpByTap(b, common, piles.tableau);
    else if (dealsFaceDown(rules))
        addTurnUpKeys(b, common, piles.tableau);
    if (rules.tableauOnly)
        addTableauWin(b, rules, common, piles);
    else if (rules.splitFoundations || rules.foundationTopRank != 0 || rules.foundationsByTwos ||
             !rules.startedFoundations.empty())
        addWinWhenEmpty(b, common, cardsInPlay(piles));
    else
        addWinWhenFull(b, piles.foundations, ranksPerPack(rules) * (rules.foundationPerSuit ? rules.packs : 1));
    return b.build();
}

}  // namespace velmora::gamedb
