#include "klondike_family_parts.h"

#include "game_parts_base_rank.h"

namespace velmora::gamedb {

using namespace velmora::rules;

namespace {

// Up in suit from `base`, going on from King to Ace. With more than one pack
// a foundation stops at thirteen cards, where the sequence would come round
// to the base again.
Condition foundationFromBase(const KlondikeRules& rules, int base)
{
    return acceptsRoundFromBase(base, rules.packs > 1);
}

}  // namespace

bool movableBase(const KlondikeRules& rules) { return rules.base != FoundationBase::fixed; }

bool dealsToReserves(const KlondikeRules& rules)
{
    return rules.stock == StockDeal::rowToReserves || rules.stock == StockDeal::reservesThenOpen;
}

bool limitsMoves(const KlondikeRules& rules) { return rules.reservesToFoundationsOnly || rules.tableauFedByWasteOnly; }

Condition foundationAcceptRule(const KlondikeRules& rules)
{
    if (rules.foundationStart != 0)
        return foundationFromBase(rules, rules.foundationStart);
    return rules.kingsDown ? acceptsOnFoundation(13, Direction::down) : acceptsOnFoundation();
}

Condition tableauAcceptRule(const KlondikeRules& rules)
{
    if (rules.emptyRank != 0)
        return acceptsBuiltOnRank(rules.build, rules.emptyRank);
    return acceptsBuilt(rules.build, movableBase(rules) ? EmptyTakes::nothing : rules.onEmpty);
}

// Until the base is known the foundations take nothing, except that the
// first takes any one card when the player chooses the base.
int foundationAcceptBeforeBase(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common,
                               int foundation)
{
    if (rules.base == FoundationBase::firstPlayed && foundation == 0)
        return addRule(b, count(first) == 1 && faceUp(top(first)) && empty(second));
    return common.never;
}

// Once the base is known (at the deal, or after any step for a base the
// player chooses: the first foundation's bottom card never leaves it), the
// foundations take the rule of that base and an empty tableau pile the rank
// below it.
void addBaseRankSwitch(RecordBuilder& b, const KlondikeRules& rules, const KlondikePiles& piles)
{
    const bool dealt = rules.base == FoundationBase::dealtCard;
    BaseRankSwitch choice;
    choice.trigger = dealt ? TriggerType::afterDeal : TriggerType::afterEveryStep;
    choice.readPile = piles.foundations.front();
    choice.foundations = piles.foundations;
    choice.markReadPile = false;  // its base card never leaves it
    choice.programs = addBaseRankPrograms(
        b, [&rules](int base) { return foundationFromBase(rules, base); },
        [](int base) { return !empty(first) && faceUp(bottom(first)) && rank(bottom(first)) == base; });
    choice.others = piles.tableau;
    for (int base = 1; base <= 13; ++base)
        choice.otherAccept[base] = addRule(b, acceptsBuiltOnRank(rules.build, rankBelow(base)));
    addBaseRankKeys(b, choice);
}

// Tapping the stock deals a card onto each reserve while it holds face-down
// cards. For reservesThenOpen the last two cards turn face up as soon as
// only they are left: one onto the waste, one on the stock.
void addReserveDeal(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common,
                    const KlondikePiles& piles)
{
    const int deal = addDealRow(b, piles.stock, piles.reserves);
    b.addCondition(deal, common.topFaceDown, piles.stock);
    b.pile(piles.stock).tapKey = static_cast<std::uint16_t>(deal);
    if (rules.stock != StockDeal::reservesThenOpen)
        return;
    const int open = b.addKey(TriggerType::afterEveryStep);
    b.addCondition(open, addRule(b, count(first) == 2), piles.stock);
    b.addCondition(open, common.topFaceDown, piles.stock);
    b.addAction(open, setCardsAction(piles.stock, Range::fromTop, 0, 1, kCardFaceUp, 1));
    b.addAction(open, moveCardsAction(piles.stock, Range::fromTop, 0, 1, piles.waste));
    b.addAction(open, setCardsAction(piles.stock, Range::fromTop, 0, 1, kCardFaceUp, 1));
}

// Reserve k turns face up once foundation k holds its thirteen cards.
void addReserveLocks(RecordBuilder& b, const CommonPrograms& common, const KlondikePiles& piles)
{
    const int full = addRule(b, count(first) == 13);
    for (std::size_t k = 0; k < piles.reserves.size() && k < piles.foundations.size(); ++k) {
        const int key = b.addKey(TriggerType::afterEveryStep);
        b.addCondition(key, full, piles.foundations[k]);
        b.addCondition(key, common.topFaceDown, piles.reserves[k]);
        b.addAction(key, setCardsAction(piles.reserves[k], Range::fromTop, 0, 1, kCardFaceUp, 1));
    }
}

// The waste gives anywhere its rules allow; the tableau to the tableau (unless
// it is fed by the waste alone) and the foundations; reserves, when limited,
// only to the foundations; foundations give back to the tableau, never to
// another foundation.
void permitLimitedMoves(RecordBuilder& b, const KlondikeRules& rules, const KlondikePiles& piles)
{
    auto toFoundations = [&](int from) {
        for (int foundation : piles.foundations)
            b.permit(from, foundation);
    };
    if (piles.waste >= 0)
        b.permit(piles.waste, kAnyPile);
    for (int column : piles.tableau) {
        if (rules.tableauFedByWasteOnly)
            toFoundations(column);
        else
            b.permit(column, kAnyPile);
    }
    for (int reserve : piles.reserves) {
        if (rules.reservesToFoundationsOnly)
            toFoundations(reserve);
        else
            b.permit(reserve, kAnyPile);
    }
    if (piles.kingsReserve >= 0)
        b.permit(piles.kingsReserve, kAnyPile);
    if (rules.tableauFedByWasteOnly || rules.foundationsKeep)
        return;
    for (int foundation : piles.foundations)
        for (int column : piles.tableau)
            b.permit(foundation, column);
}

// The cards of the tableau go onto the stock, the first pile's at the
// bottom; then rounds of one card to each pile, the first round to every
// pile and each next one leaving out one more pile on the left, until the
// stock is used up.
void addTableauRedeal(RecordBuilder& b, const KlondikeRules& rules, const KlondikePiles& piles)
{
    const int key = b.addKey(TriggerType::never);
    for (int column : piles.tableau)
        b.addAction(key, moveCardsAction(column, Range::between, 0, 0, piles.stock));
    const int cards = 52 * rules.packs;
    const int columns = static_cast<int>(piles.tableau.size());
    for (int round = 0, dealt = 0; round < columns && dealt < cards; ++round)
        for (int k = round; k < columns && dealt < cards; ++k, ++dealt)
            b.addAction(key, moveCardsAction(piles.stock, Range::fromTop, 0, 1, piles.tableau[static_cast<std::size_t>(k)]));
    b.addCounter(key, rules.redeals);
    b.pile(piles.stock).emptyTapKey = static_cast<std::uint16_t>(key);
}

int kingsReserveAccept(RecordBuilder& b, int capacity)
{
    return addRule(b, count(first) == 1 && faceUp(top(first)) && rank(top(first)) == 13 &&
                          count(second) < capacity);
}

}  // namespace velmora::gamedb
