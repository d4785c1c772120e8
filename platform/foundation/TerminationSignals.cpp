#include "platform/foundation/TerminationSignals.h"

#include <pthread.h>

#include <csignal>
#include <thread>

#include "platform/foundation/RunLoop.h"

namespace fnd {

void TerminationSignals::install(std::function<void(int)> onSignal) {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    auto loop = RunLoop::mainShared();
    std::thread([set, loop, onSignal = std::move(onSignal)] {
        pthread_setname_np(pthread_self(), "signals");
        for (;;) {
            int sig = 0;
            if (sigwait(&set, &sig) != 0) continue;
            loop->post([onSignal, sig] { onSignal(sig); });
        }
    }).detach();
}

}  // namespace fnd
