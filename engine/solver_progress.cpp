#include "solver_progress.h"

#include <algorithm>

#include "solver_hash.h"

namespace velmora {
namespace {

constexpr std::int32_t kWinPileCard = 30;
constexpr std::int32_t kHiddenCard = 10;
constexpr std::int32_t kHeldBackCard = 2;
constexpr std::int32_t kHeldTopCard = 20;

std::vector<bool> winKeys(const GameDefinition& definition)
{
    std::vector<bool> keys(static_cast<std::size_t>(definition.keyCount()), false);
    for (const ActionLink& link : definition.actionLinks)
        if (link.key < keys.size() && link.action < definition.actions.size() &&
            definition.actions[link.action].kind == static_cast<std::uint8_t>(ActionKind::declareWon))
            keys[link.key] = true;
    return keys;
}

SequenceElement faceOf(const Engine& engine, std::uint16_t card)
{
    if (!engine.state().cards[card].faceUp)
        return {kFaceDownSuit, kFaceDownRank};
    const CardDefinition& face = engine.definition().cards[card];
    return {face.suit, face.rank};
}

}  // namespace

bool ProgressMeasure::Remembered::find(std::uint64_t key, std::int32_t& order) const
{
    if (slots_.empty())
        return false;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = (key >> 1) & mask;; slot = (slot + 1) & mask) {
        if (slots_[slot].key == 0)
            return false;
        if (slots_[slot].key == key) {
            order = slots_[slot].order;
            return true;
        }
    }
}

void ProgressMeasure::Remembered::store(std::uint64_t key, std::int32_t order)
{
    if (slots_.empty())
        slots_.resize(kSlots);
    if (2 * (used_ + 1) > slots_.size()) {
        std::fill(slots_.begin(), slots_.end(), Slot{});
        used_ = 0;
    }
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = (key >> 1) & mask;
    while (slots_[slot].key != 0)
        slot = (slot + 1) & mask;
    slots_[slot] = Slot{key, order};
    ++used_;
}

std::vector<std::int32_t> winPileWeights(const GameDefinition& definition)
{
    std::vector<std::int32_t> weights(definition.piles.size(), 0);
    const std::vector<bool> keys = winKeys(definition);
    const SequenceElement empty[1] = {{0, 0}};
    const CardSequence none(empty);
    RuleMachine machine;
    for (const ConditionLink& link : definition.conditionLinks) {
        if (link.key >= keys.size() || !keys[link.key] || link.condition >= definition.conditions.size())
            continue;
        const ConditionDefinition& condition = definition.conditions[link.condition];
        if (condition.pile >= weights.size() || condition.program >= definition.programs.size())
            continue;
        const bool emptyWins = runRule(machine, definition.programs[condition.program], none,
                                       condition.otherPile == kNone ? nullptr : &none);
        weights[condition.pile] = emptyWins ? 1 : -1;
    }
    return weights;
}

std::vector<bool> foundationPiles(const Engine& engine, const std::vector<std::int32_t>& pileWeights)
{
    std::vector<bool> foundations(pileWeights.size(), false);
    bool any = false;
    for (std::size_t pile = 0; pile < pileWeights.size(); ++pile) {
        foundations[pile] = pileWeights[pile] < 0;
        any = any || foundations[pile];
    }
    if (any)
        return foundations;
    const auto& piles = engine.state().piles;
    for (std::size_t pile = 0; pile < pileWeights.size(); ++pile)
        foundations[pile] = pileWeights[pile] == 0 && piles[pile].interactive && piles[pile].spread == 0 &&
                            piles[pile].count == 0;
    return foundations;
}

ProgressMeasure::ProgressMeasure(const Engine& engine)
    : pileWeights_(winPileWeights(engine.definition())),
      foundations_(foundationPiles(engine, pileWeights_)),
      jumps_(engine.definition().programs.size())
{
}

bool ProgressMeasure::holds(const Engine& engine, int program, CardSequence first, CardSequence second)
{
    const auto& programs = engine.definition().programs;
    if (program < 0 || program >= static_cast<int>(programs.size()))
        return false;
    const auto number = static_cast<std::size_t>(program);
    return runRule(machine_, programs[number], jumps_[number], first, &second);
}

// faces_ holds the pile top card first, so the cards from position i up are
// faces_[0 .. n-1-i] and the cards under position i are faces_[n-i .. n-1].
std::int32_t ProgressMeasure::measureOrder(const Engine& engine, const Pile& pile)
{
    const std::size_t n = faces_.size();
    const auto faceUpAt = [&](std::size_t position) { return faces_[n - 1 - position].suit != kFaceDownSuit; };
    std::int32_t order = 0;
    std::int32_t run = 0;  // pairs in the run that ends at position i - 1
    for (std::size_t i = 1; i < n; ++i) {
        const CardSequence card(faces_.data() + (n - 1 - i), 1);
        const CardSequence under(faces_.data() + (n - i), i);
        if (!faceUpAt(i) || !faceUpAt(i - 1) || !holds(engine, pile.acceptProgram, card, under)) {
            order += static_cast<std::int32_t>(n - i);  // a break, and the cards above it
            run = 0;
            continue;
        }
        order -= 1;
        const CardSequence pair(faces_.data() + (n - 1 - i), 2);
        const CardSequence belowPair(faces_.data() + (n - i + 1), i - 1);
        if (holds(engine, pile.pickUpProgram, pair, belowPair)) {
            ++run;
            order -= 2 * run - 1;  // a run of k pairs is worth k * k in all
        } else {
            run = 0;
        }
    }
    return order;
}

std::int32_t ProgressMeasure::orderOf(const Engine& engine, int pile)
{
    const Pile& runtime = engine.state().piles[static_cast<std::size_t>(pile)];
    const auto& cards = engine.cardsOn(pile);
    if (cards.size() < 2)
        return 0;
    HashBuilder key;
    key.add(static_cast<std::uint16_t>(runtime.acceptProgram));
    key.add(static_cast<std::uint16_t>(runtime.pickUpProgram));
    faces_.clear();
    for (auto card = cards.rbegin(); card != cards.rend(); ++card) {
        faces_.push_back(faceOf(engine, *card));
        key.add((static_cast<std::uint64_t>(faces_.back().suit) << 8) | static_cast<std::uint64_t>(faces_.back().rank));
    }
    const std::uint64_t hash = key.value() | 1;  // never 0, which marks a free slot
    std::int32_t order = 0;
    if (!remembered_.find(hash, order)) {
        order = measureOrder(engine, runtime);
        remembered_.store(hash, order);
    }
    return order;
}

std::int32_t ProgressMeasure::score(const Engine& engine)
{
    const GameState& state = engine.state();
    std::int32_t total = 0;
    for (std::size_t pile = 0; pile < pileWeights_.size(); ++pile) {
        const Pile& runtime = state.piles[pile];
        if (pileWeights_[pile] != 0)
            total += kWinPileCard * pileWeights_[pile] * runtime.count;
        else if (runtime.interactive && runtime.spread != 0)
            total += orderOf(engine, static_cast<int>(pile));
        else if (runtime.interactive && runtime.count > 0 && !foundations_[pile])
            total += kHeldBackCard * (runtime.count - 1) + kHeldTopCard;
    }
    for (const Card& card : state.cards)
        if (!card.faceUp && state.piles[card.pile].spread != 0)
            total += kHiddenCard;
    return total;
}

}  // namespace velmora
