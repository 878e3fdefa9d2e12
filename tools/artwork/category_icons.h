// The chooser's category icons, codes 1 to 10: a plus sign (Addition), a
// devil's face (Canfield), a castle, a fan of cards, crossed swords
// (40Thieves), a cell (FreeCell), crossed pickaxes (Klondike), a spider, a
// parasol (Terrace) and a maple leaf (Yukon). 16 x 15 units, on the
// chooser's transparent green.
#pragma once

#include "image.h"
#include "pixel_grid.h"

namespace velmora::artwork {

constexpr int kCategoryIconCount = 10;

// scale 1 for standard resolution, 2 for VGA. A grid named
// "category-CODE WxH" replaces the drawing at that pixel size.
Image categoryIcon(const GridLibrary& grids, int code, int scale);

}  // namespace velmora::artwork
