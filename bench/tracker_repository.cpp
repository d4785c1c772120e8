// The error log's tracker file with 10 attempts on each of the 3,008 questions: building the books
// and encoding the archive (what a save does on the main thread), and decoding it onto freshly built
// books (what start-up does).
#include <benchmark/benchmark.h>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "tests/support/LargeUserData.h"

namespace {

std::shared_ptr<MOGTrackerRepository> fullRepository() {
    AbstractAppDelegate::registerClasses();
    auto rep = MOGTrackerRepository::initWithData();
    std::size_t questions = 0;
    for (const auto& book : rep->books())
        for (const auto& section : book->sections()) questions += section->questions().size();
    testing_support::addTrackerAttempts(*rep, static_cast<int>(questions) * 10);
    return rep;
}

void BM_SetUpBooks(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(MOGTrackerRepository::initWithData());
}
BENCHMARK(BM_SetUpBooks)->Unit(benchmark::kMillisecond);

void BM_SaveTracker(benchmark::State& state) {
    auto rep = fullRepository();
    std::size_t bytes = 0;
    for (auto _ : state) {
        auto archive = fnd::KeyedArchiver::archive("kRepository", rep);
        bytes = archive ? archive->size() : 0;
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SaveTracker)->Unit(benchmark::kMillisecond);

void BM_LoadTracker(benchmark::State& state) {
    auto archive = fnd::KeyedArchiver::archive("kRepository", fullRepository());
    for (auto _ : state) {
        auto rep = fnd::KeyedUnarchiver::unarchive(*archive, "kRepository").object<MOGTrackerRepository>();
        if (!rep) state.SkipWithError("the archive did not load");
        benchmark::DoNotOptimize(rep);
    }
}
BENCHMARK(BM_LoadTracker)->Unit(benchmark::kMillisecond);

}  // namespace
