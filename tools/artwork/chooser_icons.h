// The chooser's other icons: skill stars, time hourglasses, the filter
// buttons' folder, stars and clock, the reset ("All") icon, the favourite
// star and the favourite button's arrows. Sizes are in units of 1/96 inch;
// scale is 1 for standard resolution, 2 for VGA. A grid named
// "NAME WxH" (as listed with each function) replaces the drawing at that
// pixel size.
#pragma once

#include "image.h"
#include "pixel_grid.h"

namespace velmora::artwork {

// "skill-LEVEL": one to three stars, 10 units wide each, 15 high.
Image skillIcon(const GridLibrary& grids, int level, int scale);
// "time-CLASS": an hourglass, 11 x 15, its upper bulb fuller for longer
// games (classes 1 to 4).
Image timeIcon(const GridLibrary& grids, int timeClass, int scale);
// "folder": 16 x 15.
Image folderIcon(const GridLibrary& grids, int scale);
// "stars": three stars, 15 x 15.
Image starsIcon(const GridLibrary& grids, int scale);
// "clock": 13 x 15.
Image clockIcon(const GridLibrary& grids, int scale);
// "reset": a turning arrow, 11 x 13, on white (its transparent colour).
Image resetIcon(const GridLibrary& grids, int scale);
// "favourite": a gold star, 16 x 15.
Image favouriteIcon(const GridLibrary& grids, int scale);
// "arrow-right" (green, into the favourites) and "arrow-left" (red, out of
// them): 12 x 11.
Image arrowIcon(const GridLibrary& grids, bool pointsRight, int scale);

}  // namespace velmora::artwork
