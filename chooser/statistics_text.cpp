#include "statistics_text.h"

#include <algorithm>

#include "time_text.h"

namespace velmora {

std::uint32_t winRatePercent(const StatisticsRecord& record)
{
    if (record.gamesPlayed == 0)
        return 0;
    const std::uint32_t won = std::min(record.gamesWon, record.gamesPlayed);
    return won * 100u / record.gamesPlayed;
}

std::uint32_t averageGameSeconds(const StatisticsRecord& record)
{
    return record.gamesPlayed == 0 ? 0 : record.totalSeconds / record.gamesPlayed;
}

StatisticsFigures statisticsFigures(const StatisticsRecord& record)
{
    return {
        std::to_string(record.gamesPlayed),
        std::to_string(record.gamesWon),
        std::to_string(winRatePercent(record)) + "%",
        formatMinutesSeconds(record.totalSeconds),
        formatMinutesSeconds(averageGameSeconds(record)),
    };
}

}  // namespace velmora
