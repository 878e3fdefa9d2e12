#include "game_catalogue.h"

#include <algorithm>

namespace velmora {
namespace {

bool inCategory(const CatalogueEntry& entry, int category)
{
    return entry.category == category ||
           std::find(entry.extraCategories.begin(), entry.extraCategories.end(), category) !=
               entry.extraCategories.end();
}

// Names are UTF-8, so an ASCII first byte is the whole first character.
bool beginsWithLetter(const std::string& name, int letter)
{
    return !name.empty() && (name.front() == 'A' + letter - 1 || name.front() == 'a' + letter - 1);
}

}  // namespace

bool passes(const CatalogueEntry& entry, const ChooserFilter& filter, const FavouritesList& favourites)
{
    return (filter.favourites == 0 || favourites.contains(entry.id)) &&
           (filter.category == 0 || inCategory(entry, filter.category)) &&
           (filter.skill == 0 || filter.skill == entry.skill) &&
           (filter.time == 0 || filter.time == entry.timeClass) &&
           (filter.letter == 0 || beginsWithLetter(entry.name, filter.letter));
}

Catalogue::Catalogue(const ResourceTable& resources) : entries_(readCatalogue(resources)) {}

const CatalogueEntry* Catalogue::entry(int index) const
{
    return index >= 0 && index < size() ? &entries_[static_cast<std::size_t>(index)] : nullptr;
}

std::vector<int> Catalogue::listedGames(const ChooserFilter& filter, const FavouritesList& favourites) const
{
    std::vector<int> listed;
    for (const CatalogueEntry& game : entries_)
        if (passes(game, filter, favourites))
            listed.push_back(game.index);
    if (listed.empty())
        listed.push_back(kNoGameMarker);
    return listed;
}

}  // namespace velmora
