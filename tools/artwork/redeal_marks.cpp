#include "redeal_marks.h"

#include <stdexcept>
#include <string>

#include "palette.h"
#include "raster.h"

namespace velmora::artwork {

Image redealMark(int counter, int width, int height)
{
    if (counter != 0 && counter != 1)
        throw std::out_of_range("redeal counter " + std::to_string(counter));
    const Rgb ink = counter == 0 ? kBlack : kSuitRed;
    Image image(width, height, kWhite);
    // On a 7 x 11 design grid: a shaft three wide and a head seven wide.
    const double sx = width / 7.0;
    const double sy = height / 11.0;
    const Region arrow = unite({box(2 * sx, 0, 5 * sx, 7 * sy),
                                polygon({{0, 6 * sy}, {7 * sx, 6 * sy}, {3.5 * sx, 11 * sy}})});
    paint(image, arrow, ink, Edge::hard);
    return image;
}

}  // namespace velmora::artwork
