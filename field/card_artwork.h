// Which bitmaps a card image or an empty-pile mark is composed from, and
// where each glyph goes.
//
// Each configuration ships its own glyphs (the VGA glyphs are twice the
// size of the standard ones), in two size classes. Glyph places are given
// in 1/96 inch and scaled to the screen, except on screens whose scale lies
// strictly between 1 and 2, where fixed pixel offsets keep large-card glyphs
// clear of the card edges.
#pragma once

#include <array>

#include "field_geometry.h"
#include "field_view.h"
#include "screen_metrics.h"

namespace velmora {

struct CardArtworkIds {
    int rankGlyph = 0;       // + rank 0-12
    int cornerSuit = 0;      // + suit 0-3
    int centreSuit = 0;      // + suit 0-3
    int greyRank = 0;        // + rank 0-12
    int greyCornerSuit = 0;  // + suit 0-3
    int greyCentreSuit = 0;  // + suit 0-3
    std::array<int, 4> backs{};
    std::array<int, 2> redealMarks{};  // redeal counter 0 and 1
};

CardArtworkIds cardArtworkIds(BuildConfiguration configuration, bool largeCards);

// Top-left corners, inside a card, of the three glyphs of a face (and of the
// grey glyphs of a base-card mark).
struct GlyphPlaces {
    Point rank;
    Point cornerSuit;
    Point centreSuit;
    friend bool operator==(const GlyphPlaces&, const GlyphPlaces&) = default;
};

GlyphPlaces faceGlyphPlaces(const ScreenMetrics& screen, const CardLayout& card, bool largeCards);

// The grey glyphs of a base-card mark lie where a face has them, except that
// at a scale between 1 and 2 the rank glyph takes its fixed place for both
// size classes. A suit without a rank shows only its centre-sized glyph,
// near the top-left corner.
GlyphPlaces baseMarkGlyphPlaces(const ScreenMetrics& screen, const CardLayout& card, bool largeCards);
Point suitOnlyMarkPlace(const ScreenMetrics& screen, bool largeCards);

// Top-left corner, inside a card, of the redeal arrow.
Point redealMarkPlace(const ScreenMetrics& screen, const CardLayout& card);

}  // namespace velmora
