// Forty Thieves games whose columns are built down regardless of suit: a
// few columns of one card each where whole groups move, and two games where
// only groups in suit move; each a row for fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(forty_thieves_rails)
{
    games.push_back(fortyThievesGame({
        .id = 647,
        .name = "Single Rail",
        .skill = 1,
        .playTime = 2,
        .intro = "One pack on four columns of a single card, built down regardless of suit.",
        .layout = "Four columns of one face-up card each; the stock, the waste and four foundations.",
        .packs = 1,
        .columns = 4,
        .cardsPerColumn = 1,
        .build = kAnySuitDown,
        .groups = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 206,
        .name = "Double Rail",
        .skill = 2,
        .playTime = 3,
        .intro = "Two packs on five columns of a single card, built down regardless of suit.",
        .layout = "Five columns of one face-up card each; the stock, the waste and eight foundations.",
        .columns = 5,
        .cardsPerColumn = 1,
        .build = kAnySuitDown,
        .groups = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 254,
        .name = "Final Battle",
        .skill = 2,
        .playTime = 3,
        .intro = "Double Rail with six columns.",
        .layout = "Six columns of one face-up card each; the stock, the waste and eight foundations.",
        .columns = 6,
        .cardsPerColumn = 1,
        .build = kAnySuitDown,
        .groups = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 742,
        .name = "Triple Rail",
        .skill = 2,
        .playTime = 4,
        .intro = "Three packs on nine columns of a single card, built down regardless of suit.",
        .layout = "Nine columns of one face-up card each; the stock, the waste and twelve foundations.",
        .packs = 3,
        .columns = 9,
        .cardsPerColumn = 1,
        .build = kAnySuitDown,
        .groups = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 410,
        .name = "Little Forty",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves built regardless of suit, where only groups in suit move together, emptied "
                 "columns are refilled from the waste, and the stock is turned three cards at a time, four "
                 "times through.",
        .layout = "Ten columns of four cards each, all face up; the stock, the waste with three cards and "
                  "eight foundations.",
        .build = kAnySuitDown,
        .groups = true,
        .spaceFill = SpaceFill::fromWaste,
        .stockDeal = 3,
        .redeals = 3,
        .groupBuild = kSuitDown,
    }));
    games.push_back(fortyThievesGame({
        .id = 779,
        .name = "Waterloo",
        .skill = 2,
        .playTime = 3,
        .intro = "Six single cards and the eight Aces to start; cards build regardless of suit, but only "
                 "groups in suit move together.",
        .layout = "The eight Aces on the foundations; six columns of one face-up card each; the stock and "
                  "the waste.",
        .columns = 6,
        .cardsPerColumn = 1,
        .build = kAnySuitDown,
        .groups = true,
        .acesDealt = true,
        .groupBuild = kSuitDown,
    }));
}

}  // namespace velmora::gamedb
