// Forty Thieves games whose emptied columns are filled at once from the
// waste (or the stock when the waste is empty); each a row for
// fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(forty_thieves_spaces)
{
    games.push_back(fortyThievesGame({
        .id = 155,
        .name = "Corona",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves on twelve columns of three, where an emptied column is refilled at once "
                 "from the waste.",
        .layout = "Twelve columns of three cards each, all face up; the stock, the waste and eight foundations.",
        .columns = 12,
        .cardsPerColumn = 3,
        .spaceFill = SpaceFill::fromWaste,
    }));
    games.push_back(fortyThievesGame({
        .id = 156,
        .name = "Courtyard",
        .skill = 2,
        .playTime = 3,
        .intro = "Busy Aces where groups built in suit move as a unit and an emptied column is refilled at "
                 "once from the waste.",
        .layout = "Twelve columns of one face-up card each; the stock, the waste and eight foundations.",
        .columns = 12,
        .cardsPerColumn = 1,
        .groups = true,
        .spaceFill = SpaceFill::fromWaste,
    }));
}

}  // namespace velmora::gamedb
