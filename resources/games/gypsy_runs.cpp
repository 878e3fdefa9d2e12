// Gypsy games without foundations, won once the columns hold every card in
// runs from King down to Ace; each a row for gypsyGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(gypsy_runs)
{
    games.push_back(gypsyGame({
        .id = 734,
        .name = "Trillium",
        .skill = 2,
        .playTime = 3,
        .category = Category::spider,
        .intro = "A two-pack patience without foundations: the cards are sorted on thirteen columns into runs "
                 "from King to Ace in alternating colours.",
        .layout = "Thirteen columns of four cards, face down and face up in turn from the bottom; the stock. "
                  "There are no foundations.",
        .columns = 13,
        .cardsPerColumn = 4,
        .faceUp = alternateFromDown,
        .tableauOnly = true,
        .tableauRunsWin = true,
    }));
    games.push_back(gypsyGame({
        .id = 399,
        .name = "Lily",
        .skill = 3,
        .playTime = 3,
        .category = Category::spider,
        .intro = "Trillium whose spaces take only a King or a run headed by one.",
        .layout = "Thirteen columns of four cards, face down and face up in turn from the bottom; the stock. "
                  "There are no foundations.",
        .columns = 13,
        .cardsPerColumn = 4,
        .faceUp = alternateFromDown,
        .onEmpty = EmptyTakes::kings,
        .tableauOnly = true,
        .tableauRunsWin = true,
    }));
}

}  // namespace velmora::gamedb
