#include "klondike_family_parts.h"

#include <algorithm>
#include <span>

#include "game_parts_base_rank.h"
#include "klondike_family_boards.h"

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

// In a pack stripped of the ranks between two others, a foundation card may
// follow the rank below the gap with the rank above it (in suit).
Condition acrossRankGaps(const KlondikeRules& rules)
{
    Condition rule = never();
    const Element card = top(first);
    const Element onto = top(second);
    for (std::size_t k = 1; k < rules.packRanks.size(); ++k) {
        const int low = rules.packRanks[k - 1];
        const int high = rules.packRanks[k];
        if (high == low + 1)
            continue;
        const Condition step = rules.kingsDown ? rank(onto) == high && rank(card) == low
                                               : rank(onto) == low && rank(card) == high;
        rule = rule || (count(first) == 1 && faceUp(card) && !empty(second) && step && suit(card) == suit(onto));
    }
    return rule;
}

Condition foundationAcceptRule(const KlondikeRules& rules)
{
    if (rules.foundationPerSuit)
        return acceptsOnFoundation(1, Direction::up, true);
    // Every foundation holds its dealt base, which never leaves it, so an
    // empty one needs no rank (0 takes none).
    // With more than one pack a foundation stops at a full suit, where the
    // round would come to the base again.
    if (!rules.dealtBases.empty()) {
        const Condition rule = acceptsOnFoundation(0, Direction::up, true, Suits::same, rules.foundationStep);
        return rules.packs > 1 ? rule && count(second) < ranksPerPack(rules) : rule;
    }
    if (rules.foundationsByTwos)
        return acceptsOnFoundation(1, Direction::up, false, Suits::same, 2);
    if (rules.foundationBase != 0)
        return acceptsRoundFromBase(rules.foundationBase, rules.packs > 1);
    const Condition rule = rules.kingsDown
                               ? acceptsOnFoundation(13, Direction::down, false, rules.foundationSuits)
                               : acceptsOnFoundation(1, Direction::up, false, rules.foundationSuits);
    const Condition built = rules.packRanks.empty() ? rule : rule || acrossRankGaps(rules);
    return rules.foundationTopRank == 0 ? built : built && rank(top(first)) <= rules.foundationTopRank;
}

Condition tableauAcceptRule(const KlondikeRules& rules)
{
    Condition rule = rules.acesOnlyInSpaces
                         ? acceptsBuilt(rules.build, EmptyTakes::aces) && (empty(second) || rank(bottom(first)) != 1)
                     : rules.spaceRank != 0
                         ? acceptsBuiltOnRank(rules.build, rules.spaceRank)
                         : acceptsBuilt(rules.build, movableBase(rules) ? EmptyTakes::nothing : rules.onEmpty);
    if (rules.groupsOnlyToSpaces)
        rule = rule && (empty(second) || count(first) == 1);
    if (rules.tableauTakesAnyCard)
        rule = rule || (!empty(second) && count(first) == 1 && faceUp(top(first)));
    if (rules.tableauTakesOnlySpaces)
        rule = rule && empty(second);
    if (rules.columnCapacity == 0)
        return rule;
    return count(first) + count(second) <= rules.columnCapacity && rule;
}

int shownFoundationBase(const KlondikeRules& rules)
{
    if (movableBase(rules) || rules.baseCardDealt)
        return 0;
    if (rules.foundationBase != 0)
        return rules.foundationBase;
    return rules.kingsDown ? 13 : 1;
}

