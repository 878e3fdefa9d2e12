// Golf: the top cards of seven columns are played onto one waste pile, one
// rank up or down regardless of suit, with the stock turned one card at a
// time when no column card fits.
#include <vector>

#include "game_parts.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

using namespace velmora::rules;

constexpr int kStock = 0;
constexpr int kWaste = 1;
constexpr int kColumn = 2;
constexpr int kColumns = 7;
constexpr int kColumnCards = 5;

// One card, one rank above or below the waste's top card; nothing goes on a
// King, and Ace and King do not follow each other.
int addWasteAccept(RecordBuilder& b)
{
    const Element card = top(first), onto = top(second);
    return addRule(b, count(first) == 1 && faceUp(card) && faceUp(onto) && rank(onto) != 13 &&
                          abs(rank(card) - rank(onto)) == 1);
}

}  // namespace

VELMORA_GAME_FAMILY(golf)
{
    RecordBuilder b(487, "Golf");
    b.category(Category::other).skill(2).playTime(1).largeCards(true);
    b.description(
        "Clear seven columns onto a single waste pile, one rank up or down at a time.\n"
        "<b>Object</b>\nMove all 35 column cards onto the waste pile.\n"
        "<b>Layout</b>\nSeven columns of five cards, face up; the stock, and one card from it face up on the "
        "waste.\n"
        "<b>Rules</b>\nThe top card of a column may be played onto the waste when it is one rank higher or "
        "one rank lower than the waste's top card, whatever its suit. Ranks do not turn the corner: only a "
        "Two goes on an Ace, and nothing at all goes on a King.\n"
        "Cards on the waste stay there; the columns take no cards.\n"
        "Tap the stock to turn its top card onto the waste. There is no redeal.\n"
        "The game is won when every column is cleared, even if cards remain in the stock.");
    b.addPacks(1);
    const CommonPrograms common = addCommonPrograms(b);
    const int wasteAccept = addWasteAccept(b);

    b.addPile(makePile({.x = 14, .y = 14, .faceUp = false, .dealCount = 52 - 1 - kColumns * kColumnCards}));
    b.addPile(makePile({.x = 36, .y = 14, .dealCount = 1, .pickUp = common.never, .accept = wasteAccept}));
    for (int k = 0; k < kColumns; ++k)
        b.addPile(makePile({.x = 14 + 22 * k, .y = 42, .spread = Spread::down, .dealCount = kColumnCards,
                            .pickUp = common.topCardOnly, .accept = common.never}));
    b.permit(kAnyPile, kAnyPile);

    b.pile(kStock).tapKey = static_cast<std::uint16_t>(addDealToWaste(b, kStock, kWaste, 1));
    std::vector<int> columns;
    for (int k = 0; k < kColumns; ++k)
        columns.push_back(kColumn + k);
    addWinWhenEmpty(b, common, columns);
    games.push_back(b.build());
}

}  // namespace velmora::gamedb
