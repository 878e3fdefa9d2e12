#include "klondike_family_waste_spaces.h"

namespace velmora::gamedb {

// Forbidding every move onto the space and then permitting the waste's
// leaves the waste as its only source; once the pile holds a card again,
// moves from anywhere are permitted back. Either key changes nothing while
// its pile stays as it is.
void addWasteOnlySpaceKeys(RecordBuilder& b, const CommonPrograms& common, const KlondikePiles& piles)
{
    for (int column : piles.tableau) {
        const int close = b.addKey(TriggerType::afterEveryStep);
        b.addCondition(close, common.isEmpty, column);
        b.addAction(close, forbidMovesAction(kAnyPile, column));
        b.addAction(close, permitMovesAction(piles.waste, column));
        const int open = b.addKey(TriggerType::afterEveryStep);
        b.addCondition(open, common.notEmpty, column);
        b.addAction(open, permitMovesAction(kAnyPile, column));
    }
}

}  // namespace velmora::gamedb
