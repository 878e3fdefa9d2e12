#include "card_backs.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "raster.h"

namespace velmora::artwork {
namespace {

// The patterned panel inside the card's border and white margin. Offsets
// are measured from the panel's centre so that every design is symmetric.
struct Panel {
    int left;
    int top;
    int right;   // one past the last column
    int bottom;  // one past the last row
    int unit;    // 1 on small cards, 2 on large ones: the pattern's pixel size

    int dx(int x) const { return 2 * x - (left + right - 1); }  // doubled, so centre lines are exact
    int dy(int y) const { return 2 * y - (top + bottom - 1); }
    bool onFrame(int x, int y) const
    {
        return x < left + unit || y < top + unit || x >= right - unit || y >= bottom - unit;
    }
};

int floorMod(int value, int modulus)
{
    const int rest = value % modulus;
    return rest < 0 ? rest + modulus : rest;
}

Rgb blueLattice(const Panel& panel, int x, int y)
{
    if (panel.onFrame(x, y))
        return rgb(0x9DB8F0);
    const int period = 8 * panel.unit;
    const int a = floorMod(panel.dx(x) + panel.dy(y), period);
    const int b = floorMod(panel.dx(x) - panel.dy(y), period);
    if (a < 2 * panel.unit || b < 2 * panel.unit)
        return rgb(0x7FA2E6);
    // The middle of each diamond gets a dot.
    if (std::abs(a - period / 2 - panel.unit) < 2 * panel.unit && std::abs(b - period / 2 - panel.unit) < 2 * panel.unit)
        return rgb(0x3A64C2);
    return rgb(0x1B3A86);
}

Rgb redArgyle(const Panel& panel, int x, int y)
{
    if (panel.onFrame(x, y))
        return rgb(0xF2B8C0);
    const int period = 8 * panel.unit;
    const int u = panel.dx(x) + panel.dy(y) + period / 2;
    const int v = panel.dx(x) - panel.dy(y) + period / 2;
    const int cell = u / period + v / period + (u < 0 ? 1 : 0) + (v < 0 ? 1 : 0);
    if (floorMod(u, 2 * period) < 2 * panel.unit || floorMod(v, 2 * period) < 2 * panel.unit)
        return rgb(0xF6C8CF);
    return floorMod(cell, 2) == 0 ? rgb(0xB0162C) : rgb(0x7E0C1E);
}

Rgb greenScales(const Panel& panel, int x, int y)
{
    if (panel.onFrame(x, y))
        return rgb(0xA8DDB2);
    const int radius = 3 * panel.unit;
    // Rows of scales overlap downwards; a pixel belongs to the lowest scale
    // whose circle holds it, and the circle's rim is drawn light.
    const int px = x - panel.left;
    const int py = y - panel.top;
    for (int row = py / radius + 1; row >= py / radius - 1; --row) {
        const int shift = floorMod(row, 2) * radius;
        const int column = (px + shift + radius) / (2 * radius);
        const int cx = column * 2 * radius - shift;
        const int cy = row * radius;
        const int distance = (2 * (px - cx) + 1) * (2 * (px - cx) + 1) + (2 * (py - cy) + 1) * (2 * (py - cy) + 1);
        const int outer = (2 * radius) * (2 * radius);
        if (py >= cy || distance > outer)
            continue;
        const int inner = (2 * radius - 2 * panel.unit) * (2 * radius - 2 * panel.unit);
        return distance > inner ? rgb(0x9ED6A9) : rgb(0x17683A);
    }
    return rgb(0x0F4F2B);
}

Rgb purpleMedallion(const Panel& panel, int x, int y)
{
    if (panel.onFrame(x, y))
        return rgb(0xE8C25A);
    const int period = 4 * panel.unit;
    if (floorMod(panel.dx(x), 2 * period) < 2 * panel.unit && floorMod(panel.dy(y), 2 * period) < 2 * panel.unit)
        return rgb(0x9A70C8);
    return rgb(0x4A2276);
}

// A gold eight-pointed star in the middle of the purple back.
void paintMedallion(Image& image, const Panel& panel)
{
    const Point centre{(panel.left + panel.right) / 2.0, (panel.top + panel.bottom) / 2.0};
    const double outer = (panel.right - panel.left) * 0.36;
    std::vector<Point> star;
    for (int i = 0; i < 16; ++i) {
        const double radius = i % 2 == 0 ? outer : outer * 0.45;
        star.push_back(arcPoints(centre, radius, radius, -90 + i * 22.5, -90 + i * 22.5, 1).front());
    }
    paint(image, circle(centre, outer * 0.62), rgb(0x4A2276), Edge::smooth);
    paint(image, polygon(star), rgb(0xE8C25A), Edge::smooth);
    paint(image, circle(centre, outer * 0.2), rgb(0x4A2276), Edge::smooth);
}

}  // namespace

Image cardBack(int design, int width, int height)
{
    if (design < 0 || design >= kCardBackCount)
        throw std::out_of_range("card back " + std::to_string(design));
    Image image(width, height, kWhite);
    const int unit = width >= 40 ? 2 : 1;
    const int inset = 1 + unit;
    const Panel panel{inset, inset, width - inset, height - inset, unit};
    for (int y = panel.top; y < panel.bottom; ++y)
        for (int x = panel.left; x < panel.right; ++x) {
            switch (design) {
            case 0:
                image.set(x, y, blueLattice(panel, x, y));
                break;
            case 1:
                image.set(x, y, redArgyle(panel, x, y));
                break;
            case 2:
                image.set(x, y, greenScales(panel, x, y));
                break;
            default:
                image.set(x, y, purpleMedallion(panel, x, y));
                break;
            }
        }
    if (design == 3)
        paintMedallion(image, panel);
    return image;
}

}  // namespace velmora::artwork