std::vector<int> cardsInPlay(const KlondikePiles& piles)
{
    std::vector<int> inPlay;
    for (int pile : {piles.stock, piles.waste})
        if (pile >= 0)
            inPlay.push_back(pile);
    inPlay.insert(inPlay.end(), piles.tableau.begin(), piles.tableau.end());
    inPlay.insert(inPlay.end(), piles.reserves.begin(), piles.reserves.end());
    return inPlay;
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
    const auto dealOne = [&](int key, int reserve) {
        b.addAction(key, setCardsAction(piles.stock, Range::fromTop, 0, 1, kCardFaceUp, 1));
        b.addAction(key, moveCardsAction(piles.stock, Range::fromTop, 0, 1, reserve));
    };
    const auto addRounds = [&](int key) {
        if (rules.reservesDealtInTurn) {
            for (int reserve : piles.reserves)
                for (int round = 0; round < rules.reserveRounds; ++round)
                    dealOne(key, reserve);
            return;
        }
        for (int round = 0; round < rules.reserveRounds; ++round)
            for (int reserve : piles.reserves)
                dealOne(key, reserve);
    };
    const int deal = b.addKey(TriggerType::never);
    addRounds(deal);
    b.addCondition(deal, common.topFaceDown, piles.stock);
    if (rules.reserveDealAtStart)
        addRounds(b.addKey(TriggerType::afterDeal));
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

// A tableau fed by the waste alone: the waste gives anywhere its rules
// allow, the tableau only to the foundations and the reserves anywhere. The
// foundations give nothing, since nothing else takes their cards.
void permitWasteFedMoves(RecordBuilder& b, const KlondikePiles& piles)
{
    if (piles.waste >= 0)
        b.permit(piles.waste, kAnyPile);
    for (int column : piles.tableau)
        for (int foundation : piles.foundations)
            b.permit(column, foundation);
    for (int reserve : piles.reserves)
        b.permit(reserve, kAnyPile);
}

// The waste and the tableau give to any pile, the foundations back to the
// tableau, and the reserves only to the foundations.
void permitReservesToFoundationsOnly(RecordBuilder& b, const KlondikePiles& piles)
{
    if (piles.waste >= 0)
        b.permit(piles.waste, kAnyPile);
    for (int column : piles.tableau)
        b.permit(column, kAnyPile);
    for (int foundation : piles.foundations)
        for (int column : piles.tableau)
            b.permit(foundation, column);
    for (int reserve : piles.reserves)
        for (int foundation : piles.foundations)
            b.permit(reserve, foundation);
}

void permitReservesBetweenWasteAndTableau(RecordBuilder& b, const KlondikePiles& piles)
{
    std::vector<int> fromWaste = piles.tableau;
    fromWaste.insert(fromWaste.end(), piles.reserves.begin(), piles.reserves.end());
    fromWaste.insert(fromWaste.end(), piles.foundations.begin(), piles.foundations.end());
    for (int to : fromWaste)
        b.permit(piles.waste, to);
    for (int column : piles.tableau) {
        for (int to : piles.tableau)
            if (to != column)
                b.permit(column, to);
        for (int foundation : piles.foundations) {
            b.permit(column, foundation);
            b.permit(foundation, column);
        }
        for (int reserve : piles.reserves)
            b.permit(reserve, column);
    }
}

void permitMovesBarringWaste(RecordBuilder& b, const KlondikePiles& piles)
{
    const int firstFoundation = piles.foundations.front();
    const auto barred = [&](int pile) {
        return std::find(piles.wasteBarred.begin(), piles.wasteBarred.end(), pile) != piles.wasteBarred.end();
    };
    for (int pile = 0; pile < firstFoundation; ++pile) {
        if (pile != piles.waste)
            b.permit(pile, kAnyPile);
        for (int foundation : piles.foundations)
            b.permit(foundation, pile);
    }
    for (int to = 0; to <= piles.foundations.back(); ++to)
        if (to != piles.waste && !barred(to))
            b.permit(piles.waste, to);
}

void permitWalledColumns(RecordBuilder& b, const KlondikePiles& piles, int walled)
{
    const std::span<const int> walledOff(piles.tableau.data(), static_cast<std::size_t>(walled));
    const int firstFoundation = piles.foundations.front();
    for (int pile = 0; pile < firstFoundation; ++pile) {
        const bool isWalled = std::find(walledOff.begin(), walledOff.end(), pile) != walledOff.end();
        if (!isWalled)
            b.permit(pile, kAnyPile);
        for (int foundation : piles.foundations)
            b.permit(foundation, pile);
    }
    for (int from : walledOff) {
        for (int to : walledOff)
            if (to != from)
                b.permit(from, to);
        for (int foundation : piles.foundations)
            b.permit(from, foundation);
    }
}

namespace {

int addFlagPile(RecordBuilder& b, bool enabled)
{
    return b.addPile(makePile({.interactive = false, .enabled = enabled}));
}

void dealOne(RecordBuilder& b, int key, int stock, int waste)
{
    b.addAction(key, setCardsAction(stock, Range::fromTop, 0, 1, kCardFaceUp, 1));
    b.addAction(key, moveCardsAction(stock, Range::fromTop, 0, 1, waste));
}

}  // namespace

// A tap turns one card and marks the step; automatic keys then turn the
// rest of the pass's count. Flag piles after the foundations hold, in their
// enabled flags, that a tap or a redeal has just happened and which pass is
// being played (none enabled: the last, one card a tap).
void addFallingDeal(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common,
                    const KlondikePiles& piles)
{
    const int tapped = addFlagPile(b, false);
    const int redealt = addFlagPile(b, false);
    std::vector<int> passes;
    for (int pass = 0; pass + 1 < rules.stockDeal; ++pass)
        passes.push_back(addFlagPile(b, pass == 0));

    const int tap = b.addKey(TriggerType::never);
    dealOne(b, tap, piles.stock, piles.waste);
    b.addAction(tap, setPileAction(tapped, kPileEnabled, 1));
    b.pile(piles.stock).tapKey = static_cast<std::uint16_t>(tap);
    for (std::size_t pass = 0; pass < passes.size(); ++pass) {
        const int more = b.addKey(TriggerType::afterEveryStep);
        b.addCondition(more, common.always, tapped);
        b.addCondition(more, common.always, passes[pass]);
        for (int k = 1; k < rules.stockDeal - static_cast<int>(pass); ++k)
            dealOne(b, more, piles.stock, piles.waste);
    }
    const int tapDone = b.addKey(TriggerType::afterEveryStep);
    b.addCondition(tapDone, common.always, tapped);
    b.addAction(tapDone, setPileAction(tapped, kPileEnabled, 0));

    const int redeal = addRedeal(b, common, piles.stock, piles.waste, rules.redeals);
    b.addAction(redeal, setPileAction(redealt, kPileEnabled, 1));
    b.pile(piles.stock).emptyTapKey = static_cast<std::uint16_t>(redeal);
    // The later passes first, so that one redeal moves on by one pass.
    for (std::size_t pass = passes.size(); pass-- > 0;) {
        const int next = b.addKey(TriggerType::afterEveryStep);
        b.addCondition(next, common.always, redealt);
        b.addCondition(next, common.always, passes[pass]);
        b.addAction(next, setPileAction(passes[pass], kPileEnabled, 0));
        if (pass + 1 < passes.size())
            b.addAction(next, setPileAction(passes[pass + 1], kPileEnabled, 1));
        b.addAction(next, setPileAction(redealt, kPileEnabled, 0));
    }
    const int redealDone = b.addKey(TriggerType::afterEveryStep);
    b.addCondition(redealDone, common.always, redealt);
    b.addAction(redealDone, setPileAction(redealt, kPileEnabled, 0));
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
        for (int k = round; k < columns && dealt < cards; ++k, ++dealt) {
            const int column = piles.tableau[static_cast<std::size_t>(k)];
            b.addAction(key, moveCardsAction(piles.stock, Range::fromTop, 0, 1, column));
        }
    b.addCounter(key, rules.redeals);
    b.pile(piles.stock).emptyTapKey = static_cast<std::uint16_t>(key);
}

// The cards kept back lie face down on a pile of their own under the
// stock; a tap on the used-up stock deals them, one onto each target.
void addCardsDealtLast(RecordBuilder& b, const CommonPrograms& common, const KlondikePiles& piles, int stockX,
                       std::span<const int> targets)
{
    const int apart = b.addPile(makePile({.x = stockX,
                                          .y = kTopRowY,
                                          .faceUp = false,
                                          .interactive = false,
                                          .dealCount = static_cast<int>(targets.size())}));
    const int deal = addDealRow(b, apart, targets);
    b.addCondition(deal, common.notEmpty, apart);
    b.pile(piles.stock).emptyTapKey = static_cast<std::uint16_t>(deal);
}

// Declared after every step once no card is left in the stock or the waste;
// with a column capacity each tableau pile must also be empty or full, as a
// pile short of it means the cards lie wrongly spread, and with winning runs
// empty or one whole run.
void addTableauWin(RecordBuilder& b, const KlondikeRules& rules, const CommonPrograms& common,
                   const KlondikePiles& piles)
{
    const int key = b.addKey(TriggerType::afterEveryStep);
    b.addAction(key, declareWonAction());
    for (int pile : {piles.stock, piles.waste})
        if (pile >= 0)
            b.addCondition(key, common.isEmpty, pile);
    if (rules.tableauRunsWin) {
        const int emptyOrRun = addRule(b, empty(first) || (count(first) == ranksPerPack(rules) &&
                                                           isRun(first, rules.groupBuild)));
        for (int pile : piles.tableau)
            b.addCondition(key, emptyOrRun, pile);
        return;
    }
    if (rules.columnCapacity == 0)
        return;
    const int emptyOrFull = addRule(b, empty(first) || count(first) == rules.columnCapacity);
    for (int pile : piles.tableau)
        b.addCondition(key, emptyOrFull, pile);
}

}  // namespace velmora::gamedb
