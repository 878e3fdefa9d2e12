// Forty Thieves games whose foundations each start with a card of their own
// and go round the corner from it, some up and some down; each a row for
// fortyThievesGame.
#include "forty_thieves_family.h"
#include "game_registry.h"

namespace velmora::gamedb {

namespace {

constexpr int kSpades = 1, kClubs = 2, kDiamonds = 3, kHearts = 4;

}  // namespace

VELMORA_GAME_FAMILY(forty_thieves_started)
{
    // The first pack's Queen of Hearts stays in the stock: the foundation
    // going up from the King of Hearts needs it last.
    games.push_back(fortyThievesGame({
        .id = 125,
        .name = "Catherine the Great",
        .skill = 2,
        .playTime = 3,
        .category = Category::other,
        .intro = "Ten single cards built up regardless of suit round the corner, and foundations that start "
                 "from seven Queens going down and the King of Hearts going up.",
        .layout = "Ten piles of one face-up card each; the stock, the waste and eight foundations, which hold "
                  "both Queens of Spades, of Clubs and of Diamonds, one Queen of Hearts and one King of Hearts.",
        .columns = 10,
        .cardsPerColumn = 1,
        .faceUp = allCardsUp,
        .build = Build{Direction::up, Suits::any, true},
        .groups = false,
        .onEmpty = EmptyTakes::nothing,
        .spaceFill = SpaceFill::fromWaste,
        .startedFoundations = {{12, Direction::down, kSpades},
                               {12, Direction::down, kSpades},
                               {12, Direction::down, kClubs},
                               {12, Direction::down, kClubs},
                               {12, Direction::down, kDiamonds},
                               {12, Direction::down, kDiamonds},
                               {12, Direction::down, kHearts, 1},
                               {13, Direction::up, kHearts, 0}},
    }));
    games.push_back(fortyThievesGame({
        .id = 152,
        .name = "Contradance",
        .skill = 1,
        .playTime = 2,
        .category = Category::other,
        .intro = "A patience without a tableau: the stock, gone through twice, builds foundations down from the "
                 "Fives and up from the Sixes. Also called Cotillion.",
        .layout = "The stock, the waste and sixteen foundations, which hold the eight Fives and the eight Sixes.",
        .columns = 0,
        .cardsPerColumn = 0,
        .redeals = 1,
        .startedFoundations = {{5, Direction::down, 0, -1, 6}, {5, Direction::down, 0, -1, 6},
                               {5, Direction::down, 0, -1, 6}, {5, Direction::down, 0, -1, 6},
                               {5, Direction::down, 0, -1, 6}, {5, Direction::down, 0, -1, 6},
                               {5, Direction::down, 0, -1, 6}, {5, Direction::down, 0, -1, 6},
                               {6, Direction::up, 0, -1, 7},   {6, Direction::up, 0, -1, 7},
                               {6, Direction::up, 0, -1, 7},   {6, Direction::up, 0, -1, 7},
                               {6, Direction::up, 0, -1, 7},   {6, Direction::up, 0, -1, 7},
                               {6, Direction::up, 0, -1, 7},   {6, Direction::up, 0, -1, 7}},
    }));
}

}  // namespace velmora::gamedb
