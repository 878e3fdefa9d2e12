// One- and two-pack games on single cards laid apart, that are never built
// on: a card goes only into a space, or no card at all; each a row for
// fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(forty_thieves_single_cards)
{
    games.push_back(fortyThievesGame({
        .id = 533,
        .name = "Phalanx",
        .skill = 1,
        .playTime = 1,
        .category = Category::other,
        .intro = "A one-pack patience on fifteen single cards, each pile holding one card at most, the stock "
                 "turned once.",
        .layout = "Fifteen piles of one face-up card each; the stock, the waste and four foundations.",
        .packs = 1,
        .columns = 15,
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .groups = false,
        .tableauTakesOnlySpaces = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 364,
        .name = "Khedive",
        .skill = 1,
        .playTime = 2,
        .category = Category::other,
        .intro = "A two-pack patience on twenty-five single cards, which only give to the foundations and are "
                 "replaced from the waste.",
        .layout = "Twenty-five piles of one face-up card each; the stock, the waste and eight foundations.",
        .columns = 25,
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .groups = false,
        .onEmpty = EmptyTakes::nothing,
        .spaceFill = SpaceFill::fromWaste,
        .tableauTakesOnlySpaces = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 153,
        .name = "Corner Suite",
        .skill = 2,
        .playTime = 1,
        .category = Category::other,
        .intro = "A one-pack patience on nine piles that start empty, are begun from the waste and are built "
                 "down regardless of suit.",
        .layout = "Nine empty piles in a row; the stock, the waste and four foundations.",
        .packs = 1,
        .columns = 9,
        .cardsPerColumn = 0,
        .build = Build{Direction::down, Suits::any},
        .groups = false,
        .spacesFromWasteOnly = true,
    }));
}

}  // namespace velmora::gamedb
