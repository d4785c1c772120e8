#pragma once
// The accelerometer: raw (x, y, z) samples in units of gravity, delivered to one delegate on the
// main thread. The display sends the samples; its shake control sends a short violent burst.

#include <memory>
#include <mutex>

namespace ui {

class AccelerometerDelegate {
  public:
    virtual ~AccelerometerDelegate() = default;
    virtual void accelerometerDidAccelerate(double x, double y, double z) = 0;
};

class Accelerometer {
  public:
    static Accelerometer& shared();

    double updateInterval() const;
    void setUpdateInterval(double seconds);
    // Held weakly: a delegate that is gone receives nothing.
    void setDelegate(std::weak_ptr<AccelerometerDelegate> delegate);
    std::shared_ptr<AccelerometerDelegate> delegate() const;

    // One sample to the delegate, on the main thread (a sample from another thread goes there).
    void deliver(double x, double y, double z);
    // A shake: samples at the update interval swinging hard along x around gravity, then still;
    // scheduled on the main run loop.
    void shake();

  private:
    mutable std::mutex mutex_;
    double interval_ = 0.1;
    std::weak_ptr<AccelerometerDelegate> delegate_;
};

}  // namespace ui
