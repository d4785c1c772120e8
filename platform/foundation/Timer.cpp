#include "platform/foundation/Timer.h"

namespace fnd {

Timer::Timer(double interval, bool repeats, Callback callback, const void* target, std::string action)
    : interval_(interval),
      repeats_(repeats),
      target_(target),
      action_(std::move(action)),
      callback_(std::move(callback)) {}

void Timer::invalidate() {
    Callback released;
    {
        std::lock_guard lock(mutex_);
        valid_ = false;
        released = std::move(callback_);
        callback_ = nullptr;
    }
    // `released` (and what it holds) is destroyed here, outside the lock.
}

bool Timer::isValid() const {
    std::lock_guard lock(mutex_);
    return valid_;
}

bool Timer::fire() {
    Callback callback;
    {
        std::lock_guard lock(mutex_);
        if (!valid_) return false;
        callback = callback_;  // a copy keeps the target alive while it runs
    }
    if (callback) callback(*this);
    if (!repeats_) {
        invalidate();
        return false;
    }
    return isValid();
}

}  // namespace fnd
