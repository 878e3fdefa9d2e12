// Klondike-family games dealt out entirely at the start, with no stock: open
// tableaus, some with a row of reserve cards, each a row of rules for
// klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_open)
{
    games.push_back(klondikeGame({
        .id = 367,
        .name = "King Albert",
        .skill = 3,
        .category = Category::other,
        .intro = "Nine open piles and seven loose cards, with every card in sight but only one moved at a "
                 "time.",
        .layout = "Nine tableau piles of one to nine cards, all face up; a reserve row of seven single "
                  "cards, face up, and four foundations.",
        .columns = 9,
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .singleCards = true,
        .reserves = 7,
    }));
    games.push_back(klondikeGame({
        .id = 563,
        .name = "Queen Victoria",
        .skill = 2,
        .category = Category::other,
        .intro = "King Albert with built groups allowed to move together.",
        .layout = "Nine tableau piles of one to nine cards, all face up; a reserve row of seven single "
                  "cards, face up, and four foundations.",
        .columns = 9,
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .reserves = 7,
    }));
    games.push_back(klondikeGame({
        .id = 568,
        .name = "Raglan",
        .skill = 3,
        .category = Category::other,
        .intro = "Nine open piles and six loose cards with the Aces already out; one card moves at a "
                 "time.",
        .layout = "Nine tableau piles of 1, 2, 3, 4, 5, 6, 7, 7 and 7 cards, all face up; a reserve row "
                  "of six single cards, face up, and four foundations, each starting with its Ace.",
        .columns = 9,
        .columnCards = {1, 2, 3, 4, 5, 6, 7, 7, 7},
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .singleCards = true,
        .reserves = 6,
        .acesDealt = true,
    }));
    games.push_back(klondikeGame({
        .id = 582,
        .name = "Relaxed Raglan",
        .skill = 2,
        .category = Category::other,
        .intro = "Raglan with built groups allowed to move together.",
        .layout = "Nine tableau piles of 1, 2, 3, 4, 5, 6, 7, 7 and 7 cards, all face up; a reserve row "
                  "of six single cards, face up, and four foundations, each starting with its Ace.",
        .columns = 9,
        .columnCards = {1, 2, 3, 4, 5, 6, 7, 7, 7},
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .reserves = 6,
        .acesDealt = true,
    }));
    games.push_back(klondikeGame({
        .id = 661,
        .name = "Somerset",
        .skill = 3,
        .category = Category::castle,
        .intro = "The whole pack in ten open piles, built in alternating colours one card at a time.",
        .layout = "Ten tableau piles of 1, 2, 3, 4, 5, 6, 7, 8, 8 and 8 cards, all face up, and four "
                  "foundations.",
        .columns = 10,
        .columnCards = {1, 2, 3, 4, 5, 6, 7, 8, 8, 8},
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .singleCards = true,
    }));
    games.push_back(klondikeGame({
        .id = 466,
        .name = "Morehead",
        .skill = 3,
        .category = Category::castle,
        .intro = "Somerset built on any suit but the card's own.",
        .layout = "Ten tableau piles of 1, 2, 3, 4, 5, 6, 7, 8, 8 and 8 cards, all face up, and four "
                  "foundations.",
        .columns = 10,
        .columnCards = {1, 2, 3, 4, 5, 6, 7, 8, 8, 8},
        .faceUp = allCardsUp,
        .build = kOtherSuitDown,
        .groupBuild = kOtherSuitDown,
        .onEmpty = EmptyTakes::anything,
        .singleCards = true,
    }));
    games.push_back(klondikeGame({
        .id = 23,
        .name = "American Canister",
        .skill = 2,
        .category = Category::castle,
        .intro = "The whole pack in eight open piles, built in alternating colours.",
        .layout = "Eight tableau piles of 6, 6, 7, 7, 7, 7, 6 and 6 cards, all face up, and four "
                  "foundations.",
        .columns = 8,
        .columnCards = {6, 6, 7, 7, 7, 7, 6, 6},
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
    }));
    games.push_back(klondikeGame({
        .id = 108,
        .name = "Canister",
        .skill = 2,
        .category = Category::castle,
        .intro = "The whole pack in eight open piles, built down regardless of suit.",
        .layout = "Eight tableau piles of 6, 6, 7, 7, 7, 7, 6 and 6 cards, all face up, and four "
                  "foundations.",
        .columns = 8,
        .columnCards = {6, 6, 7, 7, 7, 7, 6, 6},
        .faceUp = allCardsUp,
        .build = kAnySuitDown,
        .groupBuild = kAnySuitDown,
        .onEmpty = EmptyTakes::anything,
    }));
}

}  // namespace velmora::gamedb
