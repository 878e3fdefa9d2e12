// Writes an image as a PNG file (8-bit RGB, no interlace), for looking at
// the artwork with ordinary image viewers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image.h"

namespace velmora::artwork {

std::vector<std::uint8_t> encodePng(const Image& image);
// False when the file cannot be written.
bool writePng(const Image& image, const std::string& path);

}  // namespace velmora::artwork
