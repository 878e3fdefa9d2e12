// One-pack Klondikes that allow three passes through the stock.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_limited_passes)
{
    games.push_back(klondikeGame({
        .id = 117,
        .name = "Casino Klondike",
        .skill = 2,
        .intro = "Klondike with three passes through the stock, one card at a time (the casino's betting is "
                 "not part of this game).",
        .layout = "Seven tableau piles of one to seven cards, the top card of each face up; the stock, the "
                  "waste and four foundations.",
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .redeals = 2,
    }));
    games.push_back(klondikeGame({
        .id = 658,
        .name = "Smokey",
        .skill = 2,
        .intro = "Klondike built down in colour, in which only runs of one suit move together; three passes "
                 "through the stock.",
        .layout = "Seven tableau piles of one to seven cards, the top card of each face up; the stock, the "
                  "waste and four foundations.",
        .build = kColourDown,
        .groupBuild = kSuitDown,
        .redeals = 2,
    }));
}

}  // namespace velmora::gamedb
