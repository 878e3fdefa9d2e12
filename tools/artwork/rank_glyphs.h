// The rank glyphs A, 2 to 10, J, Q, K (rank 0 to 12). A hand-drawn grid
// "rank NAME" of the glyph's size is used where one exists; otherwise the rank is
// drawn with the stroke font.
#pragma once

#include <string>

#include "image.h"
#include "pixel_grid.h"
#include "raster.h"

namespace velmora::artwork {

constexpr int kRankCount = 13;

std::string rankName(int rank);

Image rankGlyph(const GridLibrary& grids, int rank, int width, int height, Rgb ink, Edge edge);

}  // namespace velmora::artwork
