#include "game_parts_runs.h"

namespace velmora::gamedb {

using namespace velmora::rules;

Condition endsInCompleteRun()
{
    Condition rule = count(first) >= 13;
    for (int k = 0; k < 13; ++k)
        rule = rule && rank(at(first, k)) == k + 1 && suit(at(first, k)) == suit(top(first));
    return rule;
}

void addRunKeys(RecordBuilder& b, const CommonPrograms& common, std::span<const int> columns,
                std::span<const int> foundations)
{
    const int completeRun = addRule(b, endsInCompleteRun());
    for (int column : columns)
        for (std::size_t f = 0; f < foundations.size(); ++f) {
            const int key = b.addKey(TriggerType::afterEveryStep);
            b.addCondition(key, completeRun, column);
            b.addCondition(key, common.isEmpty, foundations[f]);
            if (f > 0)
                b.addCondition(key, common.notEmpty, foundations[f - 1]);
            b.addAction(key, moveCardsAction(column, Range::fromTop, 0, 13, foundations[f]));
        }
}

}  // namespace velmora::gamedb
