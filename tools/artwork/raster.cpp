#include "raster.h"

namespace velmora::artwork {

int coverage(const Region& region, int x, int y)
{
    int inside = 0;
    for (int row = 0; row < kSamplesPerAxis; ++row) {
        const double sampleY = y + (row + 0.5) / kSamplesPerAxis;
        for (int column = 0; column < kSamplesPerAxis; ++column)
            if (region(x + (column + 0.5) / kSamplesPerAxis, sampleY))
                ++inside;
    }
    return inside;
}

void paint(Image& image, const Region& region, Rgb colour, Edge edge)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int covered = coverage(region, x, y);
            if (edge == Edge::smooth)
                image.blend(x, y, colour, covered);
            else if (covered * 2 >= kFullCoverage)
                image.set(x, y, colour);
        }
}

}  // namespace velmora::artwork
