#include "chooser_filter.h"

#include "catalogue.h"

namespace velmora {
namespace {

constexpr std::string_view kAll = "All";

// value when it lies in 0..count-1, else 0.
std::int32_t inRange(std::int32_t value, int count)
{
    return value >= 0 && value < count ? value : 0;
}

}  // namespace

int filterValueCount(FilterKind kind)
{
    switch (kind) {
    case FilterKind::category: return kOtherCategory + 1;
    case FilterKind::skill: return 4;
    case FilterKind::time: return 5;
    case FilterKind::letter: return 27;
    }
    return 0;
}

int filterValue(const ChooserFilter& filter, FilterKind kind)
{
    switch (kind) {
    case FilterKind::category: return filter.category;
    case FilterKind::skill: return filter.skill;
    case FilterKind::time: return filter.time;
    case FilterKind::letter: return filter.letter;
    }
    return 0;
}

bool chooseFilterValue(ChooserFilter& filter, FilterKind kind, int value)
{
    if (value < 0 || value >= filterValueCount(kind) || value == filterValue(filter, kind))
        return false;
    switch (kind) {
    case FilterKind::category: filter.category = static_cast<std::uint16_t>(value); break;
    case FilterKind::skill: filter.skill = static_cast<std::uint8_t>(value); break;
    case FilterKind::time: filter.time = static_cast<std::uint8_t>(value); break;
    case FilterKind::letter: filter.letter = static_cast<std::uint16_t>(value); break;
    }
    return true;
}

bool resetFilter(ChooserFilter& filter)
{
    if (filter == ChooserFilter{})
        return false;
    filter = ChooserFilter{};
    return true;
}

ChooserFilter filterFromPreferences(const Preferences& preferences)
{
    ChooserFilter filter;
    filter.category = static_cast<std::uint16_t>(inRange(preferences.filterCat, filterValueCount(FilterKind::category)));
    filter.skill = static_cast<std::uint8_t>(inRange(preferences.filterSkill, filterValueCount(FilterKind::skill)));
    filter.time = static_cast<std::uint8_t>(inRange(preferences.filterTime, filterValueCount(FilterKind::time)));
    filter.letter = static_cast<std::uint16_t>(inRange(preferences.filterLetter, filterValueCount(FilterKind::letter)));
    filter.favourites = preferences.filterFav != 0 ? 1 : 0;
    return filter;
}

void storeFilter(const ChooserFilter& filter, Preferences& preferences)
{
    preferences.filterCat = filter.category;
    preferences.filterSkill = filter.skill;
    preferences.filterTime = filter.time;
    preferences.filterLetter = filter.letter;
    preferences.filterFav = filter.favourites;
}

std::string_view categoryFilterName(int category)
{
    if (category == 0)
        return kAll;
    return category >= 1 && category <= kOtherCategory ? categoryName(category) : "";
}

std::string_view timeFilterName(int timeClass)
{
    return timeClass == 0 ? kAll : timeClassName(timeClass);
}

std::string_view letterFilterName(int letter)
{
    static constexpr std::string_view letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    if (letter == 0)
        return kAll;
    return letter >= 1 && letter <= 26 ? letters.substr(static_cast<std::size_t>(letter - 1), 1) : "";
}

int letterAt(int column, int row)
{
    if (column < 0 || column > 2 || row < 0 || row >= kLetterColumnRows)
        return -1;
    return column * kLetterColumnRows + row;
}

}  // namespace velmora
