#include "resource_table.h"

namespace velmora {

// An owned entry keeps only its bytes and an empty view, and find() makes
// the view on demand: a copied table then never points into another table's
// storage.
void ResourceTable::add(std::string_view type, int id, Bytes bytes)
{
    entries_[{std::string(type), id}] = Entry{std::move(bytes), {}};
}

void ResourceTable::addStatic(std::string_view type, int id, ByteView bytes)
{
    entries_[{std::string(type), id}] = Entry{{}, bytes};
}

std::optional<ByteView> ResourceTable::find(std::string_view type, int id) const
{
    const auto found = entries_.find(std::pair<std::string, int>(type, id));
    if (found == entries_.end())
        return std::nullopt;
    const Entry& entry = found->second;
    if (!entry.owned.empty())
        return ByteView(entry.owned);
    return entry.view;
}

}  // namespace velmora
