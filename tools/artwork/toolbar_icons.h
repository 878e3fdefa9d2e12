// The main window's toolbar strip: four 16 x 16 unit images side by side,
// Undo (a turning arrow), Show Next Move (a light bulb), Help (a question
// mark) and Menu (three bars), on white, its transparent colour. A grid
// "toolbar-INDEX" of an image's pixel size replaces that image's drawing.
#pragma once

#include "image.h"
#include "pixel_grid.h"

namespace velmora::artwork {

constexpr int kToolbarImageCount = 4;

Image toolbarStrip(const GridLibrary& grids, int scale);

}  // namespace velmora::artwork
