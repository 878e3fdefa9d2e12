// Yukon with four packs: sixteen piles, laid out in two rows of eight.
#include "game_registry.h"
#include "yukon_family.h"

namespace velmora::gamedb {
namespace {

// Pile k (from 0) holds k face-down cards; face up on them, one card on the
// first pile, six on the next twelve and five on the last three.
std::vector<ColumnDeal> quadrupleDeal()
{
    std::vector<ColumnDeal> deal{{0, 1}};
    for (int k = 1; k < 16; ++k)
        deal.push_back({k, k <= 12 ? 6 : 5});
    return deal;
}

}  // namespace

VELMORA_GAME_FAMILY(yukon_quadruple)
{
    games.push_back(yukonGame({
        .id = 558,
        .name = "Quadruple Yukon",
        .playTime = 4,
        .packs = 4,
        .columns = quadrupleDeal(),
        .build = {Direction::down, Suits::alternate},
        .intro = "Yukon with four packs on sixteen piles.",
        .layout = "Sixteen tableau piles in two rows of eight: the first holds one card; pile k, counted from "
                  "none, holds k face-down cards under six face-up ones, the last three under five; sixteen "
                  "foundations in two rows above them. There is no stock.",
        .buildRule = "Build the tableau down in alternating colours.",
    }));
}

}  // namespace velmora::gamedb
