// The chooser's bitmaps of one configuration: category, skill and time
// icons, the filter buttons' icons, the favourite star and arrows.
#pragma once

#include <vector>

#include "artwork_set.h"

namespace velmora::artwork {

void drawChooserArt(BuildConfiguration configuration, const GridLibrary& grids, std::vector<Bitmap>& out);

}  // namespace velmora::artwork
