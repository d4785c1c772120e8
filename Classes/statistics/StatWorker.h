#pragma once
// Runs statistics work off the main thread, one job at a time. A job asked for while another runs
// waits; a newer one replaces a waiting one, so bursts of requests compute once more at most. A
// job's result is handed back on the main run loop unless cancelPending() came in between.
// Use from the main thread; jobs read only what they captured (a snapshot), never the models.

#include <functional>
#include <memory>

class StatWorker {
  public:
    // Runs on the worker; returns what the main thread does with its result (may be empty).
    using Job = std::function<std::function<void()>()>;

    StatWorker();
    // A worker that goes away lets a running job end but hands back nothing.
    ~StatWorker();
    StatWorker(const StatWorker&) = delete;
    StatWorker& operator=(const StatWorker&) = delete;

    void submit(Job job);
    // Drops the waiting job and discards the result of the running one.
    void cancelPending();
    // Whether a job runs or waits.
    bool isBusy() const;

  private:
    struct State;
    static void start(const std::shared_ptr<State>& state, Job job, unsigned long generation);

    std::shared_ptr<State> state_;
};
