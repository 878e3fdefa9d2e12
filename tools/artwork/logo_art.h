// The program's logo for the About box (48 x 48 units, on white) and the
// program icon (32 x 32 units, on the transparent pure green): a fan of
// three cards, the front one bearing a red V.
#pragma once

#include "image.h"

namespace velmora::artwork {

Image logo(int scale);
Image programIcon(int scale);

}  // namespace velmora::artwork
