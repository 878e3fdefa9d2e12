// The solver's search, shared by its two source files: solver_search.cpp
// (the order in which states are expanded) and solver_expand.cpp (what
// expanding one state means, and walking the engine through the tree).
//
// Taps in a row. Where a state offers exactly one tap (the stock), tapping
// again and again runs through a chain of states that differ only in the
// stock and the waste. In a game with unlimited redeals the chain comes back
// to where it started; only such games follow chains. Expanding a state expands its whole chain: every move
// of every state along it becomes a child, reached by that many taps and the
// move, and the states along the chain are marked as expanded, so none of
// them is expanded again when it turns up as a child of another state. The
// search then weighs real moves against each other rather than taps, and a
// stock turned through once is not turned through again from each of its
// positions. It leaves nothing out: every way on from a state starts with
// some taps and a move.
#pragma once

#include <cstdint>
#include <vector>

#include "solver.h"
#include "solver_hash.h"
#include "solver_moves.h"
#include "solver_progress.h"
#include "solver_safe_moves.h"
#include "solver_state_hash.h"

namespace velmora::solver_detail {

constexpr std::uint32_t kNoNode = 0xFFFFFFFFu;

// One state of the search tree, reached from its parent by `taps` taps on
// tapPile and then its step (which may itself be a tap).
struct Node {
    std::uint64_t hash;
    std::uint32_t parent;
    std::uint32_t depth;  // steps from the root, taps included
    Step step;
    std::uint16_t taps;
    std::uint16_t tapPile;
};

// A state met while expanding a node, not yet kept in the tree.
struct Child {
    std::int32_t score;
    std::uint32_t parent;
    std::uint64_t hash;
    Step step;
    std::uint16_t taps;
    std::uint16_t tapPile;
};

// The two searches a solve may run. The search for a win takes safe moves
// alone (solver_safe_moves.h), which may in rare games cut off the only way
// to a win; when it runs out of states, the proof search visits every state
// without that shortcut, depth first, and only its end proves a game lost.
enum class Phase { win, proof };
enum class Order { bestFirst, depthFirst, beam };

class Search {
public:
    Search(Engine& engine, const SolveOptions& options);
    SolveResult run();

private:
    SolveStatus search();
    // Runs one search from the root until the count of states expanded in
    // the whole solve reaches expansionLimit.
    SolveStatus searchPhase(Phase phase, Order order, std::uint64_t expansionLimit);
    SolveStatus searchBestFirst();
    SolveStatus searchDepthFirst();
    SolveStatus searchBeam();
    // Beams of doubling width from the root, within the one budget.
    SolveStatus searchWideningBeams();
    // Whether the budget or the caller ends the search now.
    bool outOfBudget();
    // Brings the engine to the node and expands it, unless its state was
    // expanded before. False ends the search: with found_ set on a win,
    // else on an engine fault (fault_ set).
    bool visit(std::uint32_t node);

    // --- solver_expand.cpp ---
    // Tries every legal move of the current node's chain and adds the new
    // states to children_; false ends the search, with found_ set on a win.
    bool expand(std::uint32_t node);
    // Adds the children of the state the engine is in, `taps` taps below the
    // node (its tap too unless the chain goes on); false ends the search.
    bool addChildren(std::uint32_t node, std::uint16_t taps, std::uint16_t tapPile, bool chainGoesOn);
    bool addChild(std::uint32_t node, const Step& step, std::uint16_t taps, std::uint16_t tapPile);
    bool movesWithTheChain(const Step& step) const;
    bool tapsComeRound();
    bool goesToATwinOfAnEarlierTarget(const Step& step);
    std::uint32_t keep(const Child& child);
    // Takes a step from the current state; false when the engine refuses it.
    bool take(const Step& step);
    // Undoes the steps above depth; false when undo does not land there.
    bool unwindTo(std::size_t depth);
    // Brings the engine to the node's state by undo and replay.
    bool walkTo(std::uint32_t node);
    std::vector<Step> stepsTo(std::uint32_t node) const;
    std::uint64_t hashNow();

    Engine& engine_;
    const SolveOptions& options_;
    ProgressMeasure progress_;
    SolverMoveList moves_;
    SafeMoves safeMoves_;
    StateHasher hasher_;
    Phase phase_ = Phase::win;
    std::uint64_t expansionLimit_ = 0;
    std::uint64_t beamWidth_ = 0;  // of the beam searching now
    bool beamDropped_ = false;     // whether it left out any child
    bool stoppedByCaller_ = false;
    bool chains_ = false;  // whether taps in a row are followed as a chain
    // Whether the search for a win left out moves: then its end proves nothing.
    bool leftMovesOut_ = false;
    HashSet seen_;      // every state met in this phase
    HashSet expanded_;  // the states whose moves were tried
    std::vector<Node> nodes_;
    // The current path from the root: its nodes (kNoNode between them, for
    // the taps of a chain) with the history size and generator state at each.
    std::vector<std::uint32_t> path_;
    std::vector<std::size_t> pathHistory_;
    std::vector<RandomGenerator> pathRandom_;
    std::vector<Step> steps_;  // the legal steps of the state being expanded
    std::vector<Step> firstSteps_;    // those of the first state of its chain
    std::vector<bool> chainPiles_;    // per pile: changed by the chain's taps
    std::vector<std::int16_t> pileCounts_;
    struct EmptyTarget {
        std::uint16_t card;
        std::uint64_t kind;
        friend bool operator==(const EmptyTarget&, const EmptyTarget&) = default;
    };
    std::vector<EmptyTarget> emptyTargets_;  // of the chain state's moves
    std::vector<Step> found_;
    std::vector<Child> children_;
    std::uint64_t expandedCount_ = 0;
    std::uint64_t seenTotal_ = 0;  // states met by the searches before this one
    bool depthCut_ = false;
};

}  // namespace velmora::solver_detail
