#include "category_icons.h"

#include <stdexcept>
#include <string>

#include "icon_canvas.h"
#include "icon_colours.h"
#include "palette.h"

namespace velmora::artwork {
namespace {

using namespace icon;

void plusSign(IconCanvas& c)
{
    c.outlined(unite({c.box(6, 2, 10, 14), c.box(2, 6, 14, 10)}), kGreen, kOutline);
}

void devilFace(IconCanvas& c)
{
    const Region horns = unite({c.polygon({{2.5, 6}, {1.5, 0.5}, {6.5, 4}}), c.polygon({{13.5, 6}, {14.5, 0.5}, {9.5, 4}})});
    const Region head = c.ellipse(8, 8.5, 5.5, 5.5);
    c.outlined(unite({horns, head}), kRed, kOutline);
    c.fill(horns, kDarkRed);
    c.fill(head, kRed);
    c.fill(unite({c.polygon({{4.5, 6.5}, {7.5, 7.5}, {7, 9}, {5, 8.5}}), c.polygon({{11.5, 6.5}, {8.5, 7.5}, {9, 9}, {11, 8.5}})}),
           kGold);
    c.fill(c.polygon({{4.5, 10.5}, {8, 12.5}, {11.5, 10.5}, {8, 13.5}}), kOutline);
}

void castle(IconCanvas& c)
{
    const Region towers = unite({c.box(1, 3, 6, 14), c.box(10, 3, 15, 14), c.box(5, 6, 11, 14)});
    const Region merlons = unite({c.box(1, 1, 2.5, 3), c.box(4.5, 1, 6, 3), c.box(10, 1, 11.5, 3), c.box(13.5, 1, 15, 3),
                                  c.box(7.25, 4.5, 8.75, 6)});
    c.outlined(unite({towers, merlons}), kStone, kOutline);
    c.fill(unite({c.box(6.5, 9, 9.5, 14), c.circle(8, 9, 1.5)}), kOutline);
    c.fill(unite({c.box(3, 6, 4, 8), c.box(12, 6, 13, 8)}), kOutline);
}

Region card(const IconCanvas& c, double degrees)
{
    const Point pivot = c.at(8, 12.5);
    std::vector<Point> corners{c.at(5.5, 2), c.at(10.5, 2), c.at(10.5, 10), c.at(5.5, 10)};
    return polygon(rotated(corners, pivot, degrees));
}

void fanOfCards(IconCanvas& c)
{
    for (double degrees : {-28.0, 28.0, 0.0})
        c.outlined(card(c, degrees), kPaper, kOutline);
    c.fill(c.polygon({{8, 3.5}, {9.6, 6}, {8, 8.5}, {6.4, 6}}), kRed);
}

Region blade(const IconCanvas& c, double degrees)
{
    const Point pivot = c.at(8, 7.5);
    return polygon(rotated({c.at(7, 13), c.at(7, 3), c.at(8, 0.5), c.at(9, 3), c.at(9, 13)}, pivot, degrees));
}

Region guard(const IconCanvas& c, double degrees)
{
    const Point pivot = c.at(8, 7.5);
    return polygon(rotated({c.at(5, 11), c.at(11, 11), c.at(11, 12.5), c.at(5, 12.5)}, pivot, degrees));
}

Region grip(const IconCanvas& c, double degrees)
{
    const Point pivot = c.at(8, 7.5);
    return polygon(rotated({c.at(7.25, 12.5), c.at(8.75, 12.5), c.at(8.75, 15.5), c.at(7.25, 15.5)}, pivot, degrees));
}

void crossedSwords(IconCanvas& c)
{
    for (double degrees : {-45.0, 45.0}) {
        c.outlined(unite({blade(c, degrees), guard(c, degrees), grip(c, degrees)}), kSteel, kOutline);
        c.fill(guard(c, degrees), kGold);
        c.fill(grip(c, degrees), kWood);
    }
}

void cell(IconCanvas& c)
{
    c.outlined(c.box(2, 1, 14, 14), kStone, kOutline);
    c.fill(c.box(4, 3, 12, 12), kOutline);
    for (double x : {5.0, 7.5, 10.0})
        c.fill(c.box(x, 3, x + 1, 12), kSteel);
    c.fill(c.box(4, 7, 12, 8), kSteel);
}

// An upright pickaxe turned about the icon's middle: a handle with a
// curved head pointed at both ends across its top.
Region pickaxe(const IconCanvas& c, double degrees)
{
    const Point pivot = c.at(8, 8);
    Path head;
    head.moveTo(c.at(4, 5.2))
        .quadTo(c.at(8, 0), c.at(12, 5.2))
        .quadTo(c.at(8, 2.6), c.at(4, 5.2));
    std::vector<Point> outline = head.outlines().front();
    const Region handle = polygon(rotated({c.at(7.2, 2.5), c.at(8.8, 2.5), c.at(8.8, 15.5), c.at(7.2, 15.5)}, pivot, degrees));
    return unite({handle, polygon(rotated(outline, pivot, degrees))});
}

void crossedPickaxes(IconCanvas& c)
{
    const Point pivot = c.at(8, 8);
    for (double degrees : {-42.0, 42.0})
        c.outlined(pickaxe(c, degrees), kIron, kOutline);
    for (double degrees : {-42.0, 42.0})
        c.fill(polygon(rotated({c.at(7.6, 4.2), c.at(8.4, 4.2), c.at(8.4, 14.4), c.at(7.6, 14.4)}, pivot, degrees)),
               kWood);
}

void spider(IconCanvas& c)
{
    std::vector<Region> legs;
    for (int side : {-1, 1})
        for (int i = 0; i < 4; ++i) {
            const double y = 5.5 + i * 1.6;
            const double kneeX = 8 + side * 4.2;
            const double kneeY = y - 2.2 + i * 0.6;
            const double footX = 8 + side * 7;
            const double footY = y + (i - 1) * 1.7;
            legs.push_back(polyline({c.at(8, y + 1), c.at(kneeX, kneeY), c.at(footX, footY)}, c.length(1)));
        }
    c.fill(unite(legs), kOutline);
    c.fill(unite({c.ellipse(8, 10, 3, 3.6), c.ellipse(8, 5, 2, 2)}), kOutline);
    c.fill(c.ellipse(8, 10.5, 1, 1.6), kRed);
}

void parasol(IconCanvas& c)
{
    std::vector<Point> canopy = arcPoints(c.at(8, 8), c.length(7.5), c.length(6.5), 180, 360, 24);
    const Region top = polygon(canopy);
    const Region pole = c.box(7.5, 6, 8.5, 15);
    c.outlined(unite({top, pole}), kPaper, kOutline);
    c.fill(intersect(top, unite({c.polygon({{8, 1.5}, {3, 8}, {5.5, 8}}), c.polygon({{8, 1.5}, {10.5, 8}, {13, 8}})})),
           kRed);
    c.fill(intersect(top, c.polygon({{8, 1.5}, {0, 8}, {0.5, 8}, {0.5, 1}})), kRed);
    c.fill(intersect(top, c.polygon({{8, 1.5}, {15.5, 1}, {15.5, 8}, {16, 8}})), kRed);
    c.fill(pole, kWood);
}

void mapleLeaf(IconCanvas& c)
{
    const Region leaf = c.polygon({{8, 0.5},  {9.5, 3.5},  {11, 2.5}, {10.5, 6.5}, {13, 4},   {13.5, 5.5}, {15.5, 5},
                                   {14.5, 7.5}, {15.5, 8.5}, {11.5, 11}, {12, 12.5}, {8.5, 11.5}, {8.5, 15}, {7.5, 15},
                                   {7.5, 11.5}, {4, 12.5},  {4.5, 11}, {0.5, 8.5}, {1.5, 7.5}, {0.5, 5},  {2.5, 5.5},
                                   {3, 4},     {5.5, 6.5}, {5, 2.5},   {6.5, 3.5}});
    c.outlined(leaf, kRed, kDarkRed);
}

}  // namespace

Image categoryIcon(const GridLibrary& grids, int code, int scale)
{
    using Draw = void (*)(IconCanvas&);
    static constexpr Draw draws[kCategoryIconCount] = {plusSign,      devilFace, castle, fanOfCards, crossedSwords,
                                                       cell,          crossedPickaxes, spider, parasol, mapleLeaf};
    if (code < 1 || code > kCategoryIconCount)
        throw std::out_of_range("category " + std::to_string(code));
    IconCanvas canvas(16, 15, scale, kIconTransparent);
    if (!canvas.useGrid(grids, "category-" + std::to_string(code)))
        draws[code - 1](canvas);
    return canvas.image();
}

}  // namespace velmora::artwork
