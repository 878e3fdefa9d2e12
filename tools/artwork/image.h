// An RGB picture of fixed size: the canvas every piece of artwork is drawn on
// and the unit the bitmap resources are made from.
#pragma once

#include <cstdint>
#include <vector>

namespace velmora::artwork {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

// 0xRRGGBB as colours are written everywhere else in the program.
constexpr Rgb rgb(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value)};
}

constexpr Rgb kWhite = rgb(0xFFFFFF);
constexpr Rgb kBlack = rgb(0x000000);

// Colour part of the way from `from` to `to`: amount 0..256.
Rgb mix(Rgb from, Rgb to, int amount);

class Image {
public:
    Image() = default;
    Image(int width, int height, Rgb fill);

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Rgb at(int x, int y) const;
    // Writes outside the picture are dropped, so shapes may run off its edge.
    void set(int x, int y, Rgb colour);
    // Lays colour over the pixel with the given coverage 0..256.
    void blend(int x, int y, Rgb colour, int coverage);
    void fill(Rgb colour);
    void fillRect(int x, int y, int width, int height, Rgb colour);

    // Copies all of source with its top-left corner at (x, y).
    void copy(const Image& source, int x, int y);
    // As copy, but pixels of the key colour in the source are left out.
    void copyTransparent(const Image& source, int x, int y, Rgb key);

    // Each pixel repeated factor times in both directions.
    Image enlarged(int factor) const;

    const std::vector<Rgb>& pixels() const { return pixels_; }
    friend bool operator==(const Image&, const Image&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

}  // namespace velmora::artwork
