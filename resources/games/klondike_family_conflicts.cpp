#include "klondike_family_conflicts.h"

#include <algorithm>

#include "klondike_family_boards.h"
#include "klondike_family_parts.h"
#include "klondike_family_started.h"

namespace velmora::gamedb {

std::string openColumnsConflict(const KlondikeRules& rules, bool hasWaste)
{
    if (rules.splitOncePerSuit && (!rules.splitFoundations || rules.packs != 2 || !rules.packSuits.empty()))
        return "one foundation up and one down for each suit pairs the suits of two full packs";
    const bool reservesDealtOrLocked = rules.lockedReserves || rules.firTree || dealsToReserves(rules) ||
                                       rules.spaceFill == SpaceFill::fromReserve ||
                                       rules.spaceFill == SpaceFill::fromReserves;
    if (rules.reservesTakeAnyCard && (fannedReserves(rules) || reservesDealtOrLocked ||
                                      rules.reservesFeedFoundationsOnly || rules.tableauFedByWasteOnly))
        return "reserves that take any card hold one card each, and only the player fills them";
    const bool aceFoundations = !rules.acesDealt && !rules.kingsDown && rules.foundationBase == 0 &&
                                !rules.splitFoundations && !rules.baseCardDealt && !movableBase(rules) &&
                                rules.dealtBases.empty() && rules.foundationSuits == Suits::same &&
                                rules.packRanks.empty() && !rules.runFoundations;
    if (rules.rowsDealtPastFoundations > 0 && (!aceFoundations || rules.rowsSendingAcesOut > 0))
        return "columns dealt past the foundations need empty foundations built up in suit from the Ace";
    if (rules.reserveRounds != 1 && (rules.stock != StockDeal::rowToReserves || rules.reserveRounds < 1))
        return "only a stock dealt to the reserves deals them rounds, at least one a tap";
    if (rules.tableauRunsWin && (!rules.tableauOnly || rules.groupBuild.direction != Direction::down ||
                                 rules.columnCapacity != 0))
        return "winning runs lie on a tableau without foundations, built down from the King";
    if (rules.reservesDealtInTurn && rules.stock != StockDeal::rowToReserves)
        return "only a stock dealt to the reserves deals them one after another";
    const bool usualMoves = !rules.tableauFedByWasteOnly && !rules.reservesFeedFoundationsOnly;
    if (rules.spacesFromWasteOnly && (!hasWaste || !usualMoves))
        return "spaces that take only the waste's card need a waste, and the usual moves around it";
    if (rules.foundationsAcross && (!rules.kingsHalf || rules.foundationsKeep || !usualMoves ||
                                    rules.walledColumns > 0 || !rules.cells.empty()))
        return "cards go across foundations that give back, half up and half down, beside the usual moves";
    if (rules.reservesBetweenWasteAndTableau &&
        (!rules.reservesTakeAnyCard || !hasWaste || !usualMoves || !rules.cells.empty() || rules.walledColumns > 0))
        return "cells between the waste and the tableau take any card, beside a waste and the usual moves";
    const int ranksDealt = 4 * rules.packs;
    if (rules.reserveRank != 0 && (rules.reserves != ranksDealt || rules.reserveCards != 1 ||
                                   rules.reservesDealtLast || dealsToReserves(rules) || !rules.packRanks.empty() ||
                                   !rules.packSuits.empty()))
        return "reserves dealt one rank take every card of it, one each, from full packs";
    if (rules.lastRowToColumns && (rules.stock != StockDeal::rowToReserves || rules.lastRowLeavesOut > 0))
        return "a last row kept apart for the columns comes from a stock dealt to the reserves";
    if (rules.kingsDealtDown && (!rules.kingsHalf || rules.acesDealt || !rules.dealtBases.empty()))
        return "Kings dealt to the down half need foundations half up and half down, with nothing else dealt";
    if (const std::string started = startedFoundationsConflict(rules); !started.empty())
        return started;
    const bool wasteBarred = std::any_of(rules.cells.begin(), rules.cells.end(), [](const RankCell& cell) {
        return !cell.takesFromWaste;
    });
    if (wasteBarred && (!hasWaste || !usualMoves))
        return "cells closed to the waste need a waste, and the usual moves around it";
    if (rules.walledColumns > 0 && (rules.walledColumns >= rules.columns || !usualMoves || !rules.cells.empty()))
        return "walled columns are some of the columns, beside the usual moves and no cells";
    const bool keptOnly = std::all_of(rules.cells.begin(), rules.cells.end(), [](const RankCell& cell) {
        return cell.keepsCards;
    });
    const bool plainFoundations = rules.foundationBase == 0 && !rules.kingsDown && rules.dealtBases.empty() &&
                                  !rules.baseCardDealt && !movableBase(rules) && !rules.splitFoundations &&
                                  rules.packRanks.empty() && !rules.runFoundations && !rules.wasteOut;
    if (rules.foundationTopRank != 0 && (rules.cells.empty() || !keptOnly || !plainFoundations))
        return "foundations that stop short of the King go up from the Ace, beside cells that keep the rest";
    return "";
}

}  // namespace velmora::gamedb
