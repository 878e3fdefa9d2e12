// Captive Queens (Quadrille): the Queens sit in the centre while Fives build
// down to the Kings and Sixes build up to the Jacks around them, from a stock
// turned one card at a time with two redeals.
//
// The Queens have a deal class of their own, so the deal lays them on their
// four centre places and everything else in the stock.
#include <array>

#include "game_parts.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

using namespace velmora::rules;

// Piles: the stock, the waste, then four each of Queens, Fives and Sixes.
constexpr int kStock = 0;
constexpr int kWaste = 1;
constexpr int kSuits = 4;
constexpr int kQueen = 12;

void addCards(RecordBuilder& b)
{
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank)
            b.addCard(suit, rank, rank == kQueen ? 1 : 0);
}

// A foundation of its base rank that ends with `last`: nothing goes on it then.
Condition foundationTo(int baseRank, Direction direction, bool kingOnAce, int last)
{
    return acceptsOnFoundation(baseRank, direction, kingOnAce) && (empty(second) || rank(top(second)) != last);
}

}  // namespace

VELMORA_GAME_FAMILY(captive_queens)
{
    RecordBuilder b(486, "Captive Queens");
    b.category(Category::other).skill(1).playTime(1).largeCards(true);
    b.description(
        "Also known as Quadrille. The Queens are held in the centre while the other cards gather around them "
        "on eight foundations.\n"
        "<b>Object</b>\nBuild all eight foundations, so that the Kings and Jacks end beside their Queens.\n"
        "<b>Layout</b>\nThe four Queens in the centre; above them four places for Fives, below them four "
        "places for Sixes; the stock of the other 48 cards and the waste.\n"
        "<b>Rules</b>\nA Five starts a foundation of the upper row and builds down in suit: 5 4 3 2 A K. A "
        "Six starts one of the lower row and builds up in suit: 6 7 8 9 10 J. Fives and Sixes start their "
        "foundations as they turn up, in any order. The Queens take no cards.\n"
        "Tap the stock to turn its top card onto the waste; the waste's top card may be played to a "
        "foundation. Tap the empty stock to turn the waste over and go through it again; this may be done "
        "twice.");
    addCards(b);
    const CommonPrograms common = addCommonPrograms(b);
    const int fiveAccept = addRule(b, foundationTo(5, Direction::down, true, 13));
    const int sixAccept = addRule(b, foundationTo(6, Direction::up, false, 11));

    b.addPile(makePile({.x = 14, .y = 14, .faceUp = false, .dealCount = 52 - kSuits}));
    b.addPile(makePile({.x = 14, .y = 42, .style = kStyleHiddenWhenEmpty, .pickUp = common.topCardOnly}));
    for (int k = 0; k < kSuits; ++k)
        b.addPile(makePile({.x = 60 + 24 * k, .y = 42, .dealCount = 1, .dealClass = 1}));
    for (int k = 0; k < kSuits; ++k)
        b.addPile(makePile({.x = 60 + 24 * k, .y = 14, .style = kStyleBaseCard, .accept = fiveAccept,
                            .baseRank = 5}));
    for (int k = 0; k < kSuits; ++k)
        b.addPile(makePile({.x = 60 + 24 * k, .y = 70, .style = kStyleBaseCard, .accept = sixAccept,
                            .baseRank = 6}));
    b.permit(kWaste, kAnyPile);

    b.pile(kStock).tapKey = static_cast<std::uint16_t>(addDealToWaste(b, kStock, kWaste, 1));
    b.pile(kStock).emptyTapKey = static_cast<std::uint16_t>(addRedeal(b, common, kStock, kWaste, 2));
    addWinWhenEmpty(b, common, std::array{kStock, kWaste});
    games.push_back(b.build());
}

}  // namespace velmora::gamedb
