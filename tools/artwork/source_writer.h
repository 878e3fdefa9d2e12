// Writes drawn bitmaps as C++ source: one static array per bitmap in the
// "BITMAP" layout and a function listing them all (see artwork_entries.h).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "artwork_set.h"

namespace velmora::artwork {

void writeArtworkSource(const std::vector<Bitmap>& bitmaps, const std::string& functionName, std::ostream& out);

}  // namespace velmora::artwork
