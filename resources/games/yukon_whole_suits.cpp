// Russian Solitaire with foundations that take only whole suits: each suit
// is built from King down to Ace in the tableau and leaves as a run once it
// is complete.
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
}

}  // namespace velmora::gamedb
