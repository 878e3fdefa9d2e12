// The card bitmaps of one configuration: rank glyphs, corner and centre
// suits for both card sizes, their grey marks, the backs and the redeal marks.
#pragma once

#include <vector>

#include "artwork_set.h"

namespace velmora::artwork {

void drawCardArt(BuildConfiguration configuration, const GridLibrary& grids, std::vector<Bitmap>& out);

}  // namespace velmora::artwork
