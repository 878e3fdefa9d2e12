// The clock of a deal: seconds played, counted from differences of the wall
// clock (whole seconds since 1970), never from timer ticks. It stands still
// while play is paused (a dialog, a menu or another program in front); every
// resume re-reads the wall clock first, so paused time never counts.
#pragma once

#include <cstdint>
#include <string>

namespace velmora {

struct ClockTick {
    bool secondPassed = false;  // the elapsed time changed on this tick
};

class GameClock {
public:
    std::uint32_t elapsedSeconds() const { return elapsed_; }
    bool paused() const { return paused_; }
    bool resyncPending() const { return resync_; }

    // Play stops: the clock stands still, and the next tick after resuming
    // only takes the wall clock as its new base.
    void pause();
    // Play goes on (after a dialog, a menu, activation).
    void resume();
    // A new deal: zero seconds, running, base taken at the next tick.
    void startDeal();
    // A restored game continues with its saved time.
    void restore(std::uint32_t elapsedSeconds);

    // One timer tick at wall-clock second `now`. A wall clock set back takes
    // time off, but never below zero.
    ClockTick tick(std::int32_t now);

    // Whether a timed game with this limit (minutes) has run out.
    bool timeIsUp(std::uint32_t limitMinutes) const;

private:
    std::uint32_t elapsed_ = 0;
    std::int32_t lastTickTime_ = 0;
    bool paused_ = true;
    bool resync_ = true;
};

// The shown value: the seconds played, or in a timed game the seconds left
// (never below zero).
std::uint32_t shownClockSeconds(std::uint32_t elapsedSeconds, bool timedGame,
                                std::uint32_t limitMinutes);

// "m:ss": whole minutes without padding, then two digits of seconds.
std::string clockText(std::uint32_t seconds);

}  // namespace velmora
