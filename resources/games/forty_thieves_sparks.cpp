// Forty Thieves games whose stock is dealt, three cards at a time, onto two
// reserve piles instead of a waste, and whose foundations go round from the
// King; each a row for fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(forty_thieves_sparks)
{
    games.push_back(fortyThievesGame({
        .id = 366,
        .name = "Kilowatt",
        .skill = 1,
        .playTime = 2,
        .intro = "Twelve single cards built down in suit, fed by a stock dealt onto two reserve piles, on "
                 "foundations that start from the Kings.",
        .layout = "Twelve columns of one card each, face up; two reserve piles of three cards "
                  "each; the stock and eight foundations, which hold the eight Kings.",
        .columns = 12,
        .cardsPerColumn = 1,
        .dealtBases = {13, 13, 13, 13},
        .reserves = 2,
        .reserveCards = 0,
        .reserveRounds = 3,
    }));
    games.push_back(fortyThievesGame({
        .id = 712,
        .name = "The Spark",
        .skill = 1,
        .playTime = 2,
        .intro = "Twelve single cards built up in suit, fed by a stock dealt onto two reserve piles, on "
                 "foundations built down from the Kings.",
        .layout = "Twelve columns of one card each, face up; two reserve piles of three cards "
                  "each; the stock and eight foundations.",
        .columns = 12,
        .cardsPerColumn = 1,
        .build = Build{Direction::up, Suits::same},
        .kingsDown = true,
        .reserves = 2,
        .reserveCards = 0,
        .reserveRounds = 3,
    }));
    games.push_back(fortyThievesGame({
        .id = 648,
        .name = "Single Spark",
        .skill = 1,
        .playTime = 1,
        .intro = "The Spark with one pack on eight columns. Also called Simple Spark.",
        .layout = "Eight columns of one card each, face up; two reserve piles of three cards "
                  "each; the stock and four foundations.",
        .packs = 1,
        .columns = 8,
        .cardsPerColumn = 1,
        .build = Build{Direction::up, Suits::same},
        .kingsDown = true,
        .reserves = 2,
        .reserveCards = 0,
        .reserveRounds = 3,
    }));
}

}  // namespace velmora::gamedb
