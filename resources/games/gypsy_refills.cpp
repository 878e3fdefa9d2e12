// Gypsy games on many single cards, some of whose spaces are filled at once
// from the stock or the waste; each a row for gypsyGame or fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(gypsy_refills)
{
    games.push_back(gypsyGame({
        .id = 315,
        .name = "Grandee",
        .skill = 2,
        .playTime = 3,
        .intro = "A two-pack patience on fourteen single cards built down in suit, one card at a time.",
        .layout = "Fourteen columns of one face-up card; the stock and eight foundations.",
        .columns = 14,
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .build = kSuitDown,
        .groups = false,
    }));
    games.push_back(gypsyGame({
        .id = 81,
        .name = "Blockade",
        .skill = 2,
        .playTime = 3,
        .intro = "A two-pack patience on twelve columns built down in suit, whose spaces are filled from the "
                 "stock.",
        .layout = "Twelve columns of one face-up card; the stock and eight foundations.",
        .columns = 12,
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .build = kSuitDown,
        .spaceFill = SpaceFill::fromStock,
    }));
    games.push_back(gypsyGame({
        .id = 748,
        .name = "Turncoats",
        .skill = 2,
        .playTime = 2,
        .intro = "A one-pack patience on twelve single cards built up or down in alternating colours, whose "
                 "spaces are filled from the stock.",
        .layout = "Twelve columns of one face-up card; the stock and four foundations.",
        .packs = 1,
        .columns = 12,
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .build = Build{Direction::either, Suits::alternate},
        .groups = false,
        .onEmpty = EmptyTakes::nothing,
        .spaceFill = SpaceFill::fromStock,
        .stockFillsSpacesOnly = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 773,
        .name = "Voracious",
        .skill = 2,
        .playTime = 3,
        .category = Category::other,
        .intro = "A two-pack patience on twelve single cards built down in suit, whose spaces are filled from "
                 "the waste.",
        .layout = "Twelve columns of one face-up card; the stock, the waste and eight foundations.",
        .columns = 12,
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .build = kSuitDown,
        .groups = false,
        .onEmpty = EmptyTakes::nothing,
        .spaceFill = SpaceFill::fromWaste,
        .foundationsKeep = false,
    }));
    games.push_back(gypsyGame({
        .id = 468,
        .name = "Mount Olympus",
        .skill = 2,
        .playTime = 2,
        .intro = "A two-pack patience built by twos, on foundations that start from every Ace and two.",
        .layout = "Nine columns of one face-up card; the stock and sixteen foundations, which hold the eight "
                  "Aces and the eight twos.",
        .columns = 9,
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .build = Build{Direction::down, Suits::same, false, 2},
        .spaceFill = SpaceFill::fromStock,
        .foundationsKeep = true,
        .foundationsByTwos = true,
    }));
    games.push_back(gypsyGame({
        .id = 798,
        .name = "Zeus",
        .skill = 2,
        .playTime = 2,
        .intro = "Mount Olympus begun with four cards on each column, whose spaces, once the stock is used up, "
                 "take only Kings and Queens.",
        .layout = "Nine columns of four face-up cards; the stock and sixteen foundations, which hold the eight "
                  "Aces and the eight twos.",
        .columns = 9,
        .cardsPerColumn = 4,
        .faceUp = allCardsUp,
        .build = Build{Direction::down, Suits::same, false, 2},
        .onEmpty = EmptyTakes::kingsOrQueens,
        .spaceFill = SpaceFill::fromStock,
        .foundationsKeep = true,
        .foundationsByTwos = true,
    }));
    games.push_back(gypsyGame({
        .id = 752,
        .name = "Twenty",
        .skill = 1,
        .playTime = 2,
        .category = Category::other,
        .intro = "Twenty piles that grow only by the stock's rows, played off onto foundations going up from the "
                 "Aces and down from the Kings.",
        .layout = "Twenty piles of one card each, face up, in two rows of ten; the stock and eight foundations, "
                  "four holding an Ace and four a King.",
        .columns = 20,
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .groups = false,
        .spaceFill = SpaceFill::fromStock,
        .acesDealt = true,
        .kingsHalf = true,
        .tableauTakesOnlySpaces = true,
    }));
    games.push_back(gypsyGame({
        .id = 434,
        .name = "Marshal",
        .skill = 2,
        .playTime = 3,
        .category = Category::other,
        .intro = "Twenty-four single cards built up or down in suit, on foundations going up from the Aces and "
                 "down from the Kings, between which cards may pass.",
        .layout = "Twenty-four piles of one face-up card each, in rows; the stock and eight foundations.",
        .columns = 24,
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .build = Build{Direction::either, Suits::same},
        .groups = false,
        .onEmpty = EmptyTakes::nothing,
        .spaceFill = SpaceFill::fromStock,
        .kingsHalf = true,
        .foundationsAcross = true,
    }));
}

}  // namespace velmora::gamedb
