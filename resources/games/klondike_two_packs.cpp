// Two-pack games of the Klondike family: eight foundations built up in suit
// and a stock dealt onto a waste; each a row of rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {
namespace {

constexpr const char* kNineStaircase =
    "Nine tableau piles of one to nine cards, the top card of each face up; the stock, the waste and eight "
    "foundations.";
constexpr const char* kTenOpenStaircase =
    "Ten tableau piles of one to ten cards, all face up; the stock, the waste and eight foundations.";

}  // namespace

VELMORA_GAME_FAMILY(klondike_two_packs)
{
    games.push_back(klondikeGame({
        .id = 199,
        .name = "Double Klondike",
        .skill = 2,
        .playTime = 3,
        .intro = "Klondike with two packs and nine piles, one card at a time from the stock.",
        .layout = kNineStaircase,
        .packs = 2,
        .columns = 9,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
    }));
    games.push_back(klondikeGame({
        .id = 200,
        .name = "Double Klondike (Draw 3)",
        .skill = 2,
        .playTime = 3,
        .intro = "Klondike with two packs and nine piles, three cards at a time from the stock.",
        .layout = kNineStaircase,
        .packs = 2,
        .columns = 9,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .stockDeal = 3,
    }));
    games.push_back(klondikeGame({
        .id = 211,
        .name = "Double Trigon",
        .skill = 2,
        .playTime = 3,
        .intro = "Double Klondike built in suit.",
        .layout = kNineStaircase,
        .packs = 2,
        .columns = 9,
        .build = kSuitDown,
        .groupBuild = kSuitDown,
    }));
    games.push_back(klondikeGame({
        .id = 295,
        .name = "Gargantua",
        .skill = 2,
        .playTime = 3,
        .intro = "Double Klondike with only two passes through the stock.",
        .layout = kNineStaircase,
        .packs = 2,
        .columns = 9,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .redeals = 1,
    }));
    games.push_back(klondikeGame({
        .id = 510,
        .name = "Open Gargantua",
        .skill = 2,
        .playTime = 3,
        .intro = "Gargantua with every tableau card dealt face up.",
        .layout = "Nine tableau piles of one to nine cards, all face up; the stock, the waste and eight "
                  "foundations.",
        .packs = 2,
        .columns = 9,
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .redeals = 1,
    }));
    games.push_back(klondikeGame({
        .id = 519,
        .name = "Pantagruel",
        .skill = 2,
        .playTime = 3,
        .intro = "Double Klondike with one pass through the stock and any card into a space.",
        .layout = kNineStaircase,
        .packs = 2,
        .columns = 9,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 0,
    }));
    games.push_back(klondikeGame({
        .id = 65,
        .name = "Big Harp",
        .skill = 2,
        .playTime = 3,
        .intro = "Two packs, ten piles longest on the left, and one pass through the stock.",
        .layout = "Ten tableau piles of ten down to one card, the top card of each face up; the stock, the "
                  "waste and eight foundations.",
        .packs = 2,
        .columns = 10,
        .columnCards = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1},
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 0,
    }));
    games.push_back(klondikeGame({
        .id = 677,
        .name = "Steps",
        .skill = 2,
        .playTime = 3,
        .intro = "Two packs on Klondike's seven piles, with two passes through the stock.",
        .layout = "Seven tableau piles of one to seven cards, the top card of each face up; the stock, the "
                  "waste and eight foundations.",
        .packs = 2,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 1,
    }));
    games.push_back(klondikeGame({
        .id = 386,
        .name = "Lady Jane",
        .skill = 2,
        .playTime = 3,
        .intro = "Ten open piles built regardless of suit, where only suits move together.",
        .layout = kTenOpenStaircase,
        .packs = 2,
        .columns = 10,
        .faceUp = allCardsUp,
        .build = kAnySuitDown,
        .groupBuild = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .stockDeal = 3,
        .redeals = 1,
    }));
    games.push_back(klondikeGame({
        .id = 350,
        .name = "Inquisitor",
        .skill = 2,
        .playTime = 3,
        .intro = "Ten open piles built in suit, three cards at a time from the stock, three passes.",
        .layout = kTenOpenStaircase,
        .packs = 2,
        .columns = 10,
        .faceUp = allCardsUp,
        .build = kSuitDown,
        .groupBuild = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .stockDeal = 3,
        .redeals = 2,
    }));
    games.push_back(klondikeGame({
        .id = 715,
        .name = "Thieves of Egypt",
        .skill = 2,
        .playTime = 3,
        .intro = "Two packs in ten open piles shaped like a pyramid, with two passes through the stock.",
        .layout = "Ten tableau piles of 1, 3, 5, 7, 9, 10, 8, 6, 4 and 2 cards, all face up; the stock, "
                  "the waste and eight foundations.",
        .packs = 2,
        .columns = 10,
        .columnCards = {1, 3, 5, 7, 9, 10, 8, 6, 4, 2},
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .redeals = 1,
    }));
    games.push_back(klondikeGame({
        .id = 198,
        .name = "Double Kingsley",
        .skill = 2,
        .playTime = 3,
        .intro = "Double Klondike upside down: foundations from the Kings, the tableau built up.",
        .layout = kNineStaircase,
        .packs = 2,
        .columns = 9,
        .build = kAlternateUp,
        .groupBuild = kAlternateUp,
        .onEmpty = EmptyTakes::aces,
        .redeals = 0,
        .kingsDown = true,
    }));
    games.push_back(klondikeGame({
        .id = 229,
        .name = "Eight Times Eight",
        .skill = 2,
        .playTime = 3,
        .intro = "Two packs, eight open piles of eight, and three passes through the stock.",
        .layout = "Eight tableau piles of eight cards, all face up; the stock, the waste and eight "
                  "foundations.",
        .packs = 2,
        .columns = 8,
        .firstPileCards = 8,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 2,
    }));
    games.push_back(klondikeGame({
        .id = 1,
        .name = "8 x 8",
        .skill = 2,
        .playTime = 3,
        .intro = "Two packs, eight open piles of eight, and a stock that may be gone through as often as "
                 "you like.",
        .layout = "Eight tableau piles of eight cards, all face up; the stock, the waste and eight "
                  "foundations.",
        .packs = 2,
        .columns = 8,
        .firstPileCards = 8,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
    }));
}

}  // namespace velmora::gamedb
