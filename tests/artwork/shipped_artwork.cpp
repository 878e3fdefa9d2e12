#include "shipped_artwork.h"

#include "bitmap_format.h"

namespace velmora::artwork_test {

std::span<const artwork::Entry> shippedEntries(BuildConfiguration configuration)
{
    return configuration == BuildConfiguration::vga ? artwork::vgaEntries() : artwork::standardEntries();
}

std::map<int, artwork::Image> shippedBitmaps(BuildConfiguration configuration)
{
    std::map<int, artwork::Image> bitmaps;
    for (const artwork::Entry& entry : shippedEntries(configuration))
        if (entry.type == "BITMAP")
            if (auto image = artwork::decodeBitmap(entry.bytes))
                bitmaps.emplace(entry.id, std::move(*image));
    return bitmaps;
}

int countNot(const artwork::Image& image, artwork::Rgb colour)
{
    int count = 0;
    for (const artwork::Rgb& pixel : image.pixels())
        if (pixel != colour)
            ++count;
    return count;
}

bool isNeutral(artwork::Rgb colour)
{
    return colour.r == colour.g && colour.g == colour.b;
}

}  // namespace velmora::artwork_test
