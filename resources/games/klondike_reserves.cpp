// Klondike-family games with two rows of open reserve cards above a short
// tableau and no stock; each a row of rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {
namespace {

constexpr const char* kSixBySixOpen =
    "Six tableau piles of six cards, all face up; sixteen reserve cards, face up, in two rows, and four "
    "foundations.";

}  // namespace

VELMORA_GAME_FAMILY(klondike_reserves)
{
    games.push_back(klondikeGame({
        .id = 680,
        .name = "Stonewall",
        .skill = 2,
        .category = Category::other,
        .intro = "Six striped piles with half their cards hidden, and sixteen loose cards to help.",
        .layout = "Six tableau piles of six cards, dealt face down and face up in turn from the bottom so "
                  "that the top card is face up; sixteen reserve cards, face up, in two rows, and four "
                  "foundations.",
        .columns = 6,
        .firstPileCards = 6,
        .extraPerPile = 0,
        .faceUp = alternateFromDown,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .reserves = 16,
    }));
    games.push_back(klondikeGame({
        .id = 265,
        .name = "Flower Garden",
        .skill = 3,
        .category = Category::other,
        .intro = "Six open beds and a bouquet of sixteen cards; build regardless of suit, one card at a "
                 "time.",
        .layout = kSixBySixOpen,
        .columns = 6,
        .firstPileCards = 6,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kAnySuitDown,
        .groupBuild = kAnySuitDown,
        .onEmpty = EmptyTakes::anything,
        .singleCards = true,
        .reserves = 16,
    }));
    games.push_back(klondikeGame({
        .id = 787,
        .name = "Wildflower",
        .skill = 2,
        .category = Category::other,
        .intro = "Flower Garden where groups built in suit may move together.",
        .layout = kSixBySixOpen,
        .columns = 6,
        .firstPileCards = 6,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kAnySuitDown,
        .groupBuild = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .reserves = 16,
    }));
    games.push_back(klondikeGame({
        .id = 536,
        .name = "Phoenix",
        .skill = 2,
        .category = Category::other,
        .intro = "Six open piles built in alternating colours, with sixteen loose cards to free.",
        .layout = kSixBySixOpen,
        .columns = 6,
        .firstPileCards = 6,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .reserves = 16,
    }));
    games.push_back(klondikeGame({
        .id = 34,
        .name = "Arizona",
        .skill = 2,
        .category = Category::other,
        .intro = "Phoenix built regardless of suit.",
        .layout = kSixBySixOpen,
        .columns = 6,
        .firstPileCards = 6,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kAnySuitDown,
        .groupBuild = kAnySuitDown,
        .onEmpty = EmptyTakes::anything,
        .reserves = 16,
    }));
    games.push_back(klondikeGame({
        .id = 499,
        .name = "Northwest Territory",
        .skill = 2,
        .category = Category::other,
        .intro = "A Klondike staircase of eight piles, with sixteen reserve cards in place of a stock.",
        .layout = "Eight tableau piles of one to eight cards, the top card of each face up; sixteen "
                  "reserve cards, face up, in two rows, and four foundations.",
        .columns = 8,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .reserves = 16,
    }));
    games.push_back(klondikeGame({
        .id = 35,
        .name = "Artic Garden",
        .skill = 2,
        .category = Category::other,
        .intro = "Northwest Territory with every card dealt face up.",
        .layout = "Eight tableau piles of one to eight cards, all face up; sixteen reserve cards, face up, "
                  "in two rows, and four foundations.",
        .columns = 8,
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .reserves = 16,
    }));
    games.push_back(klondikeGame({
        .id = 95,
        .name = "Brigade",
        .skill = 3,
        .category = Category::other,
        .intro = "Seven open piles and thirteen loose cards with the Aces already out; build regardless "
                 "of suit, one card at a time.",
        .layout = "Seven tableau piles of five cards, all face up; thirteen reserve cards, face up, in two "
                  "rows, and four foundations, each starting with its Ace.",
        .firstPileCards = 5,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kAnySuitDown,
        .groupBuild = kAnySuitDown,
        .onEmpty = EmptyTakes::anything,
        .singleCards = true,
        .reserves = 13,
        .acesDealt = true,
    }));
}

}  // namespace velmora::gamedb
