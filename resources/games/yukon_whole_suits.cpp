// The Russian Solitaire games in which the foundations take only whole
// suits: each suit is built from King down to Ace in the tableau and leaves
// as a run once it is complete.
#include "game_registry.h"
#include "yukon_family.h"

namespace velmora::gamedb {
namespace {

const Build kSuitDown{Direction::down, Suits::same};

}  // namespace

VELMORA_GAME_FAMILY(yukon_whole_suits)
{
    games.push_back(yukonGame({
        .id = 611,
        .name = "Russian Spider",
        .category = Category::spider,
        .extraCategories = {Category::yukon},
        .skill = 3,
        .build = kSuitDown,
        .foundations = YukonFoundations::byRun,
        .intro = "Russian Solitaire played to Spider's goal: every suit is completed in the tableau before it "
                 "leaves.",
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 208,
        .name = "Double Russian Spider",
        .extraCategories = {Category::spider},
        .skill = 3,
        .playTime = 3,
        .packs = 2,
        .columns = {{0, 6}, {1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}, {7, 6}, {8, 6}, {8, 6}},
        .build = kSuitDown,
        .foundations = YukonFoundations::byRun,
        .intro = "Russian Spider with two packs on ten piles.",
        .layout = "Ten tableau piles: the first holds six face-up cards, the others one to eight face-down "
                  "cards under six face-up ones; eight foundations. There is no stock.",
        .buildRule = "Build the tableau down in suit.",
    }));
}

}  // namespace velmora::gamedb
