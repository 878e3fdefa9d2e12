// Undo of whole player steps, entry by entry in reverse order.
#include "engine.h"
#include "move_permissions.h"

namespace velmora {

bool Engine::undoStep()
{
    if (!hasGame_ || state_.history.empty())
        return false;
    while (!state_.history.empty()) {
        const HistoryEntry entry = state_.history.back();
        undoEntry(entry);
        state_.history.pop_back();
        if (entry.groupStart == 1)
            break;
    }
    step_ = StepContext{};
    return true;
}

void Engine::undoEntry(const HistoryEntry& entry)
{
    switch (static_cast<HistoryKind>(entry.kind)) {
    case HistoryKind::playerMove: {
        const int count = state_.piles[entry.destination].count - entry.destinationCount;
        if (count <= 0)
            return;
        const auto cards = takeCards(entry.destination, entry.destinationCount, count);
        insertCards(entry.subject, state_.piles[entry.subject].count, cards);
        return;
    }
    case HistoryKind::actionApplied:
        undoAction(definition_->actions[entry.subject], entry.saved);
        return;
    case HistoryKind::openFlagChanged: {
        Card& card = state_.cards[entry.subject];
        card.open = card.open ? 0 : 1;
        if (card.pile < openFlagsStale_.size())
            openFlagsStale_[card.pile] = 1;
        return;
    }
    case HistoryKind::counterUsed:
        ++state_.counters[entry.subject].remaining;
        return;
    }
}

void Engine::undoAction(const ActionDefinition& action, std::int16_t returned)
{
    switch (static_cast<ActionKind>(action.kind)) {
    case ActionKind::moveCards: {
        // Take the cards from where they were inserted and put them back where
        // they came from.
        ActionDefinition inverse{};
        inverse.kind = action.kind;
        inverse.pileA = action.pileB;
        inverse.pileB = action.pileA;
        inverse.rangeMode = action.insertMode;
        inverse.rangeA = action.insertOffset;
        const int moved = action.rangeMode == 0 ? returned - action.rangeA - action.rangeB : returned;
        inverse.rangeB = static_cast<std::uint16_t>(moved < 0 ? 0 : moved);
        inverse.insertMode = action.rangeMode == 0 ? 1 : action.rangeMode;
        inverse.insertOffset = action.rangeMode == 0 ? action.rangeB : action.rangeA;
        moveRange(inverse);
        return;
    }
    case ActionKind::setPileAttribute: {
        Pile& pile = state_.piles[action.pileA];
        const auto old = static_cast<std::uint16_t>(returned);
        switch (action.attribute) {
        case kPileInteractive: pile.interactive = action.value ? 0 : 1; return;
        case kPileEnabled: pile.enabled = action.value ? 0 : 1; return;
        case kPileReverse: reversePile(action.pileA); return;
        case kPileAcceptProgram: pile.acceptProgram = static_cast<std::int16_t>(old); return;
        case kPilePickUpProgram: pile.pickUpProgram = static_cast<std::int16_t>(old); return;
        case kPileShuffle: shufflePile(action.pileA, old, true); return;
        case kPileDisplayValue:
            if (definition_->piles[action.pileA].style == kStyleBaseCard) {
                pile.displayValue = old & 0xFF;
                pile.displayValue2 = old >> 8;
            } else {
                pile.displayValue = old;
            }
            return;
        default: return;
        }
    }
    case ActionKind::setCardAttribute:
        setCardAttribute(action, action.value ? 0 : 1);
        return;
    case ActionKind::forbidMoves:
        permitMoves(state_.permissions, action.pileA, action.pileB);
        return;
    case ActionKind::permitMoves:
        forbidMoves(state_.permissions, action.pileA, action.pileB, static_cast<int>(state_.piles.size()));
        return;
    case ActionKind::declareWon:
        return;
    case ActionKind::resetCounter:
        state_.counters[action.pileA].remaining = returned;
        return;
    }
}

}  // namespace velmora
