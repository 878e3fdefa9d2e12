#include "image.h"

#include <stdexcept>

namespace velmora::artwork {

Rgb mix(Rgb from, Rgb to, int amount)
{
    const auto channel = [amount](int a, int b) {
        return static_cast<std::uint8_t>((a * (256 - amount) + b * amount + 128) >> 8);
    };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height)
{
    if (width < 0 || height < 0)
        throw std::invalid_argument("negative image size");
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

Rgb Image::at(int x, int y) const
{
    if (!contains(x, y))
        throw std::out_of_range("pixel outside the image");
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

void Image::set(int x, int y, Rgb colour)
{
    if (contains(x, y))
        pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = colour;
}

void Image::blend(int x, int y, Rgb colour, int coverage)
{
    if (contains(x, y) && coverage > 0)
        set(x, y, coverage >= 256 ? colour : mix(at(x, y), colour, coverage));
}

void Image::fill(Rgb colour)
{
    pixels_.assign(pixels_.size(), colour);
}

void Image::fillRect(int x, int y, int width, int height, Rgb colour)
{
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column)
            set(column, row, colour);
}

void Image::copy(const Image& source, int x, int y)
{
    for (int row = 0; row < source.height(); ++row)
        for (int column = 0; column < source.width(); ++column)
            set(x + column, y + row, source.at(column, row));
}

void Image::copyTransparent(const Image& source, int x, int y, Rgb key)
{
    for (int row = 0; row < source.height(); ++row)
        for (int column = 0; column < source.width(); ++column)
            if (source.at(column, row) != key)
                set(x + column, y + row, source.at(column, row));
}

Image Image::enlarged(int factor) const
{
    Image result(width_ * factor, height_ * factor, kWhite);
    for (int row = 0; row < result.height(); ++row)
        for (int column = 0; column < result.width(); ++column)
            result.set(column, row, at(column / factor, row / factor));
    return result;
}

}  // namespace velmora::artwork
