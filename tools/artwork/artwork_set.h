// Every bitmap of one build configuration, drawn: the card glyphs, backs and
// marks, the chooser's icons, the toolbar strip, the logo and the program
// icon, each under its resource type and id at its exact size.
#pragma once

#include <string>
#include <vector>

#include "image.h"
#include "pixel_grid.h"
#include "screen_metrics.h"

namespace velmora::artwork {

struct Bitmap {
    std::string type;  // "BITMAP", or "ICON" for the program icon
    int id = 0;
    Image image;
};

// In (type, id) order, so that the output never depends on drawing order.
std::vector<Bitmap> drawArtwork(BuildConfiguration configuration, const GridLibrary& grids);

}  // namespace velmora::artwork
