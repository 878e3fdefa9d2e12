#include "icon_canvas.h"

#include <cmath>
#include <numbers>

#include "raster.h"

namespace velmora::artwork {

Region grown(Region region, double distance)
{
    std::vector<Point> offsets{{0, 0}};
    for (int i = 0; i < 16; ++i) {
        const double angle = i * std::numbers::pi / 8;
        offsets.push_back({distance * std::cos(angle), distance * std::sin(angle)});
        offsets.push_back({distance * 0.5 * std::cos(angle), distance * 0.5 * std::sin(angle)});
    }
    if (region.empty())
        return {};
    const Bounds bounds = region.bounds().grownBy(distance);
    return {[region = std::move(region), offsets = std::move(offsets)](double x, double y) {
                for (const Point& offset : offsets)
                    if (region(x + offset.x, y + offset.y))
                        return true;
                return false;
            },
            bounds};
}

IconCanvas::IconCanvas(int widthUnits, int heightUnits, int scale, Rgb background)
    : scale_(scale), image_(widthUnits * scale, heightUnits * scale, background)
{
}

Region IconCanvas::box(double left, double top, double right, double bottom) const
{
    return artwork::box(left * scale_, top * scale_, right * scale_, bottom * scale_);
}

Region IconCanvas::circle(double x, double y, double radius) const
{
    return artwork::circle(at(x, y), length(radius));
}

Region IconCanvas::ellipse(double x, double y, double radiusX, double radiusY) const
{
    return artwork::ellipse(at(x, y), length(radiusX), length(radiusY));
}

Region IconCanvas::polygon(std::initializer_list<Point> unitPoints) const
{
    std::vector<Point> points;
    for (const Point& point : unitPoints)
        points.push_back(at(point.x, point.y));
    return artwork::polygon(std::move(points));
}

Region IconCanvas::line(double x1, double y1, double x2, double y2, double width) const
{
    return capsule(at(x1, y1), at(x2, y2), length(width));
}

void IconCanvas::fill(const Region& region, Rgb colour)
{
    paint(image_, region, colour, Edge::hard);
}

void IconCanvas::outlined(const Region& region, Rgb colour, Rgb outline, double outlineWidth)
{
    paint(image_, grown(region, length(outlineWidth)), outline, Edge::hard);
    paint(image_, region, colour, Edge::hard);
}

bool IconCanvas::useGrid(const GridLibrary& grids, const std::string& name)
{
    const Grid* grid = grids.find(name, image_.width(), image_.height());
    if (grid == nullptr)
        return false;
    paintGrid(image_, *grid, 0, 0, std::nullopt);
    return true;
}

}  // namespace velmora::artwork
