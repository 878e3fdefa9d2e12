// Klondike-family games of four packs, with sixteen foundations in two rows
// (and, past thirteen piles, the tableau in two rows as well); each a row of
// rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {
namespace {

constexpr const char* kSixteenStaircase =
    "Sixteen tableau piles of one to sixteen cards, the top card of each face up, in two rows of eight; the "
    "stock, the waste and sixteen foundations in two rows.";

constexpr const char* kTwelveStaircase =
    "Twelve tableau piles of one to twelve cards, the top card of each face up; the stock, the waste and "
    "sixteen foundations in two rows.";

constexpr const char* kJunction =
    "A Forty Thieves game of four packs stripped of their Twos to Sixes, played on seven piles of one card.\n"
    "<b>Object</b>\n"
    "Move all 128 cards (Aces and Sevens to Kings) to the sixteen foundations.\n"
    "<b>Layout</b>\n"
    "Seven tableau piles of one card each, face up; the stock, the waste, which starts with one card, and "
    "sixteen foundations in two rows.\n"
    "<b>Rules</b>\n"
    "Build the tableau down in alternating colours. A group built that way may be moved as a unit. An Ace "
    "cannot go on a Seven. Any card or group may fill an empty pile.\n"
    "Build the foundations up in suit from the Ace, one card at a time: the Seven goes on the Ace, then the "
    "Eight and so on up to the King, eight cards each.\n"
    "Tap the stock to turn one card onto the waste; only the top card of the waste is in play. There is no "
    "redeal.";

}  // namespace

VELMORA_GAME_FAMILY(klondike_four_packs)
{
    games.push_back(klondikeGame({
        .id = 556,
        .name = "Quadruple Klondike",
        .skill = 2,
        .playTime = 4,
        .intro = "Klondike with four packs and sixteen piles, one card at a time from the stock.",
        .layout = kSixteenStaircase,
        .packs = 4,
        .columns = 16,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
    }));
    games.push_back(klondikeGame({
        .id = 557,
        .name = "Quadruple Klondike (Draw 3)",
        .skill = 2,
        .playTime = 4,
        .intro = "Klondike with four packs and sixteen piles, three cards at a time from the stock.",
        .layout = kSixteenStaircase,
        .packs = 4,
        .columns = 16,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .stockDeal = 3,
    }));
    games.push_back(klondikeGame({
        .id = 63,
        .name = "Big Deal",
        .skill = 2,
        .playTime = 4,
        .intro = "Four packs on twelve Klondike piles, one card at a time from the stock, with one redeal.",
        .layout = kTwelveStaircase,
        .packs = 4,
        .columns = 12,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .redeals = 1,
    }));
    games.push_back(klondikeGame({
        .id = 169,
        .name = "Delivery",
        .skill = 2,
        .playTime = 4,
        .category = Category::klondike,
        .intro = "Four packs on twelve open piles built down in suit one card at a time, with a single pass "
                 "through the stock.",
        .layout = "Twelve tableau piles of three cards each, all face up; the stock, the waste, which starts "
                  "with one card, and sixteen foundations in two rows.",
        .packs = 4,
        .columns = 12,
        .firstPileCards = 3,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kSuitDown,
        .groupBuild = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .singleCards = true,
        .redeals = 0,
        .extraCategories = {Category::fortyThieves},
    }));
    games.push_back(klondikeGame({
        .id = 160,
        .name = "Crossroads",
        .skill = 2,
        .playTime = 4,
        .category = Category::fortyThieves,
        .intro = "Four packs on seven piles dealt face up and face down by turns, with a single pass through "
                 "the stock.",
        .layout = "Seven tableau piles of seven cards, the first, third, fifth and seventh from the bottom "
                  "face up and the others face down; the stock, the waste, which starts with one card, and "
                  "sixteen foundations in two rows.",
        .packs = 4,
        .firstPileCards = 7,
        .extraPerPile = 0,
        .faceUp = alternateFromUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 0,
        .extraCategories = {Category::klondike},
    }));
    games.push_back(klondikeGame({
        .id = 99,
        .name = "Junction",
        .skill = 3,
        .playTime = 3,
        .category = Category::fortyThieves,
        .description = kJunction,
        .packs = 4,
        .firstPileCards = 1,
        .extraPerPile = 0,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 0,
        .packRanks = {1, 7, 8, 9, 10, 11, 12, 13},
    }));
}

}  // namespace velmora::gamedb
