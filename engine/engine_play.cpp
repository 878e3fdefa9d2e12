// Player steps and the event keys they raise: moves, taps, the automatic
// events after each step and right after the deal.
#include "engine.h"

namespace velmora {

bool Engine::applyKeyActions(int key, StepContext& step)
{
    bool changed = false;
    for (int number : keyActions_[static_cast<std::size_t>(key)]) {
        const ActionDefinition& action = definition_->actions[static_cast<std::size_t>(number)];
        const ActionResult result = applyAction(action);
        if (!result.changed)
            continue;
        changed = true;
        recordAction(step, number, result);
        if (step.sink) {
            AppliedAction applied{static_cast<std::uint16_t>(number), action, result.returned};
            if (action.kind == static_cast<std::uint8_t>(ActionKind::setPileAttribute) &&
                action.attribute == kPileShuffle)
                applied.action.value = result.shuffleNumber;
            step.sink->actionApplied(applied);
        }
    }
    return changed;
}

bool Engine::fireKey(int key, StepContext& step)
{
    if (!keyCanFire(key))
        return false;
    const int counter = keyCounter_[static_cast<std::size_t>(key)];
    if (counter >= 0) {
        --state_.counters[static_cast<std::size_t>(counter)].remaining;
        HistoryEntry entry{};
        entry.kind = static_cast<std::uint8_t>(HistoryKind::counterUsed);
        entry.subject = static_cast<std::uint16_t>(counter);
        record(step, entry);
    }
    step.changed = applyKeyActions(key, step) || step.changed;
    if (counter >= 0 && step.zeroKeys) {
        const Counter& used = state_.counters[static_cast<std::size_t>(counter)];
        if (used.remaining == 0 && used.zeroKey != 0)
            step.changed = applyKeyActions(used.zeroKey, step) || step.changed;
    }
    return true;
}

bool Engine::moveCards(int card, int pile, ChangeSink* sink)
{
    if (!hasGame_ || !validCard(card) || !validPile(pile) || !dropAllowed(card, pile))
        return false;
    const Card& moved = state_.cards[static_cast<std::size_t>(card)];
    const int source = moved.pile;
    const int position = moved.position;

    step_ = StepContext{};
    step_.sink = sink;
    HistoryEntry entry{};
    entry.kind = static_cast<std::uint8_t>(HistoryKind::playerMove);
    entry.subject = static_cast<std::uint16_t>(source);
    entry.saved = static_cast<std::int16_t>(position);
    entry.destination = static_cast<std::uint16_t>(pile);
    entry.destinationCount = state_.piles[static_cast<std::size_t>(pile)].count;
    record(step_, entry);

    const int count = state_.piles[static_cast<std::size_t>(source)].count - position;
    const std::vector<std::uint16_t> group = takeCards(source, position, count);
    insertCards(pile, state_.piles[static_cast<std::size_t>(pile)].count, group);

    fireKey(definition_->piles[static_cast<std::size_t>(pile)].dropKey, step_);
    return true;
}

bool Engine::tapPile(int pile, ChangeSink* sink)
{
    if (!hasGame_ || !validPile(pile))
        return false;
    const int key = tapKeyFor(pile);
    if (key < 0)
        return false;
    step_ = StepContext{};
    step_.sink = sink;
    fireKey(key, step_);
    return step_.changed;
}

bool Engine::runAfterMoveEvents(ChangeSink* sink)
{
    if (!hasGame_)
        return false;
    step_.sink = sink;
    step_.recordHistory = true;
    step_.zeroKeys = true;
    bool anyFired = false;
    const int keys = static_cast<int>(keyActions_.size());
    bool rescan = true;
    int scans = 0;
    for (; rescan && scans <= kMaxRescans && !state_.gameOver; ++scans) {
        rescan = false;
        for (int key = 1; key < keys && !state_.gameOver; ++key) {
            const auto trigger = static_cast<TriggerType>(definition_->triggerTypes[static_cast<std::size_t>(key)]);
            if (trigger != TriggerType::afterEveryStep && trigger != TriggerType::afterEveryStepRepeated)
                continue;
            if (!fireKey(key, step_))
                continue;
            anyFired = true;
            rescan = rescan || trigger == TriggerType::afterEveryStepRepeated;
        }
    }
    eventsCutOff_ = rescan && scans > kMaxRescans;
    updateOpenFlags(&step_);
    return anyFired;
}

void Engine::runDealEvents()
{
    if (!hasGame_)
        return;
    StepContext step;
    step.recordHistory = false;
    step.zeroKeys = false;
    const int keys = static_cast<int>(keyActions_.size());
    for (int key = 1; key < keys && !state_.gameOver; ++key)
        if (static_cast<TriggerType>(definition_->triggerTypes[static_cast<std::size_t>(key)]) ==
            TriggerType::afterDeal)
            fireKey(key, step);
    updateOpenFlags(nullptr);
}

}  // namespace velmora
