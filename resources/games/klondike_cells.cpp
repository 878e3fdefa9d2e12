// Klondike-family games with cells that take only one rank: Kings laid by
// for later, or a King and a Queen; each a row of rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_cells)
{
    games.push_back(klondikeGame({
        .id = 51,
        .name = "Batsford Again",
        .skill = 2,
        .playTime = 3,
        .intro = "Two packs on ten piles with a cell that stores up to three Kings, and two passes through "
                 "the stock.",
        .layout = "Ten tableau piles of one to ten cards, the top card of each face up; the stock, the "
                  "waste, the King cell and eight foundations.",
        .packs = 2,
        .columns = 10,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .redeals = 1,
        .cells = {{13, 3}},
    }));
    games.push_back(klondikeGame({
        .id = 186,
        .name = "Doorway",
        .skill = 2,
        .intro = "Five open cards built regardless of suit one at a time, with a cell for a King and a cell "
                 "for a Queen, and a single pass through the stock.",
        .layout = "Five tableau piles of one card each, face up; the stock, the waste, the King cell, the "
                  "Queen cell and four foundations.",
        .columns = 5,
        .extraPerPile = 0,
        .build = kAnySuitDown,
        .groupBuild = kAnySuitDown,
        .onEmpty = EmptyTakes::anything,
        .singleCards = true,
        .redeals = 0,
        .cells = {{13, 1}, {12, 1}},
    }));
}

}  // namespace velmora::gamedb
