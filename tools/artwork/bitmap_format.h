// The "BITMAP" resource layout: little-endian 16-bit width and height, then
// width x height pixels from the top row down, three bytes each (R, G, B).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "image.h"

namespace velmora::artwork {

std::vector<std::uint8_t> encodeBitmap(const Image& image);
// Nothing when the bytes are not exactly one bitmap of that layout.
std::optional<Image> decodeBitmap(std::span<const std::uint8_t> bytes);

}  // namespace velmora::artwork
