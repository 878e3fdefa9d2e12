// A canvas for icons designed in units of 1/96 inch and drawn at one or two
// pixels per unit. Icons are copied with a transparent colour, so every
// shape is drawn with hard edges; outlines are the shape grown by a width
// and laid under it.
#pragma once

#include <initializer_list>
#include <string>

#include "image.h"
#include "pixel_grid.h"
#include "shape.h"

namespace velmora::artwork {

// The region widened by `distance` in every direction (sampled on a ring of
// directions, exact enough for outlines a pixel or two wide).
Region grown(Region region, double distance);

class IconCanvas {
public:
    IconCanvas(int widthUnits, int heightUnits, int scale, Rgb background);

    int scale() const { return scale_; }
    Point at(double x, double y) const { return {x * scale_, y * scale_}; }
    double length(double units) const { return units * scale_; }

    // Shapes in units.
    Region box(double left, double top, double right, double bottom) const;
    Region circle(double x, double y, double radius) const;
    Region ellipse(double x, double y, double radiusX, double radiusY) const;
    Region polygon(std::initializer_list<Point> unitPoints) const;
    Region line(double x1, double y1, double x2, double y2, double width) const;

    void fill(const Region& region, Rgb colour);
    // The shape in its colour over an outline `outlineWidth` units wide.
    void outlined(const Region& region, Rgb colour, Rgb outline, double outlineWidth = 1);
    // Paints the hand-drawn grid of that name and of the canvas's pixel
    // size, when there is one, in place of the drawing; false when none.
    bool useGrid(const GridLibrary& grids, const std::string& name);

    const Image& image() const { return image_; }

private:
    int scale_;
    Image image_;
};

}  // namespace velmora::artwork
