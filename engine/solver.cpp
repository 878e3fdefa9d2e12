#include "solver.h"

#include <algorithm>
#include <bit>
#include <queue>
#include <type_traits>

#include "solver_hash.h"
#include "solver_moves.h"
#include "solver_progress.h"

namespace velmora {
namespace {

// Besides the progress measure, one point per ten steps taken. It keeps the
// search from sinking ever deeper into one line of play; counting per ten
// steps lets it follow a plateau for a while before the path counts against
// it. Tried against one and three steps per point on every game of the
// database, this wins the most deals per budget.
constexpr std::int32_t kStepsPerPoint = 10;

constexpr std::uint32_t kNoNode = 0xFFFFFFFFu;

static_assert(std::is_trivially_copyable_v<RandomGenerator> && sizeof(RandomGenerator) == 4);

// Everything that decides the game's future: never the history.
std::uint64_t hashState(Engine& engine)
{
    const GameState& state = engine.state();
    HashBuilder hash;
    hash.addRecords(state.cards);
    hash.addRecords(state.piles);
    addPermittedMoves(hash, state.permissions, static_cast<int>(state.piles.size()));
    hash.addRecords(state.counters);
    hash.add(state.gameOver);
    hash.add(std::bit_cast<std::uint32_t>(engine.random()));
    return hash.value();
}

// The hashes of the states met, in an open-addressing table.
class SeenStates {
public:
    SeenStates() : slots_(1024, 0) {}

    // False when the state was met before.
    bool insert(std::uint64_t hash)
    {
        if (hash == 0)
            hash = 1;  // 0 marks a free slot
        if (2 * (size_ + 1) > slots_.size())
            grow();
        std::size_t slot = hash & (slots_.size() - 1);
        while (slots_[slot] != 0) {
            if (slots_[slot] == hash)
                return false;
            slot = (slot + 1) & (slots_.size() - 1);
        }
        slots_[slot] = hash;
        ++size_;
        return true;
    }

    std::size_t size() const { return size_; }

private:
    void grow()
    {
        std::vector<std::uint64_t> old(slots_.size() * 2, 0);
        old.swap(slots_);
        size_ = 0;
        for (std::uint64_t hash : old)
            if (hash != 0)
                insert(hash);
    }

    std::vector<std::uint64_t> slots_;
    std::size_t size_ = 0;
};

// One state of the search tree: reached from its parent by its step.
struct Node {
    std::uint64_t hash;
    std::uint32_t parent;
    std::uint32_t depth;
    Step step;
};

struct Candidate {
    std::int32_t score;
    std::uint32_t node;
};

// A state met while expanding a node, not yet kept in the tree.
struct Child {
    std::int32_t score;
    std::uint32_t parent;
    std::uint64_t hash;
    Step step;
};

// Lowest score first; among equals the newest node.
struct LaterFirst {
    bool operator()(const Candidate& a, const Candidate& b) const
    {
        return a.score != b.score ? a.score > b.score : a.node < b.node;
    }
};

class Search {
public:
    Search(Engine& engine, const SolveOptions& options)
        : engine_(engine), options_(options), progress_(engine), moves_(engine)
    {
    }

    SolveResult run();

private:
    SolveStatus search();
    SolveStatus searchBestFirst();
    SolveStatus searchBeam();
    // Whether the budget or the caller ends the search now.
    bool outOfBudget() const;
    // Tries every legal move of the current node and adds the new states to
    // children_; false ends the search, with found_ set on a win.
    bool expand(std::uint32_t node);
    std::uint32_t keep(const Child& child);
    // Takes a step from the current state; false when the engine refuses it.
    bool take(const Step& step);
    // Undoes the steps above depth; false when undo does not land there.
    bool unwindTo(std::size_t depth);
    // Brings the engine to the node's state by undo and replay.
    bool walkTo(std::uint32_t node);
    std::vector<Step> stepsTo(std::uint32_t node) const;

