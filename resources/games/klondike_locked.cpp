// Two-pack Klondike-family games whose seven reserve cards stay locked face
// down until the foundation above each one is complete; each a row of rules
// for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_locked)
{
    games.push_back(klondikeGame({
        .id = 413,
        .name = "Locked Cards",
        .skill = 2,
        .playTime = 3,
        .category = Category::other,
        .description =
            "Eight piles built in alternating colours, and seven prisoners that each finished foundation "
            "sets free.\n"
            "<b>Object</b>\nMove all 104 cards of two packs to the eight foundations.\n"
            "<b>Layout</b>\nEight tableau piles of five cards, all face up; seven reserve cards, face down, "
            "one under each of the first seven of the eight foundations; the stock, and the waste with one "
            "card.\n"
            "<b>Rules</b>\nBuild the tableau down in alternating colours. A group built that way may be "
            "moved as a unit. Any card or group may fill an empty pile.\n"
            "Build the foundations up in suit from the Ace, one card at a time; any Ace may start any of "
            "them, and no card comes back from a foundation.\n"
            "A reserve card stays locked until the foundation above it holds all thirteen cards of its "
            "suit. Then tap it to turn it face up; it may be played to the tableau or a foundation.\n"
            "Tap the stock to turn one card onto the waste; only the top card of the waste is in play. Tap "
            "the empty stock to turn the waste over and go through it again; this may be done twice.",
        .packs = 2,
        .columns = 8,
        .firstPileCards = 5,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 2,
        .reserves = 7,
        .foundationsKeep = true,
        .extraCategories = {Category::klondike},
        .lockedReserves = true,
    }));
    games.push_back(klondikeGame({
        .id = 728,
        .name = "Topsy-Turvy Queens",
        .skill = 2,
        .playTime = 3,
        .category = Category::other,
        .description =
            "Locked Cards turned round: the foundations start from the Kings and end with the Queens, and "
            "the tableau is built in suit.\n"
            "<b>Object</b>\nMove all 104 cards of two packs to the eight foundations.\n"
            "<b>Layout</b>\nEight tableau piles of four cards, all face up; seven reserve cards, face down, "
            "one under each of the first seven of the eight foundations; the stock, and the waste with one "
            "card.\n"
            "<b>Rules</b>\nBuild the tableau down in suit; a King may go on an Ace. A group built that way "
            "may be moved as a unit. Any card or group may fill an empty pile.\n"
            "Each foundation starts with a King of any suit and is built up in suit from it: the Ace, the "
            "Two and on to the Queen. No card comes back from a foundation.\n"
            "A reserve card stays locked until the foundation above it holds all thirteen cards of its "
            "suit. Then tap it to turn it face up; it may be played to the tableau or a foundation.\n"
            "Tap the stock to turn one card onto the waste; only the top card of the waste is in play. Tap "
            "the empty stock to turn the waste over and go through it again; this may be done twice.",
        .packs = 2,
        .columns = 8,
        .firstPileCards = 4,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = {Direction::down, Suits::same, true},
        .groupBuild = {Direction::down, Suits::same, true},
        .onEmpty = EmptyTakes::anything,
        .redeals = 2,
        .reserves = 7,
        .foundationsKeep = true,
        .extraCategories = {Category::klondike},
        .lockedReserves = true,
        .foundationBase = 13,
    }));
    games.push_back(klondikeGame({
        .id = 371,
        .name = "King's Secrets",
        .skill = 2,
        .playTime = 3,
        .category = Category::other,
        .description =
            "Topsy-Turvy Queens with five cards to a pile, where only a Queen may take an empty place.\n"
            "<b>Object</b>\nMove all 104 cards of two packs to the eight foundations.\n"
            "<b>Layout</b>\nEight tableau piles of five cards, all face up; seven reserve cards, face down, "
            "one under each of the first seven of the eight foundations; the stock, and the waste with one "
            "card.\n"
            "<b>Rules</b>\nBuild the tableau down in suit; a King may go on an Ace. A group built that way "
            "may be moved as a unit. Only a Queen, or a group headed by a Queen, may fill an empty pile.\n"
            "Each foundation starts with a King of any suit and is built up in suit from it: the Ace, the "
            "Two and on to the Queen. No card comes back from a foundation.\n"
            "A reserve card stays locked until the foundation above it holds all thirteen cards of its "
            "suit. Then tap it to turn it face up; it may be played to the tableau or a foundation.\n"
            "Tap the stock to turn one card onto the waste; only the top card of the waste is in play. Tap "
            "the empty stock to turn the waste over and go through it again; this may be done twice.",
        .packs = 2,
        .columns = 8,
        .firstPileCards = 5,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = {Direction::down, Suits::same, true},
        .groupBuild = {Direction::down, Suits::same, true},
        .redeals = 2,
        .reserves = 7,
        .foundationsKeep = true,
        .extraCategories = {Category::klondike},
        .lockedReserves = true,
        .foundationBase = 13,
        .spaceRank = 12,
    }));
}

}  // namespace velmora::gamedb
