// The drawn artwork of one configuration as embedded data: every bitmap's
// resource type, id and bytes (layout of the "BITMAP" type). Tools and tests
// that compare both configurations read these lists; the program itself
// registers its own configuration through addArtwork (artwork.h).
#pragma once

#include <span>
#include <string_view>

#include "resource_table.h"

namespace velmora::artwork {

struct Entry {
    std::string_view type;
    int id;
    ByteView bytes;
};

// In (type, id) order.
std::span<const Entry> standardEntries();
std::span<const Entry> vgaEntries();

}  // namespace velmora::artwork
