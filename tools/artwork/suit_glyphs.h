// The four suit symbols (0 spades, 1 clubs, 2 diamonds, 3 hearts) at any
// square size, drawn from their outlines. On standard-resolution screens the
// sizes below kSmallestDrawnSuit come from hand-drawn grids "suit NAME" of
// their size instead: there every pixel is placed by hand.
#pragma once

#include "image.h"
#include "pixel_grid.h"
#include "raster.h"

namespace velmora::artwork {

constexpr int kSuitCount = 4;
constexpr int kSmallestDrawnSuit = 20;

Rgb suitInk(int suit);
const char* suitName(int suit);

// The symbol in the given ink on white; handDrawn is the grid library on
// standard-resolution screens, null at 192 dpi. Outlines drawn with hard
// edges become exactly two-coloured, as the grey marks need. Throws
// GridError when a hand-drawn symbol is missing.
Image suitGlyph(const GridLibrary* handDrawn, int suit, int size, Rgb ink, Edge edge);

// The outline alone, filling the square [left, left + size) x [top, top + size).
Region suitShape(int suit, double left, double top, double size);

}  // namespace velmora::artwork
