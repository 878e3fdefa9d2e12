#include "game_parts_base_rank.h"

namespace velmora::gamedb {

BaseRankPrograms addBaseRankPrograms(RecordBuilder& b, const std::function<rules::Condition(int)>& acceptFor,
                                     const std::function<rules::Condition(int)>& rankIsFor)
{
    BaseRankPrograms programs;
    for (int base = 1; base <= 13; ++base) {
        programs.foundationAccept[base] = addRule(b, acceptFor(base));
        programs.rankIs[base] = addRule(b, rankIsFor(base));
    }
    return programs;
}

void addBaseRankKeys(RecordBuilder& b, const BaseRankSwitch& choice)
{
    for (int base = 1; base <= 13; ++base) {
        const int key = b.addKey(choice.trigger);
        for (const auto& [program, pile] : choice.conditions)
            b.addCondition(key, program, pile);
        b.addCondition(key, choice.programs.rankIs[base], choice.readPile);
        for (int foundation : choice.foundations) {
            b.addAction(key, setPileAction(foundation, kPileAcceptProgram, choice.programs.foundationAccept[base]));
            if (foundation != choice.readPile || choice.markReadPile)
                b.addAction(key, setPileAction(foundation, kPileDisplayValue, base));
        }
        for (int pile : choice.others)
            b.addAction(key, setPileAction(pile, kPileAcceptProgram, choice.otherAccept[base]));
    }
}

int rankBelow(int base) { return base == 1 ? 13 : base - 1; }

namespace {

using namespace velmora::rules;

Condition sameSuits(const Element& a, const Element& b, Suits suits)
{
    switch (suits) {
    case Suits::any: return always();
    case Suits::same: return suit(a) == suit(b);
    case Suits::alternate: return colour(a) != colour(b);
    case Suits::sameColour: return colour(a) == colour(b);
    case Suits::different: return suit(a) != suit(b);
    case Suits::cycle: return suit(a) == nextSuitInCycle(b);
    }
    return never();
}

// The rank after `card`'s going up, the Ace after the King. Written as one
// value so that the thirteen programs of a base choice stay small.
Value rankAfter(const Element& card, bool round = true)
{
    return round ? ifThenElse(rank(card) == 13, Value(1), rank(card) + 1) : rank(card) + 1;
}

}  // namespace

Condition acceptsBuiltOnRank(Build build, int emptyRank)
{
    const Element card = bottom(first);
    const Element onto = top(second);
    const Condition ranks = build.direction == Direction::up ? rank(card) == rankAfter(onto, build.wrap)
                                                             : rank(onto) == rankAfter(card, build.wrap);
    return faceUp(card) && ifThenElse(empty(second), rank(card) == emptyRank,
                                      faceUp(onto) && ranks && sameSuits(card, onto, build.suits));
}

Condition acceptsRoundFromBase(int base, bool fullAtThirteen)
{
    const Element card = top(first);
    const Element onto = top(second);
    const Condition onPile = suit(card) == suit(onto) && rank(card) == rankAfter(onto);
    return count(first) == 1 && faceUp(card) &&
           ifThenElse(empty(second), rank(card) == base,
                      fullAtThirteen ? count(second) < 13 && onPile : onPile);
}

}  // namespace velmora::gamedb
