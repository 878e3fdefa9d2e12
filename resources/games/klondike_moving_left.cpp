// Two-pack Klondikes on ten piles whose spaces are closed at once by the
// group from the pile to their right; each a row of rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {
namespace {

constexpr const char* kTenStaircase =
    "Ten tableau piles of one to ten cards, the top card of each face up; the stock, the waste and eight "
    "foundations.";

}  // namespace

VELMORA_GAME_FAMILY(klondike_moving_left)
{
    games.push_back(klondikeGame({
        .id = 469,
        .name = "Moving Left",
        .skill = 3,
        .playTime = 3,
        .intro = "Double Klondike on ten piles where the tableau closes up to the left, with a single pass "
                 "through the stock.",
        .layout = kTenStaircase,
        .packs = 2,
        .columns = 10,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .redeals = 0,
        .spaceFill = SpaceFill::fromRight,
    }));
    games.push_back(klondikeGame({
        .id = 662,
        .name = "Souter",
        .skill = 2,
        .playTime = 3,
        .intro = "Moving Left with two passes through the stock.",
        .layout = kTenStaircase,
        .packs = 2,
        .columns = 10,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .redeals = 1,
        .spaceFill = SpaceFill::fromRight,
    }));
}

}  // namespace velmora::gamedb
