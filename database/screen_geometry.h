// Points and rectangles in device pixels, shared by the window framework and
// the game field's layout logic, which must not depend on each other's
// headers but hand these values to each other.
//
// A rectangle is half-open: it covers left <= x < right and top <= y <
// bottom, so width = right - left.
#pragma once

namespace velmora {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
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
