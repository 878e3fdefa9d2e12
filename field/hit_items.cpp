#include "hit_items.h"

namespace velmora {
namespace {

bool isInvisibleEmptyPile(const HitItem& item, const FieldView& view)
{
    return item.card == kEmptyPileItem && view.validPile(item.pile) &&
           view.piles[item.pile].style == kStyleHiddenWhenEmpty;
}

}  // namespace

HitItemList::HitItemList() { items_.reserve(static_cast<std::size_t>(capacity_)); }

void HitItemList::beginPass()
{
    if (!frozen_)
        items_.clear();
}

void HitItemList::append(const HitItem& item)
{
    if (frozen_)
        return;
    if (count() + 1 >= capacity_) {
        capacity_ += kGrowth;
        items_.reserve(static_cast<std::size_t>(capacity_));
    }
    items_.push_back(item);
}

std::optional<Hit> HitTest(const HitItemList& items, const FieldView& view, Point point)
{
    for (int i = items.count() - 1; i >= 0; --i) {
        const HitItem& item = items[i];
        if (item.rect.contains(point) && !isInvisibleEmptyPile(item, view))
            return Hit{i, item.pile, item.card, item.rect};
    }
    return std::nullopt;
}

}  // namespace velmora
