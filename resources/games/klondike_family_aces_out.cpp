#include "klondike_family_aces_out.h"

namespace velmora::gamedb {

using namespace velmora::rules;

void addRowsSendingAcesOut(RecordBuilder& b, int stock, std::span<const int> tableau,
                           std::span<const int> foundations, int rows)
{
    const int aceOnTop = addRule(b, !empty(first) && rank(top(first)) == 1);
    const int noCards = addRule(b, empty(first));
    for (int row = 0; row < rows; ++row) {
        const int deal = b.addKey(TriggerType::afterDeal);
        for (int column : tableau) {
            b.addAction(deal, setCardsAction(stock, Range::fromTop, 0, 1, kCardFaceUp, 1));
            b.addAction(deal, moveCardsAction(stock, Range::fromTop, 0, 1, column));
        }
        // Only the card just dealt can be an Ace: any card under it was on
        // top after the row before and went out then if it was one. There
        // are as many foundations as Aces, so one of these keys always
        // takes it, the leftmost empty foundation first.
        for (int column : tableau)
            for (int foundation : foundations) {
                const int key = b.addKey(TriggerType::afterDeal);
                b.addCondition(key, aceOnTop, column);
                b.addCondition(key, noCards, foundation);
                b.addAction(key, moveCardsAction(column, Range::fromTop, 0, 1, foundation));
            }
    }
}

}  // namespace velmora::gamedb
