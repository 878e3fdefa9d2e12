// Wall clock, millisecond tick count and sleep, behind one interface so that
// timing code can be tested with a clock the test moves by hand.
#pragma once

#include <cstdint>
#include <ctime>

namespace velmora {

class Clock {
public:
    virtual ~Clock() = default;
    // Calendar time in whole seconds, as time() gives it.
    virtual std::time_t now() const = 0;
    // Milliseconds from a steady clock; wraps around like a 32-bit counter.
    virtual std::uint32_t tickCount() const = 0;
    // Blocks the calling thread for the given milliseconds.
    virtual void sleep(std::uint32_t milliseconds) = 0;
};

// The real clock of the machine.
Clock& systemClock();

// The clock the program uses: the system clock unless a test installed
// another. The installed clock must outlive its use; null restores the
// system clock.
Clock& programClock();
void setProgramClock(Clock* clock);

// A clock that stands still until moved. sleep advances it instead of waiting.
class ManualClock final : public Clock {
public:
    explicit ManualClock(std::time_t start = 1'000'000, std::uint32_t startTick = 0)
        : seconds_(start), ticks_(startTick) {}

    std::time_t now() const override { return seconds_; }
    std::uint32_t tickCount() const override { return ticks_; }
    void sleep(std::uint32_t milliseconds) override { advanceMilliseconds(milliseconds); }

    // Moves the tick count and, every full 1000 ms accumulated, the seconds.
    void advanceMilliseconds(std::uint32_t milliseconds) {
        ticks_ += milliseconds;
        pending_ += milliseconds;
        seconds_ += static_cast<std::time_t>(pending_ / 1000);
        pending_ %= 1000;
    }
    void advanceSeconds(std::time_t seconds) { advanceMilliseconds(static_cast<std::uint32_t>(seconds * 1000)); }
    void setNow(std::time_t seconds) { seconds_ = seconds; }

private:
    std::time_t seconds_;
    std::uint32_t ticks_;
    std::uint32_t pending_ = 0;
};

// Installs a clock for the lifetime of the object (tests).
class ScopedProgramClock {
public:
    explicit ScopedProgramClock(Clock& clock) { setProgramClock(&clock); }
    ~ScopedProgramClock() { setProgramClock(nullptr); }
    ScopedProgramClock(const ScopedProgramClock&) = delete;
    ScopedProgramClock& operator=(const ScopedProgramClock&) = delete;
};

}  // namespace velmora
