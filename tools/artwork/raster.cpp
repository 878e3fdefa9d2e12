#include "raster.h"

#include <algorithm>
#include <cmath>

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
    if (region.empty())
        return;
    // Only the pixels the region's bounds touch can be covered.
    const Bounds& bounds = region.bounds();
    const int firstX = std::max(0, static_cast<int>(std::floor(bounds.left)));
    const int firstY = std::max(0, static_cast<int>(std::floor(bounds.top)));
    const int lastX = std::min(image.width() - 1, static_cast<int>(std::floor(bounds.right)));
    const int lastY = std::min(image.height() - 1, static_cast<int>(std::floor(bounds.bottom)));
    for (int y = firstY; y <= lastY; ++y)
        for (int x = firstX; x <= lastX; ++x) {
            const int covered = coverage(region, x, y);
            if (edge == Edge::smooth)
                image.blend(x, y, colour, covered);
            else if (covered * 2 > kFullCoverage)
                image.set(x, y, colour);
        }
}

}  // namespace velmora::artwork
