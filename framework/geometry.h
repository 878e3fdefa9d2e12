// Points, sizes, rectangles and colours of the window framework.
//
// All coordinates are device pixels. A rectangle is half-open: it covers
// left <= x < right and top <= y < bottom, so width = right - left.
// Colours are 0xRRGGBB.
#pragma once

#include <cstdint>

namespace velmora {

using Colour = std::uint32_t;

constexpr Colour rgb(int red, int green, int blue) {
    return (static_cast<Colour>(red & 0xFF) << 16) | (static_cast<Colour>(green & 0xFF) << 8) |
           static_cast<Colour>(blue & 0xFF);
}

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect fromSize(int left, int top, int width, int height) {
        return Rect{left, top, left + width, top + height};
    }
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }
    constexpr bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace velmora
