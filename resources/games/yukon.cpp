// The Yukon games without a stock: the whole pack dealt to the tableau, in
// Yukon's own shape or another.
#include "game_registry.h"
#include "yukon_family.h"

namespace velmora::gamedb {
namespace {

const Build kAlternateDown{Direction::down, Suits::alternate};
const Build kSuitDown{Direction::down, Suits::same};

}  // namespace

VELMORA_GAME_FAMILY(yukon)
{
    games.push_back(yukonGame({
        .id = 404,
        .name = "Yukon",
        .build = kAlternateDown,
        .intro = "The classic game of moving whole stacks, ordered or not.",
        .buildRule = "Build the tableau down in alternating colours.",
    }));
    games.push_back(yukonGame({
        .id = 405,
        .name = "Russian Solitaire",
        .build = kSuitDown,
        .intro = "Yukon built in suit, which makes it much harder.",
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 406,
        .name = "Alaska",
        .build = {Direction::either, Suits::same},
        .intro = "Russian Solitaire with room to turn: build in suit, up or down.",
        .buildRule = "Build the tableau up or down in suit: a Six of hearts on the Five or the Seven of "
                     "hearts.",
    }));
    games.push_back(yukonGame({
        .id = 407,
        .name = "Moosehide",
        .skill = 3,
        .build = {Direction::down, Suits::different},
        .intro = "Yukon built on any suit but the card's own.",
        .buildRule = "Build the tableau down in any suit other than the card's own: a Six of spades on a "
                     "Seven of clubs, hearts or diamonds.",
    }));
}

}  // namespace velmora::gamedb
