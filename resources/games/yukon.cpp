// The Yukon games without a stock: the whole pack dealt to the tableau, in
// Yukon's own shape or another.
#include "game_registry.h"
#include "yukon_family.h"

namespace velmora::gamedb {
namespace {

const Build kAlternateDown{Direction::down, Suits::alternate};
const Build kSuitDown{Direction::down, Suits::same};

// Pile k (from 0) holds k face-down cards under `up` face-up ones.
std::vector<ColumnDeal> stairs(int columns, int up)
{
    std::vector<ColumnDeal> deal;
    for (int k = 0; k < columns; ++k)
        deal.push_back({k, up});
    return deal;
}

constexpr const char* kTripleLayout =
    "Thirteen tableau piles: pile k, counted from none, holds k face-down cards under six face-up ones; "
    "twelve foundations. There is no stock.";

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
    games.push_back(yukonGame({
        .id = 507,
        .name = "Odessa",
        .columns = {{3, 3}, {3, 5}, {3, 5}, {3, 5}, {3, 5}, {3, 5}, {3, 3}},
        .build = kSuitDown,
        .intro = "Russian Solitaire from a flatter deal: three hidden cards under every pile.",
        .layout = "Seven tableau piles, each with three face-down cards, under three face-up cards on the "
                  "two outer piles and five on the others; four foundations. There is no stock.",
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 598,
        .name = "Roslin",
        .build = {Direction::either, Suits::alternate},
        .intro = "Yukon in which the tableau may be built up as well as down.",
        .buildRule = "Build the tableau up or down in alternating colours: a red Six on a black Five or "
                     "a black Seven.",
    }));
    games.push_back(yukonGame({
        .id = 298,
        .name = "Geoffrey",
        .skill = 3,
        .columns = {{0, 7}, {0, 7}, {0, 7}, {0, 7}, {4, 2}, {4, 2}, {4, 2}, {4, 2}},
        .build = kSuitDown,
        .intro = "Russian Solitaire on eight piles, half of them open and half hiding four cards.",
        .layout = "Eight tableau piles: the four on the left hold seven face-up cards each, the four on "
                  "the right four face-down cards under two face-up ones; four foundations. There is no "
                  "stock.",
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 565,
        .name = "Queensland",
        .columns = {{0, 5}, {1, 5}, {2, 5}, {3, 4}, {4, 4}, {5, 4}, {6, 4}},
        .build = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .intro = "Russian Solitaire in which any card may start a new pile.",
        .layout = "Seven tableau piles with none to six face-down cards, under five face-up cards on the "
                  "first three piles and four on the others; four foundations. There is no stock.",
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 96,
        .name = "Brisbane",
        .skill = 1,
        .columns = {{0, 5}, {1, 5}, {2, 5}, {3, 4}, {4, 4}, {5, 4}, {6, 4}},
        .build = {Direction::down, Suits::any},
        .onEmpty = EmptyTakes::anything,
        .intro = "The easiest Yukon: build on any card one rank higher, whatever its suit, and start a new pile with any card.",
        .layout = "Seven tableau piles with none to six face-down cards, under five face-up cards on the "
                  "first three piles and four on the others; four foundations. There is no stock.",
        .buildRule = "Build the tableau down regardless of suit: any Six on any Seven.",
    }));
    games.push_back(yukonGame({
        .id = 793,
        .name = "Yukon Cells",
        .build = kAlternateDown,
        .cells = 2,
        .intro = "Yukon with two free cells to park single cards in.",
        .layout = "Seven tableau piles: the first holds one card, the others one to six face-down cards "
                  "under five face-up ones; two free cells and four foundations. There is no stock.",
        .buildRule = "Build the tableau down in alternating colours.",
    }));
    games.push_back(yukonGame({
        .id = 609,
        .name = "Russian Cell",
        .build = kSuitDown,
        .cells = 2,
        .intro = "Russian Solitaire with two free cells to park single cards in.",
        .layout = "Seven tableau piles: the first holds one card, the others one to six face-down cards "
                  "under five face-up ones; two free cells and four foundations. There is no stock.",
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 795,
        .name = "Yukonic Plague",
        .columns = {{0, 1}, {2, 2}, {2, 3}, {2, 4}, {2, 5}, {2, 6}, {2, 6}},
        .build = kAlternateDown,
        .reserveCards = 13,
        .intro = "Yukon with thirteen cards held back in a reserve.",
        .layout = "A reserve of thirteen face-up cards; seven tableau piles: the first holds one card, the "
                  "others two face-down cards under two to six face-up ones; four foundations. There is no "
                  "stock.",
        .buildRule = "Build the tableau down in alternating colours.",
    }));
    games.push_back(yukonGame({
        .id = 703,
        .name = "Ten Across",
        .skill = 3,
        .columns = {{0, 5}, {1, 4}, {2, 3}, {3, 2}, {4, 1}, {4, 1}, {3, 2}, {2, 3}, {1, 4}, {0, 5}},
        .build = kSuitDown,
        .cells = 2,
        .cellCards = 1,
        .foundations = YukonFoundations::byRun,
        .intro = "Ten piles built in suit into whole runs, with two free cells.",
        .layout = "Ten tableau piles of five cards: the outer piles all face up, each pile further in one "
                  "more face-down card at the bottom, up to four in the middle two; two free cells holding "
                  "a card each; four foundations. There is no stock.",
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 214,
        .name = "Double Yukon",
        .playTime = 3,
        .packs = 2,
        .columns = {{0, 6}, {1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}, {7, 6}, {8, 6}, {8, 6}},
        .build = kAlternateDown,
        .intro = "Yukon with two packs on ten piles.",
        .layout = "Ten tableau piles: the first holds six face-up cards, the others one to eight "
                  "face-down cards under six face-up ones; eight foundations. There is no stock.",
        .buildRule = "Build the tableau down in alternating colours.",
    }));
    games.push_back(yukonGame({
        .id = 207,
        .name = "Double Russian Solitaire",
        .skill = 3,
        .playTime = 3,
        .packs = 2,
        .columns = {{0, 6}, {1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}, {7, 6}, {8, 6}, {8, 6}},
        .build = kSuitDown,
        .intro = "Russian Solitaire with two packs on ten piles.",
        .layout = "Ten tableau piles: the first holds six face-up cards, the others one to eight "
                  "face-down cards under six face-up ones; eight foundations. There is no stock.",
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 745,
        .name = "Triple Yukon",
        .playTime = 4,
        .packs = 3,
        .columns = stairs(13, 6),
        .build = kAlternateDown,
        .intro = "Yukon with three packs on thirteen piles.",
        .layout = kTripleLayout,
        .buildRule = "Build the tableau down in alternating colours.",
    }));
    games.push_back(yukonGame({
        .id = 743,
        .name = "Triple Russian Solitaire",
        .skill = 3,
        .playTime = 4,
        .packs = 3,
        .columns = stairs(13, 6),
        .build = kSuitDown,
        .intro = "Russian Solitaire with three packs on thirteen piles.",
        .layout = kTripleLayout,
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 518,
        .name = "Panopticon",
        .columns = {{1, 5}, {2, 4}, {3, 3}, {4, 2}, {4, 2}, {3, 3}, {2, 4}, {1, 5}},
        .build = kSuitDown,
        .cells = 4,
        .cellCards = 1,
        .intro = "Russian Solitaire on eight piles of six cards, with four free cells that start full.",
        .layout = "Eight tableau piles of six cards: one face-down card at the bottom of the outer piles, "
                  "one more on each pile further in, up to four in the middle two, the rest face up; four "
                  "free cells holding a card each; four foundations. There is no stock.",
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 794,
        .name = "Yukon Kings",
        .build = kAlternateDown,
        .foundations = YukonFoundations::none,
        .intro = "Yukon without foundations: the four suits are finished where they lie.",
        .layout = "Seven tableau piles: the first holds one card, the others one to six face-down cards "
                  "under five face-up ones. There is no stock and there are no foundations.",
        .buildRule = "Build the tableau down in alternating colours.",
    }));
    games.push_back(yukonGame({
        .id = 29,
        .name = "Applegate",
        .extraCategories = {Category::spider},
        .skill = 3,
        .columns = {{0, 7}, {2, 5}, {2, 5}, {2, 5}, {2, 5}, {2, 5}, {2, 5}},
        .build = {Direction::down, Suits::same, true},
        .reserveCards = 1,
        .reserves = 3,
        .foundations = YukonFoundations::none,
        .intro = "Spider's goal with Yukon's moves: four runs from King to Ace, built in suit round the corner.",
        .layout = "Three reserve cards, face up; seven tableau piles of seven cards, the first all face up, "
                  "the others two face-down cards under five face-up ones. There is no stock and there are "
                  "no foundations.",
        .buildRule = "Build the tableau down in suit, the King following the Ace.",
    }));
}

}  // namespace velmora::gamedb
