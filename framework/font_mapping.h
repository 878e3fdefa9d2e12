// Font descriptions as Qt fonts (framework code only).
#pragma once

#include <QFont>

#include "surface.h"

namespace velmora::qt {

// The Qt font for a request; its pixel height is request.height device pixels on a
// surface or widget with the given device pixel ratio.
QFont fontFor(const FontRequest& request, double ratio = 1.0);

}  // namespace velmora::qt
