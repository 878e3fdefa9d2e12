// The redeal marks of an empty stock: a downward arrow, black while no
// redeal has been used (counter 0) and red for the last one (counter 1).
// They are copied with white left out, so their edges are hard.
#pragma once

#include "image.h"
#include "pixel_grid.h"

namespace velmora::artwork {

Image redealMark(const GridLibrary& grids, int counter, int width, int height);

}  // namespace velmora::artwork
