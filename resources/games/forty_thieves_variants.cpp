// Forty Thieves games of two packs that differ from it only in the tableau's
// size, its face-down cards, its building rule, the moves of groups or a
// second pass; each a row for fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

constexpr const char* kTenOfFour =
    "Ten columns of four cards each, all face up; the stock, the waste and eight foundations.";

}  // namespace

VELMORA_GAME_FAMILY(forty_thieves_variants)
{
    games.push_back(fortyThievesGame({
        .id = 361,
        .name = "Josephine",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves in which a group built in suit may be moved as a unit.",
        .layout = kTenOfFour,
        .groups = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 685,
        .name = "Streets",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves built down in alternating colours.",
        .layout = kTenOfFour,
        .build = kAlternateDown,
    }));
    games.push_back(fortyThievesGame({
        .id = 247,
        .name = "Famous Fifty",
        .skill = 3,
        .playTime = 3,
        .intro = "Forty Thieves with a fifth card in every column, so that fifty cards start in the tableau.",
        .layout = "Ten columns of five cards each, all face up; the stock, the waste and eight foundations.",
        .cardsPerColumn = 5,
    }));
    games.push_back(fortyThievesGame({
        .id = 274,
        .name = "Forty and Eight",
        .skill = 3,
        .playTime = 3,
        .intro = "Forty Thieves on eight columns, with a second pass through the stock.",
        .layout = "Eight columns of four cards each, all face up; the stock, the waste and eight foundations.",
        .columns = 8,
        .redeals = 1,
    }));
    games.push_back(fortyThievesGame({
        .id = 408,
        .name = "Limited",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves spread over twelve short columns of three cards.",
        .layout = "Twelve columns of three cards each, all face up; the stock, the waste and eight foundations.",
        .columns = 12,
        .cardsPerColumn = 3,
    }));
    games.push_back(fortyThievesGame({
        .id = 775,
        .name = "Waning Moon",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves with thirteen columns of four cards.",
        .layout = "Thirteen columns of four cards each, all face up; the stock, the waste and eight "
                  "foundations.",
        .columns = 13,
    }));
    games.push_back(fortyThievesGame({
        .id = 717,
        .name = "Thirty-Nine Steps",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves with thirteen columns of three cards: thirty-nine cards in the tableau.",
        .layout = "Thirteen columns of three cards each, all face up; the stock, the waste and eight "
                  "foundations.",
        .columns = 13,
        .cardsPerColumn = 3,
    }));
    games.push_back(fortyThievesGame({
        .id = 479,
        .name = "Napoleon's Square",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves on twelve columns, where a group built in suit moves as a unit.",
        .layout = "Twelve columns of four cards each, all face up; the stock, the waste and eight foundations.",
        .columns = 12,
        .groups = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 432,
        .name = "Maria",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves on nine columns built down in alternating colours.",
        .layout = "Nine columns of four cards each, all face up; the stock, the waste and eight foundations.",
        .columns = 9,
        .build = kAlternateDown,
    }));
    games.push_back(fortyThievesGame({
        .id = 596,
        .name = "Roosevelt",
        .skill = 3,
        .playTime = 3,
        .intro = "A narrow Forty Thieves: seven columns built down in alternating colours.",
        .layout = "Seven columns of four cards each, all face up; the stock, the waste and eight foundations.",
        .columns = 7,
        .build = kAlternateDown,
    }));
    games.push_back(fortyThievesGame({
        .id = 501,
        .name = "Number Ten",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves in alternating colours with half the tableau dealt face down, where built "
                 "groups move as a unit.",
        .layout = "Ten columns of four cards each, the lower two face down and the upper two face up; the "
                  "stock, the waste and eight foundations.",
        .faceUp = firstRowsDown<2>,
        .build = kAlternateDown,
        .groups = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 570,
        .name = "Rank and File",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves in alternating colours with only the top card of each column face up, "
                 "where built groups move as a unit.",
        .layout = "Ten columns of four cards each, three face down under one face up; the stock, the waste "
                  "and eight foundations.",
        .faceUp = firstRowsDown<3>,
        .build = kAlternateDown,
        .groups = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 238,
        .name = "Emperor",
        .skill = 3,
        .playTime = 3,
        .intro = "Forty Thieves in alternating colours with only the top card of each column face up, "
                 "played one card at a time.",
        .layout = "Ten columns of four cards each, three face down under one face up; the stock, the waste "
                  "and eight foundations.",
        .faceUp = firstRowsDown<3>,
        .build = kAlternateDown,
    }));
    games.push_back(fortyThievesGame({
        .id = 477,
        .name = "Napoleon's Folly",
        .skill = 3,
        .playTime = 3,
        .intro = "Forty Thieves where a card goes on any suit but its own.",
        .layout = kTenOfFour,
        .build = kOtherSuitDown,
    }));
    games.push_back(fortyThievesGame({
        .id = 347,
        .name = "Indian",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves on short columns with a hidden card at the bottom, built on any suit but the "
                 "card's own.",
        .layout = "Ten columns of three cards each, one face down under two face up; the stock, the waste and "
                  "eight foundations.",
        .cardsPerColumn = 3,
        .faceUp = firstRowsDown<1>,
        .build = kOtherSuitDown,
    }));
    games.push_back(fortyThievesGame({
        .id = 451,
        .name = "Midshipman",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves on nine columns with two hidden cards in each, built on any suit but the "
                 "card's own.",
        .layout = "Nine columns of four cards each, two face down under two face up; the stock, the waste and "
                  "eight foundations.",
        .columns = 9,
        .faceUp = firstRowsDown<2>,
        .build = kOtherSuitDown,
    }));
}

}  // namespace velmora::gamedb
