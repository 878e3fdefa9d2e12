// Forty Thieves games whose stock is dealt onto reserve piles instead of a
// waste: three cards at a time onto two, on foundations that go round from
// the King, or a card at a time onto three; each a row for fortyThievesGame.
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
    games.push_back(fortyThievesGame({
        .id = 724,
        .name = "Three Pirates",
        .skill = 2,
        .playTime = 2,
        .intro = "Forty Thieves whose stock is dealt a card at a time onto each of three reserve piles instead "
                 "of a waste.",
        .layout = "Ten columns of four cards each, face up; three reserve piles of one card each; the stock and "
                  "eight foundations.",
        .reserves = 3,
        .reserveCards = 0,
        .reserveRounds = 1,
    }));
}

}  // namespace velmora::gamedb
