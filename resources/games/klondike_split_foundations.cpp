// A one-pack Klondike-family game with two foundations for every suit, one
// built up from the Ace and one down from the King, and a reserve that
// fills the spaces; a row of rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_split_foundations)
{
    games.push_back(klondikeGame({
        .id = 390,
        .name = "Lafayette",
        .skill = 2,
        .playTime = 2,
        .category = Category::canfield,
        .description =
            "Each suit is split between a foundation going up from the Ace and one going down from the "
            "King, while a reserve of thirteen cards keeps four small piles filled.\n"
            "<b>Object</b>\nMove all 52 cards to the eight foundations.\n"
            "<b>Layout</b>\nFour tableau piles of one card each and, beside them, a reserve pile of "
            "thirteen cards, all face up; the stock, the waste with three cards, and eight foundations: "
            "four for the Aces on the left, four for the Kings on the right.\n"
            "<b>Rules</b>\nBuild the tableau down in alternating colours. A group built that way may be "
            "moved as a unit. A tableau pile that is emptied is filled at once with the top card of the "
            "reserve; once the reserve is used up, only a Seven, or a group headed by a Seven, may fill "
            "an empty pile. The top card of the reserve may also be played.\n"
            "Build the four left foundations up in suit from the Ace and the four right ones down in suit "
            "from the King, one card at a time; any Ace or King may start one of its four. A suit is "
            "finished when its two foundations hold all thirteen of its cards between them.\n"
            "Tap the stock to turn three cards onto the waste; only the top card of the waste is in play. "
            "Tap the empty stock to turn the waste over and go through it again, as often as you like.",
        .columns = 4,
        .firstPileCards = 1,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .stockDeal = 3,
        .reserves = 1,
        .extraCategories = {Category::klondike},
        .reserveCards = 13,
        .spaceFill = SpaceFill::fromReserve,
        .spaceRank = 7,
        .splitFoundations = true,
    }));
}

}  // namespace velmora::gamedb
