// The four card backs (0 blue basket weave, 1 red argyle, 2 green scales,
// 3 purple medallion), each filling the whole card; the card's border is
// drawn over the outermost ring when the back is used.
#pragma once

#include "image.h"
#include "pixel_grid.h"

namespace velmora::artwork {

constexpr int kCardBackCount = 4;

// Small cards take the medallion from the grids "back-emblem" of 9 x 9
// and 11 x 11.
Image cardBack(const GridLibrary& grids, int design, int width, int height);

}  // namespace velmora::artwork
