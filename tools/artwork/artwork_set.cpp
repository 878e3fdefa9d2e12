#include "artwork_set.h"

#include <algorithm>
#include <stdexcept>

#include "card_art.h"
#include "chooser_art.h"

namespace velmora::artwork {

std::vector<Bitmap> drawArtwork(BuildConfiguration configuration, const GridLibrary& grids)
{
    std::vector<Bitmap> bitmaps;
    drawCardArt(configuration, grids, bitmaps);
    drawChooserArt(configuration, grids, bitmaps);
    std::sort(bitmaps.begin(), bitmaps.end(),
              [](const Bitmap& a, const Bitmap& b) { return std::tie(a.type, a.id) < std::tie(b.type, b.id); });
    const auto twin = std::adjacent_find(bitmaps.begin(), bitmaps.end(), [](const Bitmap& a, const Bitmap& b) {
        return a.type == b.type && a.id == b.id;
    });
    if (twin != bitmaps.end())
        throw std::logic_error("two bitmaps with id " + std::to_string(twin->id));
    return bitmaps;
}

}  // namespace velmora::artwork
