// The legality questions: pick-up, drop, tap, and the enumeration of every
// legal move in its fixed order.
#include "engine.h"

#include <bit>

#include "move_permissions.h"

namespace velmora {

PileRun Engine::wholePile(int pile) const
{
    const int count = state_.piles[static_cast<std::size_t>(pile)].count;
    return {pile, count - 1, count};
}

PileRun Engine::groupFrom(const Card& card) const
{
    const int count = state_.piles[card.pile].count;
    return {card.pile, count - 1, count - card.position};
}

PileRun Engine::below(const Card& card) const { return {card.pile, card.position - 1, card.position}; }

bool Engine::programHoldsOnPile(int program, int pile, int otherPile)
{
    return programHolds(program, wholePile(pile), otherPile == kNone ? PileRun{} : wholePile(otherPile));
}

bool Engine::keyConditionsHold(int key)
{
    for (int number : keyConditions_[static_cast<std::size_t>(key)]) {
        const ConditionDefinition& condition = definition_->conditions[static_cast<std::size_t>(number)];
        if (!state_.piles[condition.pile].enabled)
            return false;
        RecentAnswer& recent = answers_.condition(number);
        const int otherPile = condition.otherPile == kNone ? -1 : condition.otherPile;
        if (!answers_.stillHolds(recent, condition.program, condition.pile, otherPile))
            answers_.note(recent, condition.program,
                          programHoldsOnPile(condition.program, condition.pile, condition.otherPile));
        if (!recent.holds)
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
    const int program = state_.piles[picked.pile].pickUpProgram;
    RecentAnswer& recent = answers_.pickUp(card);
    if (!answers_.stillHolds(recent, program, picked.pile, -1))
        answers_.note(recent, program, programHolds(program, groupFrom(picked), below(picked)));
    return recent.holds;
}

bool Engine::takesDrops(int pile) const
{
    const Pile& target = state_.piles[static_cast<std::size_t>(pile)];
    if (!target.interactive)
        return false;
    const auto& cards = pileCards_[static_cast<std::size_t>(pile)];
    if (cards.empty())
        return definition_->piles[static_cast<std::size_t>(pile)].style != kStyleHiddenWhenEmpty;
    return state_.cards[cards.back()].open != 0;
}

bool Engine::acceptHolds(int card, int pile)
{
    const Card& moved = state_.cards[static_cast<std::size_t>(card)];
    const int program = state_.piles[static_cast<std::size_t>(pile)].acceptProgram;
    RecentAnswer& recent = answers_.drop(card, pile);
    if (!answers_.stillHolds(recent, program, moved.pile, pile))
        answers_.note(recent, program, programHolds(program, groupFrom(moved), wholePile(pile)));
    return recent.holds;
}

bool Engine::dropAllowed(int card, int pile)
{
    const Card& moved = state_.cards[static_cast<std::size_t>(card)];
    return moved.pile != pile && takesDrops(pile) && permitsMove(state_.permissions, moved.pile, pile) &&
           acceptHolds(card, pile);
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

bool Engine::offersMoves(std::size_t c, int pass)
{
    const Card& card = state_.cards[c];
    const Pile& pile = state_.piles[card.pile];
    const bool isTop = card.position + 1 == pile.count;
    // As canReach: an interactive pile, and the top card of a squared one.
    if (!card.movable || isTop != (pass == 0) || !pile.interactive || (!isTop && pile.spread == 0))
        return false;
    return pickUpAllowed(static_cast<int>(c));
}

std::uint64_t Engine::pilesChangedSince(std::uint32_t at)
{
    ChangedPiles& last = changedPiles_;
    if (last.since == at && last.now == answers_.now() && last.era == answers_.era())
        return last.piles;
    last = {at, answers_.now(), answers_.era(), 0};
    for (std::size_t pile = 0; pile < state_.piles.size(); ++pile)
        if (answers_.changedAt(static_cast<int>(pile)) > at)
            last.piles |= std::uint64_t{1} << pile;
    return last.piles;
}

std::uint64_t Engine::acceptingPiles(int card, std::uint64_t wanted)
{
    AcceptedTargets::Entry& kept = acceptedTargets_.entry(card);
    const int pile = state_.cards[static_cast<std::size_t>(card)].pile;
    if (kept.era != answers_.era() || kept.at < answers_.changedAt(pile))
        kept.known = 0;  // the group from the card may be another
    else
        kept.known &= ~pilesChangedSince(kept.at);
    for (std::uint64_t ask = wanted & ~kept.known; ask != 0; ask &= ask - 1) {
        const std::uint64_t bit = ask & -ask;
        if (acceptHolds(card, std::countr_zero(ask)))
            kept.accepted |= bit;
        else
            kept.accepted &= ~bit;
        kept.known |= bit;
    }
    kept.at = answers_.now();
    kept.era = answers_.era();
    return kept.accepted & wanted;
}

void Engine::forEachMove(const std::function<bool(const Move&)>& visit)
{
    if (!hasGame_)
        return;
    const int pileCount = static_cast<int>(state_.piles.size());
    for (int pile = 0; pile < pileCount; ++pile)
        if (keyCanFire(tapKeyFor(pile)) && !visit(Move{true, static_cast<std::uint16_t>(pile), kNone, kNone}))
            return;

    // What does not depend on the card: the piles that take drops at all (as
    // bits, or listed for games of more piles than bits), and whether the
    // permissions let every pile reach every other.
    const bool pilesAsBits = pileCount <= AcceptedTargets::kMaxPiles;
    dropTargets_.clear();
    std::uint64_t targets = 0;
    for (int pile = 0; pile < pileCount; ++pile) {
        if (!takesDrops(pile))
            continue;
        if (pilesAsBits)
            targets |= std::uint64_t{1} << pile;
        else
            dropTargets_.push_back(pile);
    }
    const bool everyMovePermitted = permitsEveryMove(state_.permissions);
    if (pilesAsBits) {
        if (acceptedTargets_.size() != state_.cards.size())
            acceptedTargets_.reset(state_.cards.size());
        acceptedTargets_.forgetOnNewPrograms(state_.piles);
    }

    // Top cards first, then the inner cards of fanned piles; the targets of
    // each card in pile order.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t c = 0; c < state_.cards.size(); ++c) {
            if (!offersMoves(c, pass))
                continue;
            const int card = static_cast<int>(c);
            const int from = state_.cards[c].pile;
            const auto offer = [&](int target) {
                return visit(Move{false, kNone, static_cast<std::uint16_t>(c), static_cast<std::uint16_t>(target)});
            };
            if (pilesAsBits) {
                std::uint64_t wanted = targets & ~(std::uint64_t{1} << from);
                for (std::uint64_t check = everyMovePermitted ? 0 : wanted; check != 0; check &= check - 1)
                    if (!permitsMove(state_.permissions, from, std::countr_zero(check)))
                        wanted &= ~(check & -check);
                for (std::uint64_t accepted = acceptingPiles(card, wanted); accepted != 0; accepted &= accepted - 1)
                    if (!offer(std::countr_zero(accepted)))
                        return;
                continue;
            }
            for (const int target : dropTargets_) {
                if (target == from || (!everyMovePermitted && !permitsMove(state_.permissions, from, target)))
                    continue;
                if (acceptHolds(card, target) && !offer(target))
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
