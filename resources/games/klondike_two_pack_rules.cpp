// Two-pack games of the Klondike family with a rule of their own about where
// cards may go: a tableau fed by the waste alone.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_two_pack_rules)
{
    games.push_back(klondikeGame({
        .id = 228,
        .name = "Eight Sages",
        .skill = 2,
        .playTime = 3,
        .intro = "Eight single cards to build on, but only from the waste; two passes through the stock.",
        .layout = "Eight tableau piles of one card, face up; the stock, the waste with one card, and eight "
                  "foundations.",
        .packs = 2,
        .columns = 8,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .singleCards = true,
        .redeals = 1,
        .tableauFedByWasteOnly = true,
    }));
}

}  // namespace velmora::gamedb
