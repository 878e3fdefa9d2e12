// The legal moves of the engine's game for the solver: the list that
// Engine::forEachMove gives, in the same order, with the engine's answers
// remembered from state to state.
//
// Rule programs see nothing but card sequences, so whether a card may be
// picked up, or dropped on a pile, is decided by the sequences involved and a
// few flags. The list keys each answer on exactly those inputs and asks the
// engine (canPickUp, canDrop) only about combinations it has not met. During
// a search most piles stay as they were from one state to the next, which
// makes almost every question a repeat. Taps are asked every time: their
// conditions may look at any pile.
#pragma once

#include <cstdint>
#include <vector>

#include "engine.h"
#include "player_steps.h"

namespace velmora {

class SolverMoveList {
public:
    explicit SolverMoveList(Engine& engine) : engine_(engine) {}

    // The legal steps of the current state.
    void list(std::vector<Step>& steps);

private:
    // Remembered yes/no answers by 64-bit key, in an open-addressing table
    // that grows to a limit and then starts afresh.
    class Answers {
    public:
        // 0: unknown, 1: no, 2: yes.
        int find(std::uint64_t key) const;
        void store(std::uint64_t key, bool answer);

    private:
        static constexpr std::size_t kFirstSlots = std::size_t{1} << 12;
        static constexpr std::size_t kMaxSlots = std::size_t{1} << 20;
        void place(std::uint64_t held);

        std::vector<std::uint64_t> slots_;
        std::size_t used_ = 0;
    };

    void hashPiles();
    bool canPickUp(int card);
    std::uint64_t groupKey(int card) const;
    bool canDrop(int card, std::uint64_t groupKey, int pile);

    Engine& engine_;
    Answers answers_;
    // Per pile: the hash of the cards from each position to the top (index
    // count: none) and of the cards below each position (index count: all).
    std::vector<std::vector<std::uint64_t>> fromHashes_;
    std::vector<std::vector<std::uint64_t>> belowHashes_;
    // Per pile: what a drop onto it depends on, hashed.
    std::vector<std::uint64_t> targetKeys_;
};

}  // namespace velmora
