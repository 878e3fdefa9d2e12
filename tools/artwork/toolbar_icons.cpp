#include "toolbar_icons.h"

#include <string>

#include "icon_canvas.h"
#include "icon_colours.h"

namespace velmora::artwork {
namespace {

using namespace icon;

constexpr Rgb kBulb = rgb(0xFFE066);
constexpr Rgb kBulbBase = rgb(0x9098A4);
constexpr Rgb kBars = rgb(0x404040);

void undoArrow(IconCanvas& c)
{
    const Region arc = arcStroke(c.at(8.5, 9), c.length(5), c.length(4.5), 200, 400, c.length(2.6));
    const Region head = c.polygon({{0.5, 6}, {7.5, 6}, {4, 11.5}});
    const Region arrow = unite({subtract(arc, c.box(0, 8.6, 6, 16)), head});
    c.outlined(arrow, kBlue, kOutline);
}

void lightBulb(IconCanvas& c)
{
    const Region glass = unite({c.circle(8, 6.5, 5.5), c.polygon({{4.5, 9.5}, {11.5, 9.5}, {10.5, 12}, {5.5, 12}})});
    c.outlined(glass, kBulb, kOutline);
    c.outlined(c.box(5.5, 12, 10.5, 15), kBulbBase, kOutline);
    c.fill(c.box(6, 13.5, 10, 14), kOutline);
    c.fill(c.box(5.5, 5, 7, 8), kPaper);
}

void questionMark(IconCanvas& c)
{
    c.outlined(c.circle(8, 8, 7), kBlue, kOutline, 0.5);
    const Region hook = arcStroke(c.at(8, 6), c.length(2.6), c.length(2.4), 190, 400, c.length(2));
    const Region stem = capsule(c.at(9.6, 8.2), c.at(8, 9.8), c.length(2));
    c.fill(unite({hook, stem, c.box(7, 9.5, 9, 10.5), c.box(7, 11.5, 9, 13.5)}), kPaper);
}

void menuBars(IconCanvas& c)
{
    c.fill(unite({c.box(2, 3, 14, 5), c.box(2, 7, 14, 9), c.box(2, 11, 14, 13)}), kBars);
}

}  // namespace

Image toolbarStrip(const GridLibrary& grids, int scale)
{
    using Draw = void (*)(IconCanvas&);
    static constexpr Draw draws[kToolbarImageCount] = {undoArrow, lightBulb, questionMark, menuBars};
    Image strip(16 * scale * kToolbarImageCount, 16 * scale, kWhite);
    for (int index = 0; index < kToolbarImageCount; ++index) {
        IconCanvas canvas(16, 16, scale, kWhite);
        if (!canvas.useGrid(grids, "toolbar-" + std::to_string(index)))
            draws[index](canvas);
        strip.copy(canvas.image(), index * 16 * scale, 0);
    }
    return strip;
}

}  // namespace velmora::artwork
