// A two-pack Klondike-family game whose waste plays itself out to the
// foundations and fills every space; a row of rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_waste_out)
{
    games.push_back(klondikeGame({
        .id = 553,
        .name = "Q.C.",
        .skill = 2,
        .playTime = 3,
        .description =
            "Six short piles built in suit, one card at a time, fed by a waste that plays out to the "
            "foundations by itself.\n"
            "<b>Object</b>\nMove all 104 cards of two packs to the eight foundations.\n"
            "<b>Layout</b>\nSix tableau piles of four cards, all face up; the stock, the waste and eight "
            "foundations. In the deal the stock turns its top card onto the waste; while that card can go "
            "to a foundation it does, and the next one is turned.\n"
            "<b>Rules</b>\nBuild the tableau down in suit, moving one card at a time.\n"
            "Build the foundations up in suit from the Ace; any Ace may start any of them, and no card "
            "comes back from a foundation. Whenever the top card of the waste can go to a foundation, it "
            "goes there at once.\n"
            "A tableau pile that is emptied is filled at once with the top card of the waste; when the "
            "waste is empty, the stock first turns a card onto it. Only when both are used up does a "
            "space wait for you, and then any card may fill it.\n"
            "Tap the stock to turn one card onto the waste; only the top card of the waste is in play. Tap "
            "the empty stock to turn the waste over and go through it once more.",
        .packs = 2,
        .columns = 6,
        .firstPileCards = 4,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kSuitDown,
        .groupBuild = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .singleCards = true,
        .redeals = 1,
        .foundationsKeep = true,
        .spaceFill = SpaceFill::fromWaste,
        .wasteOut = true,
    }));
}

}  // namespace velmora::gamedb
