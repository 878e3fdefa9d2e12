#include "screen_metrics.h"

#include <cstdint>

#include "screen_scale.h"

namespace velmora {
namespace {

// Layout units per card: a normal card is 15 units wide and 21 high, a large
// one 18 and 24; a game switched to large cards keeps its 15 by 21 units.
constexpr int kNormalUnitsX = 15;
constexpr int kNormalUnitsY = 21;
constexpr int kLargeUnitsX = 18;
constexpr int kLargeUnitsY = 24;

constexpr int kStandardDpi = 96;
constexpr int kDesignCentre = 80;
constexpr int kDesignEdge = 160;
constexpr int kFanLimitShrink = 3;

struct Scale {
    int factor;
    int divisor;
};

// Rescales one coordinate around its anchor's origin; the proportional
// anchor (1) and unknown anchors keep the record's value. The product is
// taken wide enough never to overflow; the quotient truncates toward zero.
std::int16_t rescale(std::int16_t value, std::uint8_t anchor, Scale scale)
{
    int origin = 0;
    if (anchor == 2)
        origin = kDesignCentre;
    else if (anchor == 3)
        origin = kDesignEdge;
    else if (anchor != 0)
        return value;
    const std::int64_t moved = static_cast<std::int64_t>(value - origin) * scale.factor / scale.divisor;
    return static_cast<std::int16_t>(moved + origin);
}

}  // namespace

CardMetrics cardMetrics(const ScreenMetrics& screen)
{
    const bool fixed = screen.configuration == BuildConfiguration::standard;
    const ScreenMetrics used = fixed ? ScreenMetrics{kStandardDpi, kStandardDpi, screen.configuration} : screen;
    return CardMetrics{ScaleX(used, 20), ScaleY(used, 27), ScaleX(used, 26), ScaleY(used, 35)};
}

void adaptCoordinates(GameDefinition& definition, const ScreenMetrics& screen)
{
    // Screens whose scale lies strictly between 1 and 2 show every game with
    // large cards; the test is the same in both build configurations.
    const bool switched = definition.largeCards == 0 && screen.dpiY > kStandardDpi && screen.dpiY < 2 * kStandardDpi;
    if (switched)
        definition.largeCards = 1;

    const CardMetrics metrics = cardMetrics(screen);
    Scale horizontal{metrics.normalWidth, kNormalUnitsX};
    Scale vertical{metrics.normalHeight, kNormalUnitsY};
    if (definition.largeCards != 0) {
        horizontal = {metrics.largeWidth, switched ? kNormalUnitsX : kLargeUnitsX};
        vertical = {metrics.largeHeight, switched ? kNormalUnitsY : kLargeUnitsY};
    }

    for (PileDefinition& pile : definition.piles) {
        if (switched && pile.fanLimit != 0)
            pile.fanLimit = static_cast<std::int16_t>(pile.fanLimit - kFanLimitShrink);
        pile.x = rescale(pile.x, pile.xAnchor, horizontal);
        pile.y = rescale(pile.y, pile.yAnchor, vertical);
    }
}

}  // namespace velmora
