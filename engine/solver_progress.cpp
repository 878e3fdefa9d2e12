#include "solver_progress.h"

#include "rule_machine.h"

namespace velmora {
namespace {

constexpr std::int32_t kCardWeight = 3;

std::vector<bool> winKeys(const GameDefinition& definition)
{
    std::vector<bool> keys(static_cast<std::size_t>(definition.keyCount()), false);
    for (const ActionLink& link : definition.actionLinks)
        if (link.key < keys.size() && link.action < definition.actions.size() &&
            definition.actions[link.action].kind == static_cast<std::uint8_t>(ActionKind::declareWon))
            keys[link.key] = true;
    return keys;
}

}  // namespace

ProgressMeasure::ProgressMeasure(const Engine& engine) : pileWeights_(engine.state().piles.size(), 0)
{
    const GameDefinition& definition = engine.definition();
    const std::vector<bool> keys = winKeys(definition);
    RuleMachine machine;
    const SequenceElement empty[1] = {{0, 0}};
    const CardSequence none(empty);
    for (const ConditionLink& link : definition.conditionLinks) {
        if (link.key >= keys.size() || !keys[link.key] || link.condition >= definition.conditions.size())
            continue;
        const ConditionDefinition& condition = definition.conditions[link.condition];
        if (condition.pile >= pileWeights_.size() || condition.program >= definition.programs.size())
            continue;
        const bool emptyWins = runRule(machine, definition.programs[condition.program], none,
                                       condition.otherPile == kNone ? nullptr : &none);
        pileWeights_[condition.pile] = emptyWins ? 1 : -1;
    }
}

std::int32_t ProgressMeasure::score(const Engine& engine) const
{
    const GameState& state = engine.state();
    std::int32_t cards = 0;
    for (std::size_t pile = 0; pile < pileWeights_.size(); ++pile)
        cards += pileWeights_[pile] * state.piles[pile].count;
    std::int32_t hidden = 0;
    for (const Card& card : state.cards)
        if (!card.faceUp && state.piles[card.pile].spread != 0)
            ++hidden;
    return kCardWeight * cards + hidden;
}

}  // namespace velmora
