// Klondike-family games without a waste whose stock deals a card onto each
// tableau pile at a tap, over an open tableau and foundations that start
// from cards dealt to them; each a row of rules for klondikeGame.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {
namespace {

constexpr const char* kDoubleDotText =
    "Eight open cards built down by twos regardless of suit, onto foundations that climb by twos from the "
    "black Aces and the red Twos.\n"
    "<b>Object</b>\n"
    "Move all 52 cards to the four foundations.\n"
    "<b>Layout</b>\n"
    "Eight tableau piles of one card each, face up; the Aces of spades and clubs and the Twos of diamonds and "
    "hearts on the four foundations; the stock.\n"
    "<b>Rules</b>\n"
    "Build the tableau down by twos regardless of suit, going on round the corner: a Queen goes on an Ace and "
    "a King on a Two. A group built that way may be moved as a unit. Any card or group may fill an empty "
    "pile.\n"
    "Build the foundations up in suit by twos, going on from King to Ace: from an Ace the Three, Five, Seven, "
    "Nine, Jack, King, Two, Four and so on to the Queen; from a Two the Four, Six and so on to the Queen, then "
    "the Ace, Three and so on to the King. The card dealt to a foundation stays there; the others may be "
    "played back to the tableau.\n"
    "Tap the stock to deal one card face up onto each tableau pile. There is no redeal.";

}  // namespace

VELMORA_GAME_FAMILY(klondike_row_stock)
{
    games.push_back(klondikeGame({
        .id = 13,
        .name = "Agnes Sorel",
        .skill = 1,
        .category = Category::other,
        .intro = "Klondike laid out face up and built in the same colour round the corner, on foundations that "
                 "start from a dealt card, with a stock dealt in rows onto the tableau.",
        .layout = "Seven tableau piles of one to seven cards, all face up; one card on the first of four "
                  "foundations; the stock.",
        .faceUp = allCardsUp,
        .build = {Direction::down, Suits::sameColour, true},
        .groupBuild = {Direction::down, Suits::sameColour, true},
        .onEmpty = EmptyTakes::nothing,
        .stock = StockDeal::rowToTableau,
        .redeals = 0,
        .extraCategories = {Category::klondike},
        .baseCardDealt = true,
    }));
    games.push_back(klondikeGame({
        .id = 190,
        .name = "Double Dot",
        .skill = 2,
        .description = kDoubleDotText,
        .columns = 8,
        .extraPerPile = 0,
        .build = {Direction::down, Suits::any, true, 2},
        .groupBuild = {Direction::down, Suits::any, true, 2},
        .onEmpty = EmptyTakes::anything,
        .stock = StockDeal::rowToTableau,
        .redeals = 0,
        .dealtBases = {1, 1, 2, 2},
        .foundationStep = 2,
    }));
}

}  // namespace velmora::gamedb
