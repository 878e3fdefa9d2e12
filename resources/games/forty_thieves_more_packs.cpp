// Forty Thieves games of three and four packs, with twelve or sixteen
// foundations; each a row for fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(forty_thieves_more_packs)
{
    games.push_back(fortyThievesGame({
        .id = 651,
        .name = "Sixty Thieves",
        .skill = 3,
        .playTime = 4,
        .intro = "Forty Thieves with three packs: sixty cards in twelve columns.",
        .layout = "Twelve columns of five cards each, all face up; the stock, the waste and twelve foundations.",
        .packs = 3,
        .columns = 12,
        .cardsPerColumn = 5,
    }));
    games.push_back(fortyThievesGame({
        .id = 433,
        .name = "Marie Rose",
        .skill = 3,
        .playTime = 4,
        .intro = "Sixty Thieves where a group built in suit may be moved as a unit.",
        .layout = "Twelve columns of five cards each, all face up; the stock, the waste and twelve foundations.",
        .packs = 3,
        .columns = 12,
        .cardsPerColumn = 5,
        .groups = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 471,
        .name = "Mumbai",
        .skill = 3,
        .playTime = 4,
        .intro = "Three packs on thirteen short columns, each with a hidden card at the bottom, built on any "
                 "suit but the card's own.",
        .layout = "Thirteen columns of three cards each, one face down under two face up; the stock, the "
                  "waste and twelve foundations.",
        .packs = 3,
        .columns = 13,
        .cardsPerColumn = 3,
        .faceUp = firstRowsDown<1>,
        .build = kOtherSuitDown,
    }));
    games.push_back(fortyThievesGame({
        .id = 232,
        .name = "Eighty Thieves",
        .skill = 3,
        .playTime = 4,
        .intro = "Forty Thieves with four packs: eighty cards in ten deep columns.",
        .layout = "Ten columns of eight cards each, all face up; the stock, the waste and sixteen foundations.",
        .packs = 4,
        .cardsPerColumn = 8,
    }));
    games.push_back(fortyThievesGame({
        .id = 429,
        .name = "Malmaison",
        .skill = 3,
        .playTime = 4,
        .intro = "Eighty Thieves where a group built in suit may be moved as a unit.",
        .layout = "Ten columns of eight cards each, all face up; the stock, the waste and sixteen foundations.",
        .packs = 4,
        .cardsPerColumn = 8,
        .groups = true,
    }));
}

}  // namespace velmora::gamedb
