// One-pack games of the Klondike family dealt from a stock onto a waste or
// in rows to the tableau: each a row of rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {
namespace {

// Aunt Mary: six rounds across six piles; the piles left of the round's
// number get their card face up, so the first pile is open and the last
// shows only its top card.
bool auntMaryFaces(int column, int position, int count) { return column <= position || position == count - 1; }

}  // namespace

VELMORA_GAME_FAMILY(klondike_one_pack)
{
    games.push_back(klondikeGame({
        .id = 379,
        .name = "Klondike (Draw 1)",
        .skill = 1,
        .intro = "Klondike as most people play it: one card at a time from the stock, and as many passes as "
                 "you like.",
        .layout = "Seven tableau piles of one to seven cards, the top card of each face up; the stock, the "
                  "waste and four foundations.",
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
    }));
    games.push_back(klondikeGame({
        .id = 616,
        .name = "Saratoga",
        .skill = 1,
        .intro = "Klondike with every tableau card dealt face up, and a three-card deal from the stock.",
        .layout = "Seven tableau piles of one to seven cards, all face up; the stock, the waste and four "
                  "foundations.",
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .stockDeal = 3,
    }));
    games.push_back(klondikeGame({
        .id = 733,
        .name = "Trigon",
        .skill = 2,
        .intro = "Klondike built in suit instead of in alternating colours.",
        .layout = "Seven tableau piles of one to seven cards, the top card of each face up; the stock, the "
                  "waste and four foundations.",
        .build = kSuitDown,
        .groupBuild = kSuitDown,
    }));
    games.push_back(klondikeGame({
        .id = 655,
        .name = "Small Harp",
        .skill = 1,
        .intro = "Klondike with its staircase turned round: the longest pile on the left.",
        .layout = "Seven tableau piles of seven down to one card, the top card of each face up; the stock, "
                  "the waste and four foundations.",
        .columnCards = {7, 6, 5, 4, 3, 2, 1},
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
    }));
    games.push_back(klondikeGame({
        .id = 395,
        .name = "Legion",
        .skill = 2,
        .intro = "Eight piles shaped like a ridge, striped face up and face down, and one pass through the "
                 "stock.",
        .layout = "Eight tableau piles of 1, 3, 5, 7, 7, 5, 3 and 1 cards, dealt face up and face down in "
                  "turn from the bottom so that the top card is face up; the stock, the waste and four "
                  "foundations.",
        .columns = 8,
        .columnCards = {1, 3, 5, 7, 7, 5, 3, 1},
        .faceUp = alternateFromUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .redeals = 0,
    }));
    games.push_back(klondikeGame({
        .id = 377,
        .name = "Kingsley",
        .skill = 2,
        .intro = "Klondike upside down: the foundations start from the Kings and the tableau is built up.",
        .layout = "Seven tableau piles of one to seven cards, the top card of each face up; the stock, the "
                  "waste and four foundations.",
        .build = kAlternateUp,
        .groupBuild = kAlternateUp,
        .onEmpty = EmptyTakes::aces,
        .redeals = 0,
        .kingsDown = true,
    }));
    games.push_back(klondikeGame({
        .id = 308,
        .name = "Gold Mine",
        .skill = 2,
        .intro = "Klondike with an empty tableau at the start: every card comes from one pass through the "
                 "stock, three at a time.",
        .layout = "Seven empty tableau piles; the stock, the waste with the first three cards, and four "
                  "foundations.",
        .firstPileCards = 0,
        .extraPerPile = 0,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .stockDeal = 3,
        .redeals = 0,
    }));
    games.push_back(klondikeGame({
        .id = 39,
        .name = "Aunt Mary",
        .skill = 2,
        .intro = "Six square piles, more of them hidden towards the right, and a single pass through the "
                 "stock.",
        .layout = "Six tableau piles of six cards. The first pile is all face up; each next pile has one "
                  "more card face down, so the last shows only its top card. The stock, the waste and four "
                  "foundations.",
        .columns = 6,
        .firstPileCards = 6,
        .extraPerPile = 0,
        .faceUp = auntMaryFaces,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .redeals = 0,
    }));
    games.push_back(klondikeGame({
        .id = 223,
        .name = "Eastcliff",
        .skill = 2,
        .intro = "Seven short piles of three, any card into a space, and one pass through the stock.",
        .layout = "Seven tableau piles of three cards, the top card of each face up; the stock, the waste "
                  "and four foundations.",
        .firstPileCards = 3,
        .extraPerPile = 0,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 0,
    }));
    games.push_back(klondikeGame({
        .id = 224,
        .name = "Easthaven",
        .skill = 1,
        .intro = "Seven short piles of three, fed by rows dealt from the stock.",
        .layout = "Seven tableau piles of three cards, the top card of each face up; the stock and four "
                  "foundations.",
        .firstPileCards = 3,
        .extraPerPile = 0,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .stock = StockDeal::rowToTableau,
        .redeals = 0,
    }));
    games.push_back(klondikeGame({
        .id = 784,
        .name = "Westhaven",
        .skill = 2,
        .category = Category::other,
        .intro = "Ten short piles of three, fed by rows dealt from the stock; the foundations keep what "
                 "they get.",
        .layout = "Ten tableau piles of three cards, the top card of each face up; the stock and four "
                  "foundations.",
        .columns = 10,
        .firstPileCards = 3,
        .extraPerPile = 0,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .stock = StockDeal::rowToTableau,
        .redeals = 0,
        .foundationsKeep = true,
    }));
    games.push_back(klondikeGame({
        .id = 79,
        .name = "Blind Alleys",
        .skill = 1,
        .intro = "Six piles of three with the Aces already out, and two passes through the stock.",
        .layout = "Six tableau piles of three cards, the top card of each face up; the stock, the waste "
                  "and four foundations, each starting with its Ace.",
        .columns = 6,
        .firstPileCards = 3,
        .extraPerPile = 0,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 1,
        .acesDealt = true,
    }));
    games.push_back(klondikeGame({
        .id = 524,
        .name = "Pas Seul",
        .skill = 2,
        .intro = "A single row of six cards and a single pass through the stock.",
        .layout = "Six tableau piles of one card each, face up; the stock, the waste and four foundations.",
        .columns = 6,
        .extraPerPile = 0,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 0,
    }));
    games.push_back(klondikeGame({
        .id = 119,
        .name = "Cassim",
        .skill = 2,
        .intro = "Open piles built in suit with the Aces already out, and a stock that may be gone through "
                 "as often as you like.",
        .layout = "Seven tableau piles of four cards each, all face up; the stock, the waste and four "
                  "foundations, each starting with its Ace.",
        .firstPileCards = 4,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kSuitDown,
        .groupBuild = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .acesDealt = true,
    }));
    games.push_back(klondikeGame({
        .id = 19,
        .name = "Ali Baba",
        .skill = 2,
        .intro = "Ten open piles built in suit with the Aces already out, and a stock that may be gone "
                 "through as often as you like.",
        .layout = "Ten tableau piles of four cards each, all face up; the stock, the waste and four "
                  "foundations, each starting with its Ace.",
        .columns = 10,
        .firstPileCards = 4,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kSuitDown,
        .groupBuild = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .acesDealt = true,
    }));
    games.push_back(klondikeGame({
        .id = 134,
        .name = "Chinaman",
        .skill = 2,
        .intro = "Klondike built on any other suit, with a three-card deal and two passes through the "
                 "stock.",
        .layout = "Seven tableau piles of one to seven cards, the top card of each face up; the stock, the "
                  "waste and four foundations.",
        .build = kOtherSuitDown,
        .groupBuild = kOtherSuitDown,
        .stockDeal = 3,
        .redeals = 1,
    }));
    games.push_back(klondikeGame({
        .id = 392,
        .name = "Lanes",
        .skill = 2,
        .intro = "Six open piles of three with the Aces already out, one card moved at a time, and two "
                 "passes through the stock.",
        .layout = "Six tableau piles of three cards, all face up; the stock, the waste and four "
                  "foundations, each starting with its Ace.",
        .columns = 6,
        .firstPileCards = 3,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .singleCards = true,
        .redeals = 1,
        .acesDealt = true,
        .foundationsKeep = true,
    }));
}

}  // namespace velmora::gamedb
