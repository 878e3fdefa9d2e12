// The chooser's index of every game (names, ids, categories, skill and time
// from the catalogue tables) and the list of games that pass the filters.
//
// The list is always in RecordIndex order, which is the order of the names
// in the database: nothing is sorted at run time.
#pragma once

#include <vector>

#include "catalogue.h"
#include "chooser_filter.h"
#include "favourites_list.h"
#include "resource_table.h"

namespace velmora {

// The value of the one row shown when no game passes the filters.
inline constexpr int kNoGameMarker = kMaxGames;

// Whether a game is listed under the filter: in favourites mode its id must
// be a favourite, its main or an extra category must be the filter's, its
// skill and time class must match, and its name must begin with the letter
// in either case. A filter value of 0 passes everything.
bool passes(const CatalogueEntry& entry, const ChooserFilter& filter, const FavouritesList& favourites);

class Catalogue {
public:
    explicit Catalogue(const ResourceTable& resources);

    int size() const { return static_cast<int>(entries_.size()); }
    // Null for an index that names no game.
    const CatalogueEntry* entry(int index) const;

    // The RecordIndex of every game that passes, in order, or the single
    // value kNoGameMarker when none does.
    std::vector<int> listedGames(const ChooserFilter& filter, const FavouritesList& favourites) const;

private:
    std::vector<CatalogueEntry> entries_;
};

}  // namespace velmora
