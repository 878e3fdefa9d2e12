// The keys that close an emptied Klondike-family tableau pile at once: from
// the waste, from the fuller of two reserve piles, from the pile to its
// right, or from the stock.
#include "klondike_family_fills.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::gamedb {

using namespace velmora::rules;

namespace {

// A space takes the waste's top card; when the waste is empty the stock
// first turns its usual number of cards onto it.
void addFillsFromWaste(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common,
                       StockPiles piles, std::span<const int> tableau, std::span<const FillGuard> guards)
{
    for (int pile : tableau) {
        const int fill = b.addKey(TriggerType::afterEveryStepRepeated);
        b.addCondition(fill, common.isEmpty, pile);
        b.addCondition(fill, common.notEmpty, piles.waste);
        for (const FillGuard& guard : guards)
            b.addCondition(fill, guard.program, guard.pile, guard.otherPile);
        b.addAction(fill, moveCardsAction(piles.waste, Range::fromTop, 0, 1, pile));
        const int turn = b.addKey(TriggerType::afterEveryStepRepeated);
        b.addCondition(turn, common.isEmpty, pile);
        b.addCondition(turn, common.isEmpty, piles.waste);
        b.addCondition(turn, common.notEmpty, piles.stock);
        b.addAction(turn, setCardsAction(piles.stock, Range::fromTop, 0, rules.stockDeal, kCardFaceUp, 1));
        for (int i = 0; i < rules.stockDeal; ++i)
            b.addAction(turn, moveCardsAction(piles.stock, Range::fromTop, 0, 1, piles.waste));
    }
}

// A space takes the top card of the fuller of two reserve piles (the first
// on a tie), and the waste's top card once both are empty.
void addFillsFromReserves(RecordBuilder& b, const CommonPrograms& common, StockPiles piles,
                          std::span<const int> tableau, std::span<const int> reserves)
{
    const int atLeast = addRule(b, !empty(first) && count(first) >= count(second));
    const int more = addRule(b, !empty(first) && count(first) > count(second));
    const int left = reserves[0], right = reserves[1];
    for (int pile : tableau) {
        const int fromLeft = b.addKey(TriggerType::afterEveryStepRepeated);
        b.addCondition(fromLeft, common.isEmpty, pile);
        b.addCondition(fromLeft, atLeast, left, right);
        b.addAction(fromLeft, moveCardsAction(left, Range::fromTop, 0, 1, pile));
        const int fromRight = b.addKey(TriggerType::afterEveryStepRepeated);
        b.addCondition(fromRight, common.isEmpty, pile);
        b.addCondition(fromRight, more, right, left);
        b.addAction(fromRight, moveCardsAction(right, Range::fromTop, 0, 1, pile));
        const int fromWaste = b.addKey(TriggerType::afterEveryStepRepeated);
        b.addCondition(fromWaste, common.isEmpty, pile);
        b.addCondition(fromWaste, common.isEmpty, left);
        b.addCondition(fromWaste, common.isEmpty, right);
        b.addCondition(fromWaste, common.notEmpty, piles.waste);
        b.addAction(fromWaste, moveCardsAction(piles.waste, Range::fromTop, 0, 1, pile));
    }
}

// A space takes the longest movable group from the pile to its right; the
// last pile has no neighbour and fills only by the player. The group is
// gathered card by card onto a hidden pile of that space's own, each next
// card going under the ones gathered while it continues them, and then laid
// in the space whole. A move can empty several piles at once (a pile that
// gives its whole group becomes a space too), so each space gathers apart.
void addFillsFromRight(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common,
                       std::span<const int> tableau)
{
    if (rules.singleCards)
        throw std::runtime_error("game \"" + std::string(rules.name) + "\": groups fill spaces, not single cards");
    std::vector<int> gatheredFor;
    for (std::size_t pile = 0; pile + 1 < tableau.size(); ++pile)
        gatheredFor.push_back(b.addPile(makePile({.interactive = false})));
    const int topFaceUp = addRule(b, faceUp(top(first)));
    const Condition continues = !empty(first) && follows(bottom(first), top(second), rules.groupBuild);
    const int goesOn = addRule(b, continues);
    const int ends = addRule(b, !empty(first) && !continues);
    for (std::size_t pile = 0; pile + 1 < tableau.size(); ++pile) {
        const int space = tableau[pile], from = tableau[pile + 1], gathered = gatheredFor[pile];
        const int first = b.addKey(TriggerType::afterEveryStepRepeated);
        b.addCondition(first, common.isEmpty, space);
        b.addCondition(first, common.isEmpty, gathered);
        b.addCondition(first, topFaceUp, from);
        b.addAction(first, moveCardsAction(from, Range::fromTop, 0, 1, gathered));
        const int next = b.addKey(TriggerType::afterEveryStepRepeated);
        b.addCondition(next, common.isEmpty, space);
        b.addCondition(next, goesOn, gathered, from);
        b.addAction(next, moveCardsAction(from, Range::fromTop, 0, 1, gathered, Insert::fromBottom));
        const int lay = b.addKey(TriggerType::afterEveryStepRepeated);
        b.addCondition(lay, common.isEmpty, space);
        b.addCondition(lay, ends, gathered, from);
        b.addAction(lay, moveCardsAction(gathered, Range::between, 0, 0, space));
    }
}

// A space takes the top card of the one reserve pile while it has any.
void addFillsFromReserve(RecordBuilder& b, const CommonPrograms& common, std::span<const int> tableau, int reserve)
{
    for (int pile : tableau) {
        const int fill = b.addKey(TriggerType::afterEveryStepRepeated);
        b.addCondition(fill, common.isEmpty, pile);
        b.addCondition(fill, common.notEmpty, reserve);
        b.addAction(fill, moveCardsAction(reserve, Range::fromTop, 0, 1, pile));
    }
}

// A space takes the stock's top card, turned face up.
void addFillsFromStock(RecordBuilder& b, const CommonPrograms& common, int stock, std::span<const int> tableau)
{
    for (int pile : tableau) {
        const int fill = b.addKey(TriggerType::afterEveryStepRepeated);
        b.addCondition(fill, common.isEmpty, pile);
        b.addCondition(fill, common.notEmpty, stock);
        b.addAction(fill, setCardsAction(stock, Range::fromTop, 0, 1, kCardFaceUp, 1));
        b.addAction(fill, moveCardsAction(stock, Range::fromTop, 0, 1, pile));
    }
}

}  // namespace

void addSpaceFillKeys(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common, StockPiles piles,
                      std::span<const int> tableau, std::span<const int> reserves,
                      std::span<const FillGuard> guards)
{
    switch (rules.spaceFill) {
    case SpaceFill::none: return;
    case SpaceFill::fromWaste: addFillsFromWaste(b, rules, common, piles, tableau, guards); return;
    case SpaceFill::fromReserves: addFillsFromReserves(b, common, piles, tableau, reserves); return;
    case SpaceFill::fromRight: addFillsFromRight(b, rules, common, tableau); return;
    case SpaceFill::fromReserve: addFillsFromReserve(b, common, tableau, reserves.front()); return;
    case SpaceFill::fromStock: addFillsFromStock(b, common, piles.stock, tableau); return;
    }
}

}  // namespace velmora::gamedb
