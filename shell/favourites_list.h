// The player's favourite games: SolitaireId values in the order they were
// added, kept with the preferences and stored as "favNum" (the count) and
// "favList" (count x 16-bit ids).
//
// An empty list is never a count of 0: it is one element 0xFFFF, and that is
// how it is stored. A stored list is cleaned when it is taken in: a 0xFFFF
// ends it (nothing behind one could ever be found, and a game added behind
// it would be invisible), and ids that are no SolitaireId or come a second
// time are dropped (a repeated id could not be taken out with one Remove).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "record_layout.h"

namespace velmora {

inline constexpr SolitaireId kNoFavourite = 0xFFFF;

class FavouritesList {
public:
    // The empty list: count 1, element 0xFFFF.
    FavouritesList() = default;
    // Takes stored elements, cleaned as above; none left gives the empty list.
    explicit FavouritesList(std::span<const SolitaireId> stored);

    bool contains(SolitaireId id) const;
    // Appends id; false (and no change) when id is not a SolitaireId (0..799)
    // or is listed already, so the list never holds more than 800 ids.
    bool add(SolitaireId id);
    // Takes id out, keeping the order of the rest; false when it is not listed.
    bool remove(SolitaireId id);

    bool isEmpty() const { return elements_.front() == kNoFavourite; }
    // "favNum": never 0.
    std::uint32_t count() const { return static_cast<std::uint32_t>(elements_.size()); }
    // The stored elements, "favList".
    std::span<const SolitaireId> elements() const { return elements_; }

    friend bool operator==(const FavouritesList&, const FavouritesList&) = default;

private:
    // Position of id among the searchable elements, or count() when absent.
    std::size_t find(SolitaireId id) const;

    std::vector<SolitaireId> elements_{kNoFavourite};
};

}  // namespace velmora
