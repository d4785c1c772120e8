// The tracker's stopwatch: times booked per question across moves and pauses, and its time text.

#include <gtest/gtest.h>

#include "Classes/errorlog/MSetTimer.h"
#include "tests/support/TestEnvironment.h"

namespace {

TEST(TrackerStopwatchText, StartedSecondsCountWhole) {
    const std::pair<double, const char*> cases[] = {
        {0, "00:00"}, {0.00002, "00:01"}, {59.5, "01:00"}, {3600, "60:00"}, {6000, "100:00"}};
    for (auto [seconds, text] : cases) EXPECT_EQ(MSetTimer::stringWithTime(seconds), text) << seconds;
}

class TrackerStopwatchTest : public testing_support::TestEnvironment {
  protected:
    void advance(double seconds) { clock->advance(seconds); }
};

TEST_F(TrackerStopwatchTest, TimeIsBookedToEachPositionAndPausesLeaveTheTotal) {
    MSetTimer timer(7);
    EXPECT_EQ(timer.totalTime(), 0);
    timer.startWithIndex(2);
    advance(10);
    timer.setIndex(3);
    advance(5);
    EXPECT_FLOAT_EQ(timer.timeForIndex(2), 10);
    EXPECT_FLOAT_EQ(timer.timeForIndex(3), 5);

    // Paused from 70 s to 100 s of the run.
    advance(55);
    timer.pause();
    advance(30);
    EXPECT_FLOAT_EQ(timer.totalTime(), 70);
    timer.run();
    EXPECT_FLOAT_EQ(timer.totalTime(), 70);
    EXPECT_FLOAT_EQ(timer.timeForIndex(3), 60);
    // While paused or idle a move books nothing.
    timer.pause();
    timer.setIndex(4);
    advance(3);
    EXPECT_FLOAT_EQ(timer.timeForIndex(4), 0);

    timer.setIndex(7);
    EXPECT_EQ(timer.index(), -1);
    timer.run();
    timer.finish();
    EXPECT_EQ(timer.state(), MSetTimer::kFinished);
    EXPECT_TRUE(timer.startDate());
}

}  // namespace
