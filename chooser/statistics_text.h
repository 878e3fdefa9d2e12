// The figures of the statistics dialog as text. The labels come from the
// dialog; these are the value fields.
#pragma once

#include <cstdint>
#include <string>

#include "statistics.h"

namespace velmora {

// Games won x 100 / games played, rounded down; 0 when nothing was played.
// A damaged record with more games won than played shows 100.
std::uint32_t winRatePercent(const StatisticsRecord& record);
// Total seconds / games played, rounded down; 0 when nothing was played.
std::uint32_t averageGameSeconds(const StatisticsRecord& record);

struct StatisticsFigures {
    std::string gamesPlayed;  // "12"
    std::string gamesWon;     // "8"
    std::string winRate;      // "66%"
    std::string totalTime;    // "125:07"
    std::string averageTime;  // "1:30"
};
StatisticsFigures statisticsFigures(const StatisticsRecord& record);

}  // namespace velmora
