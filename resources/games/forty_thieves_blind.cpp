// A Forty Thieves game dealt wholly face down, whose cards turn up only when
// the player taps them; a row for fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(forty_thieves_blind)
{
    games.push_back(fortyThievesGame({
        .id = 80,
        .name = "Blind Patience",
        .skill = 3,
        .playTime = 3,
        .intro = "Forty Thieves built down in alternating colours on columns dealt face down, where a face-down "
                 "card takes any card until you choose to turn it up.",
        .layout = "Ten columns of four cards each, all face down; the stock, the waste and eight foundations.",
        .faceUp = allCardsDown,
        .build = kAlternateDown,
        .blindTableau = true,
    }));
}

}  // namespace velmora::gamedb
