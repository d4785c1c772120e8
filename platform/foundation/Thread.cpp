#include "platform/foundation/Thread.h"

#include <pthread.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"

namespace fnd {

namespace {
std::mutex runningMutex;
std::condition_variable runningChanged;
int running = 0;
}  // namespace

void Thread::detach(std::string name, std::function<void()> body) {
    {
        std::lock_guard lock(runningMutex);
        ++running;
    }
    std::thread([name = std::move(name), body = std::move(body)]() mutable {
        pthread_setname_np(pthread_self(), name.substr(0, 15).c_str());
        try {
            body();
        } catch (const std::exception& e) {
            Log::error("thread ", name, " ended with an exception: ", e.what());
        }
        body = nullptr;  // release what the body held before the thread counts as ended
        {
            std::lock_guard lock(runningMutex);
            --running;
        }
        runningChanged.notify_all();
    }).detach();
}

int Thread::runningCount() {
    std::lock_guard lock(runningMutex);
    return running;
}

bool Thread::waitUntilIdle(double realSeconds) {
    std::unique_lock lock(runningMutex);
    return runningChanged.wait_for(lock, std::chrono::duration<double>(realSeconds),
                                   [] { return running == 0; });
}

bool Thread::isMainThread() { return RunLoop::main().isCurrent(); }

}  // namespace fnd
