// Gypsy and the games played like it: a stock dealt a row at a time onto
// the columns; each a row for gypsyGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(gypsy)
{
    games.push_back(gypsyGame({
        .id = 323,
        .name = "Gypsy",
        .skill = 2,
        .playTime = 3,
        .intro = "A two-pack patience whose stock is dealt a row at a time onto eight columns.",
        .layout = "Eight columns of three cards, two face down under one face up; the stock and eight "
                  "foundations.",
    }));
    games.push_back(gypsyGame({
        .id = 324,
        .name = "Gypsy (3 Decks)",
        .skill = 2,
        .playTime = 3,
        .intro = "Gypsy with three packs and twelve columns.",
        .layout = "Twelve columns of three cards, two face down under one face up; the stock and twelve "
                  "foundations.",
        .packs = 3,
        .columns = 12,
    }));
    games.push_back(gypsyGame({
        .id = 791,
        .name = "Yeast Dough",
        .skill = 1,
        .playTime = 3,
        .intro = "Gypsy with every card of the deal face up.",
        .layout = "Eight columns of three cards, all face up; the stock and eight foundations.",
        .faceUp = allCardsUp,
    }));
    games.push_back(gypsyGame({
        .id = 452,
        .name = "Millie",
        .skill = 2,
        .playTime = 3,
        .intro = "Gypsy begun with a single card on each column.",
        .layout = "Eight columns of one face-up card; the stock and eight foundations.",
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
    }));
    games.push_back(gypsyGame({
        .id = 233,
        .name = "Elba",
        .skill = 2,
        .playTime = 3,
        .intro = "Gypsy on ten deep columns, whose spaces take only Kings.",
        .layout = "Ten columns of five cards, four face down under one face up; the stock and eight "
                  "foundations.",
        .columns = 10,
        .cardsPerColumn = 5,
        .faceUp = firstRowsDown<4>,
        .onEmpty = EmptyTakes::kings,
    }));
    games.push_back(gypsyGame({
        .id = 534,
        .name = "Phantom Blockade",
        .skill = 2,
        .playTime = 3,
        .intro = "Gypsy on thirteen open columns, whose spaces take only Kings.",
        .layout = "Thirteen columns of three cards, all face up; the stock and eight foundations.",
        .columns = 13,
        .faceUp = allCardsUp,
        .onEmpty = EmptyTakes::kings,
    }));
    games.push_back(gypsyGame({
        .id = 225,
        .name = "Eclipse",
        .skill = 2,
        .playTime = 3,
        .intro = "A Gypsy game on thirteen open columns built down in suit.",
        .layout = "Thirteen columns of four cards, all face up; the stock and eight foundations.",
        .columns = 13,
        .cardsPerColumn = 4,
        .faceUp = allCardsUp,
        .build = kSuitDown,
    }));
    games.push_back(gypsyGame({
        .id = 302,
        .name = "Giant",
        .skill = 2,
        .playTime = 3,
        .intro = "Gypsy begun on eight single cards, whose foundations give cards back only at the end.",
        .layout = "Eight columns of one face-up card; the stock and eight foundations.",
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .foundationsGiveBackAfterStock = true,
    }));
    games.push_back(gypsyGame({
        .id = 180,
        .name = "Die Koenigsbergerin",
        .skill = 2,
        .playTime = 3,
        .intro = "Gypsy on open columns, every Ace going to the foundations as it is dealt.",
        .layout = "Eight columns of three face-up cards, dealt a row at a time; the stock and eight foundations.",
        .faceUp = allCardsUp,
        .dealtAcesGoOut = true,
        .foundationsKeep = true,
        .rowsDealtPastFoundations = 3,
    }));
}

}  // namespace velmora::gamedb
