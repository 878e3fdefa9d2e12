// The run-time state of one game: cards, piles, permissions, counters, the
// won flag and the undo history.
//
// Card, Pile and HistoryEntry keep fixed byte layouts because the saved game
// copies them byte for byte and the game field reads them directly.
#pragma once

#include <cstdint>
#include <vector>

#include "record_layout.h"

namespace velmora {

#pragma pack(push, 1)

struct Card {
    std::uint8_t faceUp;
    std::uint8_t movable;  // may be picked up; its pile's top card may be tapped
    std::uint8_t open;     // cards may be dropped on it
    std::uint8_t reserved;
    std::uint16_t pile;    // pileCount while the card is taken out during a move
    std::int16_t position; // 0 = bottom of the pile
};

struct Pile {
    std::int16_t x;
    std::int16_t y;
    std::uint32_t spread;
    std::uint8_t interactive;
    std::uint8_t reserved1;
    std::int16_t count;
    std::int16_t acceptProgram;
    std::int16_t pickUpProgram;
    std::uint32_t fixedOpen;
    std::uint8_t enabled;
    std::uint8_t reserved2[3];
    std::uint32_t displayValue;
    std::uint32_t displayValue2;  // base suit of a style-2 pile, else 0
};

enum class HistoryKind : std::uint8_t {
    playerMove = 0,
    actionApplied = 1,
    openFlagChanged = 2,
    counterUsed = 3,
};

struct HistoryEntry {
    std::uint8_t kind;  // HistoryKind
    std::uint8_t reserved1[3];
    std::uint16_t groupStart;  // 1 on the first entry of a player step
    std::uint16_t subject;     // source pile / action / card / counter number
    std::int16_t saved;        // source position / value the action returned
    std::uint16_t destination;
    std::int16_t destinationCount;
    std::uint16_t reserved2;
};

struct Counter {
    std::int16_t remaining;
    std::uint16_t zeroKey;
};

#pragma pack(pop)

static_assert(sizeof(Card) == 8);
static_assert(sizeof(Pile) == 32);
static_assert(sizeof(HistoryEntry) == 16);
static_assert(sizeof(Counter) == 4);

struct GameState {
    std::vector<Card> cards;
    std::vector<Pile> piles;
    std::vector<MovePermission> permissions;
    std::vector<Counter> counters;
    std::uint8_t gameOver = 0;
    std::vector<HistoryEntry> history;
};

}  // namespace velmora
