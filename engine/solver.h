// A solver for any game the engine can play: it searches for a list of player
// steps that wins the dealt game, asking the engine nothing but its own
// questions (the legal moves, the steps themselves, undo and the won flag).
//
// Method. The search for a win runs best first with half the budget: every
// state met is scored by how far the game is from its win (solver_progress.h)
// plus a little for the length of the path, and the open state with the
// lowest score is expanded next (ties to the newest, so the search runs
// depth first along a plateau). If that does not end the solve, a depth-first
// search, each state's children best first, takes the rest of the budget; on
// many deals one of the two finds quickly what the other misses. Both take
// shortcuts:
// - a move that cannot hurt (a card nothing can be built on, to its
//   foundation) is taken alone (solver_safe_moves.h);
// - positions that differ only in interchangeable piles or in the order
//   under the top of a discard pile count as one (solver_state_hash.h), and
//   a card that may go to several empty piles of one kind goes to the first;
// - where the stock turns over without end, its taps in a row are searched
//   as a chain (solver_search.h): every card the stock can bring up is one
//   move away.
// A shortcut may in rare games cut off the only way to a win, so running out
// of states proves nothing by itself: a game is reported unwinnable only by
// the proof search, depth first over every position, hashed exactly, with no
// shortcut but the chains (which leave nothing out). A state's hash covers
// the piles with their cards (each as suit, rank and flags: twin cards of
// two packs are not told apart), permissions, counters, won flag and the
// shuffle generator, never the history. The table of states met keeps every
// state from being visited twice, which also stops cycles such as moving a
// card to and fro or turning the stock over forever.
//
// Beam search (SolveOptions::beamWidth): the states are expanded depth by
// depth, and of the children of one depth only the beamWidth with the lowest
// progress measure go on. Best-first search, once a line of play has brought
// the measure down, exhausts every state of that line before it looks at an
// earlier one again; in Spider a line that dealt its stock early buries the
// search for good. A beam keeps many lines of the same length going at once.
// It may drop the only way to a win, so it never proves a game unwinnable.
//
// The moves of a state are those of Engine::forEachMove (solver_moves.h),
// whose answers the engine remembers from state to state.
//
// The engine walks the search tree itself: to reach the next state the solver
// undoes steps back to the common ancestor and replays the steps down to it.
// The state expanded next is usually a child of the last one, so a walk is
// mostly one step. Each state costs about 100 bytes of memory (its node and
// its places in the tables of states met and expanded).
//
// Reproducing a win: shuffles draw from engine.random(). The solver saves the
// generator before each step and puts it back when the step is undone, so the
// steps found win again when replayed (applyStep) on the same deal with the
// generator in the same state. The rule for callers: seed engine.random()
// with the game number right after newDeal, before runDealEvents, both before
// solving and before replaying. dealForSolving does exactly this.
//
// The search reads no clock: the same game and options always give the same
// result. When it ends the engine holds the game as it was handed over, with
// the same history and generator state.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "engine.h"
#include "player_steps.h"

namespace velmora {

struct SolveOptions {
    // States expanded (their moves tried) before the search gives up.
    std::uint64_t maxStates = 100'000;
    // Longest list of steps searched. A search cut short by it never reports
    // a game unwinnable.
    std::uint32_t maxDepth = 2'000;
    // 0: best-first search. Otherwise a beam search that keeps this many of
    // the best states of each depth.
    std::uint32_t beamWidth = 0;
    // Asked before each expansion with the number of states expanded so far;
    // true stops the search (notFound). A caller may use it for a time limit;
    // without it the search is fully deterministic.
    std::function<bool(std::uint64_t expanded)> stop;
};

enum class SolveStatus {
    won,           // steps holds a winning list of steps
    notFound,      // budget, depth limit or stop request ended the search
    unwinnable,    // every reachable state was visited without a win
    noGame,        // the engine holds no dealt game
    inconsistent,  // replaying or undoing a step did not give the state it gave
                   // before: the record's steps are not reproducible
};

const char* solveStatusName(SolveStatus status);

struct SolveResult {
    SolveStatus status = SolveStatus::notFound;
    std::vector<Step> steps;            // the win, for status won
    std::uint64_t statesExpanded = 0;
    std::uint64_t statesSeen = 0;       // distinct states generated
};

// Deals the game number (0: the engine chooses one, handed back), seeds the
// engine's generator with it and runs the deal events: the deal from which
// found steps replay. False without a definition.
bool dealForSolving(Engine& engine, GameNumber& number);

// Searches a win for the game the engine holds, from its current state.
SolveResult solve(Engine& engine, const SolveOptions& options = {});

}  // namespace velmora
