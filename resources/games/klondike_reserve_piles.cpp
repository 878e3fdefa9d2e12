// Klondike-family games with open reserve piles beside the tableau: a small
// gate of two fanned posts that fill every space, and seven single cards
// that may go only to the foundations; each a row of rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_reserve_piles)
{
    games.push_back(klondikeGame({
        .id = 411,
        .name = "Little Gate",
        .skill = 2,
        .category = Category::canfield,
        .intro = "Gate with four tableau piles instead of eight: two posts of five reserve cards fill every "
                 "space, and the stock goes through once.",
        .layout = "Four tableau piles of one card each, face up; two reserve piles of five cards, face up and "
                  "fanned; the stock, the waste and four foundations.",
        .columns = 4,
        .extraPerPile = 0,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 0,
        .reserves = 2,
        .reserveCards = 5,
        .spaceFill = SpaceFill::fromReserves,
    }));
    games.push_back(klondikeGame({
        .id = 633,
        .name = "Seven Devils",
        .skill = 1,
        .playTime = 3,
        .category = Category::other,
        .intro = "Two packs on a Klondike tableau built one card at a time, beside seven devils: reserve cards "
                 "that may go only to the foundations. The stock goes through once.",
        .layout = "Seven tableau piles of one to seven cards, the top card of each face up; seven reserve piles "
                  "of one card, face up; the stock, the waste and eight foundations.",
        .packs = 2,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .singleCards = true,
        .redeals = 0,
        .reserves = 7,
        .extraCategories = {Category::klondike},
        .reservesFeedFoundationsOnly = true,
    }));
}

}  // namespace velmora::gamedb
