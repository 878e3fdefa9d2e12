// The rectangles that every repaint records for the cards and empty piles it
// draws, and the hit test that resolves a point against them.
//
// All pointer and keyboard input is resolved against these items, so they
// always describe what is on screen: the drawing pass empties the list and
// appends to it in drawing order. While the list is frozen (the keyboard
// cursor moving over an unchanged field) repaints leave it as it is.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "field_geometry.h"
#include "field_view.h"

namespace velmora {

// Card index of the item of an empty pile.
inline constexpr std::uint16_t kEmptyPileItem = 0xFFFF;

struct HitItem {
    Rect rect;     // the card's full rectangle
    Rect visible;  // the part of it left uncovered; the full rectangle until computed
    std::uint16_t pile = 0;
    std::uint16_t card = kEmptyPileItem;  // index within the pile
    bool selectable = false;
    friend bool operator==(const HitItem&, const HitItem&) = default;
};

// The topmost item under a point.
struct Hit {
    int item = 0;  // index in the list
    std::uint16_t pile = 0;
    std::uint16_t card = kEmptyPileItem;
    Rect rect;
    friend bool operator==(const Hit&, const Hit&) = default;
};

class HitItemList {
public:
    static constexpr int kGrowth = 104;

    HitItemList();

    // Start of a drawing pass: empties the list unless it is frozen.
    void beginPass();
    // Adds an item unless the list is frozen; room grows by kGrowth items
    // whenever an append would leave no spare slot.
    void append(const HitItem& item);

    void setFrozen(bool frozen) { frozen_ = frozen; }
    bool frozen() const { return frozen_; }

    int count() const { return static_cast<int>(items_.size()); }
    int capacity() const { return capacity_; }
    const std::vector<HitItem>& items() const { return items_; }
    HitItem& operator[](int index) { return items_[static_cast<std::size_t>(index)]; }
    const HitItem& operator[](int index) const { return items_[static_cast<std::size_t>(index)]; }

private:
    std::vector<HitItem> items_;
    int capacity_ = kGrowth;
    bool frozen_ = false;
};

// The item drawn last among those containing the point, so the card the
// player sees wins. Items of empty piles of style 1 (drawn as nothing) are
// passed over, so a tap there reaches whatever lies beneath.
std::optional<Hit> HitTest(const HitItemList& items, const FieldView& view, Point point);

}  // namespace velmora
