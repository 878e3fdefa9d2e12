// The geometry of moving card groups: the image a dragged or flying group is
// drawn into, and the four frames of a flight across the board.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "field_geometry.h"
#include "field_view.h"
#include "hit_items.h"
#include "view_changes.h"

namespace velmora {

// A group of cards drawn into one image with the standard fan steps of its
// pile's spread (never the squeezed step).
struct GroupImage {
    struct Place {
        int card = 0;  // index within the group, 0 = the picked card
        Point at;      // top-left corner inside the image
        friend bool operator==(const Place&, const Place&) = default;
    };
    int width = 0;
    int height = 0;
    std::vector<Place> places;  // in drawing order
    Point pickedOffset;         // where the picked card lies inside the image
};

// The image of `cards` cards fanned like `spread`. A squared group shows only
// its top card; no cards give a card-sized image with nothing in it.
GroupImage groupImage(const CardLayout& card, Spread spread, int cards);

// The top-left corner the hit items record for card `index` of a pile; when
// there is none, the pile's card 0 or its empty place; when there is none of
// those either, any item of the pile. Nothing when the pile has no item.
std::optional<Point> itemCorner(const HitItemList& items, int pile, int index);

struct FlightPath {
    Point start;
    Point end;
    std::array<Point, 4> frames;  // top-left corner of the image in each frame
};

// The flight of a transfer whose cards have just left the source, judged by
// the hit items of the repaint that showed that: from the card beneath the
// first moving card to the card beneath the insertion place. The frames lie
// at 0, 1, 2 and 3 fifths of the way, held with 8 fraction bits. Nothing when
// either pile has no item on screen.
std::optional<FlightPath> planFlight(const HitItemList& items, const CardTransfer& transfer);

}  // namespace velmora
