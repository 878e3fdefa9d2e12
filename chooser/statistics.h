// Per-game statistics: games played, games won and the total playing time,
// one record per game name under "statistics", read and written on every use
// (nothing is kept in memory).
//
// The counters stop at their largest value instead of wrapping round, so a
// record never claims fewer games than were won or restarts from zero.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "registry.h"

namespace velmora {

// Stored as it is: 8 bytes, little-endian.
struct StatisticsRecord {
    std::uint16_t gamesPlayed = 0;
    std::uint16_t gamesWon = 0;
    std::uint32_t totalSeconds = 0;

    friend bool operator==(const StatisticsRecord&, const StatisticsRecord&) = default;
};
static_assert(sizeof(StatisticsRecord) == 8);
static_assert(offsetof(StatisticsRecord, gamesWon) == 2 && offsetof(StatisticsRecord, totalSeconds) == 4);

// The record with one more game added.
StatisticsRecord withGame(StatisticsRecord record, bool won, std::uint32_t seconds);

// The records of every game under storeRoot. Games are named by their rule
// record's name; two games with the same key name share one record.
class StatisticsStore {
public:
    StatisticsStore(Registry& registry, std::string storeRoot);

    // Adds one finished or abandoned game. False when the store refused it
    // or could not give the stored record (which is then never written over
    // as if it were empty); the stored record is then as it was.
    bool recordPlay(std::string_view gameName, bool won, std::uint32_t seconds);
    // Zeros for a game never played or a record that cannot be read or claims
    // more games won than played. Like every use, it leaves the game's key in
    // place, empty if it was new.
    StatisticsRecord read(std::string_view gameName);
    // Sets the record to zeros; false when the store refused it.
    bool clear(std::string_view gameName);

private:
    Registry& registry_;
    std::string root_;
};

}  // namespace velmora
