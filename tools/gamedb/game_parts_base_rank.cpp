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
            b.addAction(key, setPileAction(foundation, kPileDisplayValue, base));
        }
        for (int pile : choice.others)
            b.addAction(key, setPileAction(pile, kPileAcceptProgram, choice.otherAccept[base]));
    }
}

int rankBelow(int base) { return base == 1 ? 13 : base - 1; }

}  // namespace velmora::gamedb
