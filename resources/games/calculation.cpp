// Calculation: four foundations built regardless of suit by ones, twos,
// threes and fours, from a stock turned one card at a time onto four waste
// piles.
//
// The turned card is the stock's face-up top card: it must be played, to a
// foundation or a waste pile, before the next one shows. Move permissions
// keep cards from going from one waste pile to another.
#include <array>

#include "game_parts.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

using namespace velmora::rules;

constexpr int kStock = 0;
constexpr int kFoundation = 1;
constexpr int kWaste = 5;
constexpr int kPiles = 4;  // foundations, and waste piles
constexpr int kStockCards = 52 - kPiles;

// The foundation starting with rank `step` takes, in any suit, the rank
// `step` above its top card, counted round from King to Ace; it ends with
// its King.
Condition buildsByStep(int step)
{
    const Value next = rank(top(second)) + step;
    return count(first) == 1 && faceUp(top(first)) && faceUp(top(second)) && rank(top(second)) != 13 &&
           rank(top(first)) == ifThenElse(next > 13, next - 13, next);
}

// The four base cards (an Ace, a Two, a Three and a Four) get deal classes 1
// to 4, so that the deal puts each on its own foundation.
void addCards(RecordBuilder& b)
{
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank)
            b.addCard(suit, rank, suit == rank ? suit : 0);
}

}  // namespace

VELMORA_GAME_FAMILY(calculation)
{
    RecordBuilder b(488, "Calculation");
    b.category(Category::other).skill(3).playTime(2).largeCards(true);
    b.description(
        "A game of planning: every card must find its place in four interleaved counting sequences.\n"
        "<b>Object</b>\nBuild all four foundations up to their Kings.\n"
        "<b>Layout</b>\nAn Ace, a Two, a Three and a Four start the four foundations; below them are four "
        "waste piles, and the stock shows its top card.\n"
        "<b>Rules</b>\nSuits do not matter. The foundations build up by one, two, three and four, going on "
        "past the King by counting from the Ace (Jack 11, Queen 12, King 13):\n"
        "A 2 3 4 5 6 7 8 9 10 J Q K\n2 4 6 8 10 Q A 3 5 7 9 J K\n3 6 9 Q 2 5 8 J A 4 7 10 K\n"
        "4 8 Q 3 7 J 2 6 10 A 5 9 K\n"
        "The stock's top card must be played, to a foundation or onto any waste pile, before the next card is "
        "turned. The top card of a waste pile may only go to a foundation.\n"
        "The stock is gone through once.");
    addCards(b);
    const CommonPrograms common = addCommonPrograms(b);

    b.addPile(makePile({.x = 146, .y = 14, .faceUp = false, .dealCount = kStockCards,
                        .pickUp = common.topCardOnly, .accept = common.never}));
    for (int k = 0; k < kPiles; ++k)
        b.addPile(makePile({.x = 14 + 22 * k, .y = 14, .dealCount = 1, .dealClass = k + 1,
                            .pickUp = common.never, .accept = addRule(b, buildsByStep(k + 1))}));
    // Read as an accept rule, "top card only" takes any single face-up card.
    const int anyCard = common.topCardOnly;
    for (int k = 0; k < kPiles; ++k)
        b.addPile(makePile({.x = 14 + 22 * k, .y = 42, .spread = Spread::down, .pickUp = common.topCardOnly,
                            .accept = anyCard, .fanLimit = 110}));
    b.addFaceToggle(kStock, kStockCards - 1);

    for (int f = kFoundation; f < kFoundation + kPiles; ++f) {
        b.permit(kStock, f);
        for (int w = kWaste; w < kWaste + kPiles; ++w)
            b.permit(w, f);
    }
    for (int w = kWaste; w < kWaste + kPiles; ++w)
        b.permit(kStock, w);

    addTurnUpKeys(b, common, std::array{kStock});
    std::array<int, kPiles> foundations{};
    for (int k = 0; k < kPiles; ++k)
        foundations[static_cast<std::size_t>(k)] = kFoundation + k;
    addWinWhenFull(b, foundations, 13);
    games.push_back(b.build());
}

}  // namespace velmora::gamedb