    Engine& engine_;
    const SolveOptions& options_;
    ProgressMeasure progress_;
    SolverMoveList moves_;
    SeenStates seen_;
    std::vector<Node> nodes_;
    // The current path from the root: its nodes with the history size and
    // generator state at each of them.
    std::vector<std::uint32_t> path_;
    std::vector<std::size_t> pathHistory_;
    std::vector<RandomGenerator> pathRandom_;
    std::vector<Step> steps_;  // the legal steps of the state being expanded
    std::vector<Step> found_;
    std::vector<Child> children_;
    std::uint64_t expanded_ = 0;
    bool depthCut_ = false;
};

SolveResult Search::run()
{
    SolveResult result;
    // Undo brings every state back except the won flag, which no undo clears:
    // after a win the game as handed over is put back whole.
    const GameState start = engine_.state();
    path_ = {0};
    pathHistory_ = {start.history.size()};
    pathRandom_ = {engine_.random()};
    result.status = search();
    if (!unwindTo(0))
        result.status = SolveStatus::inconsistent;
    if (engine_.state().gameOver != start.gameOver)
        engine_.installState(start);
    if (result.status == SolveStatus::won)
        result.steps = std::move(found_);
    result.statesExpanded = expanded_;
    result.statesSeen = seen_.size();
    return result;
}

SolveStatus Search::search()
{
    if (engine_.isWon())
        return SolveStatus::won;
    const std::uint64_t rootHash = hashState(engine_);
    seen_.insert(rootHash);
    nodes_.push_back(Node{rootHash, kNoNode, 0, Step{}});
    return options_.beamWidth == 0 ? searchBestFirst() : searchBeam();
}

bool Search::outOfBudget() const
{
    return expanded_ >= options_.maxStates || (options_.stop && options_.stop(expanded_));
}

std::uint32_t Search::keep(const Child& child)
{
    nodes_.push_back(Node{child.hash, child.parent, nodes_[child.parent].depth + 1, child.step});
    return static_cast<std::uint32_t>(nodes_.size() - 1);
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
        if (!walkTo(node))
            return SolveStatus::inconsistent;
        ++expanded_;
        children_.clear();
        if (!expand(node))
            return found_.empty() ? SolveStatus::inconsistent : SolveStatus::won;
        const auto pathCost = static_cast<std::int32_t>((nodes_[node].depth + 1) / kStepsPerPoint);
        for (const Child& child : children_)
            open.push(Candidate{child.score + pathCost, keep(child)});
    }
    return depthCut_ ? SolveStatus::notFound : SolveStatus::unwinnable;
}

// Each round expands the states of one depth and keeps the beamWidth best of
// their children for the next. The states of a round are taken in the order
// they were made, which follows the tree, so walking from one to the next is
// short.
SolveStatus Search::searchBeam()
{
    std::vector<std::uint32_t> round = {0};
    while (!round.empty()) {
        children_.clear();
        for (std::uint32_t node : round) {
            if (outOfBudget())
                return SolveStatus::notFound;
            if (!walkTo(node))
                return SolveStatus::inconsistent;
            ++expanded_;
            if (!expand(node))
                return found_.empty() ? SolveStatus::inconsistent : SolveStatus::won;
        }
        if (children_.size() > options_.beamWidth) {
            // Lowest score first. The sorts are stable, so among equals the
            // earlier child goes on and the kept children stay in the order
            // they were made: the same game always gives the same beam.
            std::stable_sort(children_.begin(), children_.end(),
                             [](const Child& a, const Child& b) { return a.score < b.score; });
            children_.resize(options_.beamWidth);
            std::stable_sort(children_.begin(), children_.end(),
                             [](const Child& a, const Child& b) { return a.parent < b.parent; });
        }
        round.clear();
        for (const Child& child : children_)
            round.push_back(keep(child));
    }
    return SolveStatus::notFound;
}

// False ends the search: with found_ set on a win, else on an engine fault.
bool Search::expand(std::uint32_t node)
{
    const std::uint32_t depth = nodes_[node].depth + 1;
    if (depth > options_.maxDepth) {
        depthCut_ = true;
        return true;
    }
    const std::size_t here = path_.size() - 1;
    moves_.list(steps_);
    for (const Step& step : steps_) {
        // A move the engine lists but refuses to take is simply not a way on.
        if (!take(step))
            continue;
        if (engine_.isWon()) {
            found_ = stepsTo(node);
            found_.push_back(step);
            return false;
        }
        const std::uint64_t hash = hashState(engine_);
        if (seen_.insert(hash)) {
            // A state at the depth limit could only win beyond it.
            if (depth == options_.maxDepth)
                depthCut_ = true;
            else
                children_.push_back(Child{progress_.score(engine_), node, hash, step});
        }
        // Undo must give back exactly the state it started from; a record
        // whose undo loses something cannot be searched this way.
        if (!unwindTo(here) || hashState(engine_) != nodes_[node].hash)
            return false;
    }
    return true;
}

// Steps come from the move finder, which has asked canTap or canPickUp.
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
        if (!take(nodes_[*it].step) || hashState(engine_) != nodes_[*it].hash)
            return false;
        path_.back() = *it;
    }
    return true;
}

std::vector<Step> Search::stepsTo(std::uint32_t node) const
{
    std::vector<Step> steps;
    for (std::uint32_t at = node; nodes_[at].parent != kNoNode; at = nodes_[at].parent)
        steps.push_back(nodes_[at].step);
    return {steps.rbegin(), steps.rend()};
}

}  // namespace

const char* solveStatusName(SolveStatus status)
{
    switch (status) {
    case SolveStatus::won:
        return "won";
    case SolveStatus::notFound:
        return "not found";
    case SolveStatus::unwinnable:
        return "unwinnable";
    case SolveStatus::noGame:
        return "no game";
    case SolveStatus::inconsistent:
        return "inconsistent";
    }
    return "unknown";
}

bool dealForSolving(Engine& engine, GameNumber& number)
{
    if (!engine.newDeal(number))
        return false;
    engine.random().seed(number);
    engine.runDealEvents();
    return true;
}

SolveResult solve(Engine& engine, const SolveOptions& options)
{
    if (!engine.hasGame()) {
        SolveResult result;
        result.status = SolveStatus::noGame;
        return result;
    }
    return Search(engine, options).run();
}

}  // namespace velmora
