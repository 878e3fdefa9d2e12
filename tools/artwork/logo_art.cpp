#include "logo_art.h"

#include <algorithm>
#include <utility>

#include "icon_canvas.h"
#include "icon_colours.h"
#include "palette.h"
#include "raster.h"

namespace velmora::artwork {
namespace {

using namespace icon;

constexpr Rgb kBackBlue = rgb(0x2C56B4);
constexpr Rgb kBackRed = rgb(0xB3162E);
constexpr Rgb kCardEdge = rgb(0x303030);
constexpr Rgb kV = rgb(0xC0102A);

// The fan is designed on a 48-unit square and drawn into a square of
// `size` units.
class FanLayout {
public:
    FanLayout(const IconCanvas& canvas, double size) : canvas_(canvas), s_(size / 48.0) {}

    Point at(double x, double y) const { return canvas_.at(x * s_, y * s_); }
    double length(double units) const { return canvas_.length(units * s_); }

    // A card turned about a point below the fan, shrunk by `inset` units
    // on every side.
    Region card(double degrees, double inset) const
    {
        const std::vector<Point> corners{at(15 + inset, 8 + inset), at(33 - inset, 8 + inset),
                                         at(33 - inset, 37 - inset), at(15 + inset, 37 - inset)};
        return polygon(rotated(corners, at(24, 44), degrees));
    }

private:
    const IconCanvas& canvas_;
    double s_;
};

void drawFan(Image& target, const FanLayout& fan, Edge edges)
{
    const auto layer = [&](const Region& region, Rgb colour) { paint(target, region, colour, edges); };
    // The edge of each card: at least a pixel wide at every size.
    const double edge = std::max(1.2, 1.0 / fan.length(1.0));
    for (const auto& [degrees, colour] : {std::pair{-22.0, kBackBlue}, std::pair{22.0, kBackRed}}) {
        layer(fan.card(degrees, -edge), kCardEdge);
        layer(fan.card(degrees, 0), kPaper);
        layer(fan.card(degrees, 2.5), colour);
    }
    layer(fan.card(0, -edge), kCardEdge);
    layer(fan.card(0, 0), kPaper);
    // A V of two strokes meeting at the foot, the left one broad and the
    // right one thin, as in a letter with contrast.
    layer(unite({polygon({fan.at(17.2, 13), fan.at(22.6, 13), fan.at(25.2, 32), fan.at(22.8, 32)}),
                 polygon({fan.at(28.4, 13), fan.at(30.8, 13), fan.at(25.2, 32), fan.at(23.9, 28.8)})}),
          kV);
}

}  // namespace

Image logo(int scale)
{
    const IconCanvas canvas(48, 48, scale, kWhite);
    Image image = canvas.image();
    drawFan(image, FanLayout(canvas, 48), Edge::smooth);
    return image;
}

Image programIcon(int scale)
{
    const IconCanvas canvas(32, 32, scale, kIconTransparent);
    Image image = canvas.image();
    drawFan(image, FanLayout(canvas, 32), Edge::hard);
    return image;
}

}  // namespace velmora::artwork
