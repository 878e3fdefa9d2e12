// Forty Thieves games on twelve columns with rules of their own; each a row
// for fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(forty_thieves_twelve)
{
    games.push_back(fortyThievesGame({
        .id = 478,
        .name = "Napoleon's Shoulder",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves on twelve columns built down regardless of suit, whose spaces take only the "
                 "waste's card.",
        .layout = "Twelve columns of four cards each, all face up; the stock, the waste and eight foundations.",
        .columns = 12,
        .build = kAnySuitDown,
        .spacesFromWasteOnly = true,
    }));
}

}  // namespace velmora::gamedb
