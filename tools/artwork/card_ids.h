// Resource ids and sizes of the card bitmaps in each configuration.
#pragma once

#include "screen_metrics.h"

namespace velmora::artwork {

struct CardSizeIds {
    int cardWidth;
    int cardHeight;
    int rankId;  // + rank 0..12
    int rankWidth;
    int rankHeight;
    int cornerSuitId;  // + suit 0..3
    int cornerSuitSize;
    int centreSuitId;
    int centreSuitSize;
    int greyRankId;
    int greyCornerSuitId;
    int greyCentreSuitId;
    int firstBackId;  // backs 0..3 at steps of two
};

struct ConfigurationIds {
    int unit;  // pixels per 1/96 inch
    CardSizeIds large;
    CardSizeIds normal;
    int redealIds[2];  // counter 0 and 1
    int redealWidth;
    int redealHeight;
};

inline constexpr ConfigurationIds kStandardCardIds{
    1,
    {26, 35, 2001, 13, 11, 2054, 11, 2050, 22, 300, 384, 380, 143},
    {20, 27, 2101, 10, 8, 2154, 8, 2150, 16, 340, 404, 400, 133},
    {154, 156},
    7,
    11,
};

inline constexpr ConfigurationIds kVgaCardIds{
    2,
    {52, 70, 2201, 26, 22, 2254, 22, 2250, 44, 320, 394, 390, 142},
    {40, 54, 2301, 20, 16, 2354, 16, 2350, 32, 360, 414, 410, 132},
    {153, 155},
    14,
    22,
};

inline const ConfigurationIds& cardIds(BuildConfiguration configuration)
{
    return configuration == BuildConfiguration::vga ? kVgaCardIds : kStandardCardIds;
}

}  // namespace velmora::artwork
