#include "artwork_set.h"

#include <algorithm>
#include <stdexcept>

#include "card_art.h"
#include "chooser_art.h"
#include "logo_art.h"
#include "toolbar_icons.h"

namespace velmora::artwork {

std::vector<Bitmap> drawArtwork(BuildConfiguration configuration, const GridLibrary& grids)
{
    std::vector<Bitmap> bitmaps;
    drawCardArt(configuration, grids, bitmaps);
    drawChooserArt(configuration, grids, bitmaps);
    const bool vga = configuration == BuildConfiguration::vga;
    const int scale = vga ? 2 : 1;
    bitmaps.push_back({"BITMAP", vga ? 501 : 500, toolbarStrip(grids, scale)});
    bitmaps.push_back({"BITMAP", vga ? 246 : 245, logo(scale)});
    bitmaps.push_back({"ICON", 101, programIcon(scale)});
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
