#include "yukon_suit_steps.h"

namespace velmora::gamedb {
namespace {

using namespace velmora::rules;

constexpr int kSpades = 1, kClubs = 2, kHearts = 4;

int stepOf(int suit) { return suit == kClubs ? 1 : suit == kSpades ? 2 : suit == kHearts ? 3 : 4; }

Value stepOf(const Element& card)
{
    return ifThenElse(suit(card) == kClubs, 1, ifThenElse(suit(card) == kSpades, 2, ifThenElse(suit(card) == kHearts, 3, 4)));
}

// A rank counted on round the corner, from King to Ace or from Ace to King.
Value wrapped(const Value& value) { return ifThenElse(value > 13, value - 13, ifThenElse(value < 1, value + 13, value)); }

}  // namespace

void addCardsWithSuitStepBases(RecordBuilder& b)
{
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank)
            b.addCard(suit, rank, rank == stepOf(suit) ? 1 : 0);
}

Condition acceptsSuitStepDown(EmptyTakes onEmpty)
{
    const Element card = bottom(first), onto = top(second);
    const Condition onPile = !empty(second) && faceUp(card) && faceUp(onto) && suit(card) == suit(onto) &&
                             rank(card) == wrapped(rank(onto) - stepOf(onto));
    return (empty(second) && acceptsBuilt(Build{}, onEmpty)) || onPile;
}

Condition acceptsSuitStepUp()
{
    const Element card = top(first), onto = top(second);
    return count(first) == 1 && !empty(second) && faceUp(card) && suit(card) == suit(onto) && rank(onto) != 13 &&
           rank(card) == wrapped(rank(onto) + stepOf(onto));
}

}  // namespace velmora::gamedb
