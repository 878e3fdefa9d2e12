// The rank glyphs A, 2 to 10, J, Q, K (rank 0 to 12): on standard-
// resolution screens the hand-drawn grids "rank NAME" of the glyph's size,
// at 192 dpi drawn with the stroke font.
#pragma once

#include <string>

#include "image.h"
#include "pixel_grid.h"
#include "raster.h"

namespace velmora::artwork {

constexpr int kRankCount = 13;

std::string rankName(int rank);

// handDrawn is the grid library for the hand-drawn glyphs, or null for the
// stroke font. Throws GridError when a hand-drawn glyph is missing.
Image rankGlyph(const GridLibrary* handDrawn, int rank, int width, int height, Rgb ink, Edge edge);

}  // namespace velmora::artwork
