// Klondike-family games with reserve piles of several open cards fanned
// beside a short tableau, some of them filling spaces at once from the
// reserves or the waste; each a row of rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_gates)
{
    games.push_back(klondikeGame({
        .id = 786,
        .name = "Whitehorse",
        .skill = 2,
        .intro = "Klondike with a single open row of seven cards, whose spaces fill themselves from the "
                 "waste.",
        .layout = "Seven tableau piles of one card each, face up; the stock, the waste with the first three "
                  "cards, and four foundations.",
        .columnCards = {1, 1, 1, 1, 1, 1, 1},
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .stockDeal = 3,
        .spaceFill = SpaceFill::fromWaste,
    }));
    games.push_back(klondikeGame({
        .id = 218,
        .name = "Duke",
        .skill = 2,
        .category = Category::canfield,
        .intro = "Four open tableau cards helped by four reserve piles of three, with three passes through "
                 "the stock.",
        .layout = "Four tableau piles of one card each, face up; four reserve piles of three cards, face up "
                  "and fanned; the stock, the waste and four foundations.",
        .columns = 4,
        .extraPerPile = 0,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 2,
        .reserves = 4,
        .reserveCards = 3,
    }));
    games.push_back(klondikeGame({
        .id = 296,
        .name = "Gate",
        .skill = 2,
        .category = Category::canfield,
        .intro = "Eight open tableau cards between two posts of five reserve cards that fill every space, "
                 "and a single pass through the stock.",
        .layout = "Eight tableau piles of one card each, face up; two reserve piles of five cards, face up "
                  "and fanned; the stock, the waste and four foundations.",
        .columns = 8,
        .extraPerPile = 0,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 0,
        .reserves = 2,
        .reserveCards = 5,
        .spaceFill = SpaceFill::fromReserves,
    }));
}

}  // namespace velmora::gamedb
