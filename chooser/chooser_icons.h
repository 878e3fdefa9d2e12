// Bitmap resource ids of the chooser's icons in each build configuration.
// Every chooser icon has pure green (0x00FF00) as its transparent colour,
// except the reset button's "All" icon, which uses white.
#pragma once

#include <cstdint>

#include "screen_metrics.h"

namespace velmora {

inline constexpr std::uint32_t kIconTransparentRgb = 0x00FF00;
inline constexpr std::uint32_t kAllIconTransparentRgb = 0xFFFFFF;

enum class ChooserIcon { folder, stars, clock, all, favouriteStar, leftArrow, rightArrow };

int chooserIconId(ChooserIcon icon, BuildConfiguration configuration);
// 0 when there is no icon: categories 0 ("All") and 11 ("Other"), or a value
// out of range.
int categoryIconId(int category, BuildConfiguration configuration);
// Skill level 1..3 (one to three stars); 0 otherwise.
int skillIconId(int skill, BuildConfiguration configuration);
// Time class 1..4 (an hourglass each); 0 otherwise.
int timeIconId(int timeClass, BuildConfiguration configuration);

}  // namespace velmora
