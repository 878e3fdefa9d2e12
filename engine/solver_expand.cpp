// Expanding one state of the solver's tree, and walking the engine from state
// to state by undo and replay.
#include <algorithm>
#include <bit>

#include "solver_search.h"

namespace velmora::solver_detail {
namespace {

// The longest chain of taps followed from one state: more than a stock of
// four packs turned one card at a time, with its redeal.
constexpr std::uint16_t kLongestChain = 256;

// The one tap the state offers, or none when it offers none or several.
std::optional<std::uint16_t> onlyTap(const std::vector<Step>& steps)
{
    std::optional<std::uint16_t> tap;
    for (const Step& step : steps) {
        if (step.kind != Step::tap)
            continue;
        if (tap)
            return std::nullopt;
        tap = step.pile;
    }
    return tap;
}

}  // namespace

std::uint64_t Search::hashNow() { return phase_ == Phase::win ? hasher_.coarse(engine_) : hasher_.exact(engine_); }

// Chains are for a stock that turns over without end: tapping on from the
// start comes back to it. Where it does not (no redeal, a few redeals, a
// redeal that shuffles), a tap deep into the stock buries every card before
// it for good, and offering each of them as a move of its own floods the
// search; there the tap is a move like any other.
bool Search::tapsComeRound()
{
    const std::size_t here = path_.size() - 1;
    const std::uint64_t start = hashNow();
    std::optional<std::uint16_t> first;
    bool cameRound = false;
    for (std::uint16_t taps = 0; taps < kLongestChain && !cameRound; ++taps) {
        moves_.list(steps_);
        const std::optional<std::uint16_t> tap = onlyTap(steps_);
        if (!tap || (first && *tap != *first) || !take(Step::tapOn(*tap)))
            break;
        first = tap;
        cameRound = hashNow() == start;
    }
    return unwindTo(here) && cameRound;
}

bool Search::expand(std::uint32_t node)
{
    const std::size_t here = path_.size() - 1;
    std::uint16_t taps = 0;
    std::uint16_t tapPile = kNone;
    for (;;) {
        moves_.list(steps_);
        if (phase_ == Phase::win && taps == 0) {
            const int safe = safeMoves_.find(engine_, steps_);
            if (safe >= 0) {
                leftMovesOut_ = leftMovesOut_ || steps_.size() > 1;
                steps_ = {steps_[static_cast<std::size_t>(safe)]};
            }
        }
        const std::optional<std::uint16_t> tap = onlyTap(steps_);
        const bool chainGoesOn = tap && (taps == 0 || *tap == tapPile) && taps < kLongestChain && chains_;
        if (taps == 0) {
            firstSteps_ = steps_;
            chainPiles_.assign(engine_.state().piles.size(), false);
        }
        if (!addChildren(node, taps, tapPile, chainGoesOn))
            return false;
        if (!chainGoesOn)
            break;
        // The next state of the chain: taken, and expanded here unless it
        // was expanded before.
        pileCounts_.clear();
        for (const Pile& pile : engine_.state().piles)
            pileCounts_.push_back(pile.count);
        const RandomGenerator before = engine_.random();
        if (!take(Step::tapOn(*tap)))
            break;
        // A tap that shuffles is a redeal, a choice of its own rather than a
        // turn of the stock: it becomes a child like any move.
        if (std::bit_cast<std::uint32_t>(engine_.random()) != std::bit_cast<std::uint32_t>(before)) {
            if (!unwindTo(path_.size() - 2) || !addChild(node, Step::tapOn(*tap), taps, tapPile))
                return false;
            break;
        }
        for (std::size_t pile = 0; pile < pileCounts_.size(); ++pile)
            if (engine_.state().piles[pile].count != pileCounts_[pile])
                chainPiles_[pile] = true;
        if (engine_.isWon()) {
            found_ = stepsTo(node);
            found_.insert(found_.end(), taps + 1u, Step::tapOn(*tap));
            return false;
        }
        const std::uint64_t hash = hashNow();
        seen_.insert(hash);
        if (!expanded_.insert(hash))
            break;
        tapPile = *tap;
        ++taps;
    }
    if (!unwindTo(here))
        return false;
    // Undo must give back exactly the state it started from; a record whose
    // undo loses something cannot be searched this way.
    return hashNow() == nodes_[node].hash;
}

// The moves of the chain's state; its tap, when the chain goes on, is not a
// child but the next state of the chain.
bool Search::addChildren(std::uint32_t node, std::uint16_t taps, std::uint16_t tapPile, bool chainGoesOn)
{
    emptyTargets_.clear();
    for (const Step& step : steps_) {
        if (step.kind == Step::tap && chainGoesOn)
            continue;
        // Moves left out by a shortcut: the search's end proves nothing then.
        if ((taps > 0 && movesWithTheChain(step)) || goesToATwinOfAnEarlierTarget(step)) {
            leftMovesOut_ = true;
            continue;
        }
        if (!addChild(node, step, taps, tapPile))
            return false;
    }
    return true;
}

// In the search for a win, a card that may go to several empty piles of the
// same kind (FreeCell's cells, empty columns) goes to the first of them only:
// the others would give the same position with the piles swapped round.
bool Search::goesToATwinOfAnEarlierTarget(const Step& step)
{
    if (phase_ != Phase::win || step.kind != Step::move || engine_.state().piles[step.destination].count != 0)
        return false;
    const EmptyTarget target{step.card, hasher_.emptyPileKind(engine_, step.destination)};
    if (std::find(emptyTargets_.begin(), emptyTargets_.end(), target) != emptyTargets_.end())
        return true;
    emptyTargets_.push_back(target);
    return false;
}

// In the search for a win, a move of the chain's first state that neither
// takes from nor goes to a pile the taps change is taken there only: made
// further along the chain it would lead to the same state as tapping on
// after making it there.
bool Search::movesWithTheChain(const Step& step) const
{
    if (phase_ != Phase::win || step.kind != Step::move)
        return false;
    const std::uint16_t from = engine_.state().cards[step.card].pile;
    if (chainPiles_[from] || chainPiles_[step.destination])
        return false;
    return std::find(firstSteps_.begin(), firstSteps_.end(), step) != firstSteps_.end();
}

bool Search::addChild(std::uint32_t node, const Step& step, std::uint16_t taps, std::uint16_t tapPile)
{
    const std::size_t here = path_.size() - 1;
    // A move the engine lists but refuses to take is simply not a way on.
    if (!take(step))
        return true;
    if (engine_.isWon()) {
        found_ = stepsTo(node);
        found_.insert(found_.end(), taps, Step::tapOn(tapPile));
        found_.push_back(step);
        return false;
    }
    const std::uint64_t hash = hashNow();
    if (seen_.insert(hash)) {
        // A state at the depth limit could only win beyond it.
        if (path_.size() - 1 >= options_.maxDepth)
            depthCut_ = true;
        else
            children_.push_back(
                Child{phase_ == Phase::win ? progress_.score(engine_) : 0, node, hash, step, taps, tapPile});
    }
    return unwindTo(here);
}

std::uint32_t Search::keep(const Child& child)
{
    const std::uint32_t depth = nodes_[child.parent].depth + child.taps + 1;
    nodes_.push_back(Node{child.hash, child.parent, depth, child.step, child.taps, child.tapPile});
    return static_cast<std::uint32_t>(nodes_.size() - 1);
}

// Steps come from the move list, which has asked canTap or canPickUp.
bool Search::take(const Step& step)
{
    if (!performStep(engine_, step, nullptr))
        return false;
    path_.push_back(kNoNode);
    pathHistory_.push_back(engine_.state().history.size());
    pathRandom_.push_back(engine_.random());
    return true;
}

bool Search::unwindTo(std::size_t depth)
{
    // A tap whose actions changed nothing leaves no history and needs no undo.
    const std::size_t history = pathHistory_[depth];
    while (engine_.state().history.size() > history && engine_.undoStep()) {
    }
    engine_.random() = pathRandom_[depth];
    path_.resize(depth + 1);
    pathHistory_.resize(depth + 1);
    pathRandom_.resize(depth + 1);
    return engine_.state().history.size() == history;
}

bool Search::walkTo(std::uint32_t node)
{
    std::vector<std::uint32_t> descent;
    std::uint32_t at = node;
    while (!(nodes_[at].depth < path_.size() && path_[nodes_[at].depth] == at)) {
        descent.push_back(at);
        at = nodes_[at].parent;
    }
    if (!unwindTo(nodes_[at].depth))
        return false;
    for (auto it = descent.rbegin(); it != descent.rend(); ++it) {
        const Node& next = nodes_[*it];
        for (std::uint16_t tap = 0; tap < next.taps; ++tap)
            if (!take(Step::tapOn(next.tapPile)))
                return false;
        if (!take(next.step) || hashNow() != next.hash)
            return false;
        path_.back() = *it;
    }
    return true;
}

std::vector<Step> Search::stepsTo(std::uint32_t node) const
{
    std::vector<Step> steps;
    for (std::uint32_t at = node; nodes_[at].parent != kNoNode; at = nodes_[at].parent) {
        steps.push_back(nodes_[at].step);
        steps.insert(steps.end(), nodes_[at].taps, Step::tapOn(nodes_[at].tapPile));
    }
    return {steps.rbegin(), steps.rend()};
}

}  // namespace velmora::solver_detail
