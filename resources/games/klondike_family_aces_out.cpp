#include "klondike_family_aces_out.h"

namespace velmora::gamedb {

using namespace velmora::rules;

void addRowsSendingAcesOut(RecordBuilder& b, int stock, std::span<const int> tableau,
                           std::span<const int> foundations, int rows)
{
    const int aceOnTop = addRule(b, !empty(first) && rank(top(first)) == 1);
    const int gathering = foundations.front();
    for (int row = 0; row < rows; ++row) {
        const int deal = b.addKey(TriggerType::afterDeal);
        for (int column : tableau) {
            b.addAction(deal, setCardsAction(stock, Range::fromTop, 0, 1, kCardFaceUp, 1));
            b.addAction(deal, moveCardsAction(stock, Range::fromTop, 0, 1, column));
        }
        // Only the card just dealt can be an Ace: any card under it was on
        // top after the row before and went out then if it was one.
        for (int column : tableau) {
            const int key = b.addKey(TriggerType::afterDeal);
            b.addCondition(key, aceOnTop, column);
            b.addAction(key, moveCardsAction(column, Range::fromTop, 0, 1, gathering));
        }
    }
    // The Aces wait on the first foundation in the order they came out; all
    // but the first then go one each to the foundations after it, so the
    // foundations fill from the left. A move from a range the pile does not
    // reach changes nothing.
    const int spread = b.addKey(TriggerType::afterDeal);
    for (std::size_t f = 1; f < foundations.size(); ++f)
        b.addAction(spread, moveCardsAction(gathering, Range::fromBottom, 1, 1, foundations[f]));
}

}  // namespace velmora::gamedb
