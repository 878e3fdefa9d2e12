// Gypsy-type games whose stock is dealt in rounds onto reserve piles beside
// the columns instead of onto the columns; each a row for gypsyGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(gypsy_reserve_rows)
{
    games.push_back(gypsyGame({
        .id = 376,
        .name = "Kingsdown Eights",
        .skill = 2,
        .playTime = 2,
        .intro = "A two-pack patience of eight single cards fed from eight reserve piles, which the stock "
                 "deals four cards at a time.",
        .layout = "Eight columns of one face-up card; eight reserve piles of four face-up cards; the stock and "
                  "eight foundations.",
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .groups = false,
        .reserves = 8,
        .reserveCards = 0,
        .reserveRounds = 4,
        .reservesDealtInTurn = true,
    }));
    games.push_back(gypsyGame({
        .id = 114,
        .name = "Carthage",
        .skill = 2,
        .playTime = 2,
        .intro = "A two-pack patience of eight single cards built down in suit, with six reserve piles that the "
                 "stock deals two rounds at a time.",
        .layout = "Eight columns of one face-up card; six reserve piles of four face-up cards; the stock and "
                  "eight foundations.",
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .build = kSuitDown,
        .groups = false,
        .reserves = 6,
        .reserveCards = 2,
        .reserveRounds = 2,
    }));
    games.push_back(gypsyGame({
        .id = 16,
        .name = "Algerian Patience",
        .skill = 2,
        .playTime = 3,
        .intro = "Carthage built up or down in suit round the corner, on foundations half going up from the Aces "
                 "and half down from the Kings; the stock's last eight cards go onto the columns.",
        .layout = "Eight columns of one face-up card; six reserve piles of four face-up cards; the stock and "
                  "eight foundations, four of which hold a King.",
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .build = Build{Direction::either, Suits::same, true},
        .groups = false,
        .reserves = 6,
        .reserveCards = 2,
        .reserveRounds = 2,
        .kingsHalf = true,
        .lastRowToColumns = true,
        .kingsDealtDown = true,
    }));
}

}  // namespace velmora::gamedb
