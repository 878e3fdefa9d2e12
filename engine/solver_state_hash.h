// 64-bit hashes of game states for the solver's table of states met.
//
// A state is what decides the game's future: the piles with their runtime
// attributes and their cards in order, each card as the rule programs see it
// (suit, rank) with its flags, the permitted moves, the counters, the won
// flag and the shuffle generator; never the history. Which copy of a card
// lies where does not matter: no rule tells two cards of the same suit and
// rank apart, so two-pack games meet each position once, not once for each
// way of swapping twin cards. That hash is exact: equal hashes (but for
// collisions) have equal futures.
//
// The search for a win may also use a coarser hash, which takes more states
// as one where the record lets it guess that they play alike:
// - Interchangeable piles (FreeCell's cells, a row of columns with the same
//   programs): piles whose definitions differ only in their place on the
//   board, and whose every mention in the record's keys and permissions can
//   be swapped for the other's, leaving the record as it was (the keys may
//   come in another order). Their contents are hashed as a set of piles.
// - Discard piles: piles that no card ever leaves (no pick-up program that
//   could hold, no action taking cards from them, turning or reordering them)
//   and that are read only through their top card. Only their top card is
//   hashed in order; the cards under it as a set.
// Either is a guess about keys whose order matters or programs that read
// deeper, so the proof that a game is lost never uses it. Where the code of
// every program shown a discard pile learns nothing under its top card but
// how many cards lie there (program_reads.h), the order under the top is no
// guess but a fact, and the exact hash leaves it out too (Golf's waste, the
// discards of the pairing games, which the win counts).
#pragma once

#include <cstdint>
#include <vector>

#include "engine.h"

namespace velmora {

class StateHasher {
public:
    explicit StateHasher(const Engine& engine);

    // Non-const engine: the shuffle generator is part of the state.
    std::uint64_t exact(Engine& engine) const;
    std::uint64_t coarse(Engine& engine) const;
    // What an empty pile is to the rules: its definition but for its place
    // and deal, and its runtime attributes. Two empty piles of one kind take
    // the same cards, with the same consequences but for the pile's number.
    std::uint64_t emptyPileKind(const Engine& engine, int pile) const;
    // Whether coarse ever takes different states as one.
    bool coarseMerges() const { return merges_; }
    const std::vector<std::uint16_t>& classes() const { return classOf_; }
    const std::vector<bool>& discards() const { return discard_; }

private:
    std::uint64_t hash(Engine& engine, bool coarse) const;
    std::uint64_t pileHash(const Engine& engine, std::size_t pile, bool asDiscard) const;
    void findDiscardPiles(const Engine& engine);
    bool readOnlyAtTheTop(const Engine& engine, std::size_t pile) const;
    void findInterchangeablePiles(const Engine& engine);

    // Per pile: the first pile of its set of interchangeable piles (itself
    // when it has no twin), and whether it is a discard pile.
    std::vector<std::uint16_t> classOf_;
    std::vector<bool> discard_;
    std::vector<bool> readTopOnly_;  // discard piles whose programs read only their top
    std::vector<std::uint64_t> ruleHashes_;  // per pile, of its definition's rule bytes
    bool merges_ = false;
    mutable std::vector<std::uint64_t> classSums_;
};

}  // namespace velmora
