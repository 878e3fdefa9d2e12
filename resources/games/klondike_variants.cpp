// Games played like Klondike: a stock turned onto a waste, four foundations
// built up in suit from the Ace, and a tableau whose shape, building rule and
// movable groups differ from game to game. One function writes them all from
// a table of rules, so that a game costs a few lines.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_variants)
{
    games.push_back(klondikeGame({
        .id = 400,
        .name = "Thumb and Pouch",
        .skill = 1,
        .playTime = 2,
        .description =
            "Klondike with a friendlier tableau: build on any other suit, and anything fills a space, "
            "but the stock is dealt only once.\n"
            "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
            "<b>Layout</b>\nSeven tableau piles of one to seven cards, the top card of each face up; the "
            "stock, the waste and four foundations.\n"
            "<b>Rules</b>\nBuild the tableau down in any suit but the card's own. A face-up card may be "
            "moved with the cards built on it. Any card or group may fill an empty pile. A face-down card "
            "that comes to the top turns face up.\n"
            "Build the foundations up in suit from the Ace, one card at a time.\n"
            "Tap the stock to turn one card onto the waste; only the top card of the waste is in play. "
            "There is no redeal.",
        .build = kOtherSuitDown,
        .groupBuild = kOtherSuitDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 0,
    }));
    games.push_back(klondikeGame({
        .id = 401,
        .name = "Whitehead",
        .skill = 3,
        .playTime = 2,
        .description =
            "A Klondike with every card in sight, where colour decides the building but only suits move "
            "together.\n"
            "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
            "<b>Layout</b>\nSeven tableau piles of one to seven cards, all face up; the stock, the waste "
            "and four foundations.\n"
            "<b>Rules</b>\nBuild the tableau down in the same colour: a red Six on a red Seven, a black "
            "Six on a black Seven. Only a group built down in one suit may be moved as a unit; otherwise "
            "move the top card alone. Any card or group may fill an empty pile.\n"
            "Build the foundations up in suit from the Ace, one card at a time.\n"
            "Tap the stock to turn one card onto the waste; only the top card of the waste is in play. "
            "There is no redeal.",
        .faceUp = allCardsUp,
        .build = kColourDown,
        .groupBuild = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 0,
    }));
    games.push_back(klondikeGame({
        .id = 402,
        .name = "Big Forty",
        .skill = 2,
        .playTime = 2,
        .description =
            "Forty open cards in ten piles, built in suit, with a stock that may be gone through as often "
            "as you like.\n"
            "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
            "<b>Layout</b>\nTen tableau piles of four cards each, all face up; the stock, the waste and "
            "four foundations.\n"
            "<b>Rules</b>\nBuild the tableau down in suit. A group built down in suit may be moved as a "
            "unit. Any card or group may fill an empty pile.\n"
            "Build the foundations up in suit from the Ace, one card at a time.\n"
            "Tap the stock to turn one card onto the waste; only the top card of the waste is in play. "
            "Tap the empty stock to turn the waste over and deal it again, as often as you like.",
        .columns = 10,
        .firstPileCards = 4,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kSuitDown,
        .groupBuild = kSuitDown,
        .onEmpty = EmptyTakes::anything,
    }));
    games.push_back(klondikeGame({
        .id = 403,
        .name = "Athena",
        .skill = 2,
        .playTime = 2,
        .description =
            "Klondike with a striped tableau: each pile hides every other card.\n"
            "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
            "<b>Layout</b>\nSeven tableau piles of four cards each, dealt face down, face up, face down, "
            "face up; the stock, the waste and four foundations.\n"
            "<b>Rules</b>\nBuild the tableau down in alternating colours. A group built that way may be "
            "moved as a unit. Only a King, or a group headed by a King, may fill an empty pile. A "
            "face-down card that comes to the top turns face up.\n"
            "Build the foundations up in suit from the Ace, one card at a time.\n"
            "Tap the stock to turn one card onto the waste; only the top card of the waste is in play. "
            "Tap the empty stock to turn the waste over and deal it again, as often as you like.",
        .firstPileCards = 4,
        .extraPerPile = 0,
        .faceUp = alternateFromDown,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
    }));
}

}  // namespace velmora::gamedb
