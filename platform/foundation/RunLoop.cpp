#include "platform/foundation/RunLoop.h"

#include <chrono>
#include <future>
#include <limits>
#include <utility>

#include "platform/foundation/Log.h"

namespace fnd {

namespace {
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Never destroyed: detached threads may still post to the main loop while the process exits.
std::mutex& mainMutex() {
    static auto* m = new std::mutex;
    return *m;
}
std::shared_ptr<RunLoop>& mainSlot() {
    static auto* loop = new std::shared_ptr<RunLoop>;
    return *loop;
}

double realSeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

struct RunLoop::WaitingCall {
    Task task;
    std::promise<void> done;
};

RunLoop::RunLoop(std::shared_ptr<Clock> clock)
    : clock_(clock ? std::move(clock) : Clock::shared()), thread_(std::this_thread::get_id()) {}

RunLoop::~RunLoop() = default;

RunLoop& RunLoop::main() { return *mainShared(); }

std::shared_ptr<RunLoop> RunLoop::mainShared() {
    std::lock_guard lock(mainMutex());
    auto& slot = mainSlot();
    if (!slot) slot = std::make_shared<RunLoop>();
    return slot;
}

std::shared_ptr<RunLoop> RunLoop::installedMain() {
    std::lock_guard lock(mainMutex());
    return mainSlot();
}

void RunLoop::setMain(std::shared_ptr<RunLoop> loop) {
    std::shared_ptr<RunLoop> old;
    {
        std::lock_guard lock(mainMutex());
        old = std::exchange(mainSlot(), std::move(loop));
    }
}

bool RunLoop::isCurrent() const {
    std::lock_guard lock(mutex_);
    return thread_ == std::this_thread::get_id();
}

void RunLoop::adoptCurrentThread() {
    std::lock_guard lock(mutex_);
    thread_ = std::this_thread::get_id();
}

void RunLoop::post(Task task) {
    {
        std::lock_guard lock(mutex_);
        posted_.push_back(std::move(task));
    }
    wake_.notify_all();
}

void RunLoop::performAndWait(const Task& task) {
    if (isCurrent()) {
        task();
        return;
    }
    auto call = std::make_shared<WaitingCall>();
    call->task = task;
    std::future<void> done = call->done.get_future();
    {
        std::lock_guard lock(mutex_);
        waiting_.push_back(call);
    }
    wake_.notify_all();
    done.get();
}

void RunLoop::serviceWaitingCalls() {
    for (;;) {
        std::shared_ptr<WaitingCall> call;
        {
            std::lock_guard lock(mutex_);
            if (waiting_.empty()) return;
            call = std::move(waiting_.front());
            waiting_.pop_front();
        }
        try {
            call->task();
            call->done.set_value();
        } catch (...) {
            call->done.set_exception(std::current_exception());
        }
    }
}

void RunLoop::schedule(const std::shared_ptr<Timer>& timer, double when) {
    {
        std::lock_guard lock(mutex_);
        timers_.push(Entry{when, seq_++, timer});
    }
    wake_.notify_all();
}

std::shared_ptr<Timer> RunLoop::scheduleTimer(double interval, bool repeats,
                                              std::function<void(Timer&)> fire) {
    auto timer = std::make_shared<Timer>(interval, repeats, std::move(fire));
    schedule(timer, now() + (interval > 0 ? interval : 0));
    return timer;
}

std::shared_ptr<Timer> RunLoop::performAfterDelay(double delay, const void* target, std::string action,
                                                  Task task) {
    auto timer = std::make_shared<Timer>(
        delay, false, [task = std::move(task)](Timer&) { task(); }, target, std::move(action));
    {
        std::lock_guard lock(mutex_);
        performs_.emplace(target, timer);
    }
    schedule(timer, now() + (delay > 0 ? delay : 0));
    return timer;
}

void RunLoop::cancelPerforms(const void* target) {
    std::vector<std::shared_ptr<Timer>> cancelled;
    {
        std::lock_guard lock(mutex_);
        auto [first, last] = performs_.equal_range(target);
        for (auto it = first; it != last; ++it)
            if (auto t = it->second.lock()) cancelled.push_back(std::move(t));
        performs_.erase(first, last);
    }
    // Invalidated outside the lock: releasing a callback may destroy objects that post.
    for (auto& t : cancelled) t->invalidate();
}

void RunLoop::cancelPerforms(const void* target, const std::string& action) {
    std::vector<std::shared_ptr<Timer>> cancelled;
    {
        std::lock_guard lock(mutex_);
        auto [first, last] = performs_.equal_range(target);
        for (auto it = first; it != last;) {
            auto t = it->second.lock();
            if (!t || t->action() == action) {
                if (t) cancelled.push_back(std::move(t));
                it = performs_.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (auto& t : cancelled) t->invalidate();
}

void RunLoop::forgetPerform(const Timer* timer) {
    std::lock_guard lock(mutex_);
    auto [first, last] = performs_.equal_range(timer->target());
    for (auto it = first; it != last; ++it) {
        auto t = it->second.lock();
        if (!t || t.get() == timer) {
            performs_.erase(it);
            return;
        }
    }
}

std::shared_ptr<Timer> RunLoop::addDisplayLink(std::function<void(double)> tick, int frameInterval) {
    double interval = (frameInterval > 0 ? frameInterval : 1) / 60.0;
    return scheduleTimer(interval, true, [this, tick = std::move(tick)](Timer&) { tick(now()); });
}

RunLoop::ObserverId RunLoop::addTurnObserver(Task observer) {
    std::lock_guard lock(mutex_);
    ObserverId id = nextObserverId_++;
    turnObservers_.emplace_back(id, std::move(observer));
    return id;
}

void RunLoop::removeTurnObserver(ObserverId id) {
    std::lock_guard lock(mutex_);
    std::erase_if(turnObservers_, [id](const auto& o) { return o.first == id; });
}

bool RunLoop::runTurn() {
    std::deque<Task> posted;
    std::vector<Entry> due;
    {
        std::lock_guard lock(mutex_);
        posted.swap(posted_);
        double t = clock_->now();
        while (!timers_.empty() && timers_.top().when <= t) {
            due.push_back(timers_.top());
            timers_.pop();
        }
    }
    serviceWaitingCalls();
    bool ran = !posted.empty() || !due.empty();
    for (auto& task : posted) task();
    for (auto& entry : due) {
        bool stillValid = entry.timer->fire();
        if (entry.timer->target() || !entry.timer->action().empty()) forgetPerform(entry.timer.get());
        if (stillValid && entry.timer->repeats()) {
            double interval = entry.timer->interval() > 0 ? entry.timer->interval() : 1e-3;
            double next = entry.when + interval;
            if (next <= now()) next = now() + interval;  // missed ticks are skipped, not replayed
            schedule(entry.timer, next);
        }
    }
    if (ran) {
        std::vector<std::pair<ObserverId, Task>> observers;
        {
            std::lock_guard lock(mutex_);
            observers = turnObservers_;
        }
        for (auto& [id, observer] : observers) observer();
    }
    return ran;
}

bool RunLoop::hasReadyWork() {
    std::lock_guard lock(mutex_);
    if (!posted_.empty() || !waiting_.empty()) return true;
    return !timers_.empty() && timers_.top().when <= clock_->now();
}

double RunLoop::nextTimerTime() {
    std::lock_guard lock(mutex_);
    // Drop invalidated timers at the front so they neither wake the loop nor move a manual clock.
    while (!timers_.empty() && !timers_.top().timer->isValid()) timers_.pop();
    return timers_.empty() ? kInfinity : timers_.top().when;
}

void RunLoop::waitForWork(double untilLoopTime, double realLimit) {
    std::unique_lock lock(mutex_);
    auto ready = [this] { return stopped_ || !posted_.empty() || !waiting_.empty(); };
    if (ready()) return;
    double wait = realLimit;
    if (!clock_->isManual()) {
        double next = timers_.empty() ? kInfinity : timers_.top().when;
        double until = std::min(next, untilLoopTime);
        wait = std::min(wait, until - clock_->now());
    }
    if (wait <= 0) return;
    if (wait == kInfinity) {
        wake_.wait(lock, [&] {
            return ready() ||
                   (!clock_->isManual() && !timers_.empty() && timers_.top().when <= clock_->now());
        });
        return;
    }
    wake_.wait_for(lock, std::chrono::duration<double>(wait), ready);
}

void RunLoop::run() {
    adoptCurrentThread();
    {
        std::lock_guard lock(mutex_);
        stopped_ = false;
    }
    while (!isStopped()) {
        runTurn();
        if (isStopped()) break;
        if (!hasReadyWork()) waitForWork(kInfinity, kInfinity);
    }
}

void RunLoop::stop() {
    {
        std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    wake_.notify_all();
}

bool RunLoop::isStopped() const {
    std::lock_guard lock(mutex_);
    return stopped_;
}

void RunLoop::runFor(double span) { runSpan(nullptr, span); }

bool RunLoop::runUntil(const std::function<bool()>& done, double span) { return runSpan(done, span); }

bool RunLoop::runSpan(const std::function<bool()>& done, double span) {
    const double end = now() + span;
    const double realStart = realSeconds();
    auto holds = [&] { return done && done(); };
    auto manual = dynamic_cast<ManualClock*>(clock_.get());
    for (;;) {
        runTurn();
        if (holds()) return true;
        if (isStopped()) return false;
        double realLeft = watchdog_ - (realSeconds() - realStart);
        if (realLeft <= 0) {
            Log::error("run loop: watchdog of ", watchdog_, " s passed; giving up");
            return false;
        }
        if (hasReadyWork()) continue;
        if (!manual) {
            if (now() >= end) return holds();
            waitForWork(end, realLeft);
            continue;
        }
        double next = nextTimerTime();
        if (next <= end) {
            manual->advanceTo(next);
        } else if (now() < end) {
            manual->advanceTo(end);  // one more turn at exactly the end
        } else if (done) {
            // The span is used up but other threads may still post, in real time: wait for them
            // in short slices until the watchdog.
            waitForWork(kInfinity, std::min(realLeft, 0.05));
        } else {
            return false;
        }
    }
}

std::size_t RunLoop::pendingTimerCount() const {
    std::lock_guard lock(mutex_);
    return timers_.size();
}

std::size_t RunLoop::pendingPerformCount(const void* target) const {
    std::lock_guard lock(mutex_);
    auto [first, last] = performs_.equal_range(target);
    std::size_t count = 0;
    for (auto it = first; it != last; ++it)
        if (auto t = it->second.lock(); t && t->isValid()) ++count;
    return count;
}

}  // namespace fnd
