// Points, sizes, rectangles and colours of the window framework.
//
// All coordinates are device pixels. A rectangle is half-open: it covers
// left <= x < right and top <= y < bottom, so width = right - left.
// Colours are 0xRRGGBB. Point and Rect live in screen_geometry.h, which the
// field's layout logic shares.
#pragma once

#include <cstdint>

#include "screen_geometry.h"

namespace velmora {

using Colour = std::uint32_t;

constexpr Colour rgb(int red, int green, int blue) {
    return (static_cast<Colour>(red & 0xFF) << 16) | (static_cast<Colour>(green & 0xFF) << 8) |
           static_cast<Colour>(blue & 0xFF);
}

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

}  // namespace velmora
