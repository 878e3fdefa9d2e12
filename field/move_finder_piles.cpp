// Pile-wise keyboard play: piles as the units of the rows and columns, the
// card the cursor takes within a pile, and the direction keys, which first
// walk along a fanned pile before leaving it.
#include <algorithm>

#include "move_finder.h"

namespace velmora {
namespace {

Point cornerOf(const Rect& rect) { return Point{rect.left, rect.top}; }

Rect unite(const Rect& a, const Rect& b)
{
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

bool isHorizontalKey(CursorDirection direction)
{
    return direction == CursorDirection::left || direction == CursorDirection::right;
}

bool isBackwardKey(CursorDirection direction)
{
    return direction == CursorDirection::left || direction == CursorDirection::up;
}

// How a key moves along a pile's fan: +1 up the pile (towards its top card),
// -1 down it, 0 when the key runs across the fan.
int fanStep(CursorDirection direction, Spread spread)
{
    switch (spread) {
    case Spread::left: return direction == CursorDirection::left ? 1 : direction == CursorDirection::right ? -1 : 0;
    case Spread::right: return direction == CursorDirection::right ? 1 : direction == CursorDirection::left ? -1 : 0;
    case Spread::up: return direction == CursorDirection::up ? 1 : direction == CursorDirection::down ? -1 : 0;
    case Spread::down: return direction == CursorDirection::down ? 1 : direction == CursorDirection::up ? -1 : 0;
    case Spread::squared: return 0;
    }
    return 0;
}

constexpr int kHighestSpread = static_cast<int>(Spread::down);

}  // namespace

void MoveFinder::buildPileWise()
{
    spans_.assign(static_cast<std::size_t>(view_.pileCount()), std::nullopt);
    std::vector<bool> hasCandidate(spans_.size(), false);
    for (const HitItem& item : items_.items()) {
        if (!view_.validPile(item.pile))
            continue;
        std::optional<PileSpan>& span = spans_[item.pile];
        span = span ? PileSpan{unite(span->rect, item.rect), span->lowestSelectable} : PileSpan{item.rect};
        if (item.selectable) {
            hasCandidate[item.pile] = true;
            span->lowestSelectable = std::min(span->lowestSelectable, item.card);
        }
    }
    std::vector<NavigationUnit> units;
    for (std::size_t pile = 0; pile < spans_.size(); ++pile) {
        if (!hasCandidate[pile])
            spans_[pile].reset();
        else
            units.push_back(NavigationUnit{static_cast<std::uint16_t>(pile), spans_[pile]->rect});
    }
    lists_ = buildNavigationLists(units);

    if (const std::optional<std::uint16_t> nearest = nearestEntry(lists_, kept_, spanCorner()))
        setCursor(itemInPile(*nearest, kept_));
}

UnitCorner MoveFinder::spanCorner() const
{
    return [this](std::uint16_t pile) { return cornerOf(spans_[pile]->rect); };
}

int MoveFinder::itemOf(std::uint16_t pile, int card) const
{
    for (int i = 0; i < items_.count(); ++i)
        if (items_[i].pile == pile && items_[i].card == card)
            return i;
    return -1;
}

// Choosing a destination the cursor rests only on the highlighted card, top
// cards and empty places; choosing a source, on the pile's selectable card
// nearest to `from`.
int MoveFinder::itemInPile(std::uint16_t pile, Point from) const
{
    const std::uint16_t lowest = Span(pile) ? Span(pile)->lowestSelectable : kEmptyPileItem;
    if (highlight_.pile != kNone) {
        if (pile == highlight_.pile)
            if (const int item = itemOf(pile, highlight_.card); item >= 0)
                return item;
        const int count = view_.validPile(pile) ? view_.piles[pile].count() : 0;
        if (const int item = itemOf(pile, count > 0 ? count - 1 : kEmptyPileItem); item >= 0)
            return item;
    }
    int best = -1;
    int bestDistance = 0;
    int anyItem = -1;
    for (int i = 0; i < items_.count(); ++i) {
        if (items_[i].pile != pile)
            continue;
        if (anyItem < 0)
            anyItem = i;
        if (items_[i].card < lowest)
            continue;
        const int d = cursorDistance(cornerOf(items_[i].visible), from);
        if (best < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best >= 0 ? best : anyItem;
}

bool MoveFinder::movePileWise(CursorDirection direction)
{
    const HitItem at = items_[cursor_];
    if (!view_.validPile(at.pile) || static_cast<int>(view_.piles[at.pile].spread) > kHighestSpread)
        return false;
    if (at.pile != highlight_.pile && moveAlongFan(direction, at))
        return true;

    const bool rows = isHorizontalKey(direction);
    const NavigationBands& needed = rows ? lists_.rows : lists_.columns;
    if (!findInBands(needed, at.pile))
        return moveToNeighbourBand(direction, at.pile);
    const StepDirection step = isBackwardKey(direction) ? StepDirection::previous : StepDirection::next;
    const std::optional<std::uint16_t> target = stepInBands(needed, at.pile, step);
    if (!target || *target == at.pile)
        return false;
    setCursor(itemInPile(*target, kept_));
    return true;
}

// One card along the fan, while the cursor stays on the pile's selectable
// cards.
bool MoveFinder::moveAlongFan(CursorDirection direction, const HitItem& at)
{
    const int step = fanStep(direction, view_.piles[at.pile].spread);
    if (step == 0 || at.card == kEmptyPileItem || !Span(at.pile))
        return false;
    const int card = at.card + step;
    if (card < Span(at.pile)->lowestSelectable || card >= view_.piles[at.pile].count())
        return false;
    const int item = itemOf(at.pile, card);
    if (item < 0)
        return false;
    setCursor(item);
    return true;
}

// A pile missing from the needed kind of list (it shares its left or top
// edge with another pile) steps from the nearest earlier pile of its other
// band; unless that band is the last one in the key's direction, the cursor
// goes instead to the pile of the next band that way nearest to where the
// cursor was.
bool MoveFinder::moveToNeighbourBand(CursorDirection direction, std::uint16_t pile)
{
    const bool rows = isHorizontalKey(direction);
    const NavigationBands& needed = rows ? lists_.rows : lists_.columns;
    const NavigationBands& other = rows ? lists_.columns : lists_.rows;
    const Point remembered = kept_;
    const std::optional<BandPosition> band = findInBands(other, pile);
    if (!band)
        return false;
    const StepDirection step = isBackwardKey(direction) ? StepDirection::previous : StepDirection::next;
    std::optional<std::uint16_t> result;
    if (const std::optional<std::uint16_t> from = nearestEarlierIn(needed, other, pile))
        result = stepInBands(needed, *from, step);
    if (result == pile)
        return false;

    const int neighbour = band->band + (isBackwardKey(direction) ? -1 : 1);
    if (neighbour < 0 || neighbour >= static_cast<int>(other.size())) {
        if (!result)
            return false;
        setCursor(itemInPile(*result, remembered));
        return true;
    }
    const std::optional<std::uint16_t> nearest =
        nearestInBand(other[static_cast<std::size_t>(neighbour)], remembered, spanCorner());
    if (!nearest)
        return false;
    setCursor(itemInPile(*nearest, remembered));
    return true;
}

}  // namespace velmora
