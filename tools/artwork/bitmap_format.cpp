#include "bitmap_format.h"

#include <stdexcept>

namespace velmora::artwork {

std::vector<std::uint8_t> encodeBitmap(const Image& image)
{
    if (image.width() > 0xFFFF || image.height() > 0xFFFF)
        throw std::invalid_argument("bitmap too large");
    std::vector<std::uint8_t> bytes{
        static_cast<std::uint8_t>(image.width() & 0xFF), static_cast<std::uint8_t>(image.width() >> 8),
        static_cast<std::uint8_t>(image.height() & 0xFF), static_cast<std::uint8_t>(image.height() >> 8)};
    bytes.reserve(4 + image.pixels().size() * 3);
    for (const Rgb& pixel : image.pixels()) {
        bytes.push_back(pixel.r);
        bytes.push_back(pixel.g);
        bytes.push_back(pixel.b);
    }
    return bytes;
}

std::optional<Image> decodeBitmap(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 4)
        return std::nullopt;
    const int width = bytes[0] | bytes[1] << 8;
    const int height = bytes[2] | bytes[3] << 8;
    if (bytes.size() != 4 + static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3)
        return std::nullopt;
    Image image(width, height, kWhite);
    std::size_t at = 4;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, at += 3)
            image.set(x, y, {bytes[at], bytes[at + 1], bytes[at + 2]});
    return image;
}

}  // namespace velmora::artwork
