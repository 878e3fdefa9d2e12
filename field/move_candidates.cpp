#include "move_candidates.h"

#include <algorithm>

namespace velmora {
namespace {

bool intersects(const Rect& a, const Rect& b)
{
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

Rect shrunkByOne(const Rect& r) { return Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}; }

// Cuts `cover` off `visible` when it covers one whole side of it and leaves
// a rectangle; otherwise leaves `visible` as it is.
void cutOff(Rect& visible, const Rect& cover)
{
    const bool spansWidth = cover.left <= visible.left && cover.right >= visible.right;
    const bool spansHeight = cover.top <= visible.top && cover.bottom >= visible.bottom;
    if (spansWidth && spansHeight)
        return;  // nothing would remain
    if (spansWidth && cover.bottom >= visible.bottom && cover.top > visible.top)
        visible.bottom = cover.top;
    else if (spansWidth && cover.top <= visible.top && cover.bottom < visible.bottom)
        visible.top = cover.bottom;
    else if (spansHeight && cover.right >= visible.right && cover.left > visible.left)
        visible.right = cover.left;
    else if (spansHeight && cover.left <= visible.left && cover.right < visible.right)
        visible.left = cover.right;
}

class CandidateMarker {
public:
    CandidateMarker(const FieldView& view, MoveQuestions& questions) : view_(view), questions_(questions) {}

    bool isSource(const HitItem& item)
    {
        if (item.card == kEmptyPileItem || isTopCard(item))
            if (questions_.canTap(item.pile))
                return true;
        const int card = cardId(item);
        return card >= 0 && questions_.canPickUp(card);
    }

    bool isDestination(const HitItem& item, int card)
    {
        return (item.card == kEmptyPileItem || isTopCard(item)) && questions_.canDrop(card, item.pile);
    }

    // Card id of the item's card; -1 for an empty pile or a place the view
    // does not hold.
    int cardId(const HitItem& item) const { return cardIdAt(item.pile, item.card); }

    int cardIdAt(int pile, int index) const
    {
        if (!view_.validPile(pile) || index < 0 || index >= view_.piles[static_cast<std::size_t>(pile)].count())
            return -1;
        return view_.piles[static_cast<std::size_t>(pile)].cards[static_cast<std::size_t>(index)].cardId;
    }

private:
    bool isTopCard(const HitItem& item) const
    {
        return view_.validPile(item.pile) && item.card + 1 == view_.piles[item.pile].count();
    }

    const FieldView& view_;
    MoveQuestions& questions_;
};

}  // namespace

bool markCandidates(std::vector<HitItem>& items, const FieldView& view, CandidatePurpose purpose,
                    Highlight highlight, MoveQuestions& questions)
{
    CandidateMarker marker(view, questions);
    const int highlighted = marker.cardIdAt(highlight.pile, highlight.card);
    bool others = false;
    for (HitItem& item : items) {
        const bool own = item.pile == highlight.pile && item.card == highlight.card;
        if (purpose == CandidatePurpose::source)
            item.selectable = marker.isSource(item);
        else
            item.selectable = own || (highlighted >= 0 && marker.isDestination(item, highlighted));
        others = others || (item.selectable && !own);
    }
    return others;
}

Rect visibleRect(const std::vector<HitItem>& items, int index)
{
    Rect visible = items[static_cast<std::size_t>(index)].rect;
    for (std::size_t later = static_cast<std::size_t>(index) + 1; later < items.size(); ++later) {
        const HitItem& above = items[later];
        if (above.selectable && intersects(shrunkByOne(above.rect), visible))
            cutOff(visible, above.rect);
    }
    return visible;
}

void computeVisibleRects(std::vector<HitItem>& items)
{
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i].visible = items[i].selectable ? visibleRect(items, static_cast<int>(i)) : items[i].rect;
}

}  // namespace velmora
