// The four card backs (0 blue lattice, 1 red argyle, 2 green scales,
// 3 purple medallion), each filling the whole card; the card's border is
// drawn over the outermost ring when the back is used.
#pragma once

#include "image.h"

namespace velmora::artwork {

constexpr int kCardBackCount = 4;

Image cardBack(int design, int width, int height);

}  // namespace velmora::artwork
