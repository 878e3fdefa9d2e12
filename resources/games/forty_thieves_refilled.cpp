// Forty Thieves games whose Aces start on the foundations and whose
// emptied columns take the waste's next card at once; each a row for
// fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

VELMORA_GAME_FAMILY(forty_thieves_refilled)
{
    games.push_back(fortyThievesGame({
        .id = 272,
        .name = "Fortune's Favor",
        .skill = 1,
        .playTime = 1,
        .intro = "A one-pack game of twelve single cards built down in suit, each emptied column taking the "
                 "waste's next card at once.",
        .layout = "Twelve columns of one card each, face up; the stock, the waste and four foundations, which "
                  "hold the four Aces.",
        .packs = 1,
        .columns = 12,
        .cardsPerColumn = 1,
        .spaceFill = SpaceFill::fromWaste,
        .acesDealt = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 546,
        .name = "Preference",
        .skill = 1,
        .playTime = 1,
        .intro = "Fortune's Favor with eight columns instead of twelve.",
        .layout = "Eight columns of one card each, face up; the stock, the waste and four foundations, which "
                  "hold the four Aces.",
        .packs = 1,
        .columns = 8,
        .cardsPerColumn = 1,
        .spaceFill = SpaceFill::fromWaste,
        .acesDealt = true,
    }));
    games.push_back(fortyThievesGame({
        .id = 504,
        .name = "Octagon",
        .skill = 2,
        .playTime = 2,
        .intro = "Two packs on only four columns built down in suit, each emptied column taking the waste's "
                 "next card at once, with three more passes through the stock.",
        .layout = "Four columns of five cards each, all face up; the stock, the waste and eight foundations, "
                  "which hold the eight Aces.",
        .columns = 4,
        .cardsPerColumn = 5,
        .spaceFill = SpaceFill::fromWaste,
        .redeals = 3,
        .acesDealt = true,
    }));
}

}  // namespace velmora::gamedb
