#include "card_backs.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "raster.h"

namespace velmora::artwork {
namespace {

// The patterned panel inside the card's border and white margin. Patterns
// are laid out from the panel's centre so that every design is symmetric;
// `unit` is the size of the pattern's pixels: 1 on small cards, 2 on large.
struct Panel {
    int left;
    int top;
    int right;   // one past the last column
    int bottom;  // one past the last row
    int unit;

    // Offsets from the centre in half units, so the centre line is exact
    // on panels of odd and even size alike.
    int dx(int x) const { return (2 * x - (left + right - 1)) / unit; }
    int dy(int y) const { return (2 * y - (top + bottom - 1)) / unit; }
    bool onFrame(int x, int y) const
    {
        return x < left + unit || y < top + unit || x >= right - unit || y >= bottom - unit;
    }
    Point centre() const { return {(left + right) / 2.0, (top + bottom) / 2.0}; }
};

int floorMod(int value, int modulus)
{
    const int rest = value % modulus;
    return rest < 0 ? rest + modulus : rest;
}

int floorDiv(int value, int divisor)
{
    return (value - floorMod(value, divisor)) / divisor;
}

// Blue basket weave: square blocks of threads, running across and down in
// turn like a checkerboard.
Rgb blueWeave(const Panel& panel, int x, int y)
{
    if (panel.onFrame(x, y))
        return rgb(0x9DB8F0);
    constexpr int block = 8;  // half units
    const int across = panel.dx(x) + block / 2;
    const int down = panel.dy(y) + block / 2;
    const bool runsAcross = floorMod(floorDiv(across, block) + floorDiv(down, block), 2) == 0;
    const int thread = floorMod(runsAcross ? down : across, block);
    if (thread < 2)
        return rgb(0x14296A);
    return thread < 4 || thread >= 6 ? rgb(0x2C56B4) : rgb(0x6F96E0);
}

// Alternating red diamonds crossed by thin pale lines.
Rgb redArgyle(const Panel& panel, int x, int y)
{
    if (panel.onFrame(x, y))
        return rgb(0xF2B8C0);
    constexpr int period = 12;
    const int u = panel.dx(x) + panel.dy(y) + period / 2;
    const int v = panel.dx(x) - panel.dy(y) + period / 2;
    if (floorMod(u, period) < 2 || floorMod(v, period) < 2)
        return rgb(0xF6CCD3);
    return floorMod(floorDiv(u, period) + floorDiv(v, period), 2) == 0 ? rgb(0xB3162E) : rgb(0x7A0A1C);
}

// Overlapping rows of round scales, each row laid over the one above, with
// a dark rim and a lit lower edge.
Rgb greenScales(const Panel& panel, int x, int y)
{
    if (panel.onFrame(x, y))
        return rgb(0xA8DDB2);
    constexpr int radius = 8;  // half units
    const int px = panel.dx(x);
    const int py = panel.dy(y);
    for (int row = floorDiv(py, radius) + 1; row >= floorDiv(py, radius) - 2; --row) {
        const int shift = floorMod(row, 2) * radius;
        const int cx = floorDiv(px + shift + radius, 2 * radius) * 2 * radius - shift;
        const int cy = row * radius;
        const int distance = (px - cx) * (px - cx) + (py - cy) * (py - cy);
        if (distance > radius * radius)
            continue;
        if (distance > (radius - 2) * (radius - 2))
            return rgb(0x0B4A26);
        return py - cy > radius / 3 ? rgb(0x4DB874) : rgb(0x22844A);
    }
    return rgb(0x0B4A26);
}

constexpr Rgb kPurple = rgb(0x4A2276);
constexpr Rgb kGold = rgb(0xE8C25A);

// Purple strewn with small dots, for the medallion to lie on.
Rgb purpleField(const Panel& panel, int x, int y)
{
    if (panel.onFrame(x, y))
        return kGold;
    if (floorMod(panel.dx(x) + 4, 8) < 2 && floorMod(panel.dy(y) + 4, 8) < 2)
        return rgb(0x8E66C2);
    return kPurple;
}

// A gold eight-pointed star in a ringed purple disc: drawn from its outline
// on large cards, and from a hand-drawn grid on small ones, where a
// smoothed star only blurs.
void paintMedallion(Image& image, const Panel& panel, const GridLibrary& grids)
{
    const Point centre = panel.centre();
    const double outer = (panel.right - panel.left) * 0.4;
    if (panel.unit == 1) {
        const int size = panel.right - panel.left >= 20 ? 11 : 9;
        const Grid& emblem = grids.get("back-emblem", size, size);
        paint(image, circle(centre, size / 2.0 + 1), kPurple, Edge::hard);
        paintGrid(image, emblem, static_cast<int>(centre.x) - size / 2, static_cast<int>(centre.y) - size / 2, kGold);
        return;
    }
    std::vector<Point> star;
    for (int i = 0; i < 16; ++i) {
        const double radius = i % 2 == 0 ? outer : outer * 0.42;
        star.push_back(rotated({centre.x, centre.y - radius}, centre, i * 22.5));
    }
    paint(image, circle(centre, outer * 0.78), kGold, Edge::smooth);
    paint(image, circle(centre, outer * 0.78 - panel.unit), kPurple, Edge::smooth);
    paint(image, polygon(star), kGold, Edge::smooth);
    paint(image, circle(centre, outer * 0.18), kPurple, Edge::smooth);
}

}  // namespace

Image cardBack(const GridLibrary& grids, int design, int width, int height)
{
    if (design < 0 || design >= kCardBackCount)
        throw std::out_of_range("card back " + std::to_string(design));
    Image image(width, height, kWhite);
    const int unit = width >= 40 ? 2 : 1;
    const int inset = 1 + unit;
    const Panel panel{inset, inset, width - inset, height - inset, unit};
    using Pattern = Rgb (*)(const Panel&, int, int);
    static constexpr Pattern patterns[kCardBackCount] = {blueWeave, redArgyle, greenScales, purpleField};
    for (int y = panel.top; y < panel.bottom; ++y)
        for (int x = panel.left; x < panel.right; ++x)
            image.set(x, y, patterns[design](panel, x, y));
    if (design == 3)
        paintMedallion(image, panel, grids);
    return image;
}

}  // namespace velmora::artwork
