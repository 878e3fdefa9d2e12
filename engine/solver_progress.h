// How far a game is from its win, for the solver's choice of the next state.
//
// Everything is read from the record and asked of its own rule programs:
//
// - The win is declared by a key whose conditions test piles. A condition
//   that holds on an empty pile wants its pile emptied; any other wants it
//   filled (a foundation that must be full). Each card on a pile to be
//   emptied adds kWinPileCard, each card on a pile to be filled takes it off.
// - Each face-down card in a fanned pile, where it blocks play, adds
//   kHiddenCard.
// - The order of the other fanned piles the player plays on. Going up such a
//   pile, a face-up card is built when the pile's accept program would take
//   it onto the cards under it, as if it had just been dropped there. A built
//   card takes off a point. Every other card but the lowest is a break, a
//   face-down one too: the cards above a break must move before it can be
//   mended or turned, so a break adds a point per card above it. Built cards
//   that the pile's pick-up program lets move together with the card under
//   them form runs; a run of n such pairs takes off n * n points, so that
//   joining runs pays more than starting new ones.
// - Each card under the top of a squared pile the player plays from (a
//   stock, a waste, a reserve) adds kHeldBackCard: only its top card can be
//   played, so the cards under it wait. Turning the stock onto the waste
//   costs nothing by itself, while playing cards out of either pays; without
//   this the search turned a one-pass stock over early and buried the cards
//   it needed in the waste. On four deals of every game at 20,000 states it
//   won 58 against 55 (Lucas 4 against 2, Busy Aces 2 against 1, Thumb and
//   Pouch 4 against 3, Klondike 3 against 4), and it won Spiderette's first
//   deal in 32,000 states instead of 93,000. Weights of 1 to 8 won the same
//   deals of Lucas and Busy Aces; counting only face-up cards (a waste, not
//   the stock) won fewer.
// - A squared pile the player plays from that holds any card at all adds
//   kHeldTopCard (foundations aside): a card in one of FreeCell's cells
//   takes room that other cards need. With it FreeCell won 38 of deals 1 to
//   50 at 20,000 states instead of 28; weights of 10, 30 and 60 won 36, 35
//   and 39 at more cost in time.
//
// The order of a pile depends on nothing but its cards and programs, and
// most piles stay as they were from one state to the next, so it is
// remembered by the pile's contents.
//
// Measures tried and dropped: counting, for every card a foundation would
// take now, the cards lying on it helped the games without face-down cards a
// little and cost Klondike a third of its wins; counting for each foundation
// the cards on the nearest card it would take won fewer deals of Lucas and
// Busy Aces and none more of Forty Thieves. A bonus for empty piles won no
// more deals of Spiderette, Simple Simon or Scorpion. Counting the face-down
// cards of the stock as hidden cards (kHiddenCard each) made Spider deal its
// stock at once. Pairs counted as runs without being built (Yukon, where any
// face-up group moves) rewarded heaps of unordered cards.
#pragma once

#include <cstdint>
#include <vector>

#include "engine.h"
#include "rule_machine.h"

namespace velmora {

// Per pile, what the win's conditions want of it: +1 emptied, -1 filled (a
// foundation), 0 nothing.
std::vector<std::int32_t> winPileWeights(const GameDefinition& definition);

// Per pile, whether it is a foundation: a pile the win wants filled, or where
// the win wants every other pile emptied, a squared pile the player plays to
// that the win does not count and the deal leaves empty. Read from the game
// as dealt.
std::vector<bool> foundationPiles(const Engine& engine, const std::vector<std::int32_t>& pileWeights);

class ProgressMeasure {
public:
    explicit ProgressMeasure(const Engine& engine);

    // Lower is closer to the win.
    std::int32_t score(const Engine& engine);
    const std::vector<std::int32_t>& pileWeights() const { return pileWeights_; }
    const std::vector<bool>& foundations() const { return foundations_; }

private:
    // Remembered order by a 64-bit key of a pile's contents and programs, in
    // an open-addressing table that starts afresh when it is half full.
    class Remembered {
    public:
        bool find(std::uint64_t key, std::int32_t& order) const;
        void store(std::uint64_t key, std::int32_t order);

    private:
        struct Slot {
            std::uint64_t key = 0;  // 0: free
            std::int32_t order = 0;
        };
        static constexpr std::size_t kSlots = std::size_t{1} << 16;
        std::vector<Slot> slots_;
        std::size_t used_ = 0;
    };

    std::int32_t orderOf(const Engine& engine, int pile);
    std::int32_t measureOrder(const Engine& engine, const Pile& pile);
    bool holds(const Engine& engine, int program, CardSequence first, CardSequence second);

    std::vector<std::int32_t> pileWeights_;  // +1 to be emptied, -1 to be filled
    std::vector<bool> foundations_;
    RuleMachine machine_;
    std::vector<JumpTargets> jumps_;         // per program of the definition
    std::vector<SequenceElement> faces_;     // the pile being measured, top card first
    Remembered remembered_;
};

}  // namespace velmora
