// The shipped artwork of a configuration, decoded for inspection.
#pragma once

#include <map>
#include <span>

#include "artwork_entries.h"
#include "image.h"
#include "screen_metrics.h"

namespace velmora::artwork_test {

std::span<const artwork::Entry> shippedEntries(BuildConfiguration configuration);

// Every "BITMAP" by id; a damaged one is left out (the tests look for it).
std::map<int, artwork::Image> shippedBitmaps(BuildConfiguration configuration);

// Pixels of the image that differ from the colour.
int countNot(const artwork::Image& image, artwork::Rgb colour);
bool isNeutral(artwork::Rgb colour);

}  // namespace velmora::artwork_test
