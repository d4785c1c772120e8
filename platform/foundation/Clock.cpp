#include "platform/foundation/Clock.h"

#include <chrono>
#include <mutex>

namespace fnd {

namespace {
// Seconds between 1970-01-01 and 2001-01-01, both UTC.
constexpr double kUnixToReference = 978307200.0;

std::mutex& sharedMutex() {
    static std::mutex m;
    return m;
}
std::shared_ptr<Clock>& sharedSlot() {
    static std::shared_ptr<Clock> clock = std::make_shared<RealClock>();
    return clock;
}
}  // namespace

std::shared_ptr<Clock> Clock::shared() {
    std::lock_guard lock(sharedMutex());
    return sharedSlot();
}

void Clock::setShared(std::shared_ptr<Clock> clock) {
    std::lock_guard lock(sharedMutex());
    sharedSlot() = clock ? std::move(clock) : std::make_shared<RealClock>();
}

double RealClock::now() const {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double RealClock::wallTime() const {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count() - kUnixToReference;
}

void ManualClock::advance(double seconds) {
    if (seconds <= 0) return;
    now_.store(now_.load() + seconds);
    wall_.store(wall_.load() + seconds);
}

void ManualClock::advanceTo(double monotonic) {
    double current = now_.load();
    if (monotonic > current) advance(monotonic - current);
}

}  // namespace fnd
