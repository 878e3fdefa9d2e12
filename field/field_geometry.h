// Points, rectangles and sizes of the game field, in client pixels.
#pragma once

namespace velmora {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool contains(Point p) const { return left <= p.x && p.x < right && top <= p.y && p.y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The field's client area; its top-left corner is (0, 0).
struct ClientSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const ClientSize&, const ClientSize&) = default;
};

}  // namespace velmora
