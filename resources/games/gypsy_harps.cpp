// Gypsy games whose columns grow by one card from one side to the other, or
// rise to the middle and fall again; each a row for gypsyGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(gypsy_harps)
{
    games.push_back(gypsyGame({
        .id = 454,
        .name = "Milligan Harp",
        .skill = 2,
        .playTime = 3,
        .intro = "Gypsy dealt as a harp, from one card on the left column to eight on the right.",
        .layout = "Eight columns of one to eight cards from left to right, each face down but its top card; "
                  "the stock and eight foundations.",
        .columnCards = {1, 2, 3, 4, 5, 6, 7, 8},
        .faceUp = topCardUp,
        .foundationsKeep = true,
    }));
    games.push_back(gypsyGame({
        .id = 111,
        .name = "Carlton",
        .skill = 2,
        .playTime = 3,
        .intro = "Milligan Harp with every card of the deal face up.",
        .layout = "Eight columns of one to eight cards from left to right, all face up; the stock and eight "
                  "foundations.",
        .columnCards = {1, 2, 3, 4, 5, 6, 7, 8},
        .faceUp = allCardsUp,
        .foundationsKeep = true,
    }));
    games.push_back(gypsyGame({
        .id = 678,
        .name = "Steve",
        .skill = 2,
        .playTime = 3,
        .category = Category::spider,
        .intro = "Carlton built down regardless of suit, as in Spider.",
        .layout = "Eight columns of one to eight cards from left to right, all face up; the stock and eight "
                  "foundations.",
        .columnCards = {1, 2, 3, 4, 5, 6, 7, 8},
        .faceUp = allCardsUp,
        .build = kAnySuitDown,
        .foundationsKeep = true,
        .groupBuild = kSuitDown,
    }));
    games.push_back(gypsyGame({
        .id = 397,
        .name = "Lexington Harp",
        .skill = 2,
        .playTime = 3,
        .category = Category::yukon,
        .intro = "Milligan Harp in which any face-up card may be moved with the cards on it, as in Yukon.",
        .layout = "Eight columns of one to eight cards from left to right, each face down but its top card; "
                  "the stock and eight foundations.",
        .columnCards = {1, 2, 3, 4, 5, 6, 7, 8},
        .faceUp = topCardUp,
        .foundationsKeep = true,
        .yukonMoves = true,
    }));
    games.push_back(gypsyGame({
        .id = 100,
        .name = "Brunswick",
        .skill = 2,
        .playTime = 3,
        .category = Category::yukon,
        .intro = "Lexington Harp with every card of the deal face up.",
        .layout = "Eight columns of one to eight cards from left to right, all face up; the stock and eight "
                  "foundations.",
        .columnCards = {1, 2, 3, 4, 5, 6, 7, 8},
        .faceUp = allCardsUp,
        .foundationsKeep = true,
        .yukonMoves = true,
    }));
    games.push_back(gypsyGame({
        .id = 358,
        .name = "Irmgard",
        .skill = 2,
        .playTime = 3,
        .intro = "Gypsy on nine columns rising to the middle, whose spaces take only Kings.",
        .layout = "Nine columns of one to five cards, rising to the middle one and falling again, each face down "
                  "but its top card; the stock and eight foundations.",
        .columnCards = {1, 2, 3, 4, 5, 4, 3, 2, 1},
        .faceUp = topCardUp,
        .onEmpty = EmptyTakes::kings,
        .lastRowLeavesOut = 1,
    }));
    games.push_back(gypsyGame({
        .id = 695,
        .name = "Swiss Patience",
        .skill = 2,
        .playTime = 2,
        .intro = "A one-pack Gypsy game on nine columns in which the Aces rank above the Kings.",
        .layout = "Nine columns of one to five cards, rising to the middle one and falling again, each face down "
                  "but its top card; the stock and four foundations.",
        .packs = 1,
        .columnCards = {1, 2, 3, 4, 5, 4, 3, 2, 1},
        .faceUp = topCardUp,
        .build = Build{Direction::down, Suits::alternate, true},
        .onEmpty = EmptyTakes::aces,
        .foundationBase = 2,
        .acesOnlyInSpaces = true,
    }));
    games.push_back(gypsyGame({
        .id = 340,
        .name = "Hypotenuse",
        .skill = 2,
        .playTime = 3,
        .intro = "Gypsy on ten columns dealt as a triangle, whose spaces take only Kings.",
        .layout = "Ten columns of one to ten cards from left to right, each face down but its top card; the "
                  "stock and eight foundations.",
        .columnCards = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
        .faceUp = topCardUp,
        .onEmpty = EmptyTakes::kings,
    }));
    games.push_back(gypsyGame({
        .id = 241,
        .name = "Eternal Triangle",
        .skill = 2,
        .playTime = 3,
        .intro = "Hypotenuse with every card of the deal face up.",
        .layout = "Ten columns of one to ten cards from left to right, all face up; the stock and eight "
                  "foundations.",
        .columnCards = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
        .faceUp = allCardsUp,
        .onEmpty = EmptyTakes::kings,
    }));
    games.push_back(gypsyGame({
        .id = 657,
        .name = "Small Triangle",
        .skill = 2,
        .playTime = 2,
        .intro = "Hypotenuse with one pack on seven columns.",
        .layout = "Seven columns of one to seven cards from left to right, each face down but its top card; "
                  "the stock and four foundations.",
        .packs = 1,
        .columnCards = {1, 2, 3, 4, 5, 6, 7},
        .faceUp = topCardUp,
        .onEmpty = EmptyTakes::kings,
    }));
}

}  // namespace velmora::gamedb
