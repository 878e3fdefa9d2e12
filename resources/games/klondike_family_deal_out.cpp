#include "klondike_family_deal_out.h"

namespace velmora::gamedb {

using namespace velmora::rules;

namespace {

// Whether the top card of the first sequence (the stock, its top turned up)
// goes on the second (a foundation up in suit from the Ace); with acesOnly
// only an Ace on an empty foundation does.
Condition turnedTopGoesOn(bool acesOnly)
{
    const Element card = top(first), onto = top(second);
    if (acesOnly)
        return !empty(first) && faceUp(card) && rank(card) == 1 && empty(second);
    const Condition onPile = suit(card) == suit(onto) && rank(card) == rank(onto) + 1;
    return !empty(first) && faceUp(card) && ifThenElse(empty(second), rank(card) == 1, onPile);
}

}  // namespace

// Each step turns the stock's top card up; a card that goes out leaves a
// face-down card on top, so nothing else moves in that step. The cards kept
// for the columns gather on a hidden pile, the first at the bottom, and are
// then laid out a row at a time.
int addRowsDealtPastFoundations(RecordBuilder& b, int stock, std::span<const int> tableau,
                                 std::span<const int> foundations, int rows, bool acesOnly)
{
    const int columns = static_cast<int>(tableau.size());
    const int cards = rows * columns;
    const int gathered = b.addPile(makePile({.interactive = false}));
    const int unfilled = addRule(b, count(first) < cards);
    const int goesOn = addRule(b, turnedTopGoesOn(acesOnly));
    const int topUp = addRule(b, !empty(first) && faceUp(top(first)));
    // Only Aces going out, at most one per foundation can.
    const int outAtMost = acesOnly ? static_cast<int>(foundations.size()) : kCardsDealtOut;
    for (int step = 0; step < cards + outAtMost; ++step) {
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
    return gathered;
}

// A tap turns the stock's top card up, which marks a deal under way. The
// repeated keys then send a turned-up Ace out and turn up the next card, or
// gather the card for the row and turn up the next while the row lacks more
// than one; a full row, or the stock's last cards, are laid out in order.
int addTapRowPastAces(RecordBuilder& b, const CommonPrograms& common, int stock, int gathered,
                      std::span<const int> tableau, std::span<const int> foundations)
{
    const int columns = static_cast<int>(tableau.size());
    const int tap = b.addKey(TriggerType::never);
    b.addCondition(tap, common.topFaceDown, stock);
    b.addAction(tap, setCardsAction(stock, Range::fromTop, 0, 1, kCardFaceUp, 1));
    const int goesOut = addRule(b, turnedTopGoesOn(true));
    for (int foundation : foundations) {
        const int out = b.addKey(TriggerType::afterEveryStepRepeated);
        b.addCondition(out, goesOut, stock, foundation);
        b.addAction(out, moveCardsAction(stock, Range::fromTop, 0, 1, foundation));
        b.addAction(out, setCardsAction(stock, Range::fromTop, 0, 1, kCardFaceUp, 1));
    }
    const int topUp = addRule(b, !empty(first) && faceUp(top(first)));
    const int keep = b.addKey(TriggerType::afterEveryStepRepeated);
    b.addCondition(keep, topUp, stock);
    b.addCondition(keep, addRule(b, count(first) < columns - 1), gathered);
    b.addAction(keep, moveCardsAction(stock, Range::fromTop, 0, 1, gathered));
    b.addAction(keep, setCardsAction(stock, Range::fromTop, 0, 1, kCardFaceUp, 1));
    const int keepLast = b.addKey(TriggerType::afterEveryStepRepeated);
    b.addCondition(keepLast, topUp, stock);
    b.addCondition(keepLast, addRule(b, count(first) == columns - 1), gathered);
    b.addAction(keepLast, moveCardsAction(stock, Range::fromTop, 0, 1, gathered));
    const int lay = b.addKey(TriggerType::afterEveryStepRepeated);
    b.addCondition(lay, addRule(b, count(first) == columns || (!empty(first) && empty(second))), gathered,
                   stock);
    for (int column : tableau)
        b.addAction(lay, moveCardsAction(gathered, Range::fromBottom, 0, 1, column));
    return tap;
}

}  // namespace velmora::gamedb
