// Forty Thieves games of eight columns: Diplomat and its kin, built down
// regardless of suit or in suit, some with face-down cards, and the Congress
// games whose single-card columns are refilled from the waste; each a row
// for fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

namespace {

constexpr const char* kEightOfFour = "Eight columns of four cards each, all face up; the stock, the waste and eight "
                                     "foundations.";
constexpr const char* kEightSingleCards =
    "Eight columns of one card each, face up; the stock, the waste and eight foundations.";

}  // namespace

VELMORA_GAME_FAMILY(forty_thieves_diplomat)
{
    games.push_back(fortyThievesGame({
        .id = 183,
        .name = "Diplomat",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves on eight columns built down regardless of suit.",
        .layout = kEightOfFour,
        .columns = 8,
        .build = kAnySuitDown,
    }));
    games.push_back(fortyThievesGame({
        .id = 388,
        .name = "Lady Palk",
        .skill = 2,
        .playTime = 3,
        .intro = "Diplomat in which a group built down may be moved as a unit.",
        .layout = kEightOfFour,
        .columns = 8,
        .build = kAnySuitDown,
        .groups = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 600,
        .name = "Rows of Four",
        .skill = 2,
        .playTime = 3,
        .intro = "Diplomat with two more passes through the stock.",
        .layout = kEightOfFour,
        .columns = 8,
        .build = kAnySuitDown,
        .redeals = 2,
    }));
    games.push_back(fortyThievesGame({
        .id = 448,
        .name = "McClellan",
        .skill = 2,
        .playTime = 3,
        .intro = "Forty Thieves on eight columns whose cards lie face down but for the top one, with groups "
                 "built in suit moving as a unit.",
        .layout = "Eight columns of four cards each, three face down under one face up; the stock, the waste "
                  "and eight foundations.",
        .columns = 8,
        .faceUp = topCardUp,
        .groups = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 412,
        .name = "Little Napoleon",
        .skill = 2,
        .playTime = 3,
        .intro = "McClellan built down regardless of suit, where only a group of one suit moves as a unit.",
        .layout = "Eight columns of four cards each, three face down under one face up; the stock, the waste "
                  "and eight foundations.",
        .columns = 8,
        .faceUp = topCardUp,
        .build = kAnySuitDown,
        .groups = true,
        .groupBuild = kSuitDown,
    }));
    games.push_back(fortyThievesGame({
        .id = 151,
        .name = "Congress",
        .skill = 2,
        .playTime = 2,
        .intro = "Eight single cards built down regardless of suit, each emptied column taking the next card "
                 "of the waste at once. Also called President's Cabinet.",
        .layout = kEightSingleCards,
        .columns = 8,
        .cardsPerColumn = 1,
        .build = kAnySuitDown,
        .spaceFill = SpaceFill::fromWaste,
    }));
    games.push_back(fortyThievesGame({
        .id = 522,
        .name = "Parliament",
        .skill = 2,
        .playTime = 2,
        .intro = "Congress with the Aces laid out on the foundations before the deal.",
        .layout = "Eight columns of one card each, face up; the stock, the waste and eight foundations, which "
                  "hold the eight Aces.",
        .columns = 8,
        .cardsPerColumn = 1,
        .build = kAnySuitDown,
        .spaceFill = SpaceFill::fromWaste,
        .acesDealt = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 754,
        .name = "Twin Queens",
        .skill = 3,
        .playTime = 3,
        .intro = "Congress built down in suit, on foundations that start from the Kings and end with the "
                 "Queens, with one more pass through the stock.",
        .layout = kEightSingleCards,
        .columns = 8,
        .cardsPerColumn = 1,
        .spaceFill = SpaceFill::fromWaste,
        .redeals = 1,
        .foundationBase = 13,
    }));
    games.push_back(fortyThievesGame({
        .id = 785,
        .name = "Wheatsheaf",
        .skill = 2,
        .playTime = 2,
        .intro = "Congress built up or down in suit, where each suit has a foundation going up from the Ace and "
                 "one going down from the King.",
        .layout = kEightSingleCards,
        .columns = 8,
        .cardsPerColumn = 1,
        .build = Build{Direction::either, Suits::same},
        .spaceFill = SpaceFill::fromWaste,
        .upAndDownFoundations = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 181,
        .name = "Dieppe",
        .skill = 2,
        .playTime = 3,
        .intro = "Lady Palk on columns of three cards, dealt so that every card the foundations can take goes "
                 "there at once.",
        .layout = "Eight columns of three cards each, all face up, dealt one row at a time from the stock after "
                  "the waste's first card; the stock, the waste and eight foundations.",
        .columns = 8,
        .build = kAnySuitDown,
        .groups = true,
        .rowsDealtPastFoundations = 3,
    }));
}

}  // namespace velmora::gamedb
