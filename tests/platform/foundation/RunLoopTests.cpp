#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/foundation/Thread.h"
#include "platform/foundation/WhileAlive.h"
#include "tests/support/TestEnvironment.h"

namespace {

using RunLoopTest = testing_support::TestEnvironment;

TEST_F(RunLoopTest, PostedCallsRunInOrderAndLaterPostsWaitForTheNextTurn) {
    std::vector<int> order;
    loop->post([&] {
        order.push_back(1);
        loop->post([&] { order.push_back(3); });
    });
    loop->post([&] { order.push_back(2); });
    EXPECT_TRUE(loop->runTurn());
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    loop->runTurn();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(loop->runTurn());
}

TEST_F(RunLoopTest, PostsFromOtherThreadsAllArrive) {
    std::atomic<int> count{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 500; ++i) loop->post([&] { ++count; });
        });
    for (auto& th : threads) th.join();
    EXPECT_TRUE(runUntil([&] { return count == 2000; }, 1));
}

TEST_F(RunLoopTest, TimersFireAtTheirTimeAndRepeatUntilInvalidated) {
    int once = 0;
    std::vector<double> ticks;
    loop->scheduleTimer(1.5, false, [&](fnd::Timer&) { ++once; });
    auto repeating = loop->scheduleTimer(0.1, true, [&](fnd::Timer& t) {
        ticks.push_back(loop->now());
        if (ticks.size() == 5) t.invalidate();  // invalidating from inside the callback
    });
    runFor(1.0);
    EXPECT_EQ(once, 0);
    ASSERT_EQ(ticks.size(), 5u);
    EXPECT_NEAR(ticks[0], 0.1, 1e-9);
    EXPECT_NEAR(ticks[4], 0.5, 1e-9);
    EXPECT_FALSE(repeating->isValid());
    runFor(0.5);
    EXPECT_EQ(once, 1);
    EXPECT_NEAR(loop->now(), 1.5, 1e-9);
}

TEST_F(RunLoopTest, AnInvalidatedTimerReleasesWhatItHolds) {
    auto held = std::make_shared<int>(7);
    std::weak_ptr<int> watch = held;
    auto timer = loop->scheduleTimer(0.1, true, [held](fnd::Timer&) {});
    held.reset();
    runFor(0.35);
    EXPECT_FALSE(watch.expired());
    timer->invalidate();
    EXPECT_TRUE(watch.expired());
}

TEST_F(RunLoopTest, DelayedCallsAreCancelledByTargetOrByTargetAndAction) {
    int a = 0, b = 0, c = 0;
    int targetOne = 0, targetTwo = 0;
    loop->performAfterDelay(1.0, &targetOne, "showTip", [&] { ++a; });
    loop->performAfterDelay(1.0, &targetOne, "hide", [&] { ++b; });
    loop->performAfterDelay(1.0, &targetTwo, "showTip", [&] { ++c; });
    loop->cancelPerforms(&targetOne, "showTip");
    EXPECT_EQ(loop->pendingPerformCount(&targetOne), 1u);
    EXPECT_EQ(loop->pendingPerformCount(&targetTwo), 1u);
    runFor(1.0);
    EXPECT_EQ((std::vector<int>{a, b, c}), (std::vector<int>{0, 1, 1}));
    EXPECT_EQ(loop->pendingPerformCount(&targetOne), 0u);  // those that ran are no longer pending

    loop->performAfterDelay(0.5, &targetOne, "showTip", [&] { ++a; });
    loop->performAfterDelay(0.5, &targetOne, "hide", [&] { ++b; });
    // Cancelling from another thread reaches the main loop's pending calls.
    std::thread([&] { loop->cancelPerforms(&targetOne); }).join();
    runFor(1.0);
    EXPECT_EQ((std::vector<int>{a, b}), (std::vector<int>{0, 1}));
}

// An object whose delayed calls and callbacks count what reached it.
class Counter : public fnd::Object {
  public:
    void tick() { ++ticks; }
    void add(int n) { ticks += n; }
    int ticks = 0;
};

