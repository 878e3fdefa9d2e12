// The rows and columns the direction keys move along.
//
// Units (candidate cards, or whole piles) are grouped into row bands by
// their top edge and into column bands by their left edge. A band starts at
// the smallest edge not yet covered and reaches as far as the size of the
// unit that starts it, so cards that overlap a little share a band. Within a
// row the units run left to right, within a column top to bottom; of two
// units at the same left edge a row keeps only the upper one, of two at the
// same top edge a column keeps only the left one. The unit left out is still
// reached through the other kind of list.
//
// Stepping along a kind of list runs through its entries in order and wraps
// from the end of one list to the start of the next, and from the last list
// back to the first.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "field_geometry.h"

namespace velmora {

struct NavigationUnit {
    std::uint16_t id = 0;  // an item index, or a pile index
    Rect rect;
};

using NavigationList = std::vector<std::uint16_t>;
using NavigationBands = std::vector<NavigationList>;

struct NavigationLists {
    NavigationBands rows;
    NavigationBands columns;
    // Keys are taken only while both kinds of list exist.
    bool present() const { return !rows.empty() && !columns.empty(); }
};

NavigationLists buildNavigationLists(const std::vector<NavigationUnit>& units);

// Where a unit first occurs: band and entry.
struct BandPosition {
    int band = 0;
    int entry = 0;
    friend bool operator==(const BandPosition&, const BandPosition&) = default;
};
std::optional<BandPosition> findInBands(const NavigationBands& bands, std::uint16_t id);

enum class StepDirection : std::uint8_t { previous, next };

// The entry before or after the unit, wrapping across bands; nothing when
// the unit is in none of the bands.
std::optional<std::uint16_t> stepInBands(const NavigationBands& bands, std::uint16_t id, StepDirection direction);

// For a unit missing from `needed`: the nearest entry before it in its band
// of `other` that `needed` holds; nothing when there is none.
std::optional<std::uint16_t> nearestEarlierIn(const NavigationBands& needed, const NavigationBands& other,
                                              std::uint16_t id);

// The corner a unit is judged by when the cursor looks for the nearest one.
using UnitCorner = std::function<Point(std::uint16_t id)>;

// Distance by the sum of the horizontal and vertical distances.
int cursorDistance(Point a, Point b);

// Of the band's entries, the one whose corner is nearest to `from`; a later
// entry wins only when strictly nearer.
std::optional<std::uint16_t> nearestInBand(const NavigationList& band, Point from, const UnitCorner& corner);
// The same over the entries of the rows and then the columns.
std::optional<std::uint16_t> nearestEntry(const NavigationLists& lists, Point from, const UnitCorner& corner);

}  // namespace velmora
