// A Forty Thieves game whose first columns give their cards to none of the
// others; a row for fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(forty_thieves_walled)
{
    games.push_back(fortyThievesGame({
        .id = 146,
        .name = "Club",
        .skill = 2,
        .playTime = 3,
        .intro = "Eleven short columns built down in alternating colours, of which the first three, the club's "
                 "own, give their cards to none of the other eight.",
        .layout = "Eleven columns of three cards each, one face down under two face up; the stock, the waste "
                  "and eight foundations.",
        .columns = 11,
        .cardsPerColumn = 3,
        .faceUp = firstRowsDown<1>,
        .build = Build{Direction::down, Suits::alternate},
        .groups = false,
        .walledColumns = 3,
    }));
}

}  // namespace velmora::gamedb
