#include "klondike_family_waste_out.h"

#include <cstddef>

namespace velmora::gamedb {

using namespace velmora::rules;

namespace {

// Whether the top card of the first sequence (the waste) goes on the second
// (a foundation built up in suit from the Ace, full at thirteen cards).
Condition topGoesOn()
{
    const Element card = top(first), onto = top(second);
    const Condition onPile = suit(card) == suit(onto) && rank(card) == rank(onto) + 1 && count(second) < 13;
    return !empty(first) && faceUp(card) && ifThenElse(empty(second), rank(card) == 1, onPile);
}

// One key per foundation, each moving the waste's top card there when no
// foundation before it takes the card.
void addOutKeys(RecordBuilder& b, TriggerType trigger, int goesOn, int goesNot, const KlondikePiles& piles)
{
    for (std::size_t f = 0; f < piles.foundations.size(); ++f) {
        const int key = b.addKey(trigger);
        b.addCondition(key, goesOn, piles.waste, piles.foundations[f]);
        for (std::size_t before = 0; before < f; ++before)
            b.addCondition(key, goesNot, piles.waste, piles.foundations[before]);
        b.addAction(key, moveCardsAction(piles.waste, Range::fromTop, 0, 1, piles.foundations[f]));
    }
}

}  // namespace

std::vector<FillGuard> addWasteOutKeys(RecordBuilder& b, const CommonPrograms& common, const KlondikePiles& piles)
{
    const int goesOn = addRule(b, topGoesOn());
    const int goesNot = addRule(b, !topGoesOn());
    for (int round = 0; round < kDealtOutCards; ++round) {
        addOutKeys(b, TriggerType::afterDeal, goesOn, goesNot, piles);
        const int turn = b.addKey(TriggerType::afterDeal);
        b.addCondition(turn, common.isEmpty, piles.waste);
        b.addCondition(turn, common.notEmpty, piles.stock);
        b.addAction(turn, setCardsAction(piles.stock, Range::fromTop, 0, 1, kCardFaceUp, 1));
        b.addAction(turn, moveCardsAction(piles.stock, Range::fromTop, 0, 1, piles.waste));
    }
    addOutKeys(b, TriggerType::afterEveryStepRepeated, goesOn, goesNot, piles);
    std::vector<FillGuard> guards;
    for (int foundation : piles.foundations)
        guards.push_back({goesNot, piles.waste, foundation});
    return guards;
}

}  // namespace velmora::gamedb
