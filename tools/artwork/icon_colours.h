// Colours shared by the icons.
#pragma once

#include "image.h"

namespace velmora::artwork::icon {

constexpr Rgb kOutline = rgb(0x202020);
constexpr Rgb kGold = rgb(0xF2C230);
constexpr Rgb kDeepGold = rgb(0xB07A10);
constexpr Rgb kRed = rgb(0xD42020);
constexpr Rgb kDarkRed = rgb(0x7A0A0A);
constexpr Rgb kSteel = rgb(0xC8D0DA);
constexpr Rgb kIron = rgb(0x6A7380);
constexpr Rgb kWood = rgb(0x9A5A22);
constexpr Rgb kStone = rgb(0xA8A8A0);
constexpr Rgb kPaper = rgb(0xFCFCFA);
constexpr Rgb kBlue = rgb(0x2F6FD0);
constexpr Rgb kGreen = rgb(0x2E9E3E);

}  // namespace velmora::artwork::icon
