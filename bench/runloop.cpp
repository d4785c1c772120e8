// The main run loop under load: a million posted calls, and 100,000 timers due at spread times.
#include "platform/foundation/RunLoop.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <thread>

namespace {

void PostedCalls(benchmark::State& state) {
    const int calls = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto loop = std::make_shared<fnd::RunLoop>(std::make_shared<fnd::ManualClock>());
        int ran = 0;
        for (int i = 0; i < calls; ++i) loop->post([&ran] { ++ran; });
        loop->runTurn();
        benchmark::DoNotOptimize(ran);
    }
    state.SetItemsProcessed(state.iterations() * calls);
}
BENCHMARK(PostedCalls)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// Posted from another thread while the loop runs, as the I/O and worker threads do.
void PostedCallsFromAnotherThread(benchmark::State& state) {
    const int calls = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto loop = std::make_shared<fnd::RunLoop>(std::make_shared<fnd::RealClock>());
        int ran = 0;
        std::thread poster([&] {
            for (int i = 0; i < calls; ++i) loop->post([&ran] { ++ran; });
            loop->post([&] { loop->stop(); });
        });
        loop->run();
        poster.join();
        benchmark::DoNotOptimize(ran);
    }
    state.SetItemsProcessed(state.iterations() * calls);
}
BENCHMARK(PostedCallsFromAnotherThread)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void Timers(benchmark::State& state) {
    const int timers = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto clock = std::make_shared<fnd::ManualClock>();
        auto loop = std::make_shared<fnd::RunLoop>(clock);
        int fired = 0;
        for (int i = 0; i < timers; ++i)
            loop->scheduleTimer((i % 1000) * 0.001, false, [&fired](fnd::Timer&) { ++fired; });
        loop->runFor(1.0);
        benchmark::DoNotOptimize(fired);
    }
    state.SetItemsProcessed(state.iterations() * timers);
}
BENCHMARK(Timers)->Arg(100'000)->Unit(benchmark::kMillisecond);

void DelayedCallsCancelledByTarget(benchmark::State& state) {
    const int calls = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto loop = std::make_shared<fnd::RunLoop>(std::make_shared<fnd::ManualClock>());
        std::vector<int> targets(100);
        for (int i = 0; i < calls; ++i) loop->performAfterDelay(1.0, &targets[i % 100], "tick", [] {});
        for (auto& t : targets) loop->cancelPerforms(&t, "tick");
        loop->runFor(2.0);
    }
    state.SetItemsProcessed(state.iterations() * calls);
}
BENCHMARK(DelayedCallsCancelledByTarget)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
