// Games of open columns without foundations, won once every card lies on
// the columns: the stock goes to a waste, or only into the spaces; each a
// row for fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

// Up regardless of suit, an Ace going on a King.
const Build kAnySuitUpRound{Direction::up, Suits::any, true};

}  // namespace

VELMORA_GAME_FAMILY(forty_thieves_tableau_rows)
{
    games.push_back(fortyThievesGame({
        .id = 52,
        .name = "Bavarian Patience",
        .skill = 3,
        .playTime = 3,
        .category = Category::other,
        .intro = "German Patience on ten columns: two packs are built up into eight piles of thirteen, with two "
                 "columns to spare.",
        .layout = "Ten columns of one card each, face up; the stock and the waste. There are no foundations.",
        .columns = 10,
        .cardsPerColumn = 1,
        .build = kAnySuitUpRound,
        .columnCapacity = 13,
        .tableauOnly = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 301,
        .name = "German Patience",
        .skill = 3,
        .playTime = 3,
        .category = Category::other,
        .intro = "Two packs are built up by rank, regardless of suit, into eight piles of thirteen cards.",
        .layout = "Eight columns of one card each, face up; the stock and the waste. There are no foundations.",
        .columns = 8,
        .cardsPerColumn = 1,
        .build = kAnySuitUpRound,
        .columnCapacity = 13,
        .tableauOnly = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 382,
        .name = "Knotty Nines",
        .skill = 2,
        .playTime = 1,
        .category = Category::other,
        .intro = "Trusty Twelve on nine columns: the whole pack must find room on them.",
        .layout = "Nine columns of one card each, face up; the stock. There are no foundations.",
        .packs = 1,
        .columns = 9,
        .cardsPerColumn = 1,
        .build = kAnySuitDown,
        .spaceFill = SpaceFill::fromStock,
        .stockFillsSpacesOnly = true,
        .tableauOnly = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 694,
        .name = "Sweet Sixteen",
        .skill = 2,
        .playTime = 1,
        .category = Category::other,
        .intro = "Sixteen columns built down in alternating colours, fed only through their spaces, must take "
                 "the whole pack.",
        .layout = "Sixteen columns of one card each, face up, in two rows of eight; the stock. There are no "
                  "foundations.",
        .packs = 1,
        .columns = 16,
        .cardsPerColumn = 1,
        .build = kAlternateDown,
        .spaceFill = SpaceFill::fromStock,
        .stockFillsSpacesOnly = true,
        .tableauOnly = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 747,
        .name = "Trusty Twelve",
        .skill = 2,
        .playTime = 1,
        .category = Category::other,
        .intro = "A pack is dealt onto twelve columns built down regardless of suit; every space you make draws "
                 "the next card from the stock.",
        .layout = "Twelve columns of one card each, face up; the stock. There are no foundations.",
        .packs = 1,
        .columns = 12,
        .cardsPerColumn = 1,
        .build = kAnySuitDown,
        .spaceFill = SpaceFill::fromStock,
        .stockFillsSpacesOnly = true,
        .tableauOnly = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 762,
        .name = "Up and Up",
        .skill = 2,
        .playTime = 1,
        .category = Category::other,
        .intro = "Trusty Twelve turned round: ten columns built up regardless of suit, with the stock's top card "
                 "open to play.",
        .layout = "Ten columns of one card each, face up; the stock, face up. There are no foundations.",
        .packs = 1,
        .columns = 10,
        .cardsPerColumn = 1,
        .build = kAnySuitUpRound,
        .spaceFill = SpaceFill::fromStock,
        .stockFillsSpacesOnly = true,
        .tableauOnly = true,
        .stockInPlay = true,
    }));
}

}  // namespace velmora::gamedb
