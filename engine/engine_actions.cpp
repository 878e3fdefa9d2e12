// The scripted actions of the records: what each kind does to the game.
#include <algorithm>
#include <utility>

#include "action_history.h"
#include "action_ranges.h"
#include "engine.h"
#include "move_permissions.h"

namespace velmora {

Engine::ActionResult Engine::applyAction(const ActionDefinition& action)
{
    actionEntries_.clear();
    switch (static_cast<ActionKind>(action.kind)) {
    case ActionKind::moveCards:
        return moveRange(action);
    case ActionKind::setPileAttribute:
        return setPileAttribute(action);
    case ActionKind::setCardAttribute:
        return setCardAttribute(action);
    case ActionKind::forbidMoves:
        return forbid(action);
    case ActionKind::permitMoves:
        return {permitMoves(state_.permissions, action.pileA, action.pileB)};
    case ActionKind::declareWon: {
        const std::uint8_t wasWon = state_.gameOver;
        state_.gameOver = 1;
        return {true, wasWon};
    }
    case ActionKind::resetCounter: {
        Counter& counter = state_.counters[action.pileA];
        const std::int16_t old = counter.remaining;
        counter.remaining = definition_->counters[action.pileA].initial;
        return {true, old};
    }
    }
    return {};
}

void Engine::recordAction(StepContext& step, int number, const ActionResult& result)
{
    if (actionEntries_.empty()) {
        HistoryEntry entry{};
        entry.saved = result.returned;
        actionEntries_.push_back(entry);
    }
    for (HistoryEntry& entry : actionEntries_) {
        entry.kind = static_cast<std::uint8_t>(HistoryKind::actionApplied);
        entry.subject = static_cast<std::uint16_t>(number);
        record(step, entry);
    }
}

Engine::ActionResult Engine::moveRange(const ActionDefinition& action)
{
    const int before = state_.piles[action.pileA].count;
    const Range range = selectRange(action.rangeMode, action.rangeA, action.rangeB, before);
    if (range.count == 0)
        return {};
    const std::vector<std::uint16_t> cards = takeCards(action.pileA, range.first, range.count);
    const int at = insertionPoint(action.insertMode, action.insertOffset, range.first,
                                  state_.piles[action.pileB].count);
    insertCards(action.pileB, at, cards);
    const int returned = action.rangeMode == 0 ? before : range.count;
    return {true, static_cast<std::int16_t>(returned)};
}

Engine::ActionResult Engine::setPileAttribute(const ActionDefinition& action)
{
    Pile& pile = state_.piles[action.pileA];
    const std::uint16_t value = action.value;
    auto assign = [](auto& field, auto newValue) -> ActionResult {
        const auto old = field;
        field = static_cast<std::remove_reference_t<decltype(field)>>(newValue);
        return {old != field, static_cast<std::int16_t>(old)};
    };
    switch (action.attribute) {
    case kPileInteractive:
        return {assign(pile.interactive, flag(value)).changed};
    case kPileEnabled:
        return {assign(pile.enabled, flag(value)).changed};
    case kPileReverse:
        reversePile(action.pileA);
        return {true};
    case kPileAcceptProgram:
        return assign(pile.acceptProgram, value);
    case kPilePickUpProgram:
        return assign(pile.pickUpProgram, value);
    case kPileDisplayValue: {
        if (definition_->piles[action.pileA].style != kStyleBaseCard)
            return assign(pile.displayValue, value);
        const auto old = static_cast<std::int16_t>(pile.displayValue + 256 * pile.displayValue2);
        const std::uint32_t low = value & 0xFF;
        const std::uint32_t high = value >> 8;
        const bool changed = pile.displayValue != low || pile.displayValue2 != high;
        pile.displayValue = low;
        pile.displayValue2 = high;
        return {changed, old};
    }
    case kPileShuffle: {
        if (pile.count == 0)
            return {};
        const auto shuffleNumber = static_cast<std::uint16_t>(random_.next() + random_.next());
        shufflePile(action.pileA, shuffleNumber, false);
        return {true, static_cast<std::int16_t>(shuffleNumber), shuffleNumber};
    }
    default:
        return {};
    }
}

// Sets the flag on the range's cards and notes each run of cards whose flag
// changed, so that undo leaves alone the cards that already had the value.
Engine::ActionResult Engine::setCardAttribute(const ActionDefinition& action)
{
    const auto& cards = pileCards_[action.pileA];
    const Range range = selectRange(action.rangeMode, action.rangeA, action.rangeB,
                                    static_cast<int>(cards.size()));
    const std::uint8_t value = flag(action.value);
    int runStart = -1;
    const auto endRun = [&](int position) {
        if (runStart >= 0)
            actionEntries_.push_back(cardRunEntry(runStart, position - runStart));
        runStart = -1;
    };
    const int end = range.first + range.count;
    for (int position = range.first; position < end; ++position) {
        std::uint8_t* field = cardFlag(state_.cards[cards[static_cast<std::size_t>(position)]], action.attribute);
        if (!field)
            return {};
        if (*field == value) {
            endRun(position);
            continue;
        }
        *field = value;
        if (action.attribute == kCardFaceUp)
            answers_.pileChanged(action.pileA, position);
        else if (action.attribute == kCardOpen)
            openFlagsStale_[action.pileA] = 1;
        if (runStart < 0)
            runStart = position;
    }
    endRun(end);
    return {!actionEntries_.empty()};
}

// Forbids the moves and notes every permission entry it removed.
Engine::ActionResult Engine::forbid(const ActionDefinition& action)
{
    std::vector<PermissionRemoval> removals;
    if (!forbidMoves(state_.permissions, action.pileA, action.pileB, static_cast<int>(state_.piles.size()),
                     &removals))
        return {};
    for (const PermissionRemoval& removal : removals)
        actionEntries_.push_back(permissionRemovalEntry(removal));
    return {true};
}

void Engine::reversePile(int pile)
{
    auto& cards = pileCards_[static_cast<std::size_t>(pile)];
    std::reverse(cards.begin(), cards.end());
    renumber(pile, 0);
}

// Swaps P[i] with P[(r * (i + 1)) mod n] for i = 0 .. n-1; the same swaps in
// the opposite order restore the original order.
void Engine::shufflePile(int pile, std::uint16_t shuffleNumber, bool reverse)
{
    auto& cards = pileCards_[static_cast<std::size_t>(pile)];
    const auto n = static_cast<std::uint32_t>(cards.size());
    if (n == 0)
        return;
    for (std::uint32_t step = 0; step < n; ++step) {
        const std::uint32_t i = reverse ? n - 1 - step : step;
        std::swap(cards[i], cards[(shuffleNumber * (i + 1)) % n]);
    }
    renumber(pile, 0);
}

}  // namespace velmora
