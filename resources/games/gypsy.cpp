// Gypsy and the games played like it: a stock dealt a row at a time onto
// the columns; each a row for gypsyGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(gypsy)
{
    games.push_back(gypsyGame({
        .id = 323,
        .name = "Gypsy",
        .skill = 2,
        .playTime = 3,
        .intro = "A two-pack patience whose stock is dealt a row at a time onto eight columns.",
        .layout = "Eight columns of three cards, two face down under one face up; the stock and eight "
                  "foundations.",
    }));
}

}  // namespace velmora::gamedb
