// Statistics work off the main thread: one job at a time, the newest waiting job wins, results come
// back on the main thread, and a cancellation drops both the waiting job and the running one's result.

#include <atomic>
#include <future>
#include <vector>

#include "Classes/statistics/StatWorker.h"
#include "platform/foundation/Thread.h"
#include "tests/support/TestEnvironment.h"

namespace {

// Holds a job on the worker until released.
struct Gate {
    std::promise<void> opened;
    std::shared_future<void> wait = opened.get_future().share();
    void open() { opened.set_value(); }
};

class StatWorkerTest : public testing_support::TestEnvironment {
  protected:
    StatWorker::Job job(int name, Gate* gate = nullptr) {
        return [this, name, gate]() -> std::function<void()> {
            if (gate) gate->wait.wait();
            ran.fetch_add(1);
            return [this, name] {
                EXPECT_TRUE(fnd::Thread::isMainThread());
                delivered.push_back(name);
            };
        };
    }

    std::atomic<int> ran{0};
    std::vector<int> delivered;
};

TEST_F(StatWorkerTest, NewestWaitingJobReplacesTheOthers) {
    StatWorker worker;
    Gate gate;
    worker.submit(job(1, &gate));
    worker.submit(job(2));
    worker.submit(job(3));
    EXPECT_TRUE(worker.isBusy());
    gate.open();
    ASSERT_TRUE(runUntil([&] { return delivered.size() == 2 && !worker.isBusy(); }));
    EXPECT_EQ(delivered, (std::vector<int>{1, 3}));
    EXPECT_EQ(ran.load(), 2);
}

TEST_F(StatWorkerTest, CancellationDropsWaitingJobAndRunningResult) {
    StatWorker worker;
    Gate gate;
    worker.submit(job(1, &gate));
    worker.submit(job(2));
    worker.cancelPending();
    gate.open();
    ASSERT_TRUE(runUntil([&] { return !worker.isBusy(); }));
    runFor(0.1);
    EXPECT_EQ(ran.load(), 1);
    EXPECT_TRUE(delivered.empty());

    worker.submit(job(4));  // the worker still takes new work afterwards
    ASSERT_TRUE(runUntil([&] { return delivered.size() == 1; }));
    EXPECT_EQ(delivered.front(), 4);
}

}  // namespace
