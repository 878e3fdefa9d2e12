#include "pile_geometry.h"

#include <algorithm>

namespace velmora {
namespace {

// Pile coordinates are designed on a 160-unit scale.
constexpr int kDesignExtent = 160;
constexpr int kNoFanLimit = 32767;

bool isHorizontal(Spread spread) { return spread == Spread::left || spread == Spread::right; }

// The free distance from the pile's origin to the client edge its fan runs
// towards.
int roomToEdge(const FieldView& view, Spread spread, Point origin, ClientSize client)
{
    switch (spread) {
    case Spread::left: return origin.x;
    case Spread::right: return client.width - view.card.width - origin.x;
    case Spread::up: return origin.y;
    case Spread::down: return client.height - view.card.height - origin.y;
    case Spread::squared: break;
    }
    return 0;
}

int fanLimit(const ViewPile& pile, ClientSize client)
{
    if (pile.fanLimit == 0)
        return kNoFanLimit;
    if (pile.fanLimitAnchor == Anchor::Absolute)
        return pile.fanLimit;
    const int axis = isHorizontal(pile.spread) ? client.width : client.height;
    return anchoredPosition(pile.fanLimit, pile.fanLimitAnchor, axis);
}

}  // namespace

int anchoredPosition(int value, Anchor anchor, int clientSize)
{
    switch (anchor) {
    case Anchor::Proportional: return value * clientSize / kDesignExtent;
    case Anchor::Centred: return value + (clientSize - kDesignExtent) / 2;
    case Anchor::FromFarEdge: return value + clientSize - kDesignExtent;
    case Anchor::Absolute: break;
    }
    return value;
}

bool isFanned(const ViewPile& pile)
{
    switch (pile.spread) {
    case Spread::left:
    case Spread::right:
    case Spread::up:
    case Spread::down: return true;
    case Spread::squared: break;
    }
    return false;
}

Point PileOrigin(const FieldView& view, int pile, ClientSize client)
{
    const ViewPile& p = view.piles[static_cast<std::size_t>(pile)];
    const int centreX = anchoredPosition(p.x, p.xAnchor, client.width);
    const int centreY = anchoredPosition(p.y, p.yAnchor, client.height);
    return {centreX - view.card.width / 2, centreY - view.card.height / 2};
}

// A pile whose origin already lies at or beyond the edge it fans towards (or
// whose anchored limit is negative) has negative room. Dividing that would
// give a negative step and fan the cards backwards over the neighbouring
// piles. Instead the step never drops below 0: such a pile collapses onto its
// origin, its top card drawn last and still the one a tap finds.
int FanStep(const FieldView& view, int pile, int cards, ClientSize client)
{
    const ViewPile& p = view.piles[static_cast<std::size_t>(pile)];
    if (cards < 2 || !isFanned(p))
        return 0;
    const Point origin = PileOrigin(view, pile, client);
    const int room = std::min(fanLimit(p, client), roomToEdge(view, p.spread, origin, client));
    const int standard = isHorizontal(p.spread) ? view.card.horizontalStep : view.card.verticalStep;
    return std::clamp(room / (cards - 1), 0, standard);
}

Point CardPosition(const FieldView& view, int pile, int index, ClientSize client)
{
    const ViewPile& p = view.piles[static_cast<std::size_t>(pile)];
    const Point origin = PileOrigin(view, pile, client);
    const int n = p.count();
    if (!isFanned(p))
        return n >= 2 && index == n - 1 ? Point{origin.x, origin.y + 1} : origin;
    const int offset = index * FanStep(view, pile, n, client);
    switch (p.spread) {
    case Spread::left: return {origin.x - offset, origin.y};
    case Spread::right: return {origin.x + offset, origin.y};
    case Spread::up: return {origin.x, origin.y - offset};
    case Spread::down: return {origin.x, origin.y + offset};
    case Spread::squared: break;
    }
    return origin;
}

Rect cardRect(const FieldView& view, Point at)
{
    return {at.x, at.y, at.x + view.card.width, at.y + view.card.height};
}

}  // namespace velmora
