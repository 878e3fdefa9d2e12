// Sizes given in 1/96 inch turned into pixels of the screen.
//
// Layouts, fonts and glyph offsets are designed for a 96-dpi screen; these
// convert such a value with the screen's horizontal or vertical pixels per
// inch, rounding to the nearest pixel in integer arithmetic.
#pragma once

#include <cstdint>

#include "screen_metrics.h"

namespace velmora {

constexpr int ScaleX(const ScreenMetrics& screen, int n)
{
    return static_cast<int>((static_cast<std::int64_t>(n) * screen.dpiX + 48) / 96);
}

constexpr int ScaleY(const ScreenMetrics& screen, int n)
{
    return static_cast<int>((static_cast<std::int64_t>(n) * screen.dpiY + 48) / 96);
}

}  // namespace velmora
