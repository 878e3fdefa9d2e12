#include "klondike_family_runs.h"

#include "klondike_family_parts.h"

namespace velmora::gamedb {

std::string runFoundationsConflict(const KlondikeRules& rules)
{
    if (!rules.runFoundations)
        return "";
    if (rules.acesDealt || !rules.dealtBases.empty() || rules.baseCardDealt || movableBase(rules) ||
        rules.rowsSendingAcesOut > 0)
        return "foundations of whole suits start empty and take no single card";
    if (rules.kingsDown || rules.foundationBase != 0 || rules.foundationStep != 1 ||
        rules.foundationSuits != Suits::same || rules.splitFoundations || rules.wasteOut)
        return "foundations of whole suits are built by nothing but runs from King down to Ace";
    if (!rules.packRanks.empty())
        return "foundations of whole suits need every rank of the pack";
    if (rules.tableauFedByWasteOnly || rules.reservesFeedFoundationsOnly)
        return "foundations of whole suits are reached only through the tableau";
    return "";
}

}  // namespace velmora::gamedb
