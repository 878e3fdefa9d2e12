#include "game_parts.h"

namespace velmora::gamedb {

using namespace velmora::rules;

PileDefinition makePile(const PileSpec& s)
{
    PileDefinition p{};
    p.dealClass = static_cast<std::int16_t>(s.dealClass);
    p.x = static_cast<std::int16_t>(s.x);
    p.y = static_cast<std::int16_t>(s.y);
    p.xAnchor = static_cast<std::uint8_t>(s.xAnchor);
    p.yAnchor = static_cast<std::uint8_t>(s.yAnchor);
    p.spread = static_cast<std::uint8_t>(s.spread);
    p.style = s.style;
    p.dealFaceUp = s.faceUp ? 1 : 0;
    p.interactive = s.interactive ? 1 : 0;
    p.dealCount = static_cast<std::int16_t>(s.dealCount);
    p.pickUpProgram = static_cast<std::int16_t>(s.pickUp);
    p.acceptProgram = static_cast<std::int16_t>(s.accept);
    p.tapKey = static_cast<std::uint16_t>(s.tapKey);
    p.emptyTapKey = static_cast<std::uint16_t>(s.emptyTapKey);
    p.dropKey = static_cast<std::uint16_t>(s.dropKey);
    p.fixedOpen = s.fixedOpen ? 1 : 0;
    p.enabled = s.enabled ? 1 : 0;
    p.drawOrder = static_cast<std::uint8_t>(s.drawOrder);
    p.fanLimitAnchor = static_cast<std::uint8_t>(s.fanLimitAnchor);
    p.fanLimit = static_cast<std::int16_t>(s.fanLimit);
    if (s.style == kStyleBaseCard) {
        p.displayValue[0] = static_cast<std::uint8_t>(s.baseRank);
        p.displayValue[1] = static_cast<std::uint8_t>(s.baseSuit);
    } else {
        p.displayValue[0] = static_cast<std::uint8_t>(s.displayValue & 0xFF);
        p.displayValue[1] = static_cast<std::uint8_t>((s.displayValue >> 8) & 0xFF);
    }
    return p;
}

Value nextSuitInCycle(const Element& card)
{
    constexpr int kSpades = 1, kClubs = 2, kDiamonds = 3, kHearts = 4;
    return ifThenElse(suit(card) == kSpades, kHearts,
                      ifThenElse(suit(card) == kHearts, kClubs, ifThenElse(suit(card) == kClubs, kDiamonds, kSpades)));
}

namespace {

Condition suitsMatch(const Element& upper, const Element& lower, Suits suits)
{
    switch (suits) {
    case Suits::any: return always();
    case Suits::same: return suit(upper) == suit(lower);
    case Suits::alternate: return colour(upper) != colour(lower);
    case Suits::sameColour: return colour(upper) == colour(lower);
    case Suits::different: return suit(upper) != suit(lower);
    case Suits::cycle: return suit(upper) == nextSuitInCycle(lower);
    }
    return never();
}

// `higher` is one rank above `lower`, with King below Ace when wrapping.
Condition oneAbove(const Element& higher, const Element& lower, bool wrap)
{
    const Condition plain = rank(higher) == rank(lower) + 1;
    return wrap ? plain || (rank(higher) == 1 && rank(lower) == 13) : plain;
}

// `higher` is `step` ranks above `lower`; when wrapping the count goes on
// from King to Ace.
Condition stepAbove(const Element& higher, const Element& lower, int step, bool wrap)
{
    if (step == 1)
        return oneAbove(higher, lower, wrap);
    const Condition plain = rank(higher) == rank(lower) + step;
    return wrap ? plain || rank(higher) == rank(lower) + (step - 13) : plain;
}

Condition ranksFollow(const Element& upper, const Element& lower, Direction direction, bool wrap, int step)
{
    switch (direction) {
    case Direction::down: return stepAbove(lower, upper, step, wrap);
    case Direction::up: return stepAbove(upper, lower, step, wrap);
    case Direction::either: return stepAbove(lower, upper, step, wrap) || stepAbove(upper, lower, step, wrap);
    }
    return never();
}

Condition emptyTakes(EmptyTakes onEmpty)
{
    switch (onEmpty) {
    case EmptyTakes::anything: return always();
    case EmptyTakes::kings: return rank(bottom(first)) == 13;
    case EmptyTakes::aces: return rank(bottom(first)) == 1;
    case EmptyTakes::kingsOrQueens: return rank(bottom(first)) >= 12;
    case EmptyTakes::nothing: return never();
    case EmptyTakes::oneCard: return count(first) == 1;
    }
    return never();
}

}  // namespace

Condition follows(const Element& upper, const Element& lower, Build build)
{
    return faceUp(upper) && faceUp(lower) && ranksFollow(upper, lower, build.direction, build.wrap, build.step) &&
           suitsMatch(upper, lower, build.suits);
}

Condition isRun(Sequence sequence, Build build)
{
    return faceUp(bottom(sequence)) &&
           allAdjacent(sequence, [build](Element upper, Element lower) { return follows(upper, lower, build); });
}

Condition acceptsBuilt(Build build, EmptyTakes onEmpty, int maxCards)
{
    const Condition onPile = !empty(second) && follows(bottom(first), top(second), build);
    const Condition rule = (empty(second) && emptyTakes(onEmpty)) || onPile;
    return maxCards > 0 ? count(first) <= maxCards && rule : rule;
}

Condition acceptsOnFoundation(int baseRank, Direction direction, bool wrap, Suits suits, int step)
{
    const Element card = top(first);
    const Element onto = top(second);
    Condition ranks = never();
    switch (direction) {
    case Direction::up: ranks = stepAbove(card, onto, step, wrap); break;
    case Direction::down: ranks = stepAbove(onto, card, step, wrap); break;
    case Direction::either: ranks = stepAbove(card, onto, step, wrap) || stepAbove(onto, card, step, wrap); break;
    }
    const Condition onPile = !empty(second) && faceUp(card) && ranks && suitsMatch(card, onto, suits);
    return count(first) == 1 && faceUp(card) && ((empty(second) && rank(card) == baseRank) || onPile);
}

int addRule(RecordBuilder& builder, const Condition& rule) { return builder.addProgram(compile(rule)); }

CommonPrograms addCommonPrograms(RecordBuilder& builder)
{
    CommonPrograms programs;
    programs.never = addRule(builder, never());
    programs.always = addRule(builder, always());
    programs.isEmpty = addRule(builder, empty(first));
    programs.notEmpty = addRule(builder, !empty(first));
    programs.topFaceDown = addRule(builder, exists(top(first)) && faceDown(top(first)));
    programs.topCardOnly = addRule(builder, count(first) == 1 && faceUp(top(first)));
    return programs;
}

void addTurnUpKeys(RecordBuilder& builder, const CommonPrograms& programs, std::span<const int> piles)
{
    for (int pile : piles) {
        const int key = builder.addKey(TriggerType::afterEveryStep);
        builder.addAction(key, setCardsAction(pile, Range::fromTop, 0, 1, kCardFaceUp, 1));
        builder.addCondition(key, programs.topFaceDown, pile);
    }
}

int addWinWhenEmpty(RecordBuilder& builder, const CommonPrograms& programs, std::span<const int> piles)
{
    const int key = builder.addKey(TriggerType::afterEveryStep);
    builder.addAction(key, declareWonAction());
    for (int pile : piles)
        builder.addCondition(key, programs.isEmpty, pile);
    return key;
}

int addWinWhenFull(RecordBuilder& builder, std::span<const int> piles, int cardsEach)
{
    const int full = addRule(builder, count(first) == cardsEach);
    const int key = builder.addKey(TriggerType::afterEveryStep);
    builder.addAction(key, declareWonAction());
    for (int pile : piles)
        builder.addCondition(key, full, pile);
    return key;
}

int addDealToWaste(RecordBuilder& builder, int stock, int waste, int count)
{
    const int key = builder.addKey(TriggerType::never);
    builder.addAction(key, setCardsAction(stock, Range::fromTop, 0, count, kCardFaceUp, 1));
    // The cards keep their order, so the stock's top card ends deepest of the
    // group; taking them one at a time from the top reverses them as a hand
    // deal would.
    for (int i = 0; i < count; ++i)
        builder.addAction(key, moveCardsAction(stock, Range::fromTop, 0, 1, waste));
    return key;
}

int addRedeal(RecordBuilder& builder, const CommonPrograms& programs, int stock, int waste, int redeals)
{
    const int key = builder.addKey(TriggerType::never);
    builder.addAction(key, setCardsAction(waste, Range::between, 0, 0, kCardFaceUp, 0));
    builder.addAction(key, setPileAction(waste, kPileReverse, 0));
    builder.addAction(key, moveCardsAction(waste, Range::between, 0, 0, stock));
    builder.addCondition(key, programs.notEmpty, waste);
    if (redeals >= 0)
        builder.addCounter(key, redeals);
    return key;
}

int redealMark(int redealsLeft)
{
    return redealsLeft >= 2 ? 0 : redealsLeft == 1 ? 1 : 2;
}

int addDealRow(RecordBuilder& builder, int stock, std::span<const int> piles)
{
    const int key = builder.addKey(TriggerType::never);
    for (int pile : piles) {
        builder.addAction(key, setCardsAction(stock, Range::fromTop, 0, 1, kCardFaceUp, 1));
        builder.addAction(key, moveCardsAction(stock, Range::fromTop, 0, 1, pile));
    }
    return key;
}

}  // namespace velmora::gamedb
