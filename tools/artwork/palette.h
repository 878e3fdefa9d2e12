// The artwork's fixed colours.
#pragma once

#include "image.h"

namespace velmora::artwork {

constexpr Rgb kSuitRed = rgb(0xD00000);
// Marks of empty piles: one grey, as the light card border.
constexpr Rgb kMarkGrey = rgb(0x999999);
// Chooser icons leave this colour out when they are drawn.
constexpr Rgb kIconTransparent = rgb(0x00FF00);

}  // namespace velmora::artwork
