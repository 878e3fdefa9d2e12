// The chooser's filters: category, skill, playing time, first letter and
// favourites mode, each 0 for "no restriction", with their display names and
// the rules for changing them.
//
// The preferences keep the filters as plain 32-bit numbers; a stored value
// outside its filter's range is taken as 0. Closing the chooser writes the
// favourites mode back with the other four, so that it is remembered too.
#pragma once

#include <cstdint>
#include <string_view>

#include "preferences.h"

namespace velmora {

enum class FilterKind { category, skill, time, letter };

struct ChooserFilter {
    std::uint16_t category = 0;  // 0 all, 1..11 (11 "Other")
    std::uint8_t skill = 0;      // 0 all, 1..3
    std::uint8_t time = 0;       // 0 all, 1..4
    std::uint16_t letter = 0;    // 0 all, 1..26 for "A".."Z"
    std::uint8_t favourites = 0; // 1: favourites only

    friend bool operator==(const ChooserFilter&, const ChooserFilter&) = default;
};

// How many values a filter has, "All" included: 12, 4, 5 and 27.
int filterValueCount(FilterKind kind);
int filterValue(const ChooserFilter& filter, FilterKind kind);

// Sets a filter to a value chosen in its popup. True when the filter changed,
// so that the game list must be rebuilt; a value outside the filter's range
// or equal to the current one changes nothing.
bool chooseFilterValue(ChooserFilter& filter, FilterKind kind, int value);
// Clears all five; true when any was set.
bool resetFilter(ChooserFilter& filter);

ChooserFilter filterFromPreferences(const Preferences& preferences);
void storeFilter(const ChooserFilter& filter, Preferences& preferences);

// Display texts: "All" for 0, then the category names, the time classes
// ("<3m" ...), the letters "A".."Z". Empty for a value out of range. Skill
// levels have no text but "All": they are shown as stars.
std::string_view categoryFilterName(int category);
std::string_view timeFilterName(int timeClass);
std::string_view letterFilterName(int letter);

// The letter popup is three columns of nine rows: "All", "A".."H"; "I".."Q";
// "R".."Z".
inline constexpr int kLetterColumnRows = 9;
inline constexpr int letterColumn(int letter) { return letter / kLetterColumnRows; }
inline constexpr int letterRow(int letter) { return letter % kLetterColumnRows; }
// The letter at a column's row, or -1 when there is no such row.
int letterAt(int column, int row);

}  // namespace velmora
