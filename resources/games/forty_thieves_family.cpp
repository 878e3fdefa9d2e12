#include "forty_thieves_family.h"

namespace velmora::gamedb {
namespace {

enum class Family { fortyThieves, gypsy };

struct FamilyDefaults {
    int columns;
    int cardsPerColumn;
    FaceRule faceUp;
    Build build;
    bool groups;
    bool foundationsKeep;
};

FamilyDefaults defaultsOf(Family family)
{
    if (family == Family::gypsy)
        return {8, 3, firstRowsDown<2>, kAlternateDown, true, false};
    return {10, 4, allCardsUp, kSuitDown, false, true};
}

KlondikeRules klondikeRow(const OpenColumnsRules& rules, Family family)
{
    const FamilyDefaults own = defaultsOf(family);
    const Build build = rules.build.value_or(own.build);
    const bool groups = rules.groups.value_or(own.groups);
    KlondikeRules row;
    row.id = rules.id;
    row.name = rules.name;
    row.skill = rules.skill;
    row.playTime = rules.playTime;
    row.category = rules.category.value_or(family == Family::gypsy ? Category::other : Category::fortyThieves);
    row.extraCategories = rules.extraCategories;
    row.intro = rules.intro;
    row.layout = rules.layout;
    row.packs = rules.packs;
    // Column sizes given one by one also give the number of columns.
    const int givenColumns = static_cast<int>(rules.columnCards.size());
    row.columns = rules.columns.value_or(givenColumns > 0 ? givenColumns : own.columns);
    row.firstPileCards = rules.cardsPerColumn.value_or(own.cardsPerColumn);
    row.extraPerPile = 0;
    row.columnCards = rules.columnCards;
    row.faceUp = rules.faceUp != nullptr ? rules.faceUp : own.faceUp;
    row.build = build;
    row.groupBuild = rules.groupBuild.value_or(build);
    row.singleCards = !groups;
    row.onEmpty = rules.onEmpty;
    row.spaceRank = rules.spaceRank;
    row.spaceFill = rules.spaceFill;
    row.stock = rules.stockFillsSpacesOnly       ? StockDeal::fillsSpaces
                : family == Family::fortyThieves ? StockDeal::toWaste
                                                 : StockDeal::rowToTableau;
    row.stockDeal = rules.stockDeal;
    row.redeals = family == Family::gypsy ? 0 : rules.redeals;
    row.rowDealNeedsNoSpace = rules.rowDealNeedsNoSpace;
    row.rowsPerTap = rules.rowsPerTap;
    row.dealtAcesGoOut = rules.dealtAcesGoOut;
    row.yukonMoves = rules.yukonMoves;
    row.stockOutReserve = rules.stockOutReserve;
    row.foundationPerSuit = rules.foundationPerSuit;
    row.reservesDealtLast = rules.reservesDealtLast;
    row.lastRowLeavesOut = rules.lastRowLeavesOut;
    row.acesOnlyInSpaces = rules.acesOnlyInSpaces;
    row.foundationsGiveBackAfterStock = rules.foundationsGiveBackAfterStock;
    row.acesDealt = rules.acesDealt;
    row.kingsDown = rules.kingsDown;
    row.foundationsKeep = rules.foundationsKeep.value_or(own.foundationsKeep);
    row.foundationSuits = rules.foundationSuits;
    row.foundationBase = rules.foundationBase;
    row.baseCardDealt = rules.baseCardDealt;
    row.dealtBases = rules.dealtBases;
    row.reserves = rules.reserves;
    row.reserveCards = rules.reserveCards;
    row.groupsOnlyToSpaces = rules.groupsOnlyToSpaces;
    row.splitFoundations = rules.upAndDownFoundations;
    row.splitOncePerSuit = rules.upAndDownFoundations;
    row.reservesTakeAnyCard = rules.reservesTakeAnyCard;
    row.rowsDealtPastFoundations = rules.rowsDealtPastFoundations;
    row.spacesFromWasteOnly = rules.spacesFromWasteOnly;
    row.cells = rules.cells;
    row.foundationTopRank = rules.foundationTopRank;
    row.blindTableau = rules.blindTableau;
    if (rules.reserveRounds > 0) {
        row.stock = StockDeal::rowToReserves;
        row.reserveRounds = rules.reserveRounds;
        row.reserveDealAtStart = true;
        row.reservesDealtInTurn = rules.reservesDealtInTurn;
    }
    row.columnCapacity = rules.columnCapacity;
    row.tableauOnly = rules.tableauOnly;
    row.tableauRunsWin = rules.tableauRunsWin;
    row.stockInPlay = rules.stockInPlay;
    row.dealNeedsEmptyWaste = rules.dealNeedsEmptyWaste;
    row.tableauTakesAnyCard = rules.tableauTakesAnyCard;
    row.kingsHalf = rules.kingsHalf;
    row.tableauFedByWasteOnly = rules.tableauFedByWasteOnly;
    row.foundationsByTwos = rules.foundationsByTwos;
    row.tableauTakesOnlySpaces = rules.tableauTakesOnlySpaces;
    row.walledColumns = rules.walledColumns;
    row.foundationsAcross = rules.foundationsAcross;
    row.reservesBetweenWasteAndTableau = rules.reservesBetweenWasteAndTableau;
    row.reserveRank = rules.reserveRank;
    row.reservesFeedFoundationsOnly = rules.reservesFeedFoundationsOnly;
    row.lastRowToColumns = rules.lastRowToColumns;
    row.kingsDealtDown = rules.kingsDealtDown;
    row.startedFoundations = rules.startedFoundations;
    return row;
}

}  // namespace

GameDefinition fortyThievesGame(const OpenColumnsRules& rules)
{
    return klondikeGame(klondikeRow(rules, Family::fortyThieves));
}

GameDefinition gypsyGame(const OpenColumnsRules& rules)
{
    return klondikeGame(klondikeRow(rules, Family::gypsy));
}

}  // namespace velmora::gamedb
