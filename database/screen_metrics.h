// Screen metrics and the adaptation of record coordinates to them.
//
// Layout units in a record are proportional to the card size. Loading turns
// them into pixel offsets for the absolute, centre and far-edge anchors (the
// proportional anchor keeps its 160-unit scale). The VGA build computes card
// metrics from the real pixels per inch; the standard build uses fixed
// 96-dpi metrics. Both configurations live in this one function so that the
// tests cover both; the program picks its own with kBuildConfiguration.
#pragma once

#include "game_definition.h"

namespace velmora {

enum class BuildConfiguration { standard, vga };

#ifdef VELMORA_VGA
inline constexpr BuildConfiguration kBuildConfiguration = BuildConfiguration::vga;
#else
inline constexpr BuildConfiguration kBuildConfiguration = BuildConfiguration::standard;
#endif

struct ScreenMetrics {
    int dpiX = 96;
    int dpiY = 96;
    BuildConfiguration configuration = kBuildConfiguration;
};

// Card sizes in pixels for the given screen (normal and large cards).
struct CardMetrics {
    int normalWidth;
    int normalHeight;
    int largeWidth;
    int largeHeight;
};
CardMetrics cardMetrics(const ScreenMetrics& screen);

// Rescales pile x, y and fanLimit in place, and switches small-card games to
// large cards on screens whose scale lies strictly between 1 and 2.
void adaptCoordinates(GameDefinition& definition, const ScreenMetrics& screen);

}  // namespace velmora
