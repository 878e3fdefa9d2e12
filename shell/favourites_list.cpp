#include "favourites_list.h"

namespace velmora {

FavouritesList::FavouritesList(std::span<const SolitaireId> stored)
{
    for (const SolitaireId id : stored) {
        if (id == kNoFavourite)
            break;
        add(id);
    }
}

std::size_t FavouritesList::find(SolitaireId id) const
{
    for (std::size_t i = 0; i < elements_.size() && elements_[i] != kNoFavourite; ++i)
        if (elements_[i] == id)
            return i;
    return elements_.size();
}

bool FavouritesList::contains(SolitaireId id) const
{
    return find(id) < elements_.size();
}

bool FavouritesList::add(SolitaireId id)
{
    if (id >= kMaxGames || contains(id))
        return false;
    // The empty list is replaced, not appended to; anything stored behind its
    // 0xFFFF was unreachable already.
    if (isEmpty())
        elements_.assign(1, id);
    else
        elements_.push_back(id);
    return true;
}

bool FavouritesList::remove(SolitaireId id)
{
    const std::size_t position = find(id);
    if (position == elements_.size())
        return false;
    if (elements_.size() == 1)
        elements_.front() = kNoFavourite;
    else
        elements_.erase(elements_.begin() + static_cast<std::ptrdiff_t>(position));
    return true;
}

}  // namespace velmora
