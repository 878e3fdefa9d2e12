// Interchange and its relatives: Forty Thieves games on seven (or nine)
// deep columns, in most of them with cards face up and face down by turns,
// where built groups move as a unit; each a row for fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

constexpr const char* kSevenOfSeven =
    "Seven columns of seven cards each, dealt face up and face down by turns, so that the first, third, "
    "fifth and seventh cards lie face up; the stock, the waste and eight foundations.";

}  // namespace

VELMORA_GAME_FAMILY(forty_thieves_interchange)
{
    games.push_back(fortyThievesGame({
        .id = 353,
        .name = "Interchange",
        .skill = 3,
        .playTime = 3,
        .intro = "Forty Thieves on seven deep columns with every other card hidden, where only a King "
                 "starts an empty column.",
        .layout = kSevenOfSeven,
        .columns = 7,
        .cardsPerColumn = 7,
        .faceUp = alternateFromUp,
        .groups = true,
        .onEmpty = EmptyTakes::kings,
    }));
    games.push_back(fortyThievesGame({
        .id = 759,
        .name = "Unlimited",
        .skill = 3,
        .playTime = 3,
        .intro = "Interchange with as many passes through the stock as you like.",
        .layout = kSevenOfSeven,
        .columns = 7,
        .cardsPerColumn = 7,
        .faceUp = alternateFromUp,
        .groups = true,
        .onEmpty = EmptyTakes::kings,
        .redeals = -1,
    }));
    games.push_back(fortyThievesGame({
        .id = 22,
        .name = "Alternation",
        .skill = 3,
        .playTime = 3,
        .intro = "Interchange built down in alternating colours. As in Interchange, and as most accounts "
                 "have it, only a King starts an empty column.",
        .layout = kSevenOfSeven,
        .columns = 7,
        .cardsPerColumn = 7,
        .faceUp = alternateFromUp,
        .build = kAlternateDown,
        .groups = true,
        .onEmpty = EmptyTakes::kings,
    }));
    games.push_back(fortyThievesGame({
        .id = 94,
        .name = "Breakwater",
        .skill = 2,
        .playTime = 3,
        .intro = "Interchange built down regardless of suit, where any card or group may start an empty "
                 "column.",
        .layout = kSevenOfSeven,
        .columns = 7,
        .cardsPerColumn = 7,
        .faceUp = alternateFromUp,
        .build = kAnySuitDown,
        .groups = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 739,
        .name = "Triple Interchange",
        .skill = 3,
        .playTime = 4,
        .intro = "Interchange with three packs on nine columns of nine cards, as many passes through the "
                 "stock as you like, and any card or group free to start an empty column.",
        .layout = "Nine columns of nine cards each, dealt face up and face down by turns, so that the odd "
                  "cards from the bottom lie face up; the stock, the waste and twelve foundations.",
        .packs = 3,
        .columns = 9,
        .cardsPerColumn = 9,
        .faceUp = alternateFromUp,
        .groups = true,
        .redeals = -1,
    }));
    games.push_back(fortyThievesGame({
        .id = 275,
        .name = "Forty-Nine",
        .skill = 3,
        .playTime = 3,
        .intro = "Forty-nine open cards on seven columns built down in alternating colours, where a group "
                 "moves as a unit only into an empty column.",
        .layout = "Seven columns of seven cards each, all face up; the stock, the waste and eight foundations.",
        .columns = 7,
        .cardsPerColumn = 7,
        .build = kAlternateDown,
        .groups = true,
        .groupsOnlyToSpaces = true,
    }));
}

}  // namespace velmora::gamedb
