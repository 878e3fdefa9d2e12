// Undo of whole player steps, entry by entry in reverse order.
#include "action_history.h"
#include "action_ranges.h"
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
        undoAction(definition_->actions[entry.subject], entry);
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

void Engine::undoAction(const ActionDefinition& action, const HistoryEntry& entry)
{
    const std::int16_t returned = entry.saved;
    switch (static_cast<ActionKind>(action.kind)) {
    case ActionKind::moveCards:
        undoMoveRange(action, returned);
        return;
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
        undoCardAttribute(action, entry);
        return;
    case ActionKind::forbidMoves:
        restoreForbidden(state_.permissions, action.pileA, action.pileB, static_cast<int>(state_.piles.size()),
                         permissionRemovalOf(entry));
        return;
    case ActionKind::permitMoves:
        withdrawPermit(state_.permissions, action.pileA, action.pileB);
        return;
    case ActionKind::declareWon:
        state_.gameOver = returned != 0 ? 1 : 0;
        return;
    case ActionKind::resetCounter:
        state_.counters[action.pileA].remaining = returned;
        return;
    }
}

// Takes the cards from where they were inserted and puts them back where they
// came from. Both places are found as the action found them: the insertion
// point from the destination without the moved cards, clamped to it, and the
// range from the source with them.
void Engine::undoMoveRange(const ActionDefinition& action, int returned)
{
    const int moved = action.rangeMode == 0 ? returned - action.rangeA - action.rangeB : returned;
    const int destinationCount = state_.piles[action.pileB].count;
    if (moved <= 0 || moved > destinationCount)
        return;
    const int sourceCount = action.pileA == action.pileB ? destinationCount : state_.piles[action.pileA].count + moved;
    const Range range = selectRange(action.rangeMode, action.rangeA, action.rangeB, sourceCount);
    const int at = insertionPoint(action.insertMode, action.insertOffset, range.first, destinationCount - moved);
    const std::vector<std::uint16_t> cards = takeCards(action.pileB, at, moved);
    insertCards(action.pileA, std::min(range.first, static_cast<int>(pileCards_[action.pileA].size())), cards);
}

// Gives the cards the action changed their old flag back: the run the entry
// names, or the whole range for an entry that names none.
void Engine::undoCardAttribute(const ActionDefinition& action, const HistoryEntry& entry)
{
    const auto& cards = pileCards_[action.pileA];
    const int count = static_cast<int>(cards.size());
    CardRun run = cardRunOf(entry);
    if (run.count == 0) {
        const Range range = selectRange(action.rangeMode, action.rangeA, action.rangeB, count);
        run = {range.first, range.count};
    }
    const std::uint8_t old = flag(action.value) ? 0 : 1;
    for (int position = std::max(run.first, 0); position < std::min(run.first + run.count, count); ++position) {
        std::uint8_t* field = cardFlag(state_.cards[cards[static_cast<std::size_t>(position)]], action.attribute);
        if (!field)
            continue;
        *field = old;
        // Remembered answers and open flags follow the change, as when the
        // action set it.
        if (action.attribute == kCardFaceUp)
            answers_.pileChanged(action.pileA, position);
        else if (action.attribute == kCardOpen)
            openFlagsStale_[action.pileA] = 1;
    }
}

}  // namespace velmora
