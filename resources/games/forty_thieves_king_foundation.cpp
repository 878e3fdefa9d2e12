// A Forty Thieves game whose foundations stop at the Queens, the Kings
// going to a foundation of their own; a row for fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(forty_thieves_king_foundation)
{
    games.push_back(fortyThievesGame({
        .id = 261,
        .name = "Floradora",
        .skill = 1,
        .playTime = 2,
        .intro = "Six long columns built down regardless of suit, on foundations that end with the Queens; "
                 "the eight Kings gather on a foundation of their own.",
        .layout = "Six columns of six cards each, all face up; the stock, the waste, eight foundations and a "
                  "foundation for the Kings.",
        .columns = 6,
        .cardsPerColumn = 6,
        .build = kAnySuitDown,
        .cells = {{.rank = 13, .capacity = 8, .keepsCards = true}},
        .foundationTopRank = 12,
    }));
}

}  // namespace velmora::gamedb
