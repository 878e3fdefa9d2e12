// Two-pack Klondike-family games with a fir tree of sixteen reserve cards
// between the halves of the tableau, each card free once the cards lying
// over it are gone; each a row of rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_fir_tree)
{
    games.push_back(klondikeGame({
        .id = 476,
        .name = "Napoleon Takes Moscow",
        .skill = 2,
        .playTime = 3,
        .category = Category::other,
        .description =
            "Eight piles built in suit one card at a time, with a fir tree of sixteen cards to take apart "
            "from its foot.\n"
            "<b>Object</b>\nMove all 104 cards of two packs to the eight foundations.\n"
            "<b>Layout</b>\nEight tableau piles of four cards, all face up, four on each side of a fir tree "
            "of sixteen face-up reserve cards in rows of one and two, each row lying over the one above; "
            "the stock, the waste with one card, and eight foundations.\n"
            "<b>Rules</b>\nBuild the tableau down in suit, moving one card at a time. Only a King may fill "
            "an empty pile.\n"
            "A card of the tree is free when no card of the row below lies over it: at first only the "
            "card at its foot. A free card may be played to the tableau or a foundation; nothing is put "
            "on the tree.\n"
            "Build the foundations up in suit from the Ace, one card at a time; any Ace may start any of "
            "them.\n"
            "Tap the stock to turn one card onto the waste; only the top card of the waste is in play. Tap "
            "the empty stock to turn the waste over and go through it again; this may be done twice.",
        .packs = 2,
        .columns = 8,
        .firstPileCards = 4,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kSuitDown,
        .groupBuild = kSuitDown,
        .singleCards = true,
        .redeals = 2,
        .reserves = 16,
        .extraCategories = {Category::klondike},
        .firTree = true,
    }));
    games.push_back(klondikeGame({
        .id = 475,
        .name = "Napoleon Leaves Moscow",
        .skill = 2,
        .playTime = 3,
        .category = Category::other,
        .description =
            "Napoleon Takes Moscow with five cards to a pile, where groups built in suit move together.\n"
            "<b>Object</b>\nMove all 104 cards of two packs to the eight foundations.\n"
            "<b>Layout</b>\nEight tableau piles of five cards, all face up, four on each side of a fir tree "
            "of sixteen face-up reserve cards in rows of one and two, each row lying over the one above; "
            "the stock, the waste with one card, and eight foundations.\n"
            "<b>Rules</b>\nBuild the tableau down in suit. A group built that way may be moved as a unit. "
            "Only a King, or a group headed by a King, may fill an empty pile.\n"
            "A card of the tree is free when no card of the row below lies over it: at first only the "
            "card at its foot. A free card may be played to the tableau or a foundation; nothing is put "
            "on the tree.\n"
            "Build the foundations up in suit from the Ace, one card at a time; any Ace may start any of "
            "them.\n"
            "Tap the stock to turn one card onto the waste; only the top card of the waste is in play. Tap "
            "the empty stock to turn the waste over and go through it again; this may be done twice.",
        .packs = 2,
        .columns = 8,
        .firstPileCards = 5,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kSuitDown,
        .groupBuild = kSuitDown,
        .redeals = 2,
        .reserves = 16,
        .extraCategories = {Category::klondike},
        .firTree = true,
    }));
}

}  // namespace velmora::gamedb
