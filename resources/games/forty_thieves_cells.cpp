// Forty Thieves games with cells beside the tableau, each holding any one
// card or only the waste's, or one holding four; each a row for
// fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(forty_thieves_cells)
{
    games.push_back(fortyThievesGame({
        .id = 673,
        .name = "Squadron",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves with three cells, each dealt a card, that take any single card once emptied.",
        .layout = "Ten columns of four cards each, all face up; three cells of one card each, face up; the "
                  "stock, the waste and eight foundations.",
        .reserves = 3,
        .reservesTakeAnyCard = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 115,
        .name = "Cascade",
        .skill = 2,
        .playTime = 2,
        .intro = "A one-pack Forty Thieves built down in alternating colours, with two empty cells and "
                 "foundations that also go up in alternating colours.",
        .layout = "Seven columns of five cards each, all face up; two empty cells; the stock, the waste and "
                  "four foundations.",
        .packs = 1,
        .columns = 7,
        .cardsPerColumn = 5,
        .build = kAlternateDown,
        .foundationSuits = Suits::alternate,
        .reserves = 2,
        .reserveCards = 0,
        .reservesTakeAnyCard = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 359,
        .name = "Jacks in the Box",
        .skill = 3,
        .playTime = 3,
        .intro = "Six single cards built down in suit, round from Ace to King, with four empty cells, on "
                 "foundations that start from the Jacks.",
        .layout = "Six columns of one card each, face up; four empty cells; the stock, the waste and eight "
                  "foundations, which hold the eight Jacks.",
        .columns = 6,
        .cardsPerColumn = 1,
        .build = Build{Direction::down, Suits::same, true},
        .dealtBases = {11, 11, 11, 11},
        .reserves = 4,
        .reserveCards = 0,
        .reservesTakeAnyCard = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 797,
        .name = "Zerline",
        .skill = 2,
        .playTime = 3,
        .category = Category::other,
        .intro = "Eight columns built down regardless of suit whose spaces take only Queens, beside a cell of "
                 "four cards, on foundations that go from the King to the Ace and up to the Queen.",
        .layout = "Eight columns of five cards each, all face up; an empty cell; the stock, the waste and eight "
                  "foundations.",
        .columns = 8,
        .cardsPerColumn = 5,
        .faceUp = allCardsUp,
        .build = Build{Direction::down, Suits::any},
        .groups = false,
        .spaceRank = 12,
        .foundationBase = 13,
        .cells = {{.rank = 0, .capacity = 4, .takesFromWaste = false}},
    }));
    games.push_back(fortyThievesGame({
        .id = 711,
        .name = "The Red and the Black",
        .skill = 2,
        .playTime = 2,
        .category = Category::other,
        .intro = "Four single cards built down in alternating colours, four cells that hold the waste's cards for "
                 "them, and foundations built up in alternating colours from the Aces.",
        .layout = "Four columns of one face-up card each; four cells of one card each, face up; the stock, the "
                  "waste and eight foundations, which hold the eight Aces.",
        .columns = 4,
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .build = Build{Direction::down, Suits::alternate},
        .groups = false,
        .acesDealt = true,
        .foundationSuits = Suits::alternate,
        .reserves = 4,
        .reservesTakeAnyCard = true,
        .reservesBetweenWasteAndTableau = true,
    }));
}

}  // namespace velmora::gamedb
