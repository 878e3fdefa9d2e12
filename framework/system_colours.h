// The desktop's colours for selections and plain windows, for controls the
// program draws itself (selected list rows, dialog titles).
#pragma once

#include "geometry.h"

namespace velmora {

Colour highlightColour();      // background of a selection
Colour highlightTextColour();  // text on a selection
Colour windowColour();         // background of plain windows and lists
Colour windowTextColour();     // text on windowColour

}  // namespace velmora
