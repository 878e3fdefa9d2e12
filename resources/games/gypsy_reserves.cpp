// Gypsy games with reserves or cells beside the columns: free cells from
// the start, reserves that take the stock's last cards or hold the Jacks,
// or a reserve that opens once the stock is used up; each a row for
// gypsyGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(gypsy_reserves)
{
    games.push_back(gypsyGame({
        .id = 456,
        .name = "Miss Milligan",
        .skill = 3,
        .playTime = 3,
        .intro = "A two-pack patience begun on eight single cards, whose reserve opens once the stock is used "
                 "up.",
        .layout = "Eight columns of one face-up card; the stock, the reserve (closed until the stock is used up) "
                  "and eight foundations.",
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .onEmpty = EmptyTakes::kings,
        .foundationsKeep = true,
        .stockOutReserve = kStockOutGroup,
    }));
    games.push_back(gypsyGame({
        .id = 344,
        .name = "Imperial Guards",
        .skill = 2,
        .playTime = 3,
        .intro = "Miss Milligan in which any card or group may fill a space.",
        .layout = "Eight columns of one face-up card; the stock, the reserve (closed until the stock is used up) "
                  "and eight foundations.",
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .foundationsKeep = true,
        .stockOutReserve = kStockOutGroup,
    }));
    games.push_back(gypsyGame({
        .id = 453,
        .name = "Milligan Cell",
        .skill = 2,
        .playTime = 3,
        .intro = "Miss Milligan with four free cells, open from the start, instead of its reserve.",
        .layout = "Eight columns of one face-up card; the stock, four free cells and eight foundations.",
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .onEmpty = EmptyTakes::kings,
        .foundationsKeep = true,
        .cells = {{0}, {0}, {0}, {0}},
    }));
    games.push_back(gypsyGame({
        .id = 150,
        .name = "Cone",
        .skill = 2,
        .playTime = 3,
        .intro = "A two-pack patience on seven open columns and four foundations, whose stock waits for every "
                 "space to be filled and ends on four reserve piles.",
        .layout = "Seven columns of one to four cards, rising to the middle one and falling again, all face up; "
                  "the stock, four reserve piles (empty at the start) and four foundations.",
        .columnCards = {1, 2, 3, 4, 3, 2, 1},
        .faceUp = allCardsUp,
        .build = Build{Direction::down, Suits::alternate, true},
        .rowDealNeedsNoSpace = true,
        .reserves = 4,
        .foundationPerSuit = true,
        .reservesDealtLast = true,
    }));
    games.push_back(gypsyGame({
        .id = 693,
        .name = "Surprise",
        .skill = 2,
        .playTime = 3,
        .intro = "Gypsy on eleven columns rising to the middle, with a small reserve once the stock is used up.",
        .layout = "Eleven columns of one to six cards, rising to the middle one and falling again, each face "
                  "down but its top card; the stock, the reserve (closed until the stock is used up) and eight "
                  "foundations.",
        .columnCards = {1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1},
        .faceUp = topCardUp,
        .onEmpty = EmptyTakes::kings,
        .stockOutReserve = 3,
    }));
    games.push_back(gypsyGame({
        .id = 590,
        .name = "Right Triangle",
        .skill = 2,
        .playTime = 3,
        .intro = "Hypotenuse with a reserve of any size once the stock is used up.",
        .layout = "Ten columns of one to ten cards from left to right, each face down but its top card; the "
                  "stock, the reserve (closed until the stock is used up) and eight foundations.",
        .columnCards = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
        .faceUp = topCardUp,
        .onEmpty = EmptyTakes::kings,
        .stockOutReserve = kStockOutAnyNumber,
    }));
    games.push_back(gypsyGame({
        .id = 139,
        .name = "Cicely",
        .skill = 2,
        .playTime = 2,
        .intro = "A two-pack patience of eight columns built up or down in suit, beside eight free cells, whose "
                 "stock deals four rows at a time.",
        .layout = "Eight columns of four face-up cards; eight cells of one face-up card each; the stock and eight "
                  "foundations, four for building up and four for building down.",
        .cardsPerColumn = 4,
        .faceUp = allCardsUp,
        .build = Build{Direction::either, Suits::same},
        .groups = false,
        .rowsPerTap = 4,
        .reserves = 8,
        .reservesTakeAnyCard = true,
        .kingsHalf = true,
    }));
    games.push_back(gypsyGame({
        .id = 384,
        .name = "Ladies Battle",
        .skill = 1,
        .playTime = 2,
        .intro = "A one-pack patience on six single cards, whose foundations go from the Queens round the corner "
                 "to the Jacks that wait on four reserves.",
        .layout = "Six columns of one face-up card each; four reserve piles, each holding a Jack; the stock and "
                  "four foundations, which hold the four Queens.",
        .packs = 1,
        .columns = 6,
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .build = Build{Direction::down, Suits::alternate, true},
        .groups = false,
        .spaceFill = SpaceFill::fromStock,
        .dealtBases = {12, 12, 12, 12},
        .reserves = 4,
        .reserveRank = 11,
        .reservesFeedFoundationsOnly = true,
    }));
}

}  // namespace velmora::gamedb
