// Best times: for every game the ten fastest winning times with the names of
// their players, one record per game name under "bestScores", read when a
// deal is won or the list is shown and written after every change.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "registry.h"

namespace velmora {

inline constexpr int kBestTimeNameUnits = 16;  // UTF-16 units, including the terminator
inline constexpr int kBestTimeNameLength = kBestTimeNameUnits - 1;
inline constexpr int kBestTimesEntries = 10;

// Stored as it is: the name zero-terminated, then the seconds (little-endian).
// Seconds 0 mark an empty slot, whatever the name.
struct BestTimeEntry {
    std::array<char16_t, kBestTimeNameUnits> name{};
    std::uint32_t seconds = 0;

    bool isEmpty() const { return seconds == 0; }
    friend bool operator==(const BestTimeEntry&, const BestTimeEntry&) = default;
};
static_assert(sizeof(BestTimeEntry) == 36);

// The used entries first, fastest first, equal times in the order they were
// achieved; the empty entries after them.
struct BestTimes {
    std::array<BestTimeEntry, kBestTimesEntries> entries{};

    friend bool operator==(const BestTimes&, const BestTimes&) = default;
};
static_assert(sizeof(BestTimes) == 360);

// Where one game's record is kept: the store and the key's path.
struct BestTimesLocation {
    Registry& registry;
    std::string path;
};
// The record of the game named gameName (its rule record's name) under storeRoot.
BestTimesLocation bestTimesLocation(Registry& registry, std::string_view storeRoot, std::string_view gameName);

// The stored record. A record that is missing or not 360 bytes long reads as
// empty, and the empty record is written in its place. Damaged entries are
// mended one by one and the mended record is written: an entry whose name has
// no terminator reads as empty, and entries out of order are put in order,
// the empty ones last. A record the store could not give (the key refused, the
// read failed) reads as empty, nothing is written, and readable, when given,
// is set to false (true otherwise): such a record must not be saved, as it
// would replace the stored one.
BestTimes LoadBestTimes(const BestTimesLocation& location, bool* readable = nullptr);
// Writes the record; false when the store refused it.
bool SaveBestTimes(const BestTimes& record, const BestTimesLocation& location);
// Empties the record and writes it.
bool ClearBestTimes(BestTimes& record, const BestTimesLocation& location);

// Whether a win in this many seconds enters the list: some entry is empty or
// slower. A tie with the slowest entry of a full list does not.
bool QualifiesForBestTimes(const BestTimes& record, std::uint32_t seconds);
// Enters the time after every entry at least as fast (the slowest entry drops
// out of a full list), with at most 15 units of name (never half a surrogate
// pair), then writes the record. False when the time does not qualify
// (nothing changes) or the store refused the record (which then holds the
// new time in memory only).
bool InsertBestTime(BestTimes& record, std::u16string_view name, std::uint32_t seconds,
                    const BestTimesLocation& location);

// The name up to its terminator.
std::u16string_view entryName(const BestTimeEntry& entry);

}  // namespace velmora
