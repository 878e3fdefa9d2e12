// The Yukon games with a stock: turned onto a waste, as in Australian
// Patience, or dealt a card to every pile, as in Kiev and Queenie.
#include "game_registry.h"
#include "yukon_family.h"

namespace velmora::gamedb {
namespace {

const Build kAlternateDown{Direction::down, Suits::alternate};
const Build kSuitDown{Direction::down, Suits::same};

std::vector<ColumnDeal> faceUpPiles(int piles, int cards) { return std::vector<ColumnDeal>(piles, {0, cards}); }

// Pile k (from 0) holds k face-down cards under one face-up card.
std::vector<ColumnDeal> klondikeDeal()
{
    std::vector<ColumnDeal> deal;
    for (int k = 0; k < 7; ++k)
        deal.push_back({k, 1});
    return deal;
}

constexpr const char* kAustralianLayout =
    "Seven tableau piles of four face-up cards; the stock, the waste with the stock's first turn on it, and four foundations.";

}  // namespace

VELMORA_GAME_FAMILY(yukon_stock)
{
    games.push_back(yukonGame({
        .id = 40,
        .name = "Australian Patience",
        .columns = faceUpPiles(7, 4),
        .build = kSuitDown,
        .stock = YukonStock::toWaste,
        .intro = "Russian Solitaire with an open deal and a stock turned one card at a time.",
        .layout = kAustralianLayout,
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 571,
        .name = "Raw Prawn",
        .skill = 1,
        .columns = faceUpPiles(7, 4),
        .build = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .stock = YukonStock::toWaste,
        .intro = "Australian Patience in which any card may fill a space.",
        .layout = kAustralianLayout,
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 702,
        .name = "Tasmanian Patience",
        .columns = faceUpPiles(7, 4),
        .build = kSuitDown,
        .stock = YukonStock::toWaste,
        .stockDeal = 3,
        .redeals = -1,
        .intro = "Australian Patience with the stock turned three at a time, as often as you like.",
        .layout = kAustralianLayout,
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 105,
        .name = "Canberra",
        .columns = faceUpPiles(7, 4),
        .build = kSuitDown,
        .stock = YukonStock::toWaste,
        .redeals = 1,
        .intro = "Australian Patience with a second pass through the stock.",
        .layout = kAustralianLayout,
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 516,
        .name = "Outback Patience",
        .playTime = 3,
        .packs = 2,
        .columns = faceUpPiles(8, 7),
        .build = kSuitDown,
        .stock = YukonStock::toWaste,
        .intro = "Australian Patience with two packs on eight piles.",
        .layout = "Eight tableau piles of seven face-up cards; the stock, the waste with the stock's first "
                  "turn on it, and eight foundations.",
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 73,
        .name = "Bim Bom",
        .playTime = 3,
        .packs = 2,
        .columns = faceUpPiles(8, 5),
        .build = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .stock = YukonStock::toWaste,
        .intro = "A two-pack Australian Patience on eight piles, in which any card may fill a space.",
        .layout = "Eight tableau piles of five face-up cards; the stock, the waste with the stock's first "
                  "turn on it, and eight foundations.",
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 365,
        .name = "Kiev",
        .columns = std::vector<ColumnDeal>(7, {3, 1}),
        .build = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .stock = YukonStock::rows,
        .foundations = YukonFoundations::byRun,
        .intro = "Russian Spider with a stock dealt across the piles.",
        .layout = "Seven tableau piles of three face-down cards under a face-up one; the stock and four "
                  "foundations.",
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 185,
        .name = "Dnieper",
        .columns = std::vector<ColumnDeal>(7, {3, 1}),
        .build = {Direction::down, Suits::same, true},
        .onEmpty = EmptyTakes::anything,
        .stock = YukonStock::rows,
        .foundations = YukonFoundations::byRun,
        .intro = "Kiev in which the ranks turn the corner: a King may go on an Ace.",
        .layout = "Seven tableau piles of three face-down cards under a face-up one; the stock and four "
                  "foundations.",
        .buildRule = "Build the tableau down in suit, the King following the Ace.",
    }));
    games.push_back(yukonGame({
        .id = 630,
        .name = "Sevastopol",
        .columns = {{2, 1}, {3, 1}, {2, 1}, {3, 1}, {2, 1}, {3, 1}, {2, 1}},
        .build = kSuitDown,
        .onEmpty = EmptyTakes::anything,
        .stock = YukonStock::rows,
        .foundations = YukonFoundations::byRun,
        .intro = "Kiev from a smaller deal, with more cards left in the stock.",
        .layout = "Seven tableau piles of two or three face-down cards under a face-up one; the stock and "
                  "four foundations.",
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 135,
        .name = "Chinese Discipline",
        .columns = {{0, 7}, {0, 7}, {0, 7}, {3, 4}, {4, 3}, {5, 2}, {6, 1}},
        .build = kAlternateDown,
        .stock = YukonStock::rows,
        .intro = "Yukon dealt almost whole, with three cards left for a last deal.",
        .layout = "Seven tableau piles of seven cards: the first three all face up, the others three to "
                  "six face-down cards under the rest; the stock of three cards and four foundations.",
        .buildRule = "Build the tableau down in alternating colours.",
    }));
    games.push_back(yukonGame({
        .id = 136,
        .name = "Chinese Solitaire",
        .columns = {{0, 7}, {0, 7}, {0, 7}, {3, 4}, {4, 3}, {5, 2}, {6, 1}},
        .build = kAlternateDown,
        .onEmpty = EmptyTakes::anything,
        .stock = YukonStock::rows,
        .intro = "Chinese Discipline in which any card may fill a space.",
        .layout = "Seven tableau piles of seven cards: the first three all face up, the others three to "
                  "six face-down cards under the rest; the stock of three cards and four foundations.",
        .buildRule = "Build the tableau down in alternating colours.",
    }));
    games.push_back(yukonGame({
        .id = 564,
        .name = "Queenie",
        .columns = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 6}, {0, 7}},
        .build = kAlternateDown,
        .stock = YukonStock::rows,
        .intro = "Yukon from an open Klondike deal, with the rest of the pack dealt across the piles.",
        .layout = "Seven tableau piles of one to seven face-up cards; the stock and four foundations.",
        .buildRule = "Build the tableau down in alternating colours.",
    }));
    games.push_back(yukonGame({
        .id = 607,
        .name = "Rushdike",
        .columns = klondikeDeal(),
        .build = kSuitDown,
        .stock = YukonStock::rows,
        .intro = "Russian Solitaire from a Klondike deal, with the rest of the pack dealt across the piles.",
        .layout = "Seven tableau piles of none to six face-down cards under a face-up one; the stock and "
                  "four foundations.",
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 610,
        .name = "Russian Point",
        .columns = {{0, 1}, {2, 1}, {4, 1}, {6, 1}, {4, 1}, {2, 1}, {0, 1}},
        .build = kSuitDown,
        .stock = YukonStock::rows,
        .intro = "Rushdike with its piles rising to a point in the middle.",
        .layout = "Seven tableau piles of one, three, five, seven, five, three and one cards, only the top "
                  "card of each face up; the stock and four foundations.",
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 4,
        .name = "Ace of Hearts",
        .columns = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 6}, {0, 7}},
        .build = kSuitDown,
        .stock = YukonStock::rows,
        .foundations = YukonFoundations::oneFromAceOfHearts,
        .intro = "Russian Solitaire from an open Klondike deal, played to one foundation for the whole pack.",
        .layout = "Seven tableau piles of one to seven face-up cards; the stock and a single foundation.",
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 2,
        .name = "Abacus",
        .columns = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 6}, {0, 7}},
        .onEmpty = EmptyTakes::anything,
        .stock = YukonStock::rows,
        .suitSteps = true,
        .intro = "Yukon counted like Calculation: every suit steps by its own number, on the foundations "
                 "and in the tableau.",
        .layout = "Seven tableau piles of one to seven face-up cards; the stock, and four foundations "
                  "holding the Ace of clubs, the Two of spades, the Three of hearts and the Four of diamonds.",
        .buildRule = "Build the tableau down in suit by the suit's step, the other way round the "
                     "foundations' sequences: clubs by one, spades by two, hearts by three, diamonds by four, "
                     "counting on from the Ace to the King: a Four of spades on a Six of spades, a Queen of "
                     "hearts on a Two of hearts.",
    }));
    games.push_back(yukonGame({
        .id = 750,
        .name = "Tvete's Grandfather",
        .columns = {{0, 1}, {2, 5}, {4, 5}, {6, 5}, {5, 5}, {3, 5}, {1, 5}},
        .build = kSuitDown,
        .stock = YukonStock::redeal,
        .redeals = 2,
        .dealRounds = {{1, 7, false}, {1, 6, false}, {2, 6, false}, {2, 5, false}, {3, 5, false}, {3, 4, false},
                       {0, 7, true}, {1, 7, true}, {1, 7, true}, {1, 7, true}, {1, 7, true}},
        .intro = "Russian Solitaire with the face-down cards heaped in the middle and two chances to "
                 "shuffle the tableau and deal it again.",
        .layout = "Seven tableau piles: the first holds one card, the others five face-up cards over two, "
                  "four, six, five, three and one face-down cards; an empty stock and four foundations.",
        .buildRule = "Build the tableau down in suit.",
    }));
}

}  // namespace velmora::gamedb