TEST_F(RunLoopTest, DelayedCallsOfAnObjectReachItWhileItLivesAndOneCancelEndsThemAll) {
    auto counter = std::make_shared<Counter>();
    loop->performAfterDelay(0.5, *counter, "first", &Counter::tick);
    loop->performAfterDelay(0.5, *counter, "second", &Counter::tick);
    runFor(1.0);
    EXPECT_EQ(counter->ticks, 2);

    loop->performAfterDelay(0.5, *counter, "first", &Counter::tick);
    loop->performAfterDelay(0.5, *counter, "second", &Counter::tick);
    loop->cancelPerforms(counter.get());
    runFor(1.0);
    EXPECT_EQ(counter->ticks, 2);

    // A call still due when the object goes neither keeps it nor reaches it.
    loop->performAfterDelay(0.5, *counter, "first", &Counter::tick);
    std::weak_ptr<Counter> gone = counter;
    counter.reset();
    EXPECT_TRUE(gone.expired());
    runFor(1.0);
}

TEST_F(RunLoopTest, ACallbackWhileAliveDropsArgumentsTheMethodDoesNotTake) {
    auto counter = std::make_shared<Counter>();
    std::function<void(fnd::Timer&)> fire = fnd::whileAlive(*counter, &Counter::tick);
    std::function<void(int)> add = fnd::whileAlive(*counter, &Counter::add);
    loop->scheduleTimer(0.1, false, fire);
    runFor(0.5);
    add(5);
    EXPECT_EQ(counter->ticks, 6);
    counter.reset();
    add(5);  // nothing to call: no effect, no crash
}

TEST_F(RunLoopTest, DisplayLinkTicksSixtyTimesASecond) {
    int ticks = 0;
    auto link = loop->addDisplayLink([&](double) { ++ticks; });
    runFor(1.0);
    link->invalidate();
    EXPECT_NEAR(ticks, 60, 1);
}

TEST_F(RunLoopTest, TurnObserversRunAfterTurnsThatDidSomething) {
    int turns = 0;
    auto id = loop->addTurnObserver([&] { ++turns; });
    loop->runTurn();
    EXPECT_EQ(turns, 0);
    loop->post([] {});
    loop->runTurn();
    EXPECT_EQ(turns, 1);
    loop->removeTurnObserver(id);
    loop->post([] {});
    loop->runTurn();
    EXPECT_EQ(turns, 1);
}

TEST_F(RunLoopTest, PerformAndWaitRunsInlineOnTheLoopAndWaitsElsewhere) {
    bool ran = false;
    loop->performAndWait([&] { ran = true; });
    EXPECT_TRUE(ran);

    std::atomic<bool> workerDone{false};
    int value = 0;
    fnd::Thread::detach("worker", [&] {
        loop->performAndWait([&] { value = 42; });
        workerDone = true;
    });
    EXPECT_TRUE(runUntil([&] { return workerDone.load(); }, 1));
    EXPECT_EQ(value, 42);
}

TEST_F(RunLoopTest, DetachedWorkHandsItsResultToTheMainLoop) {
    std::thread::id resultThread;
    int result = 0;
    fnd::Thread::detachThenMain(
        "compute", [] { return 6 * 7; },
        [&](int r) {
            result = r;
            resultThread = std::this_thread::get_id();
        });
    EXPECT_TRUE(runUntil([&] { return result != 0; }, 1));
    EXPECT_EQ(result, 42);
    EXPECT_EQ(resultThread, std::this_thread::get_id());
    EXPECT_TRUE(fnd::Thread::waitUntilIdle(5));
}

TEST_F(RunLoopTest, RunEndsWhenStoppedFromAnotherThreadAndSleepsMeanwhile) {
    auto real = std::make_shared<fnd::RunLoop>(std::make_shared<fnd::RealClock>());
    std::atomic<bool> ranTimer{false};
    std::thread runner([&] {
        real->scheduleTimer(0.01, false, [&](fnd::Timer&) { ranTimer = true; });
        real->run();
    });
    while (!ranTimer) std::this_thread::yield();
    real->stop();
    runner.join();
    EXPECT_TRUE(ranTimer);
}

TEST_F(RunLoopTest, RunUntilGivesUpWhenTheConditionNeverHolds) {
    loop->setWatchdog(0.2);
    EXPECT_FALSE(runUntil([] { return false; }, 1));
}

}  // namespace
