#include "catalogue.h"

#include "record_loader.h"

namespace velmora {
namespace {

int storedCategory(unsigned code) { return code == 0 || code > 10 ? kOtherCategory : static_cast<int>(code); }

unsigned u16At(ByteView bytes, std::size_t index)
{
    return static_cast<unsigned>(bytes[2 * index] | (bytes[2 * index + 1] << 8));
}

}  // namespace

std::vector<CatalogueEntry> readCatalogue(const ResourceTable& resources)
{
    const std::size_t count = static_cast<std::size_t>(gameCount(resources));
    std::vector<CatalogueEntry> entries(count);
    const ByteView none;
    const ByteView ids = resources.find(kIdTableType, kIdTableId).value_or(none);
    const ByteView categories = resources.find(kCategoryTableType, kCategoryTableId).value_or(none);
    const ByteView skills = resources.find(kSkillTableType, kSkillTableId).value_or(none);
    const ByteView times = resources.find(kTimeTableType, kTimeTableId).value_or(none);
    for (std::size_t i = 0; i < count; ++i) {
        CatalogueEntry& entry = entries[i];
        entry.index = static_cast<RecordIndex>(i);
        if (ids.size() >= 2 * (i + 1))
            entry.id = static_cast<SolitaireId>(u16At(ids, i));
        if (categories.size() >= 2 * (i + 1))
            entry.category = storedCategory(u16At(categories, i));
        if (skills.size() > i && skills[i] <= 2)
            entry.skill = skills[i] + 1;
        if (times.size() > i && times[i] <= 3)
            entry.timeClass = times[i] + 1;
        if (auto name = resources.find(kStringResourceType, kFirstGameNameString + static_cast<int>(i)))
            entry.name.assign(name->begin(), name->end());
    }
    const ByteView extras = resources.find(kExtraCategoryTableType, kExtraCategoryTableId).value_or(none);
    for (std::size_t pair = 0; pair + 1 < extras.size() / 2; pair += 2) {
        const auto id = static_cast<SolitaireId>(u16At(extras, pair));
        for (CatalogueEntry& entry : entries)
            if (entry.id == id)
                entry.extraCategories.push_back(storedCategory(u16At(extras, pair + 1)));
    }
    return entries;
}

const char* categoryName(int category)
{
    static const char* const names[] = {"Addition", "Canfield", "Castle",  "Fan",     "40Thieves",
                                        "FreeCell", "Klondike", "Spider", "Terrace", "Yukon"};
    return category >= 1 && category <= 10 ? names[category - 1] : "Other";
}

const char* timeClassName(int timeClass)
{
    static const char* const names[] = {"<3m", "3-5m", "5-10m", ">10m"};
    return timeClass >= 1 && timeClass <= 4 ? names[timeClass - 1] : "";
}

}  // namespace velmora
