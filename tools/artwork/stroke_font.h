// The card ranks as pen strokes, for the sizes drawn from outlines rather
// than by hand. Each rank is a few centre lines on a design box ten units
// high and about six wide, drawn with a round pen of a whole number of
// pixels. Straight strokes and the extremes of round ones are snapped so
// that the pen's edges fall on pixel edges: stems stay crisp and only
// curves and slants are smoothed.
#pragma once

#include <vector>

#include "shape.h"

namespace velmora::artwork {

// Maps design units to pixels, snapping as described above.
class PenGrid {
public:
    // The design box's top-left at (left, top); the ink, pen included, is
    // inkHeight pixels high.
    PenGrid(double left, double top, double inkHeight, int penWidth);

    Point at(double x, double y) const;
    // Points on an ellipse arc (degrees, clockwise from the right) whose
    // leftmost, rightmost, top and bottom points are snapped.
    std::vector<Point> arc(Point centre, double radiusX, double radiusY, double fromDegrees, double toDegrees) const;
    // A curve through snapped end points with its control points mapped as they are.
    std::vector<Point> curve(Point start, Point control1, Point control2, Point end) const;
    int penWidth() const { return pen_; }

private:
    double snapX(double x) const;
    double snapY(double y) const;

    double left_;
    double top_;
    double scale_;
    int pen_;
};

// The centre lines of rank 0 (ace) to 12 (king) in pixels.
std::vector<std::vector<Point>> rankStrokes(int rank, const PenGrid& grid);

Region renderStrokes(const std::vector<std::vector<Point>>& lines, int penWidth);

}  // namespace velmora::artwork
