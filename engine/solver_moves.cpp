#include "solver_moves.h"

#include <algorithm>

#include "solver_hash.h"

namespace velmora {
namespace {

// Tags that keep the two kinds of question apart in the shared table.
constexpr std::uint64_t kPickUpQuestion = 1;
constexpr std::uint64_t kDropQuestion = 2;

// A card as rule programs see it: face-down cards all look alike.
std::uint64_t visibleFace(const Card& card, const CardDefinition& face)
{
    if (!card.faceUp)
        return (std::uint64_t{kFaceDownSuit} << 8) | kFaceDownRank;
    return (std::uint64_t{face.suit} << 8) | face.rank;
}

}  // namespace

int SolverMoveList::Answers::find(std::uint64_t key) const
{
    if (slots_.empty())
        return 0;
    // Keys give up their two low bits to the answer; 0 marks a free slot.
    const std::uint64_t wanted = key | 3;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = (key >> 2) & mask;; slot = (slot + 1) & mask) {
        const std::uint64_t held = slots_[slot];
        if (held == 0)
            return 0;
        if ((held | 3) == wanted)
            return static_cast<int>(held & 3);
    }
}

void SolverMoveList::Answers::store(std::uint64_t key, bool answer)
{
    if (2 * (used_ + 1) > slots_.size()) {
        used_ = 0;
        if (slots_.size() >= kMaxSlots) {
            // Past the limit: forget everything and start again.
            std::fill(slots_.begin(), slots_.end(), 0);
        } else {
            std::vector<std::uint64_t> old(std::max(kFirstSlots, 2 * slots_.size()), 0);
            old.swap(slots_);
            for (std::uint64_t held : old)
                if (held != 0)
                    place(held);
        }
    }
    place((key & ~std::uint64_t{3}) | (answer ? 2 : 1));
}

void SolverMoveList::Answers::place(std::uint64_t held)
{
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = (held >> 2) & mask;
    while (slots_[slot] != 0)
        slot = (slot + 1) & mask;
    slots_[slot] = held;
    ++used_;
}

void SolverMoveList::hashPiles()
{
    const GameState& state = engine_.state();
    const GameDefinition& definition = engine_.definition();
    const std::size_t piles = state.piles.size();
    fromHashes_.resize(piles);
    belowHashes_.resize(piles);
    for (std::size_t pile = 0; pile < piles; ++pile) {
        const auto& cards = engine_.cardsOn(static_cast<int>(pile));
        const std::size_t count = cards.size();
        auto& from = fromHashes_[pile];
        auto& below = belowHashes_[pile];
        from.resize(count + 1);
        below.resize(count + 1);
        from[count] = 0;
        below[0] = 0;
        for (std::size_t position = 0; position < count; ++position) {
            const std::uint16_t card = cards[position];
            below[position + 1] = hashCombine(below[position], visibleFace(state.cards[card], definition.cards[card]));
        }
        for (std::size_t position = count; position-- > 0;) {
            const std::uint16_t card = cards[position];
            from[position] = hashCombine(from[position + 1], visibleFace(state.cards[card], definition.cards[card]));
        }
    }
    HashBuilder permissions;
    addPermittedMoves(permissions, state.permissions, static_cast<int>(piles));
    const std::uint64_t permissionsHash = permissions.value();

    targetKeys_.resize(piles);
    for (std::size_t pile = 0; pile < piles; ++pile) {
        const Pile& target = state.piles[pile];
        const std::uint16_t top = engine_.topCard(static_cast<int>(pile));
        HashBuilder key;
        key.add(pile);
        key.add(target.interactive);
        key.add(static_cast<std::uint16_t>(target.acceptProgram));
        key.add(top == kNone ? 2 : state.cards[top].open);
        key.add(permissionsHash);
        key.add(belowHashes_[pile].back());
        targetKeys_[pile] = key.value();
    }
}

// canPickUp reads the card's movable flag, its pile's pick-up program, the
// group from the card and the cards below it.
bool SolverMoveList::canPickUp(int card)
{
    const Card& picked = engine_.state().cards[static_cast<std::size_t>(card)];
    const Pile& pile = engine_.state().piles[picked.pile];
    HashBuilder key;
    key.add(kPickUpQuestion);
    key.add(picked.movable);
    key.add(static_cast<std::uint16_t>(pile.pickUpProgram));
    key.add(fromHashes_[picked.pile][static_cast<std::size_t>(picked.position)]);
    key.add(belowHashes_[picked.pile][static_cast<std::size_t>(picked.position)]);
    const int known = answers_.find(key.value());
    if (known != 0)
        return known == 2;
    const bool answer = engine_.canPickUp(card);
    answers_.store(key.value(), answer);
    return answer;
}

// canDrop reads both piles' numbers (for the permissions and the target's
// style), the target's flags, accept program and top card's open flag, the
// group and the target's cards. The key joins the group's part, made once per
// card, with the target's part, made once per state.
std::uint64_t SolverMoveList::groupKey(int card) const
{
    const Card& moved = engine_.state().cards[static_cast<std::size_t>(card)];
    HashBuilder key;
    key.add(kDropQuestion);
    key.add(moved.pile);
    key.add(fromHashes_[moved.pile][static_cast<std::size_t>(moved.position)]);
    return key.value();
}

bool SolverMoveList::canDrop(int card, std::uint64_t groupKey, int pile)
{
    if (engine_.state().cards[static_cast<std::size_t>(card)].pile == pile)
        return false;
    const std::uint64_t key = hashCombine(groupKey, targetKeys_[static_cast<std::size_t>(pile)]);
    const int known = answers_.find(key);
    if (known != 0)
        return known == 2;
    const bool answer = engine_.canDrop(card, pile);
    answers_.store(key, answer);
    return answer;
}

void SolverMoveList::list(std::vector<Step>& steps)
{
    steps.clear();
    const GameState& state = engine_.state();
    const int pileCount = static_cast<int>(state.piles.size());
    for (int pile = 0; pile < pileCount; ++pile)
        if (engine_.canTap(pile))
            steps.push_back(Step::tapOn(static_cast<std::uint16_t>(pile)));

    hashPiles();
    // Top cards first, then the inner cards of fanned piles, each onto every
    // pile in pile order: the order of Engine::forEachMove.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t c = 0; c < state.cards.size(); ++c) {
            const Card& card = state.cards[c];
            const bool isTop = card.position + 1 == state.piles[card.pile].count;
            if (!card.movable || isTop != (pass == 0) || !engine_.canReach(static_cast<int>(c)))
                continue;
            if (!canPickUp(static_cast<int>(c)))
                continue;
            const std::uint64_t group = groupKey(static_cast<int>(c));
            for (int target = 0; target < pileCount; ++target)
                if (canDrop(static_cast<int>(c), group, target))
                    steps.push_back(Step::moveOnto(static_cast<std::uint16_t>(c), static_cast<std::uint16_t>(target)));
        }
    }
}

}  // namespace velmora
