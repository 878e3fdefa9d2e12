#include "game_clock.h"

namespace velmora {

void GameClock::pause()
{
    paused_ = true;
    resync_ = true;
}

void GameClock::resume()
{
    paused_ = false;
}

void GameClock::startDeal()
{
    elapsed_ = 0;
    paused_ = false;
    resync_ = true;
}

void GameClock::restore(std::uint32_t elapsedSeconds)
{
    elapsed_ = elapsedSeconds;
    paused_ = false;
    resync_ = true;
}

ClockTick GameClock::tick(std::int32_t now)
{
    ClockTick result;
    if (paused_)
        return result;
    if (resync_) {
        resync_ = false;
    } else if (now != lastTickTime_) {
        const std::int64_t difference = std::int64_t{now} - lastTickTime_;
        const std::int64_t updated = std::int64_t{elapsed_} + difference;
        elapsed_ = updated < 0 ? 0u : static_cast<std::uint32_t>(updated);
        result.secondPassed = true;
    }
    lastTickTime_ = now;
    return result;
}

bool GameClock::timeIsUp(std::uint32_t limitMinutes) const
{
    return elapsed_ / 60 >= limitMinutes;
}

std::uint32_t shownClockSeconds(std::uint32_t elapsedSeconds, bool timedGame,
                                std::uint32_t limitMinutes)
{
    if (!timedGame)
        return elapsedSeconds;
    const std::uint64_t limit = std::uint64_t{limitMinutes} * 60;
    return elapsedSeconds >= limit ? 0u : static_cast<std::uint32_t>(limit - elapsedSeconds);
}

std::string clockText(std::uint32_t seconds)
{
    const std::uint32_t rest = seconds % 60;
    std::string text = std::to_string(seconds / 60) + ':';
    text += static_cast<char>('0' + rest / 10);
    text += static_cast<char>('0' + rest % 10);
    return text;
}

}  // namespace velmora
