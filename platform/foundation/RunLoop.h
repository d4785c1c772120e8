#pragma once
// The main run loop: posted calls, timers, delayed calls and the display-link tick.
// It sleeps until something is posted or a timer is due. Posting and cancelling work from any
// thread; everything runs on the loop's own thread, one turn at a time. At the end of a turn in
// which anything ran, the turn observers run (the UI layer sends its changes from there).

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <queue>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/foundation/Clock.h"
#include "platform/foundation/Timer.h"
#include "platform/foundation/WhileAlive.h"

namespace fnd {

class RunLoop {
  public:
    using Task = std::function<void()>;

    explicit RunLoop(std::shared_ptr<Clock> clock = Clock::shared());
    ~RunLoop();
    RunLoop(const RunLoop&) = delete;
    RunLoop& operator=(const RunLoop&) = delete;

    // The application's main loop, created on first use on the calling thread.
    static RunLoop& main();
    static std::shared_ptr<RunLoop> mainShared();
    // The installed main loop without making one; null when none is installed.
    static std::shared_ptr<RunLoop> installedMain();
    // Installs a new main loop (program start, each test). Null drops the current one.
    static void setMain(std::shared_ptr<RunLoop> loop);

    Clock& clock() const { return *clock_; }
    double now() const { return clock_->now(); }
    // True on the thread that runs this loop.
    bool isCurrent() const;
    // Makes the calling thread the loop's thread.
    void adoptCurrentThread();

    // Runs the task in a later turn. Any thread.
    void post(Task task);
    // Runs the task on the loop's thread and returns when it has run: inline when called there.
    // The loop's thread may service such calls while it waits for something (see serviceWaitingCalls).
    void performAndWait(const Task& task);
    // Runs the calls other threads are waiting on; for waits on the loop's thread that must not
    // block those threads (a removal that waits for a delivery in progress, for example).
    void serviceWaitingCalls();

    std::shared_ptr<Timer> scheduleTimer(double interval, bool repeats, std::function<void(Timer&)> fire);
    // A delayed call, cancellable by target, or by target and action. Any thread.
    std::shared_ptr<Timer> performAfterDelay(double delay, const void* target, std::string action, Task task);
    // A delayed call of one of `self`'s member functions, made only while `self` lives. Its target
    // is `self`, so that cancelPerforms(&self) ends all of an object's delayed calls at once.
    template <class Self, class T>
    std::shared_ptr<Timer> performAfterDelay(double delay, Self& self, std::string action,
                                             void (T::*method)()) {
        return performAfterDelay(delay, static_cast<const void*>(&self), std::move(action),
                                 whileAlive(self, method));
    }
    void cancelPerforms(const void* target);
    void cancelPerforms(const void* target, const std::string& action);
    // A repeating tick at the display's rate (60 per second); the callback gets the loop's time.
    std::shared_ptr<Timer> addDisplayLink(std::function<void(double timestamp)> tick, int frameInterval = 1);

    using ObserverId = std::uint64_t;
    ObserverId addTurnObserver(Task observer);
    void removeTurnObserver(ObserverId id);

    // Runs one turn: the waiting calls, the posted calls, the due timers, then the turn observers.
    // Answers whether anything ran.
    bool runTurn();
    // Runs until stop() is called.
    void run();
    void stop();
    bool isStopped() const;

    // Runs for a span of the loop's time. With a manual clock the idle time is skipped: the clock
    // jumps to each due timer and ends exactly `span` later.
    void runFor(double span);
    // Runs until `done` holds or `span` of the loop's time has passed. With a manual clock it also
    // waits (in real time, up to the watchdog) for posts from other threads. Answers `done()`.
    bool runUntil(const std::function<bool()>& done, double span);

    // Real seconds a runFor/runUntil may take before it gives up, so a broken loop fails a test
    // instead of hanging it.
    void setWatchdog(double realSeconds) { watchdog_ = realSeconds; }

    std::size_t pendingTimerCount() const;
    // The delayed calls of one target still to come: a count that other work's timers (a load's
    // time-out, a server's reply) cannot change.
    std::size_t pendingPerformCount(const void* target) const;

  private:
    struct Entry {
        double when;
        std::uint64_t seq;
        std::shared_ptr<Timer> timer;
        bool operator>(const Entry& o) const { return when != o.when ? when > o.when : seq > o.seq; }
    };
    struct WaitingCall;

    void schedule(const std::shared_ptr<Timer>& timer, double when);
    bool hasReadyWork();
    double nextTimerTime();  // infinity when none; takes the lock
    void waitForWork(double untilLoopTime, double realLimit);
    bool runSpan(const std::function<bool()>& done, double span);
    void forgetPerform(const Timer* timer);

    std::shared_ptr<Clock> clock_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::thread::id thread_;
    std::deque<Task> posted_;
    std::deque<std::shared_ptr<WaitingCall>> waiting_;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> timers_;
    std::unordered_multimap<const void*, std::weak_ptr<Timer>> performs_;
    std::vector<std::pair<ObserverId, Task>> turnObservers_;
    std::uint64_t seq_ = 0;
    ObserverId nextObserverId_ = 1;
    bool stopped_ = false;
    double watchdog_ = 20.0;
};

}  // namespace fnd
