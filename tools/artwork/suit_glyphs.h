// The four suit symbols (0 spades, 1 clubs, 2 diamonds, 3 hearts) at any
// square size, drawn from their outlines. On standard-resolution screens a
// hand-drawn grid "suit NAME" of that size takes the outline's place where one
// exists: at the small sizes every pixel is placed by hand.
#pragma once

#include "image.h"
#include "pixel_grid.h"
#include "raster.h"

namespace velmora::artwork {

constexpr int kSuitCount = 4;

Rgb suitInk(int suit);
const char* suitName(int suit);

// The symbol in the given ink on white, from the hand-drawn grids when
// given and one fits. Outlines drawn with hard edges become exactly
// two-coloured, as the grey marks need.
Image suitGlyph(const GridLibrary* handDrawn, int suit, int size, Rgb ink, Edge edge);

// The outline alone, filling the square [left, left + size) x [top, top + size).
Region suitShape(int suit, double left, double top, double size);

}  // namespace velmora::artwork
