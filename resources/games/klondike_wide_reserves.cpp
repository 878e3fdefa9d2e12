// A Klondike-family game whose reserve cards take three rows above the
// tableau and stand in for the stock; a row of rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_wide_reserves)
{
    games.push_back(klondikeGame({
        .id = 380,
        .name = "Klondike Territory",
        .skill = 2,
        .category = Category::other,
        .intro = "Klondike's seven-pile staircase with twenty-four reserve cards in place of a stock.",
        .layout = "Seven tableau piles of one to seven cards, the top card of each face up; twenty-four "
                  "reserve cards, face up, in three rows, and four foundations.",
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .reserves = 24,
    }));
}

}  // namespace velmora::gamedb
