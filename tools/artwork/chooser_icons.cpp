#include "chooser_icons.h"

#include <stdexcept>
#include <string>

#include "icon_canvas.h"
#include "icon_colours.h"
#include "palette.h"

namespace velmora::artwork {
namespace {

using namespace icon;

constexpr Rgb kGlass = rgb(0xE4F2FA);
constexpr Rgb kSand = rgb(0xE8B04A);
constexpr Rgb kFolder = rgb(0xF4C84A);
constexpr Rgb kFolderShade = rgb(0xD9A228);
constexpr Rgb kArrowGreen = rgb(0x2E9E3E);

Region star(const IconCanvas& c, double x, double y, double radius)
{
    std::vector<Point> points;
    const Point centre = c.at(x, y);
    for (int i = 0; i < 10; ++i) {
        const double r = c.length(i % 2 == 0 ? radius : radius * 0.45);
        points.push_back(rotated({centre.x, centre.y - r}, centre, i * 36.0));
    }
    return polygon(std::move(points));
}

void goldStar(IconCanvas& c, double x, double y, double radius)
{
    c.outlined(star(c, x, y, radius - 1), kGold, kDeepGold);
}

IconCanvas canvasFor(int width, int height, int scale, Rgb background = kIconTransparent)
{
    return IconCanvas(width, height, scale, background);
}

}  // namespace

Image skillIcon(const GridLibrary& grids, int level, int scale)
{
    if (level < 1 || level > 3)
        throw std::out_of_range("skill level " + std::to_string(level));
    IconCanvas c = canvasFor(10 * level, 15, scale);
    if (!c.useGrid(grids, "skill-" + std::to_string(level)))
        for (int i = 0; i < level; ++i)
            goldStar(c, 5 + 10 * i, 8, 5);
    return c.image();
}

Image timeIcon(const GridLibrary& grids, int timeClass, int scale)
{
    if (timeClass < 1 || timeClass > 4)
        throw std::out_of_range("time class " + std::to_string(timeClass));
    IconCanvas c = canvasFor(11, 15, scale);
    if (c.useGrid(grids, "time-" + std::to_string(timeClass)))
        return c.image();
    const Region upper = c.polygon({{2, 2}, {9, 2}, {9, 4}, {6.2, 7.5}, {4.8, 7.5}, {2, 4}});
    const Region lower = c.polygon({{4.8, 7.5}, {6.2, 7.5}, {9, 11}, {9, 13}, {2, 13}, {2, 11}});
    c.outlined(unite({upper, lower}), kGlass, kOutline);
    // Sand: the upper bulb holds more the longer the game; a small heap
    // has always run through.
    const double level = 6.5 - 1.1 * timeClass;
    c.fill(intersect(upper, c.box(0, level, 11, 7.5)), kSand);
    c.fill(intersect(lower, c.polygon({{5.5, 10}, {9, 13}, {2, 13}})), kSand);
    c.fill(c.box(5, 7, 6, 12), kSand);
    c.outlined(unite({c.box(0.5, 0.5, 10.5, 2), c.box(0.5, 13, 10.5, 14.5)}), kWood, kOutline, 0.5);
    return c.image();
}

Image folderIcon(const GridLibrary& grids, int scale)
{
    IconCanvas c = canvasFor(16, 15, scale);
    if (c.useGrid(grids, "folder"))
        return c.image();
    c.outlined(unite({c.box(1, 3, 7, 5), c.box(1, 4, 15, 13)}), kFolderShade, kOutline);
    c.outlined(c.polygon({{1, 13}, {3, 7}, {15.5, 7}, {14.5, 13}}), kFolder, kOutline);
    return c.image();
}

Image starsIcon(const GridLibrary& grids, int scale)
{
    IconCanvas c = canvasFor(15, 15, scale);
    if (!c.useGrid(grids, "stars")) {
        goldStar(c, 7.5, 4.5, 4.5);
        goldStar(c, 3.8, 10.5, 4.2);
        goldStar(c, 11.2, 10.5, 4.2);
    }
    return c.image();
}

Image clockIcon(const GridLibrary& grids, int scale)
{
    IconCanvas c = canvasFor(13, 15, scale);
    if (c.useGrid(grids, "clock"))
        return c.image();
    c.fill(c.circle(6.5, 8, 6.5), kBlue);
    c.fill(c.circle(6.5, 8, 5.1), kPaper);
    c.fill(unite({c.box(6, 4, 7, 8.5), c.box(6, 7.5, 9.5, 8.5)}), kOutline);
    c.fill(c.box(5.5, 1, 7.5, 2), kBlue);
    return c.image();
}

Image resetIcon(const GridLibrary& grids, int scale)
{
    IconCanvas c = canvasFor(11, 13, scale, kWhite);
    if (c.useGrid(grids, "reset"))
        return c.image();
    const Region ring = subtract(c.circle(5.5, 7, 5), c.circle(5.5, 7, 2.8));
    const Region gap = c.polygon({{5.5, 7}, {5.5, 0}, {11, 0}, {11, 3}});
    c.fill(subtract(ring, gap), kBlue);
    c.fill(c.polygon({{4, 0.5}, {8.5, 3.2}, {4, 6}}), kBlue);
    return c.image();
}

Image favouriteIcon(const GridLibrary& grids, int scale)
{
    IconCanvas c = canvasFor(16, 15, scale);
    if (!c.useGrid(grids, "favourite"))
        goldStar(c, 8, 8, 7.5);
    return c.image();
}

Image arrowIcon(const GridLibrary& grids, bool pointsRight, int scale)
{
    IconCanvas c = canvasFor(12, 11, scale);
    if (c.useGrid(grids, pointsRight ? "arrow-right" : "arrow-left"))
        return c.image();
    const Region right = c.polygon({{1, 3.5}, {6, 3.5}, {6, 0.5}, {11, 5.5}, {6, 10.5}, {6, 7.5}, {1, 7.5}});
    const Region left = c.polygon({{11, 3.5}, {6, 3.5}, {6, 0.5}, {1, 5.5}, {6, 10.5}, {6, 7.5}, {11, 7.5}});
    c.outlined(pointsRight ? right : left, pointsRight ? kArrowGreen : kRed, kOutline, 0.5);
    return c.image();
}

}  // namespace velmora::artwork
