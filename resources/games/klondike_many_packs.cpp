// Klondike-family games of three packs on thirteen tableau piles, with the
// twelve foundations in two rows where one row cannot hold them; each a row
// of rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {
namespace {

constexpr const char* kThirteenStaircase =
    "Thirteen tableau piles of one to thirteen cards, the top card of each face up; the stock, the waste "
    "and twelve foundations.";

}  // namespace

VELMORA_GAME_FAMILY(klondike_many_packs)
{
    games.push_back(klondikeGame({
        .id = 740,
        .name = "Triple Klondike",
        .skill = 2,
        .playTime = 4,
        .intro = "Klondike with three packs and thirteen piles, one card at a time from the stock.",
        .layout = kThirteenStaircase,
        .packs = 3,
        .columns = 13,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
    }));
    games.push_back(klondikeGame({
        .id = 741,
        .name = "Triple Klondike (Draw 3)",
        .skill = 2,
        .playTime = 4,
        .intro = "Klondike with three packs and thirteen piles, three cards at a time from the stock.",
        .layout = kThirteenStaircase,
        .packs = 3,
        .columns = 13,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .stockDeal = 3,
    }));
    games.push_back(klondikeGame({
        .id = 31,
        .name = "Arabella",
        .skill = 2,
        .playTime = 4,
        .intro = "Three packs in thirteen open piles built regardless of suit, where only suits move "
                 "together, and a single pass through the stock. Some texts allow redeals; this one "
                 "follows the more common single pass.",
        .layout = "Thirteen tableau piles of one to thirteen cards, all face up; the stock, the waste and "
                  "twelve foundations.",
        .packs = 3,
        .columns = 13,
        .faceUp = allCardsUp,
        .build = kAnySuitDown,
        .groupBuild = kSuitDown,
        .redeals = 0,
    }));
    games.push_back(klondikeGame({
        .id = 619,
        .name = "Scarp",
        .skill = 2,
        .playTime = 4,
        .intro = "Three packs in thirteen open piles, fed by rows dealt from the stock.",
        .layout = "Thirteen tableau piles of one to thirteen cards, all face up; the stock and twelve "
                  "foundations.",
        .packs = 3,
        .columns = 13,
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .stock = StockDeal::rowToTableau,
        .redeals = 0,
    }));
}

}  // namespace velmora::gamedb
