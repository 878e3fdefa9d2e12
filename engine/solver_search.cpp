// The order in which the solver expands states: best first or depth first for
// a win, depth first for a proof, or depth by depth in a beam.
#include <algorithm>
#include <queue>

#include "solver_search.h"

namespace velmora::solver_detail {
namespace {

// Besides the progress measure, one point per ten steps taken. It keeps the
// search from sinking ever deeper into one line of play; counting per ten
// steps lets it follow a plateau for a while before the path counts against
// it. Tried against one and three steps per point on every game of the
// database, this wins the most deals per budget.
constexpr std::int32_t kStepsPerPoint = 10;

struct Candidate {
    std::int32_t score;
    std::uint32_t node;
};

// Lowest score first; among equals the newest node.
struct LaterFirst {
    bool operator()(const Candidate& a, const Candidate& b) const
    {
        return a.score != b.score ? a.score > b.score : a.node < b.node;
    }
};

}  // namespace

Search::Search(Engine& engine, const SolveOptions& options)
    : engine_(engine), options_(options), progress_(engine), moves_(engine), safeMoves_(engine, progress_.foundations()),
      hasher_(engine)
{
}

SolveResult Search::run()
{
    SolveResult result;
    const std::uint64_t start = hasher_.exact(engine_);
    path_ = {0};
    pathHistory_ = {engine_.state().history.size()};
    pathRandom_ = {engine_.random()};
    result.status = search();
    // Undo gives back the game as it was handed over, the won flag included.
    if (!unwindTo(0) || hasher_.exact(engine_) != start)
        result.status = SolveStatus::inconsistent;
    if (result.status == SolveStatus::won)
        result.steps = std::move(found_);
    result.statesExpanded = expandedCount_;
    result.statesSeen = seenTotal_ + seen_.size();
    return result;
}

// An explicit beam runs alone. Otherwise best first takes the first half of
// the budget and depth first the rest: on fifty deals each of Klondike and
// FreeCell at 20,000 states the two together decided 32 and 41, best first
// alone 28 and 39. Where a search for a win ran out of states having left
// moves out, the proof search goes on with what remains of the budget.
SolveStatus Search::search()
{
    if (engine_.isWon())
        return SolveStatus::won;
    if (options_.beamWidth != 0)
        return searchWideningBeams();
    SolveStatus found = searchPhase(Phase::win, Order::bestFirst, options_.maxStates / 2);
    if (found == SolveStatus::notFound && !stoppedByCaller_)
        found = searchPhase(Phase::win, Order::depthFirst, options_.maxStates);
    if (found != SolveStatus::unwinnable || !leftMovesOut_)
        return found;
    return searchPhase(Phase::proof, Order::depthFirst, options_.maxStates);
}

SolveStatus Search::searchPhase(Phase phase, Order order, std::uint64_t expansionLimit)
{
    if (!unwindTo(0))
        return SolveStatus::inconsistent;
    phase_ = phase;
    expansionLimit_ = expansionLimit;
    leftMovesOut_ = phase == Phase::win && hasher_.coarseMerges();
    seenTotal_ += seen_.size();
    seen_ = HashSet();
    expanded_ = HashSet();
    nodes_.clear();
    depthCut_ = false;
    const std::uint64_t rootHash = hashNow();
    chains_ = tapsComeRound();
    seen_.insert(rootHash);
    nodes_.push_back(Node{rootHash, kNoNode, 0, Step{}, 0, kNone});
    switch (order) {
    case Order::beam: return searchBeam();
    case Order::bestFirst: return searchBestFirst();
    case Order::depthFirst: return searchDepthFirst();
    }
    return SolveStatus::notFound;
}

bool Search::outOfBudget()
{
    if (options_.stop && options_.stop(expandedCount_))
        stoppedByCaller_ = true;
    return stoppedByCaller_ || expandedCount_ >= expansionLimit_;
}

bool Search::visit(std::uint32_t node)
{
    children_.clear();
    if (!expanded_.insert(nodes_[node].hash))
        return true;
    if (!walkTo(node))
        return false;
    ++expandedCount_;
    return expand(node);
}

SolveStatus Search::searchBestFirst()
{
    std::priority_queue<Candidate, std::vector<Candidate>, LaterFirst> open;
    open.push(Candidate{progress_.score(engine_), 0});
    while (!open.empty()) {
        if (outOfBudget())
            return SolveStatus::notFound;
        const std::uint32_t node = open.top().node;
        open.pop();
        if (!visit(node))
            return found_.empty() ? SolveStatus::inconsistent : SolveStatus::won;
        for (const Child& child : children_) {
            const std::uint32_t kept = keep(child);
            open.push(Candidate{child.score + static_cast<std::int32_t>(nodes_[kept].depth / kStepsPerPoint), kept});
        }
    }
    return depthCut_ ? SolveStatus::notFound : SolveStatus::unwinnable;
}

// Every state once, the first listed move's line first: with no order to
// keep, the walk from one state to the next is a single step.
SolveStatus Search::searchDepthFirst()
{
    std::vector<std::uint32_t> open = {0};
    while (!open.empty()) {
        if (outOfBudget())
            return SolveStatus::notFound;
        const std::uint32_t node = open.back();
        open.pop_back();
        if (!visit(node))
            return found_.empty() ? SolveStatus::inconsistent : SolveStatus::won;
        // The search for a win goes down the best-looking child first.
        if (phase_ == Phase::win)
            std::stable_sort(children_.begin(), children_.end(),
                             [](const Child& a, const Child& b) { return a.score < b.score; });
        for (auto child = children_.rbegin(); child != children_.rend(); ++child)
            open.push_back(keep(*child));
    }
    return depthCut_ ? SolveStatus::notFound : SolveStatus::unwinnable;
}

// A beam dies out when every state of a round is a dead end or has children
// met before, often long before the budget is spent: the dropped children
// stay marked as met. Then a beam twice as wide starts again from the root
// with what is left of the budget, until one finds a win or the budget ends.
// A beam that left out no child is the last: a wider one would search the
// same states.
SolveStatus Search::searchWideningBeams()
{
    for (beamWidth_ = options_.beamWidth;; beamWidth_ *= 2) {
        beamDropped_ = false;
        const SolveStatus status = searchPhase(Phase::win, Order::beam, options_.maxStates);
        if (status != SolveStatus::notFound || outOfBudget() || !beamDropped_)
            return status;
    }
}

// Each round expands the states of one depth and keeps the beamWidth best of
// their children for the next. The states of a round are taken in the order
// they were made, which follows the tree, so walking from one to the next is
// short.
SolveStatus Search::searchBeam()
{
    std::vector<std::uint32_t> round = {0};
    std::vector<Child> next;
    while (!round.empty()) {
        next.clear();
        for (std::uint32_t node : round) {
            if (outOfBudget())
                return SolveStatus::notFound;
            if (!visit(node))
                return found_.empty() ? SolveStatus::inconsistent : SolveStatus::won;
            next.insert(next.end(), children_.begin(), children_.end());
        }
        if (next.size() > beamWidth_) {
            beamDropped_ = true;
            // Lowest score first. The sorts are stable, so among equals the
            // earlier child goes on and the kept children stay in the order
            // they were made: the same game always gives the same beam.
            std::stable_sort(next.begin(), next.end(), [](const Child& a, const Child& b) { return a.score < b.score; });
            next.resize(beamWidth_);
            std::stable_sort(next.begin(), next.end(), [](const Child& a, const Child& b) { return a.parent < b.parent; });
        }
        round.clear();
        for (const Child& child : next)
            round.push_back(keep(child));
    }
    return SolveStatus::notFound;
}

}  // namespace velmora::solver_detail
