// Forty Thieves games of two packs on one foundation for each suit, which
// takes the suit once from the Ace and then again from King to Ace; each a
// row for fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(forty_thieves_suit_rounds)
{
    games.push_back(fortyThievesGame({
        .id = 304,
        .name = "Glacier",
        .skill = 2,
        .playTime = 3,
        .category = Category::other,
        .intro = "Twelve single cards built down round the corner regardless of suit, and a stock turned two at "
                 "a time that must wait until both cards have been played.",
        .layout = "Twelve columns of one card each, face up; the stock, the waste and four foundations.",
        .columns = 12,
        .cardsPerColumn = 1,
        .build = Build{Direction::down, Suits::any, true},
        .groups = true,
        .stockDeal = 2,
        .foundationPerSuit = true,
        .dealNeedsEmptyWaste = true,
    }));
}

}  // namespace velmora::gamedb
