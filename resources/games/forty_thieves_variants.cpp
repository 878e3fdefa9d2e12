// Forty Thieves games that differ from it only in the tableau's size, its
// building rule or the moves of groups; each a row for fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(forty_thieves_variants)
{
    games.push_back(fortyThievesGame({
        .id = 361,
        .name = "Josephine",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves in which a group built in suit may be moved as a unit.",
        .layout = "Ten columns of four cards each, all face up; the stock, the waste and eight foundations.",
        .groups = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 685,
        .name = "Streets",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves built down in alternating colours.",
        .layout = "Ten columns of four cards each, all face up; the stock, the waste and eight foundations.",
        .build = kAlternateDown,
    }));
}

}  // namespace velmora::gamedb
