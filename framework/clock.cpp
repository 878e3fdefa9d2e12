#include "clock.h"

#include <QThread>

#include <chrono>

namespace velmora {

namespace {

class SystemClock final : public Clock {
public:
    std::time_t now() const override { return std::time(nullptr); }

    std::uint32_t tickCount() const override
    {
        const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
    }

    void sleep(std::uint32_t milliseconds) override { QThread::msleep(milliseconds); }
};

Clock* g_programClock = nullptr;

}  // namespace

Clock& systemClock()
{
    static SystemClock clock;
    return clock;
}

Clock& programClock() { return g_programClock ? *g_programClock : systemClock(); }

void setProgramClock(Clock* clock) { g_programClock = clock; }

}  // namespace velmora
