// Klondike-family games whose foundations start from a card dealt at the
// start rather than from the Aces, and build on round the corner from King
// to Ace; each a row of rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_base_card)
{
    games.push_back(klondikeGame({
        .id = 646,
        .name = "Simplicity",
        .skill = 1,
        .playTime = 1,
        .category = Category::other,
        .intro = "Twelve single cards built in alternating colours one at a time, foundations that start "
                 "from a dealt card, and one pass through the stock.",
        .layout = "Twelve tableau piles of one card each, face up; the stock, the waste and four "
                  "foundations, the first holding the base card.",
        .columns = 12,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = {Direction::down, Suits::alternate, true},
        .groupBuild = {Direction::down, Suits::alternate, true},
        .onEmpty = EmptyTakes::anything,
        .singleCards = true,
        .redeals = 0,
        .baseCardDealt = true,
    }));
}

}  // namespace velmora::gamedb
