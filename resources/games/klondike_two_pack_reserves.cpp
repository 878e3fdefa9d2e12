// Klondike-family games of two packs where most of the cards start on
// reserves beside a small tableau; each a row of rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_two_pack_reserves)
{
    games.push_back(klondikeGame({
        .id = 601,
        .name = "Royal Aids",
        .skill = 2,
        .playTime = 3,
        .category = Category::other,
        .intro = "Two packs with the Aces set out: four reserves of ten cards and the stock feed two piles "
                 "that start empty, and the foundations climb in alternating colours.",
        .layout = "Two tableau piles, empty at the start; four reserve piles of ten cards each, face up and "
                  "fanned, beside them; the stock, the waste, which starts with one card, and eight "
                  "foundations holding the Aces.",
        .packs = 2,
        .columns = 2,
        .columnCards = {0, 0},
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .singleCards = true,
        .reserves = 4,
        .acesDealt = true,
        .extraCategories = {Category::klondike},
        .reserveCards = 10,
        .foundationSuits = Suits::alternate,
    }));
    games.push_back(klondikeGame({
        .id = 306,
        .name = "Gloucestershire",
        .skill = 3,
        .playTime = 3,
        .category = Category::other,
        .intro = "Two packs in the open: eight piles built down in alternating colours one card at a time, "
                 "and fifty-two single reserve cards to play from.",
        .layout = "Eight tableau piles of three to ten cards, all face up; fifty-two reserve cards, face up, "
                  "in rows above them, and eight foundations.",
        .packs = 2,
        .columns = 8,
        .columnCards = {3, 4, 5, 6, 7, 8, 9, 10},
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .singleCards = true,
        .redeals = 0,
        .reserves = 52,
        .extraCategories = {Category::klondike},
    }));
}

}  // namespace velmora::gamedb
