// Klondike on ten piles of two packs with a cell that stores up to three
// Kings, played with a single pass through the stock; a row of rules for
// klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_king_cell)
{
    games.push_back(klondikeGame({
        .id = 50,
        .name = "Batsford",
        .skill = 2,
        .playTime = 3,
        .intro = "Two packs on ten piles with a cell that stores up to three Kings, and a single pass through "
                 "the stock.",
        .layout = "Ten tableau piles of one to ten cards, the top card of each face up; the stock, the waste, "
                  "the King cell and eight foundations.",
        .packs = 2,
        .columns = 10,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .redeals = 0,
        .cells = {{13, 3}},
    }));
}

}  // namespace velmora::gamedb
