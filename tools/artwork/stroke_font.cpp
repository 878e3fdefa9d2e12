#include "stroke_font.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace velmora::artwork {
namespace {

constexpr double kDesignHeight = 10.0;

using Lines = std::vector<std::vector<Point>>;

// Joins pieces into one line.
std::vector<Point> joined(std::initializer_list<std::vector<Point>> pieces)
{
    std::vector<Point> line;
    for (const auto& piece : pieces)
        line.insert(line.end(), piece.begin(), piece.end());
    return line;
}

Lines digit(int value, const PenGrid& g)
{
    switch (value) {
    case 2:
        return {joined({g.arc({3, 2.9}, 3, 2.9, 200, 375), {g.at(0.1, 10), g.at(6.1, 10)}})};
    case 3:
        return {g.arc({3, 2.5}, 2.8, 2.5, 210, 450), joined({{g.at(1.9, 5)}, g.arc({3, 7.45}, 3.05, 2.55, 270, 505)})};
    case 4:
        return {{g.at(4.5, 10), g.at(4.5, 0), g.at(0, 6.9), g.at(6.3, 6.9)}};
    case 5:
        return {joined({{g.at(5.6, 0), g.at(0.8, 0), g.at(0.5, 4.5)}, g.arc({3.05, 6.95}, 3.05, 3.05, 232, 500)})};
    case 6:
        return {g.curve({5.4, 0.5}, {3, -0.7}, {0, 0.9}, {0, 6.9}), g.arc({3, 6.95}, 3, 3.05, 0, 360)};
    case 7:
        return {{g.at(0, 0), g.at(6, 0)}, g.curve({6, 0}, {3.7, 3.2}, {2.4, 6.3}, {2.2, 10})};
    case 8:
        return {g.arc({3, 2.5}, 2.65, 2.5, 0, 360), g.arc({3, 7.4}, 3.05, 2.6, 0, 360)};
    case 9:
        return {g.arc({3, 3.05}, 3, 3.05, 0, 360), g.curve({6, 3.1}, {6, 9.1}, {3, 10.7}, {0.6, 9.3})};
    default:
        throw std::out_of_range("no digit " + std::to_string(value));
    }
}

}  // namespace

PenGrid::PenGrid(double left, double top, double inkHeight, int penWidth)
    : left_(left), top_(top), scale_((inkHeight - penWidth) / kDesignHeight), pen_(penWidth)
{
}

double PenGrid::snapX(double x) const
{
    return std::round(left_ + x * scale_) + pen_ / 2.0;
}

double PenGrid::snapY(double y) const
{
    return std::round(top_ + y * scale_) + pen_ / 2.0;
}

Point PenGrid::at(double x, double y) const
{
    return {snapX(x), snapY(y)};
}

std::vector<Point> PenGrid::arc(Point centre, double radiusX, double radiusY, double fromDegrees,
                                double toDegrees) const
{
    const double left = snapX(centre.x - radiusX);
    const double right = snapX(centre.x + radiusX);
    const double top = snapY(centre.y - radiusY);
    const double bottom = snapY(centre.y + radiusY);
    const int steps = std::max(8, static_cast<int>(std::abs(toDegrees - fromDegrees) / 6));
    return arcPoints({(left + right) / 2, (top + bottom) / 2}, (right - left) / 2, (bottom - top) / 2, fromDegrees,
                     toDegrees, steps);
}

std::vector<Point> PenGrid::curve(Point start, Point control1, Point control2, Point end) const
{
    const auto mapped = [this](Point p) { return Point{left_ + p.x * scale_ + pen_ / 2.0, top_ + p.y * scale_ + pen_ / 2.0}; };
    Path path;
    path.moveTo(at(start.x, start.y)).cubicTo(mapped(control1), mapped(control2), at(end.x, end.y));
    return path.outlines().front();
}

std::vector<std::vector<Point>> rankStrokes(int rank, const PenGrid& g)
{
    switch (rank) {
    case 0:
        return {{g.at(0, 10), g.at(3, 0), g.at(6, 10)}, {g.at(1.1, 6.7), g.at(4.9, 6.7)}};
    case 9:
        return {{g.at(0, 1.6), g.at(1.4, 0), g.at(1.4, 10)}, g.arc({7.3, 5}, 2.3, 5, 0, 360)};
    case 10:
        return {{g.at(1.4, 0), g.at(5.6, 0)}, joined({{g.at(4.6, 0)}, g.arc({2.4, 7.4}, 2.2, 2.6, -5, 165)})};
    case 11:
        return {g.arc({3, 5}, 3, 5, 0, 360), {g.at(3.6, 7.4), g.at(6.3, 10.3)}};
    case 12:
        return {{g.at(0, 0), g.at(0, 10)}, {g.at(5.8, 0), g.at(0, 6.2)}, {g.at(2, 4.3), g.at(6, 10)}};
    default:
        if (rank < 1 || rank > 12)
            throw std::out_of_range("rank " + std::to_string(rank));
        return digit(rank + 1, g);
    }
}

Region renderStrokes(const std::vector<std::vector<Point>>& lines, int penWidth)
{
    std::vector<Region> parts;
    for (const auto& line : lines)
        parts.push_back(line.size() == 1 ? circle(line.front(), penWidth / 2.0) : polyline(line, penWidth));
    return unite(std::move(parts));
}

}  // namespace velmora::artwork
