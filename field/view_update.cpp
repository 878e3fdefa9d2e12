#include "view_update.h"

namespace velmora {
namespace {

ViewUpdate moveUpdate(const ActionDefinition& action)
{
    ViewUpdate update;
    update.type = UpdateType::moveCards;
    update.pile = action.pileA;
    update.selectionMode = action.rangeMode;
    update.firstCount = action.rangeA;
    update.secondCount = action.rangeB;
    update.target = action.pileB;
    update.destinationMode = action.insertMode;
    update.destinationValue = action.insertOffset;
    return update;
}

ViewUpdate turnUpdate(const ActionDefinition& action)
{
    ViewUpdate update;
    update.type = UpdateType::turnCards;
    update.pile = action.pileA;
    update.selectionMode = action.rangeMode;
    update.firstCount = action.rangeA;
    update.secondCount = action.rangeB;
    update.target = action.value;
    return update;
}

ViewUpdate pileUpdate(UpdateType type, const ActionDefinition& action)
{
    ViewUpdate update;
    update.type = type;
    update.pile = action.pileA;
    update.value = action.value;
    return update;
}

}  // namespace

void UpdateList::AppendEvent(const ActionDefinition& action)
{
    if (!view_.validPile(action.pileA))
        return;
    const ViewPile& pile = view_.piles[action.pileA];
    switch (static_cast<ActionKind>(action.kind)) {
    case ActionKind::moveCards:
        if (view_.validPile(action.pileB))
            updates_.push_back(moveUpdate(action));
        return;
    case ActionKind::setCardAttribute:
        if (action.attribute == kCardFaceUp)
            updates_.push_back(turnUpdate(action));
        return;
    case ActionKind::setPileAttribute:
        break;
    default:
        return;
    }
    switch (action.attribute) {
    case kPileInteractive:
        updates_.push_back(pileUpdate(UpdateType::showPile, action));
        return;
    case kPileReverse:
        updates_.push_back(pileUpdate(UpdateType::reversePile, action));
        return;
    case kPileShuffle:
        updates_.push_back(pileUpdate(UpdateType::shufflePile, action));
        return;
    case kPileDisplayValue: {
        // Only base-card and redeal marks show their value.
        ViewUpdate update = pileUpdate(UpdateType::setDisplayValues, action);
        if (pile.style == kStyleBaseCard) {
            update.baseRank = (action.value & 0xFF) - 1;
            update.baseSuit = (action.value >> 8) - 1;
        } else if (pile.style == kStyleRedealMark) {
            update.baseRank = action.value;
        } else {
            return;
        }
        updates_.push_back(update);
        return;
    }
    default:
        return;
    }
}

}  // namespace velmora
