#include "shape.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace velmora::artwork {
namespace {

constexpr int kCurvePieces = 24;

Bounds boundsOf(const std::vector<std::vector<Point>>& outlines)
{
    Bounds bounds{1e300, 1e300, -1e300, -1e300};
    for (const auto& outline : outlines)
        for (const Point& point : outline) {
            bounds.left = std::min(bounds.left, point.x);
            bounds.top = std::min(bounds.top, point.y);
            bounds.right = std::max(bounds.right, point.x);
            bounds.bottom = std::max(bounds.bottom, point.y);
        }
    return bounds;
}

// Winding number of the outline around (x, y): +1 for every edge crossing
// the ray to the right upwards, -1 downwards.
int winding(const std::vector<Point>& outline, double x, double y)
{
    int total = 0;
    const std::size_t count = outline.size();
    for (std::size_t i = 0; i < count; ++i) {
        const Point& a = outline[i];
        const Point& b = outline[(i + 1) % count];
        if ((a.y <= y) == (b.y <= y))
            continue;
        const double crossing = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
        if (crossing > x)
            total += b.y > a.y ? 1 : -1;
    }
    return total;
}

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// Squared distance from (x, y) to the segment a-b.
double distanceSquared(Point a, Point b, double x, double y)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length = dx * dx + dy * dy;
    double t = length > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / length : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double px = a.x + t * dx - x;
    const double py = a.y + t * dy - y;
    return px * px + py * py;
}

}  // namespace

Bounds Bounds::unitedWith(const Bounds& other) const
{
    return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
            std::max(bottom, other.bottom)};
}

Region contours(std::vector<std::vector<Point>> outlines)
{
    outlines.erase(std::remove_if(outlines.begin(), outlines.end(), [](const auto& o) { return o.size() < 3; }),
                   outlines.end());
    if (outlines.empty())
        return {};
    const Bounds bounds = boundsOf(outlines);
    return {[outlines = std::move(outlines)](double x, double y) {
                int total = 0;
                for (const auto& outline : outlines)
                    total += winding(outline, x, y);
                return total != 0;
            },
            bounds};
}

Region polygon(std::vector<Point> points)
{
    return contours({std::move(points)});
}

Region ellipse(Point centre, double radiusX, double radiusY)
{
    return {[=](double x, double y) {
                const double u = (x - centre.x) / radiusX;
                const double v = (y - centre.y) / radiusY;
                return u * u + v * v <= 1.0;
            },
            {centre.x - radiusX, centre.y - radiusY, centre.x + radiusX, centre.y + radiusY}};
}

Region circle(Point centre, double radius)
{
    return ellipse(centre, radius, radius);
}

Region box(double left, double top, double right, double bottom)
{
    return {[=](double x, double y) { return x < right && y < bottom; }, {left, top, right, bottom}};
}

Region capsule(Point from, Point to, double width)
{
    const double limit = width * width / 4.0;
    const Bounds bounds{std::min(from.x, to.x) - width / 2, std::min(from.y, to.y) - width / 2,
                        std::max(from.x, to.x) + width / 2, std::max(from.y, to.y) + width / 2};
    return {[=](double x, double y) { return distanceSquared(from, to, x, y) <= limit; }, bounds};
}

Region polyline(const std::vector<Point>& points, double width)
{
    std::vector<Region> pieces;
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        pieces.push_back(capsule(points[i], points[i + 1], width));
    return unite(std::move(pieces));
}

Region arcStroke(Point centre, double radiusX, double radiusY, double fromDegrees, double toDegrees, double width)
{
    const int steps = std::max(4, static_cast<int>(std::abs(toDegrees - fromDegrees) / 6.0));
    return polyline(arcPoints(centre, radiusX, radiusY, fromDegrees, toDegrees, steps), width);
}

Region unite(std::vector<Region> parts)
{
    parts.erase(std::remove_if(parts.begin(), parts.end(), [](const Region& part) { return part.empty(); }),
                parts.end());
    if (parts.empty())
        return {};
    Bounds bounds = parts.front().bounds();
    for (const Region& part : parts)
        bounds = bounds.unitedWith(part.bounds());
    return {[parts = std::move(parts)](double x, double y) {
                return std::any_of(parts.begin(), parts.end(), [x, y](const Region& part) { return part(x, y); });
            },
            bounds};
}

Region subtract(Region from, Region cut)
{
    if (from.empty())
        return {};
    const Bounds bounds = from.bounds();
    return {[from = std::move(from), cut = std::move(cut)](double x, double y) { return from(x, y) && !cut(x, y); },
            bounds};
}

Region intersect(Region a, Region b)
{
    if (a.empty() || b.empty())
        return {};
    const Bounds bounds{std::max(a.bounds().left, b.bounds().left), std::max(a.bounds().top, b.bounds().top),
                        std::min(a.bounds().right, b.bounds().right), std::min(a.bounds().bottom, b.bounds().bottom)};
    return {[a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && b(x, y); }, bounds};
}

std::vector<Point> arcPoints(Point centre, double radiusX, double radiusY, double fromDegrees, double toDegrees,
                             int steps)
{
    if (steps < 1)
        throw std::invalid_argument("an arc needs at least one step");
    std::vector<Point> points;
    for (int i = 0; i <= steps; ++i) {
        const double angle = radians(fromDegrees + (toDegrees - fromDegrees) * i / steps);
        points.push_back({centre.x + radiusX * std::cos(angle), centre.y + radiusY * std::sin(angle)});
    }
    return points;
}

Point rotated(Point point, Point centre, double degrees)
{
    const double c = std::cos(radians(degrees));
    const double s = std::sin(radians(degrees));
    const double dx = point.x - centre.x;
    const double dy = point.y - centre.y;
    return {centre.x + dx * c - dy * s, centre.y + dx * s + dy * c};
}

std::vector<Point> rotated(std::vector<Point> points, Point centre, double degrees)
{
    for (Point& point : points)
        point = rotated(point, centre, degrees);
    return points;
}

Path& Path::moveTo(Point point)
{
    outlines_.push_back({point});
    return *this;
}

Path& Path::lineTo(Point point)
{
    if (outlines_.empty())
        throw std::logic_error("path piece before moveTo");
    outlines_.back().push_back(point);
    return *this;
}

Path& Path::quadTo(Point control, Point end)
{
    if (outlines_.empty())
        throw std::logic_error("path piece before moveTo");
    const Point start = outlines_.back().back();
    for (int i = 1; i <= kCurvePieces; ++i) {
        const double t = static_cast<double>(i) / kCurvePieces;
        const double u = 1 - t;
        outlines_.back().push_back({u * u * start.x + 2 * u * t * control.x + t * t * end.x,
                                    u * u * start.y + 2 * u * t * control.y + t * t * end.y});
    }
    return *this;
}

Path& Path::cubicTo(Point control1, Point control2, Point end)
{
    if (outlines_.empty())
        throw std::logic_error("path piece before moveTo");
    const Point start = outlines_.back().back();
    for (int i = 1; i <= kCurvePieces; ++i) {
        const double t = static_cast<double>(i) / kCurvePieces;
        const double u = 1 - t;
        const double a = u * u * u;
        const double b = 3 * u * u * t;
        const double c = 3 * u * t * t;
        const double d = t * t * t;
        outlines_.back().push_back({a * start.x + b * control1.x + c * control2.x + d * end.x,
                                    a * start.y + b * control1.y + c * control2.y + d * end.y});
    }
    return *this;
}

Region Path::region() const
{
    return contours(outlines_);
}

}  // namespace velmora::artwork
