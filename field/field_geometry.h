// Points, rectangles and sizes of the game field, in client pixels. Point and
// Rect (right and bottom exclusive) are the ones the window framework uses
// too, so the field hands them over without conversion.
#pragma once

#include "screen_geometry.h"

namespace velmora {

// The field's client area; its top-left corner is (0, 0).
struct ClientSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const ClientSize&, const ClientSize&) = default;
};

}  // namespace velmora
