// More one-pack Klondikes dealt onto a waste: a wide tableau of short piles
// and a narrow one of four; each a row of rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_one_pack_more)
{
    games.push_back(klondikeGame({
        .id = 783,
        .name = "Westcliff",
        .skill = 1,
        .category = Category::klondike,
        .intro = "Ten short piles of three, any card into a space, and one pass through the stock; the "
                 "foundations keep what they get.",
        .layout = "Ten tableau piles of three cards, the top card of each face up; the stock, the waste "
                  "and four foundations.",
        .columns = 10,
        .firstPileCards = 3,
        .extraPerPile = 0,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 0,
        .foundationsKeep = true,
    }));
    games.push_back(klondikeGame({
        .id = 88,
        .name = "Boost",
        .skill = 2,
        .playTime = 1,
        .intro = "Klondike cut down to four piles, with three passes through the stock.",
        .layout = "Four tableau piles of one to four cards, the top card of each face up; the stock, the "
                  "waste and four foundations.",
        .columns = 4,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .redeals = 2,
    }));
}

}  // namespace velmora::gamedb
