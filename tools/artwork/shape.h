// Vector shapes for the artwork, as regions of the plane in pixel coordinates
// (x right, y down; pixel (i, j) covers [i, i+1) x [j, j+1)). A region only
// answers whether a point lies inside it; raster.h turns that into pixels.
#pragma once

#include <functional>
#include <vector>

namespace velmora::artwork {

struct Point {
    double x = 0;
    double y = 0;
};

// Where a region may have points; nothing outside is inside the region.
struct Bounds {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    bool contains(double x, double y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    Bounds unitedWith(const Bounds& other) const;
    Bounds grownBy(double distance) const { return {left - distance, top - distance, right + distance, bottom + distance}; }
};

class Region {
public:
    using Test = std::function<bool(double x, double y)>;

    Region() = default;  // empty
    Region(Test test, Bounds bounds) : test_(std::move(test)), bounds_(bounds), empty_(false) {}

    bool operator()(double x, double y) const { return !empty_ && bounds_.contains(x, y) && test_(x, y); }
    const Bounds& bounds() const { return bounds_; }
    bool empty() const { return empty_; }

private:
    Test test_;
    Bounds bounds_;
    bool empty_ = true;
};

// Closed contours filled by the non-zero winding rule, so that contours
// drawn the opposite way round cut holes.
Region polygon(std::vector<Point> points);
Region contours(std::vector<std::vector<Point>> outlines);

Region ellipse(Point centre, double radiusX, double radiusY);
Region circle(Point centre, double radius);
Region box(double left, double top, double right, double bottom);
// A line of the given width with round ends.
Region capsule(Point from, Point to, double width);
// Connected round-ended lines through the points.
Region polyline(const std::vector<Point>& points, double width);
// The band between two ellipses around one centre, from one angle to another
// (degrees, 0 pointing right, growing clockwise on screen), with round ends.
Region arcStroke(Point centre, double radiusX, double radiusY, double fromDegrees, double toDegrees, double width);

Region unite(std::vector<Region> parts);
Region subtract(Region from, Region cut);
Region intersect(Region a, Region b);

// Points on an ellipse from one angle to another, both ends included.
std::vector<Point> arcPoints(Point centre, double radiusX, double radiusY, double fromDegrees, double toDegrees,
                             int steps);
Point rotated(Point point, Point centre, double degrees);
std::vector<Point> rotated(std::vector<Point> points, Point centre, double degrees);

// Outlines built from straight and curved pieces; curves are flattened into
// a fixed number of straight pieces, so the result never depends on the size.
class Path {
public:
    Path& moveTo(Point point);
    Path& lineTo(Point point);
    Path& quadTo(Point control, Point end);
    Path& cubicTo(Point control1, Point control2, Point end);

    Region region() const;
    const std::vector<std::vector<Point>>& outlines() const { return outlines_; }

private:
    std::vector<std::vector<Point>> outlines_;
};

}  // namespace velmora::artwork
