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
    if (frozen_)
        return;
    previous_.swap(items_);
    items_.clear();
}

void HitItemList::clear()
{
    items_.clear();
    previous_.clear();
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
    const std::size_t index = items_.size() - 1;
    if (keepMarks_ && index < previous_.size()) {
        const HitItem& before = previous_[index];
        if (before.rect == item.rect && before.pile == item.pile && before.card == item.card) {
            items_.back().visible = before.visible;
            items_.back().selectable = before.selectable;
        }
    }
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
