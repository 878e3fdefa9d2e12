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
}

}  // namespace velmora::gamedb
