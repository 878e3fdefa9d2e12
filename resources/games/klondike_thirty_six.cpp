// The Thirty-Six games: the tableau is dealt in rows of one card to each
// pile, and every Ace that comes to the top of a pile during the deal goes
// straight to a foundation, so the piles start of different lengths. They
// build down regardless of suit, any card fills a space and there is a
// single pass through the stock.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(klondike_thirty_six)
{
    games.push_back(klondikeGame({
        .id = 718,
        .name = "Thirty-Six",
        .skill = 2,
        .intro = "Six piles of six cards built regardless of suit, the Aces going out as they are dealt.",
        .layout = "Six tableau piles, dealt face up in six rows of one card to each pile; an Ace that comes to "
                  "the top of a pile during the deal goes straight to a foundation, so the piles end up of "
                  "different lengths. The stock, the waste with one card on it, and four foundations.",
        .columns = 6,
        .faceUp = allCardsUp,
        .build = kAnySuitDown,
        .groupBuild = kAnySuitDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 0,
        .foundationsKeep = true,
        .rowsSendingAcesOut = 6,
    }));
    games.push_back(klondikeGame({
        .id = 699,
        .name = "Taking Silk",
        .skill = 2,
        .playTime = 3,
        .intro = "Thirty-Six with two packs: six piles, eight foundations and a long stock turned once.",
        .layout = "Six tableau piles, dealt face up in six rows of one card to each pile; an Ace that comes to "
                  "the top of a pile during the deal goes straight to a foundation, so the piles end up of "
                  "different lengths. The stock, the waste with one card on it, and eight foundations.",
        .packs = 2,
        .columns = 6,
        .faceUp = allCardsUp,
        .build = kAnySuitDown,
        .groupBuild = kAnySuitDown,
        .onEmpty = EmptyTakes::anything,
        .redeals = 0,
        .foundationsKeep = true,
        .rowsSendingAcesOut = 6,
    }));
    games.push_back(klondikeGame({
        .id = 649,
        .name = "Six by Six",
        .skill = 2,
        .intro = "Thirty-Six without a waste: the stock feeds the first pile, and only suits move together.",
        .layout = "Six tableau piles, dealt face up in six rows of one card to each pile; an Ace that comes to "
                  "the top of a pile during the deal goes straight to a foundation, so the piles end up of "
                  "different lengths. The stock and four foundations.",
        .columns = 6,
        .faceUp = allCardsUp,
        .build = kAnySuitDown,
        .groupBuild = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .stock = StockDeal::toFirstColumn,
        .redeals = 0,
        .foundationsKeep = true,
        .rowsSendingAcesOut = 6,
    }));
    games.push_back(klondikeGame({
        .id = 231,
        .name = "Eights",
        .skill = 2,
        .playTime = 3,
        .intro = "Six by Six with two packs on eight piles of eight cards.",
        .layout = "Eight tableau piles, dealt face up in eight rows of one card to each pile; an Ace that comes "
                  "to the top of a pile during the deal goes straight to a foundation, so the piles end up of "
                  "different lengths. The stock and eight foundations.",
        .packs = 2,
        .columns = 8,
        .faceUp = allCardsUp,
        .build = kAnySuitDown,
        .groupBuild = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .stock = StockDeal::toFirstColumn,
        .redeals = 0,
        .foundationsKeep = true,
        .rowsSendingAcesOut = 8,
    }));
}

}  // namespace velmora::gamedb
