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
    row.columns = rules.columns.value_or(own.columns);
    row.firstPileCards = rules.cardsPerColumn.value_or(own.cardsPerColumn);
    row.extraPerPile = 0;
    row.columnCards = rules.columnCards;
    row.faceUp = rules.faceUp != nullptr ? rules.faceUp : own.faceUp;
    row.build = build;
    row.groupBuild = build;
    row.singleCards = !groups;
    row.onEmpty = rules.onEmpty;
    row.spaceRank = rules.spaceRank;
    row.spaceFill = rules.spaceFill;
    row.stock = family == Family::gypsy ? StockDeal::rowToTableau : StockDeal::toWaste;
    row.stockDeal = rules.stockDeal;
    row.redeals = family == Family::gypsy ? 0 : rules.redeals;
    row.rowDealNeedsNoSpace = rules.rowDealNeedsNoSpace;
    row.acesDealt = rules.acesDealt;
    row.kingsDown = rules.kingsDown;
    row.foundationsKeep = rules.foundationsKeep.value_or(own.foundationsKeep);
    row.foundationSuits = rules.foundationSuits;
    row.foundationBase = rules.foundationBase;
    row.baseCardDealt = rules.baseCardDealt;
    row.dealtBases = rules.dealtBases;
    row.reserves = rules.reserves;
    row.reserveCards = rules.reserveCards;
    row.columnCapacity = rules.columnCapacity;
    row.tableauOnly = rules.tableauOnly;
    row.stockInPlay = rules.stockInPlay;
    row.dealNeedsEmptyWaste = rules.dealNeedsEmptyWaste;
    row.foundationPerSuit = rules.foundationPerSuit;
    row.tableauTakesAnyCard = rules.tableauTakesAnyCard;
    row.kingsHalf = rules.kingsHalf;
    row.tableauFedByWasteOnly = rules.tableauFedByWasteOnly;
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
