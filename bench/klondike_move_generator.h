// A move generator written by hand for Klondike, to measure the engine's
// generic listing against: it knows the game's piles and rules and reads
// nothing but the GameState (and the cards' faces), and lists the same moves
// in the same order as Engine::forEachMove.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine.h"

namespace velmora::bench {

class KlondikeMoveGenerator {
public:
    // The faces of the definition's 52 cards.
    explicit KlondikeMoveGenerator(const GameDefinition& definition);

    void list(const GameState& state, std::vector<Move>& moves) const;

private:
    struct Face {
        std::uint8_t suit;
        std::uint8_t rank;
    };

    bool tableauTakes(int card, const Card* top, int topCard) const;
    bool foundationTakes(int card, const Card* top, int topCard) const;

    std::array<Face, 52> faces_{};
};

}  // namespace velmora::bench
