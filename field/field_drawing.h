// One drawing pass over the view: what to draw where, in drawing order, with
// the hit items recorded on the way.
//
// The pass walks the piles in draw order and decides, for each, which cards
// are seen and where, and which empty-pile mark stands in for an empty pile.
// The code that paints only copies card images and marks to the places
// listed, so layout and input resolution stay testable without a window.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "field_geometry.h"
#include "field_view.h"
#include "game_state.h"
#include "hit_items.h"

namespace velmora {

// The selected card (or empty pile); kNone in both for none. For an empty
// pile any card index matches.
struct Highlight {
    std::uint16_t pile = kNone;
    std::uint16_t card = kNone;
};

// What stands in for an empty pile. Base rank and suit are -1 unless they
// name a real rank (0-12) or suit (0-3), so a damaged value draws no glyph.
struct EmptyPileMark {
    std::uint32_t style = kStylePlain;
    int baseRank = -1;                // style 2
    int baseSuit = -1;                // style 2
    std::uint16_t redealCounter = 0;  // style 3
    friend bool operator==(const EmptyPileMark&, const EmptyPileMark&) = default;
};

struct FieldDrawItem {
    enum class Kind : std::uint8_t { card, emptyPile };
    Kind kind = Kind::card;
    std::uint16_t pile = 0;
    std::uint16_t cardIndex = kEmptyPileItem;  // index within the pile
    Rect rect;
    ViewCard card;       // kind card
    EmptyPileMark mark;  // kind emptyPile
    bool highlighted = false;
};

// Lays out every shown pile in draw order. Starts a hit-item pass and appends
// an item for each card or empty place a player can hit (both skipped while
// the list is frozen). `cards` is the game state's card table, whose movable
// and open flags decide which items start selectable.
std::vector<FieldDrawItem> layOutField(const FieldView& view, const std::vector<Card>& cards, ClientSize client,
                                  Highlight highlight, HitItemList& hitItems);

// Black over a light colour, white over a dark one (0xRRGGBB), by the
// colour's luminance: the clock stays readable on any background the
// player picks.
std::uint32_t textColourOver(std::uint32_t background);

// The keyboard cursor: the outline of the cursor item's visible rectangle
// traced from corner to corner (right and bottom edges at the rectangle's
// right and bottom) with a pen two pixels wide centred on the path, as four
// filled bars.
std::array<Rect, 4> cursorOutline(const Rect& visible);

}  // namespace velmora
