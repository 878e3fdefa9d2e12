#include "card_flight.h"

namespace velmora {
namespace {

constexpr int kFractionBits = 8;
constexpr int kFlightParts = 5;

// Per-frame step in 1/256 pixel, and the pixel of a fixed-point position.
constexpr int kOne = 1 << kFractionBits;
int fixedStep(int from, int to) { return (to - from) * kOne / kFlightParts; }
// Positions are rounded down, also left of or above the client origin.
int pixelOf(int start, int step, int frame) { return (start * kOne + frame * step) >> kFractionBits; }

}  // namespace

GroupImage groupImage(const CardLayout& card, Spread spread, int cards)
{
    GroupImage image;
    image.width = card.width;
    image.height = card.height;
    if (cards < 1)
        return image;
    const int last = cards - 1;
    switch (spread) {
    case Spread::left:
    case Spread::right: image.width += last * card.horizontalStep; break;
    case Spread::up:
    case Spread::down: image.height += last * card.verticalStep; break;
    case Spread::squared:
    default: image.places.push_back({last, {0, 0}}); return image;
    }
    for (int i = 0; i < cards; ++i) {
        Point at;
        switch (spread) {
        case Spread::left: at.x = (last - i) * card.horizontalStep; break;
        case Spread::right: at.x = i * card.horizontalStep; break;
        case Spread::up: at.y = (last - i) * card.verticalStep; break;
        default: at.y = i * card.verticalStep; break;
        }
        image.places.push_back({i, at});
    }
    image.pickedOffset = image.places.front().at;
    return image;
}

std::optional<Point> itemCorner(const HitItemList& items, int pile, int index)
{
    const HitItem* fallback = nullptr;
    const HitItem* anyItem = nullptr;
    for (const HitItem& item : items.items()) {
        if (item.pile != pile)
            continue;
        if (index >= 0 && item.card == index)
            return Point{item.rect.left, item.rect.top};
        if (!fallback && (item.card == 0 || item.card == kEmptyPileItem))
            fallback = &item;
        if (!anyItem)
            anyItem = &item;
    }
    const HitItem* found = fallback ? fallback : anyItem;
    if (!found)
        return std::nullopt;
    return Point{found->rect.left, found->rect.top};
}

std::optional<FlightPath> planFlight(const HitItemList& items, const CardTransfer& transfer)
{
    const std::optional<Point> start = itemCorner(items, transfer.source, transfer.first - 1);
    const std::optional<Point> end = itemCorner(items, transfer.destination, transfer.insertion - 1);
    if (!start || !end)
        return std::nullopt;
    FlightPath path{*start, *end, {}};
    const int stepX = fixedStep(start->x, end->x);
    const int stepY = fixedStep(start->y, end->y);
    for (int frame = 0; frame < static_cast<int>(path.frames.size()); ++frame)
        path.frames[static_cast<std::size_t>(frame)] = {pixelOf(start->x, stepX, frame),
                                                        pixelOf(start->y, stepY, frame)};
    return path;
}

}  // namespace velmora
