// Klondike-family games dealt from packs with a suit or two taken out, and
// so with fewer foundations; each a row of rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {
namespace {

constexpr int kSpades = 1, kClubs = 2, kHearts = 4;

}  // namespace

VELMORA_GAME_FAMILY(klondike_stripped)
{
    games.push_back(klondikeGame({
        .id = 325,
        .name = "Half Klondike",
        .skill = 1,
        .playTime = 1,
        .intro = "A small Klondike of four piles, played with the Spades and Hearts alone.",
        .layout = "Four tableau piles of one to four cards, the top card of each face up; the stock, the "
                  "waste and two foundations, for the Spades and the Hearts.",
        .columns = 4,
        .build = kAlternateDown,
        .groupBuild = kAlternateDown,
        .packSuits = {kSpades, kHearts},
    }));
    games.push_back(klondikeGame({
        .id = 378,
        .name = "Chinese Klondike",
        .skill = 2,
        .playTime = 4,
        .intro = "Three packs of three suits, Spades, Clubs and Hearts, in twelve piles built on any "
                 "other suit.",
        .layout = "Twelve tableau piles of one to twelve cards, the top card of each face up; the stock, "
                  "the waste and nine foundations, three for each suit.",
        .packs = 3,
        .columns = 12,
        .build = kOtherSuitDown,
        .groupBuild = kOtherSuitDown,
        .packSuits = {kSpades, kClubs, kHearts},
    }));
}

}  // namespace velmora::gamedb
