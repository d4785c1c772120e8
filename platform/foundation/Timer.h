#pragma once
// A one-shot or repeating timer on a run loop. The timer keeps its callback (and so whatever the
// callback holds) alive until it fires for the last time or is invalidated.

#include <functional>
#include <mutex>
#include <string>

namespace fnd {

class RunLoop;

class Timer {
  public:
    using Callback = std::function<void(Timer&)>;

    Timer(double interval, bool repeats, Callback callback, const void* target = nullptr,
          std::string action = {});
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // Stops the timer and releases its callback. Safe from any thread, also from inside the callback.
    void invalidate();
    bool isValid() const;

    double interval() const { return interval_; }
    bool repeats() const { return repeats_; }
    // The delayed call this timer stands for, if any (cancelled by target and action).
    const void* target() const { return target_; }
    const std::string& action() const { return action_; }

  private:
    friend class RunLoop;
    // Runs the callback once; answers whether the timer is still valid afterwards.
    bool fire();

    const double interval_;
    const bool repeats_;
    const void* const target_;
    const std::string action_;
    mutable std::mutex mutex_;
    Callback callback_;
    bool valid_ = true;
};

}  // namespace fnd
