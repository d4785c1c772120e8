#pragma once
// Detached background work. A thread keeps what its body captured alive until it ends and hands
// results back by posting to the main run loop.

#include <functional>
#include <string>

namespace fnd {

class Thread {
  public:
    // Starts `body` on a new detached thread.
    static void detach(std::string name, std::function<void()> body);
    // Runs `work` on a new thread, then `then` with its result on the main run loop.
    template <class Work, class Then>
    static void detachThenMain(std::string name, Work work, Then then);

    // Detached threads still running (for orderly shut-down and tests).
    static int runningCount();
    // Waits (in real time) until no detached thread runs; answers whether that happened in time.
    static bool waitUntilIdle(double realSeconds);
    static bool isMainThread();
};

}  // namespace fnd

#include "platform/foundation/RunLoop.h"

template <class Work, class Then>
void fnd::Thread::detachThenMain(std::string name, Work work, Then then) {
    detach(std::move(name), [work = std::move(work), then = std::move(then)]() mutable {
        auto result = work();
        RunLoop::main().post(
            [then = std::move(then), result = std::move(result)]() mutable { then(std::move(result)); });
    });
}
