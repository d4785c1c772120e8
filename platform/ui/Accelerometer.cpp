#include "platform/ui/Accelerometer.h"

#include <array>

#include "platform/foundation/RunLoop.h"

namespace ui {

Accelerometer& Accelerometer::shared() {
    static Accelerometer accelerometer;
    return accelerometer;
}

double Accelerometer::updateInterval() const {
    std::lock_guard lock(mutex_);
    return interval_;
}

void Accelerometer::setUpdateInterval(double seconds) {
    std::lock_guard lock(mutex_);
    interval_ = seconds > 0 ? seconds : 0.01;
}

void Accelerometer::setDelegate(std::weak_ptr<AccelerometerDelegate> delegate) {
    std::lock_guard lock(mutex_);
    delegate_ = std::move(delegate);
}

std::shared_ptr<AccelerometerDelegate> Accelerometer::delegate() const {
    std::lock_guard lock(mutex_);
    return delegate_.lock();
}

void Accelerometer::deliver(double x, double y, double z) {
    std::shared_ptr<fnd::RunLoop> main = fnd::RunLoop::installedMain();
    if (main && !main->isCurrent()) {
        main->post([this, x, y, z] { deliver(x, y, z); });
        return;
    }
    if (auto d = delegate()) d->accelerometerDidAccelerate(x, y, z);
}

void Accelerometer::shake() {
    // The device lying still reads (0, -1, 0); a shake swings x by about 3 g each way.
    static constexpr std::array<double, 8> swing = {0.0, 2.8, -3.0, 3.1, -2.9, 2.5, -1.0, 0.0};
    const double step = updateInterval();
    auto& loop = fnd::RunLoop::main();
    for (std::size_t i = 0; i < swing.size(); ++i) {
        double x = swing[i];
        loop.performAfterDelay(step * static_cast<double>(i), this, "shakeSample",
                               [this, x] { deliver(x, -1.0, 0.0); });
    }
}

}  // namespace ui
