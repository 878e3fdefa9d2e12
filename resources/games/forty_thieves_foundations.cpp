// Forty Thieves games whose foundations differ from its own: started at the
// deal, built in alternating colours, or from a base other than the Ace and
// round from King to Ace; each a row for fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(forty_thieves_foundations)
{
    games.push_back(fortyThievesGame({
        .id = 614,
        .name = "San Juan Hill",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves with the eight Aces already on the foundations.",
        .layout = "The eight Aces on the foundations; ten columns of four cards each, all face up; the stock "
                  "and the waste.",
        .acesDealt = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 572,
        .name = "Red and Black",
        .skill = 2,
        .playTime = 3,
        .intro = "Eight single cards and the eight Aces to start, with the tableau and the foundations both "
                 "built in alternating colours.",
        .layout = "The eight Aces on the foundations; eight columns of one face-up card each; the stock and "
                  "the waste.",
        .columns = 8,
        .cardsPerColumn = 1,
        .build = kAlternateDown,
        .groups = true,
        .acesDealt = true,
        .foundationSuits = Suits::alternate,
    }));
    games.push_back(fortyThievesGame({
        .id = 796,
        .name = "Zebra",
        .skill = 2,
        .playTime = 3,
        .intro = "Red and Black played one card at a time, with emptied columns refilled at once from the "
                 "waste and a second pass through the stock.",
        .layout = "The eight Aces on the foundations; eight columns of one face-up card each; the stock and "
                  "the waste.",
        .columns = 8,
        .cardsPerColumn = 1,
        .build = kAlternateDown,
        .spaceFill = SpaceFill::fromWaste,
        .redeals = 1,
        .acesDealt = true,
        .foundationSuits = Suits::alternate,
    }));
    games.push_back(fortyThievesGame({
        .id = 174,
        .name = "Deuces",
        .skill = 3,
        .playTime = 3,
        .intro = "Forty Thieves whose foundations start from the eight Twos, dealt to them at the start, and "
                 "end with the Aces.",
        .layout = "The eight Twos on the foundations; ten columns of one face-up card each; the stock and the "
                  "waste.",
        .cardsPerColumn = 1,
        .build = Build{Direction::down, Suits::same, true},
        .dealtBases = {2, 2, 2, 2},
    }));
    games.push_back(fortyThievesGame({
        .id = 542,
        .name = "Pluto",
        .skill = 3,
        .playTime = 3,
        .intro = "Deuces on twelve columns, where the Twos are not dealt to the foundations but found in play.",
        .layout = "Twelve columns of one face-up card each; the stock, the waste and eight foundations.",
        .columns = 12,
        .cardsPerColumn = 1,
        .build = Build{Direction::down, Suits::same, true},
        .foundationBase = 2,
    }));
    games.push_back(fortyThievesGame({
        .id = 554,
        .name = "Quadrangle",
        .skill = 2,
        .playTime = 3,
        .intro = "Corona whose foundations start from the rank of a card dealt to the first of them, with "
                 "ranks going round from King to Ace in the tableau too.",
        .layout = "One card on the first foundation; twelve columns of three cards each, all face up; the "
                  "stock and the waste.",
        .columns = 12,
        .cardsPerColumn = 3,
        .build = Build{Direction::down, Suits::same, true},
        .spaceFill = SpaceFill::fromWaste,
        .baseCardDealt = true,
    }));
}

}  // namespace velmora::gamedb
