// Two-pack games of the Klondike family whose stock feeds a row of reserve
// piles instead of a waste.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_reserve_stock)
{
    constexpr const char* kSenateIntro =
        "A two-pack game of short tableau piles built in suit, fed from eight reserve piles that the stock "
        "deals to.";
    games.push_back(klondikeGame({
        .id = 627,
        .name = "Senate",
        .skill = 2,
        .playTime = 3,
        .category = Category::other,
        .intro = kSenateIntro,
        .layout = "Four tableau piles of one card; eight reserve piles of one card; the stock; the eight Aces "
                  "on the foundations.",
        .packs = 2,
        .columns = 4,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kSuitDown,
        .groupBuild = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .stock = StockDeal::rowToReserves,
        .redeals = 0,
        .reserves = 8,
        .acesDealt = true,
        .extraCategories = {Category::fortyThieves},
    }));
    games.push_back(klondikeGame({
        .id = 628,
        .name = "Senate +",
        .skill = 2,
        .playTime = 3,
        .category = Category::other,
        .intro = "Senate with a fifth tableau pile.",
        .layout = "Five tableau piles of one card; eight reserve piles of one card; the stock; the eight Aces "
                  "on the foundations.",
        .packs = 2,
        .columns = 5,
        .extraPerPile = 0,
        .faceUp = allCardsUp,
        .build = kSuitDown,
        .groupBuild = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .stock = StockDeal::rowToReserves,
        .redeals = 0,
        .reserves = 8,
        .acesDealt = true,
        .extraCategories = {Category::fortyThieves},
    }));
}

}  // namespace velmora::gamedb
