// The legality questions: pick-up, drop, tap, and the enumeration of every
// legal move in its fixed order.
#include "engine.h"

#include "move_permissions.h"

namespace velmora {

bool Engine::runProgramOnPile(int program, int pile, int otherPile)
{
    // A program sees nothing but its sequences, so on empty piles its answer
    // never changes; such conditions (an empty foundation, an empty column)
    // are asked after every step.
    const bool alone = otherPile == kNone;
    if (pileCards_[static_cast<std::size_t>(pile)].empty() &&
        (alone || pileCards_[static_cast<std::size_t>(otherPile)].empty()) && program >= 0 &&
        program < static_cast<int>(emptyPileAnswers_.size())) {
        std::uint8_t& answer = emptyPileAnswers_[static_cast<std::size_t>(program)][alone ? 0 : 1];
        if (answer == 0) {
            const SequenceElement none[1] = {{0, 0}};
            const CardSequence empty(none);
            answer = runProgram(program, empty, alone ? nullptr : &empty) ? 2 : 1;
        }
        return answer == 2;
    }
    const CardSequence first = sequences_.wholePile(0, pileCards_[static_cast<std::size_t>(pile)]);
    if (otherPile == kNone)
        return runProgram(program, first, nullptr);
    const CardSequence second =
        sequences_.wholePile(1, pileCards_[static_cast<std::size_t>(otherPile)]);
    return runProgram(program, first, &second);
}

bool Engine::keyConditionsHold(int key)
{
    for (int number : keyConditions_[static_cast<std::size_t>(key)]) {
        const ConditionDefinition& condition = definition_->conditions[static_cast<std::size_t>(number)];
        if (!state_.piles[condition.pile].enabled)
            return false;
        if (!runProgramOnPile(condition.program, condition.pile, condition.otherPile))
            return false;
    }
    return true;
}

bool Engine::keyCanFire(int key)
{
    if (key < 0 || key >= static_cast<int>(keyActions_.size()))
        return false;
    if (!keyConditionsHold(key))
        return false;
    const int counter = keyCounter_[static_cast<std::size_t>(key)];
    return counter < 0 || state_.counters[static_cast<std::size_t>(counter)].remaining > 0;
}

int Engine::tapKeyFor(int pile) const
{
    const Pile& runtime = state_.piles[static_cast<std::size_t>(pile)];
    const PileDefinition& defined = definition_->piles[static_cast<std::size_t>(pile)];
    if (!runtime.interactive)
        return -1;
    const auto& cards = pileCards_[static_cast<std::size_t>(pile)];
    if (cards.empty())
        return defined.style == kStyleHiddenWhenEmpty ? -1 : defined.emptyTapKey;
    return state_.cards[cards.back()].movable ? defined.tapKey : -1;
}

bool Engine::pickUpAllowed(int card)
{
    const Card& picked = state_.cards[static_cast<std::size_t>(card)];
    const auto& pile = pileCards_[picked.pile];
    const CardSequence group = sequences_.groupFrom(0, pile, picked.position);
    const CardSequence under = sequences_.below(1, pile, picked.position);
    return runProgram(state_.piles[picked.pile].pickUpProgram, group, &under);
}

bool Engine::dropAllowed(int card, int pile)
{
    const Card& moved = state_.cards[static_cast<std::size_t>(card)];
    if (moved.pile == pile)
        return false;
    const Pile& target = state_.piles[static_cast<std::size_t>(pile)];
    const auto& cards = pileCards_[static_cast<std::size_t>(pile)];
    if (!target.interactive)
        return false;
    if (cards.empty()) {
        if (definition_->piles[static_cast<std::size_t>(pile)].style == kStyleHiddenWhenEmpty)
            return false;
    } else if (!state_.cards[cards.back()].open) {
        return false;
    }
    if (!permitsMove(state_.permissions, moved.pile, pile))
        return false;
    const CardSequence group = sequences_.groupFrom(0, pileCards_[moved.pile], moved.position);
    const CardSequence onto = sequences_.wholePile(1, cards);
    return runProgram(target.acceptProgram, group, &onto);
}

bool Engine::canPickUp(int card)
{
    if (!hasGame_ || !validCard(card) || !state_.cards[static_cast<std::size_t>(card)].movable)
        return false;
    return pickUpAllowed(card);
}

bool Engine::canDrop(int card, int pile)
{
    return hasGame_ && validCard(card) && validPile(pile) && dropAllowed(card, pile);
}

bool Engine::canReach(int card) const
{
    if (!hasGame_ || !validCard(card))
        return false;
    const Card& held = state_.cards[static_cast<std::size_t>(card)];
    const Pile& pile = state_.piles[held.pile];
    return pile.interactive && (pile.spread != 0 || held.position + 1 == pile.count);
}

bool Engine::canTap(int pile)
{
    return hasGame_ && validPile(pile) && keyCanFire(tapKeyFor(pile));
}

void Engine::forEachMove(const std::function<bool(const Move&)>& visit)
{
    if (!hasGame_)
        return;
    const int pileCount = static_cast<int>(state_.piles.size());
    for (int pile = 0; pile < pileCount; ++pile)
        if (keyCanFire(tapKeyFor(pile)) && !visit(Move{true, static_cast<std::uint16_t>(pile), kNone, kNone}))
            return;

    // Top cards first, then the inner cards of fanned piles.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t c = 0; c < state_.cards.size(); ++c) {
            const Card& card = state_.cards[c];
            const bool isTop = card.position + 1 == state_.piles[card.pile].count;
            if (!card.movable || isTop != (pass == 0) || !canReach(static_cast<int>(c)))
                continue;
            if (!pickUpAllowed(static_cast<int>(c)))
                continue;
            for (int target = 0; target < pileCount; ++target) {
                if (!dropAllowed(static_cast<int>(c), target))
                    continue;
                const Move move{false, kNone, static_cast<std::uint16_t>(c), static_cast<std::uint16_t>(target)};
                if (!visit(move))
                    return;
            }
        }
    }
}

std::optional<Move> Engine::findMove(int n)
{
    std::optional<Move> found;
    int index = 0;
    forEachMove([&](const Move& move) {
        if (index++ < n)
            return true;
        found = move;
        return false;
    });
    return found;
}

}  // namespace velmora
