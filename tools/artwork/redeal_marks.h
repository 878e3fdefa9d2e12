// The redeal marks of an empty stock: a downward arrow, black while no
// redeal has been used (counter 0) and red for the last one (counter 1).
// They are copied with white left out, so their edges are hard.
#pragma once

#include "image.h"

namespace velmora::artwork {

// Drawn on a 7 x 11 design grid scaled to the size, so every edge falls on
// a pixel edge at both sizes.
Image redealMark(int counter, int width, int height);

}  // namespace velmora::artwork
