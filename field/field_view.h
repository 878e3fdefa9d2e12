// The game field's own copy of the piles, and the card metrics it lays them
// out with.
//
// The field never draws straight from the game state. BuildView copies every
// pile into ViewPiles after a deal, restore or undo; from then on the view
// changes only through the updates the engine reports (view_changes.h) and
// the player's own moves, so that it can show intermediate states while cards
// are flying.
#pragma once

#include <cstdint>
#include <vector>

#include "game_definition.h"
#include "game_state.h"
#include "screen_metrics.h"

namespace velmora {

// How a pile coordinate (or a fan limit) turns into pixels along an axis.
enum class Anchor : std::uint32_t {
    Absolute = 0,
    Proportional = 1,  // value x client size / 160
    Centred = 2,       // value + (client size - 160) / 2
    FromFarEdge = 3,   // value + client size - 160
};

struct ViewCard {
    std::uint16_t cardId = 0;  // the card's number in the game state
    int suit = 0;              // 0 spades, 1 clubs, 2 diamonds, 3 hearts
    int rank = 0;              // 0 Ace .. 12 King
    bool faceUp = false;
    friend bool operator==(const ViewCard&, const ViewCard&) = default;
};

struct ViewPile {
    int x = 0;  // centre of the bottom card, before its anchor is applied
    int y = 0;
    int fanLimit = 0;  // 0: no limit
    Anchor fanLimitAnchor = Anchor::Absolute;  // Absolute, Proportional or FromFarEdge
    std::uint16_t drawOrder = 0;
    bool shown = false;  // a pile that is not shown is neither drawn nor hit
    Spread spread = Spread::squared;
    std::uint32_t style = kStylePlain;
    Anchor xAnchor = Anchor::Absolute;
    Anchor yAnchor = Anchor::Absolute;
    std::vector<ViewCard> cards;  // bottom card first
    // Style 2: the base card's rank 0-12 and suit 0-3, -1 for none. Style 3
    // keeps its redeal counter, a 16-bit value, in the place of the rank.
    int baseRank = -1;
    int baseSuit = -1;

    int count() const { return static_cast<int>(cards.size()); }
    std::uint16_t redealCounter() const { return static_cast<std::uint16_t>(baseRank); }
    friend bool operator==(const ViewPile&, const ViewPile&) = default;
};

// Card size and the standard distance between fanned cards, in pixels.
struct CardLayout {
    int width = 0;
    int height = 0;
    int horizontalStep = 0;
    int verticalStep = 0;
    friend bool operator==(const CardLayout&, const CardLayout&) = default;
};

// The card metrics of a size class: the standard configuration uses the
// 96-dpi design values as they are, the VGA configuration scales them to the
// screen.
CardLayout cardLayout(const ScreenMetrics& screen, bool largeCards);

struct DrawOrderEntry {
    std::uint16_t drawOrder = 0;
    std::uint16_t pile = 0;
    friend bool operator==(const DrawOrderEntry&, const DrawOrderEntry&) = default;
};

struct FieldView {
    bool largeCards = false;
    CardLayout card;               // set by PrepareLayout
    std::vector<ViewPile> piles;   // in the definition's pile order
    // Piles by ascending draw order; piles of equal order keep their
    // definition order. Empty until PrepareLayout; nothing is drawn then.
    std::vector<DrawOrderEntry> drawOrder;

    int pileCount() const { return static_cast<int>(piles.size()); }
    bool validPile(int pile) const { return pile >= 0 && pile < pileCount(); }
};

// A fresh view of the game. A state that does not belong to the definition
// (other pile or card counts) gives a view without piles; a card whose pile
// does not exist is left out, and each pile's cards are taken in position
// order, so a damaged state never leaves holes in a pile. Card metrics and
// the draw order are left for PrepareLayout.
FieldView BuildView(const GameDefinition& definition, const GameState& state);

// Sets the card metrics from the view's large-cards flag and rebuilds the
// draw-order table.
void PrepareLayout(FieldView& view, const ScreenMetrics& screen);

}  // namespace velmora
