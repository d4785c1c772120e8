#pragma once
// What every test starts from: a manual clock, a fresh main run loop on the test's thread, a
// temporary documents folder of its own, the device's own locale and time zone, and a watchdog
// that fails a hanging test.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "platform/foundation/Clock.h"
#include "platform/foundation/RunLoop.h"

namespace testing_support {

class TestEnvironment : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the main loop for a span of virtual time.
    void runFor(double seconds) { loop->runFor(seconds); }
    // Runs the main loop until `done` holds (virtual time, plus real time for other threads' posts).
    bool runUntil(const std::function<bool()>& done, double seconds = 60) {
        return loop->runUntil(done, seconds);
    }

    std::shared_ptr<fnd::ManualClock> clock;
    std::shared_ptr<fnd::RunLoop> loop;
    std::filesystem::path documents;
    std::filesystem::path temporary;

  private:
    struct Watchdog;
    std::shared_ptr<Watchdog> watchdog_;
};

}  // namespace testing_support
