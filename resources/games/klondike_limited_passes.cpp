// One-pack Klondikes that limit the passes through the cards: a single pass
// through the stock, three passes (in Gold Rush each turning fewer cards),
// or one redeal of the tableau itself.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_limited_passes)
{
    games.push_back(klondikeGame({
        .id = 767,
        .name = "Vegas Klondike",
        .skill = 2,
        .intro = "Klondike with a single pass through the stock, one card at a time, as played for stakes in "
                 "casinos (the betting is not part of this game).",
        .layout = "Seven tableau piles of one to seven cards, the top card of each face up; the stock, the "
                  "waste and four foundations.",
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .redeals = 0,
    }));
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
    games.push_back(klondikeGame({
        .id = 763,
        .name = "Usk",
        .skill = 2,
        .intro = "Ten open piles built in alternating colours with every card dealt, and one chance to "
                 "gather them up and deal them again.",
        .layout = "Ten tableau piles of 1, 2, 3, 4, 5, 6, 7, 8, 8 and 8 cards, all face up, an empty stock and "
                  "four foundations.",
        .columns = 10,
        .columnCards = {1, 2, 3, 4, 5, 6, 7, 8, 8, 8},
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .redeals = 1,
        .redealTableau = true,
    }));
    games.push_back(klondikeGame({
        .id = 309,
        .name = "Gold Rush",
        .skill = 2,
        .intro = "Klondike with three passes through the stock that turn three cards at a time, then two, "
                 "then one.",
        .layout = "Seven tableau piles of one to seven cards, the top card of each face up; the stock, the "
                  "waste with three cards, and four foundations.",
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .stockDeal = 3,
        .redeals = 2,
        .dealCountFalls = true,
    }));
}

}  // namespace velmora::gamedb
