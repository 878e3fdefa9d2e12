// Font descriptions as Qt fonts (framework code only).
#pragma once

#include <QFont>

#include "surface.h"

namespace velmora::qt {

// The Qt font for spec; its pixel height is spec.height device pixels on a
// surface or widget with the given device pixel ratio.
QFont fontFor(const FontSpec& spec, double ratio = 1.0);

}  // namespace velmora::qt
