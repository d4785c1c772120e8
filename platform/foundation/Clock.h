#pragma once
// The source of time. The program runs on the real clock; tests install a manual one and
// advance it, so timers, animations and question clocks run deterministically and at once.

#include <atomic>
#include <memory>

namespace fnd {

class Clock {
  public:
    virtual ~Clock() = default;

    // Monotonic seconds, for timers and elapsed times.
    virtual double now() const = 0;
    // Wall-clock time in seconds since 2001-01-01 00:00 UTC.
    virtual double wallTime() const = 0;
    // A manual clock moves only when told to; a run loop then skips idle time instead of sleeping.
    virtual bool isManual() const { return false; }

    // The process clock; the real clock unless a test set another.
    static std::shared_ptr<Clock> shared();
    static void setShared(std::shared_ptr<Clock> clock);
};

class RealClock final : public Clock {
  public:
    double now() const override;
    double wallTime() const override;
};

class ManualClock final : public Clock {
  public:
    // Seconds since 2001-01-01 UTC the wall clock starts at: by default 2026-01-01 12:00 UTC.
    static constexpr double kDefaultWallStart = 788961600.0 + 12 * 3600.0;

    explicit ManualClock(double wallStart = kDefaultWallStart) : wall_(wallStart) {}

    double now() const override { return now_.load(); }
    double wallTime() const override { return wall_.load(); }
    bool isManual() const override { return true; }

    // Moves both the monotonic and the wall clock forward.
    void advance(double seconds);
    // Moves forward to a monotonic time; never backwards.
    void advanceTo(double monotonic);
    void setWallTime(double secondsSince2001) { wall_.store(secondsSince2001); }

  private:
    std::atomic<double> now_{0.0};
    std::atomic<double> wall_;
};

}  // namespace fnd
