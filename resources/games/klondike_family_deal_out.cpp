#include "klondike_family_deal_out.h"

namespace velmora::gamedb {

using namespace velmora::rules;

namespace {

// Whether the top card of the first sequence (the stock, its top turned up)
// goes on the second (a foundation up in suit from the Ace).
Condition turnedTopGoesOn()
{
    const Element card = top(first), onto = top(second);
    const Condition onPile = suit(card) == suit(onto) && rank(card) == rank(onto) + 1;
    return !empty(first) && faceUp(card) && ifThenElse(empty(second), rank(card) == 1, onPile);
}

}  // namespace

// Each step turns the stock's top card up; a card that goes out leaves a
// face-down card on top, so nothing else moves in that step. The cards kept
// for the columns gather on a hidden pile, the first at the bottom, and are
// then laid out a row at a time.
void addRowsDealtPastFoundations(RecordBuilder& b, int stock, std::span<const int> tableau,
                                 std::span<const int> foundations, int rows)
{
    const int columns = static_cast<int>(tableau.size());
    const int cards = rows * columns;
    const int gathered = b.addPile(makePile({.interactive = false}));
    const int unfilled = addRule(b, count(first) < cards);
    const int goesOn = addRule(b, turnedTopGoesOn());
    const int topUp = addRule(b, !empty(first) && faceUp(top(first)));
    for (int step = 0; step < cards + kCardsDealtOut; ++step) {
        const int turn = b.addKey(TriggerType::afterDeal);
        b.addCondition(turn, unfilled, gathered);
        b.addAction(turn, setCardsAction(stock, Range::fromTop, 0, 1, kCardFaceUp, 1));
        for (int foundation : foundations) {
            const int out = b.addKey(TriggerType::afterDeal);
            b.addCondition(out, goesOn, stock, foundation);
            b.addAction(out, moveCardsAction(stock, Range::fromTop, 0, 1, foundation));
        }
        const int keep = b.addKey(TriggerType::afterDeal);
        b.addCondition(keep, topUp, stock);
        b.addCondition(keep, unfilled, gathered);
        b.addAction(keep, moveCardsAction(stock, Range::fromTop, 0, 1, gathered));
    }
    const int lay = b.addKey(TriggerType::afterDeal);
    for (int k = 0; k < cards; ++k) {
        const int column = tableau[static_cast<std::size_t>(k % columns)];
        b.addAction(lay, moveCardsAction(gathered, Range::fromBottom, 0, 1, column));
    }
}

}  // namespace velmora::gamedb
