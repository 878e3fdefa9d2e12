// Two-pack games of the Klondike family with a rule of their own: a tableau
// fed by the waste alone, reserve cards that go only to the foundations, a
// reserve pile that takes Kings, passes that turn fewer cards each, and
// foundations that take only whole suits.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_two_pack_rules)
{
    games.push_back(klondikeGame({
        .id = 101,
        .name = "Brush",
        .skill = 3,
        .playTime = 3,
        .intro = "Ten short piles built down regardless of suit but moved only in suit, with one pass through "
                 "the stock; whole suits leave the tableau for the foundations by themselves.",
        .layout = "Ten tableau piles of four cards, three face down under one face up; the stock, the waste "
                  "with one card, and eight foundations.",
        .packs = 2,
        .columns = 10,
        .firstPileCards = 4,
        .extraPerPile = 0,
        .build = kAnySuitDown,
        .groupBuild = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 0,
        .extraCategories = {Category::spider},
        .runFoundations = true,
    }));
    games.push_back(klondikeGame({
        .id = 228,
        .name = "Eight Sages",
        .skill = 2,
        .playTime = 3,
        .intro = "Eight single cards to build on, but only from the waste; two passes through the stock.",
        .layout = "Eight tableau piles of one card, face up; the stock, the waste with one card, and eight "
                  "foundations.",
        .packs = 2,
        .columns = 8,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .singleCards = true,
        .redeals = 1,
        .tableauFedByWasteOnly = true,
    }));
    games.push_back(klondikeGame({
        .id = 226,
        .name = "Eight by Eight",
        .skill = 2,
        .playTime = 3,
        .intro = "Eight open piles of eight built down regardless of suit, and three passes through the stock "
                 "that turn three cards at a time, then two, then one.",
        .layout = "Eight tableau piles of eight cards, all face up; the stock, the waste with three cards, and "
                  "eight foundations.",
        .packs = 2,
        .columns = 8,
        .firstPileCards = 8,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kAnySuitDown,
        .groupBuild = kAnySuitDown,
        .onEmpty = EmptyTakes::oneCard,
        .stockDeal = 3,
        .redeals = 2,
        .dealCountFalls = true,
    }));
}

}  // namespace velmora::gamedb
