// Two-pack games of twenty piles that take any card, but only from the
// waste, and give only to the foundations, half of which go up from the Ace
// and half down from the King; each a row for fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(forty_thieves_waste_fed_rows)
{
    games.push_back(fortyThievesGame({
        .id = 148,
        .name = "Colorado",
        .skill = 2,
        .playTime = 3,
        .category = Category::other,
        .intro = "Each card turned from the stock must be placed at once, on a foundation or on any of twenty "
                 "piles, before the next one is turned.",
        .layout = "Twenty piles of one card each, face up, in two rows of ten; the stock, the waste and eight "
                  "foundations, four holding an Ace and four a King.",
        .columns = 20,
        .cardsPerColumn = 1,
        .spaceFill = SpaceFill::fromWaste,
        .acesDealt = true,
        .dealNeedsEmptyWaste = true,
        .tableauTakesAnyCard = true,
        .kingsHalf = true,
        .tableauFedByWasteOnly = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 201,
        .name = "Double Line",
        .skill = 2,
        .playTime = 3,
        .category = Category::other,
        .intro = "Grandfather with a single pass through the stock.",
        .layout = "Twenty piles of one card each, face up, in two rows of ten; the stock, the waste and eight "
                  "foundations.",
        .columns = 20,
        .cardsPerColumn = 1,
        .spaceFill = SpaceFill::fromWaste,
        .columnCapacity = 2,
        .tableauTakesAnyCard = true,
        .kingsHalf = true,
        .tableauFedByWasteOnly = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 316,
        .name = "Grandfather",
        .skill = 2,
        .playTime = 3,
        .category = Category::other,
        .intro = "Two packs sorted onto foundations going up from the Ace and down from the King, with twenty "
                 "small piles of two cards at most to hold what cannot go yet.",
        .layout = "Twenty piles of one card each, face up, in two rows of ten; the stock, the waste and eight "
                  "foundations.",
        .columns = 20,
        .cardsPerColumn = 1,
        .spaceFill = SpaceFill::fromWaste,
        .redeals = 1,
        .columnCapacity = 2,
        .tableauTakesAnyCard = true,
        .kingsHalf = true,
        .tableauFedByWasteOnly = true,
    }));
}

}  // namespace velmora::gamedb
