// A Forty Thieves game built in a round of suits rather than in suit; a row
// for fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(forty_thieves_suit_round)
{
    games.push_back(fortyThievesGame({
        .id = 267,
        .name = "Following",
        .skill = 2,
        .playTime = 2,
        .intro = "A one-pack game of six columns where each card must follow the suit of the card it goes on "
                 "in a fixed round of suits, on the tableau and on the foundations alike, with one more pass "
                 "through the stock.",
        .layout = "Six columns of one card each, face up; the stock, the waste and four foundations.",
        .packs = 1,
        .columns = 6,
        .cardsPerColumn = 1,
        .build = Build{Direction::down, Suits::cycle},
        .groups = true,
        .redeals = 1,
        .foundationSuits = Suits::cycle,
    }));
}

}  // namespace velmora::gamedb
