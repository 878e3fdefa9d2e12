// The bitmaps each configuration must ship, with their ids and exact sizes:
// the card table, the chooser's numbering and the sizes the artwork header
// documents for what the layout leaves open.
#pragma once

#include <vector>

#include "screen_metrics.h"

namespace velmora::artwork_test {

enum class Kind {
    rank,
    greyRank,
    cornerSuit,
    centreSuit,
    greyCornerSuit,
    greyCentreSuit,
    back,
    redeal,
    category,
    skill,
    time,
    folder,
    stars,
    clock,
    reset,
    favourite,
    arrow,
    toolbar,
    logo,
};

struct ExpectedBitmap {
    int id;
    int width;
    int height;
    Kind kind;
    int index;  // rank, suit, back design, counter, category, level, class; 0 otherwise
};

inline std::vector<ExpectedBitmap> expectedBitmaps(BuildConfiguration configuration)
{
    const bool vga = configuration == BuildConfiguration::vga;
    const int u = vga ? 2 : 1;
    std::vector<ExpectedBitmap> all;
    for (int rank = 0; rank < 13; ++rank) {
        all.push_back({(vga ? 2201 : 2001) + rank, 13 * u, 11 * u, Kind::rank, rank});
        all.push_back({(vga ? 2301 : 2101) + rank, 10 * u, 8 * u, Kind::rank, rank});
        all.push_back({(vga ? 320 : 300) + rank, 13 * u, 11 * u, Kind::greyRank, rank});
        all.push_back({(vga ? 360 : 340) + rank, 10 * u, 8 * u, Kind::greyRank, rank});
    }
    for (int suit = 0; suit < 4; ++suit) {
        all.push_back({(vga ? 2254 : 2054) + suit, 11 * u, 11 * u, Kind::cornerSuit, suit});
        all.push_back({(vga ? 2250 : 2050) + suit, 22 * u, 22 * u, Kind::centreSuit, suit});
        all.push_back({(vga ? 2354 : 2154) + suit, 8 * u, 8 * u, Kind::cornerSuit, suit});
        all.push_back({(vga ? 2350 : 2150) + suit, 16 * u, 16 * u, Kind::centreSuit, suit});
        all.push_back({(vga ? 394 : 384) + suit, 11 * u, 11 * u, Kind::greyCornerSuit, suit});
        all.push_back({(vga ? 414 : 404) + suit, 8 * u, 8 * u, Kind::greyCornerSuit, suit});
        all.push_back({(vga ? 390 : 380) + suit, 22 * u, 22 * u, Kind::greyCentreSuit, suit});
        all.push_back({(vga ? 410 : 400) + suit, 16 * u, 16 * u, Kind::greyCentreSuit, suit});
    }
    for (int design = 0; design < 4; ++design) {
        all.push_back({(vga ? 142 : 143) + 2 * design, 26 * u, 35 * u, Kind::back, design});
        all.push_back({(vga ? 132 : 133) + 2 * design, 20 * u, 27 * u, Kind::back, design});
    }
    all.push_back({vga ? 153 : 154, 7 * u, 11 * u, Kind::redeal, 0});
    all.push_back({vga ? 155 : 156, 7 * u, 11 * u, Kind::redeal, 1});
    for (int code = 1; code <= 10; ++code)
        all.push_back({(vga ? 269 : 249) + code, 16 * u, 15 * u, Kind::category, code});
    for (int level = 1; level <= 3; ++level)
        all.push_back({(vga ? 279 : 259) + level, 10 * level * u, 15 * u, Kind::skill, level});
    for (int timeClass = 1; timeClass <= 4; ++timeClass)
        all.push_back({(vga ? 282 : 262) + timeClass, 11 * u, 15 * u, Kind::time, timeClass});
    all.push_back({vga ? 287 : 267, 16 * u, 15 * u, Kind::folder, 0});
    all.push_back({vga ? 288 : 268, 15 * u, 15 * u, Kind::stars, 0});
    all.push_back({vga ? 289 : 269, 13 * u, 15 * u, Kind::clock, 0});
    all.push_back({vga ? 291 : 290, 11 * u, 13 * u, Kind::reset, 0});
    all.push_back({vga ? 293 : 292, 16 * u, 15 * u, Kind::favourite, 0});
    all.push_back({vga ? 295 : 294, 12 * u, 11 * u, Kind::arrow, 0});
    all.push_back({vga ? 297 : 296, 12 * u, 11 * u, Kind::arrow, 1});
    all.push_back({vga ? 501 : 500, 64 * u, 16 * u, Kind::toolbar, 0});
    all.push_back({vga ? 246 : 245, 48 * u, 48 * u, Kind::logo, 0});
    return all;
}

// The program icon, registered as "ICON" 101 in both configurations.
inline int programIconSize(BuildConfiguration configuration)
{
    return configuration == BuildConfiguration::vga ? 64 : 32;
}

}  // namespace velmora::artwork_test
