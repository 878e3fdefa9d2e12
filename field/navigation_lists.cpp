#include "navigation_lists.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace velmora {
namespace {

// What a band is keyed by: rows by top edge and height, columns by left edge
// and width. A band reaches the key plus the starting unit's size plus one.
struct Axis {
    int (*key)(const Rect&);
    int (*size)(const Rect&);
    int (*across)(const Rect&);  // the order within a band
};

constexpr Axis kRowAxis{[](const Rect& r) { return r.top; }, [](const Rect& r) { return r.bottom - r.top + 1; },
                        [](const Rect& r) { return r.left; }};
constexpr Axis kColumnAxis{[](const Rect& r) { return r.left; }, [](const Rect& r) { return r.right - r.left + 1; },
                           [](const Rect& r) { return r.top; }};

// The unit with the smallest key not below the threshold, first in unit
// order on a tie.
std::optional<std::size_t> bandStart(const std::vector<NavigationUnit>& units, const Axis& axis, long threshold)
{
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const int key = axis.key(units[i].rect);
        if (key >= threshold && (!best || key < axis.key(units[*best].rect)))
            best = i;
    }
    return best;
}

// The units of one band, ordered across it; of units at the same place
// across, the one nearer the band's key edge stays (the first on a tie).
NavigationList bandEntries(std::vector<NavigationUnit> members, const Axis& axis)
{
    std::stable_sort(members.begin(), members.end(), [&](const NavigationUnit& a, const NavigationUnit& b) {
        const int acrossA = axis.across(a.rect);
        const int acrossB = axis.across(b.rect);
        return acrossA != acrossB ? acrossA < acrossB : axis.key(a.rect) < axis.key(b.rect);
    });
    NavigationList entries;
    for (std::size_t i = 0; i < members.size(); ++i)
        if (i == 0 || axis.across(members[i].rect) != axis.across(members[i - 1].rect))
            entries.push_back(members[i].id);
    return entries;
}

NavigationBands buildBands(const std::vector<NavigationUnit>& units, const Axis& axis)
{
    NavigationBands bands;
    long threshold = 0;
    while (const std::optional<std::size_t> start = bandStart(units, axis, threshold)) {
        const long begin = axis.key(units[*start].rect);
        // A degenerate rectangle still moves the threshold on.
        const long end = std::max(begin + axis.size(units[*start].rect), begin + 1);
        std::vector<NavigationUnit> members;
        for (const NavigationUnit& unit : units) {
            const int key = axis.key(unit.rect);
            if (key >= begin && key < end)
                members.push_back(unit);
        }
        bands.push_back(bandEntries(std::move(members), axis));
        threshold = end;
        if (end > INT_MAX)
            break;
    }
    return bands;
}

bool holds(const NavigationBands& bands, std::uint16_t id) { return findInBands(bands, id).has_value(); }

}  // namespace

NavigationLists buildNavigationLists(const std::vector<NavigationUnit>& units)
{
    return NavigationLists{buildBands(units, kRowAxis), buildBands(units, kColumnAxis)};
}

std::optional<BandPosition> findInBands(const NavigationBands& bands, std::uint16_t id)
{
    for (std::size_t b = 0; b < bands.size(); ++b) {
        const auto found = std::find(bands[b].begin(), bands[b].end(), id);
        if (found != bands[b].end())
            return BandPosition{static_cast<int>(b), static_cast<int>(found - bands[b].begin())};
    }
    return std::nullopt;
}

std::optional<std::uint16_t> stepInBands(const NavigationBands& bands, std::uint16_t id, StepDirection direction)
{
    const std::optional<BandPosition> at = findInBands(bands, id);
    if (!at)
        return std::nullopt;
    const auto band = static_cast<std::size_t>(at->band);
    const auto entry = static_cast<std::size_t>(at->entry);
    const std::size_t count = bands.size();
    if (direction == StepDirection::previous) {
        if (entry > 0)
            return bands[band][entry - 1];
        return bands[(band + count - 1) % count].back();
    }
    if (entry + 1 < bands[band].size())
        return bands[band][entry + 1];
    return bands[(band + 1) % count].front();
}

std::optional<std::uint16_t> nearestEarlierIn(const NavigationBands& needed, const NavigationBands& other,
                                              std::uint16_t id)
{
    const std::optional<BandPosition> at = findInBands(other, id);
    if (!at)
        return std::nullopt;
    const NavigationList& band = other[static_cast<std::size_t>(at->band)];
    for (int entry = at->entry - 1; entry >= 0; --entry)
        if (holds(needed, band[static_cast<std::size_t>(entry)]))
            return band[static_cast<std::size_t>(entry)];
    return std::nullopt;
}

int cursorDistance(Point a, Point b) { return std::abs(a.x - b.x) + std::abs(a.y - b.y); }

namespace {

void takeNearer(std::optional<std::uint16_t>& best, int& bestDistance, std::uint16_t id, Point from,
                const UnitCorner& corner)
{
    const int d = cursorDistance(corner(id), from);
    if (!best || d < bestDistance) {
        best = id;
        bestDistance = d;
    }
}

}  // namespace

std::optional<std::uint16_t> nearestInBand(const NavigationList& band, Point from, const UnitCorner& corner)
{
    std::optional<std::uint16_t> best;
    int bestDistance = 0;
    for (const std::uint16_t id : band)
        takeNearer(best, bestDistance, id, from, corner);
    return best;
}

std::optional<std::uint16_t> nearestEntry(const NavigationLists& lists, Point from, const UnitCorner& corner)
{
    std::optional<std::uint16_t> best;
    int bestDistance = 0;
    for (const NavigationBands* bands : {&lists.rows, &lists.columns})
        for (const NavigationList& band : *bands)
            for (const std::uint16_t id : band)
                takeNearer(best, bestDistance, id, from, corner);
    return best;
}

}  // namespace velmora
