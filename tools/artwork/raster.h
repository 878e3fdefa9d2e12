// Turns regions into pixels. Each pixel is sampled on a fixed 16 x 16 grid
// of points, so coverage is an exact count (0..256) and the same shape always
// gives the same pixels.
#pragma once

#include "image.h"
#include "shape.h"

namespace velmora::artwork {

constexpr int kSamplesPerAxis = 16;
constexpr int kFullCoverage = kSamplesPerAxis * kSamplesPerAxis;

// How many of the pixel's sample points lie in the region.
int coverage(const Region& region, int x, int y);

enum class Edge {
    smooth,  // partly covered pixels are blended: for pictures copied opaque
    hard,    // a pixel is all colour when more than half covered, else untouched:
             // for pictures copied with a transparent colour
};

void paint(Image& image, const Region& region, Rgb colour, Edge edge);

}  // namespace velmora::artwork
