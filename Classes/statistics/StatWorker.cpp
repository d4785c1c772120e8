#include "Classes/statistics/StatWorker.h"

#include <mutex>
#include <utility>

#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Thread.h"

struct StatWorker::State {
    std::mutex mutex;
    bool running = false;
    Job waiting;
    unsigned long waitingGeneration = 0;
    // Raised by every cancellation; a result of an older generation is dropped.
    unsigned long generation = 0;
};

StatWorker::StatWorker() : state_(std::make_shared<State>()) {}

StatWorker::~StatWorker() { cancelPending(); }

void StatWorker::submit(Job job) {
    if (!job) return;
    std::unique_lock lock(state_->mutex);
    if (state_->running) {
        state_->waiting = std::move(job);
        state_->waitingGeneration = state_->generation;
        return;
    }
    state_->running = true;
    const unsigned long generation = state_->generation;
    lock.unlock();
    start(state_, std::move(job), generation);
}

void StatWorker::cancelPending() {
    std::lock_guard lock(state_->mutex);
    state_->waiting = nullptr;
    ++state_->generation;
}

bool StatWorker::isBusy() const {
    std::lock_guard lock(state_->mutex);
    return state_->running;
}

void StatWorker::start(const std::shared_ptr<State>& state, Job job, unsigned long generation) {
    fnd::Thread::detach("statistics", [state, job = std::move(job), generation]() {
        auto done = job();
        if (done) {
            fnd::RunLoop::main().post([state, done = std::move(done), generation]() {
                {
                    std::lock_guard lock(state->mutex);
                    if (generation != state->generation) return;
                }
                done();
            });
        }
        std::unique_lock lock(state->mutex);
        if (!state->waiting) {
            state->running = false;
            return;
        }
        Job next = std::move(state->waiting);
        state->waiting = nullptr;
        const unsigned long nextGeneration = state->waitingGeneration;
        lock.unlock();
        start(state, std::move(next), nextGeneration);
    });
}
