// Start-up: what the loading thread does before the splash screen goes (the central file and the
// two sub-repository files read, or fresh data built and the sub-repository files written, then
// the product's set-up), with a fresh data folder and with a long-time user's one: 100,000
// practice answers, 30,000 error-log attempts and 2,000 flashcard showings. The pieces are timed
// on their own too, to show where the time goes.
//
// The built-in question sets are stand-ins of their full sizes (tests/support/LargeUserData.h); the rest of
// the resources are the program's.
//
//     bench_startup --write-large-data DIR
// writes DIR/resources (the program's resources with the stand-in sets) and DIR/data (the large
// user's files) and ends, so that the program itself can be started on them:
//     orvakit --resources DIR/resources --data-dir DIR/data
// (bench/startup_time.py does that and times it).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "Classes/core/MRepository.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/study_aids/MConcepts.h"
#include "Classes/study_aids/MCourses.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/RunLoop.h"
#include "tests/support/LargeUserData.h"

namespace fs = std::filesystem;

namespace {

// The product's delegate, loading only when told to.
class BenchDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {}
};

// The benchmarks' folder: resources, a large user's data and an empty data folder.
struct Folder {
    fs::path root = fs::temp_directory_path() / ("orvakit-bench-startup-" + std::to_string(::getpid()));
    fs::path large = root / "data";
    fs::path fresh = root / "fresh";

    Folder() {
        fnd::Log::setMinimumLevel(fnd::Log::Level::Warning);
        testing_support::writeLargeData(root);
        fs::create_directories(fresh);
    }
    ~Folder() { fs::remove_all(root); }

    std::uintmax_t bytes(const fs::path& file) const { return fs::file_size(large / file); }
};

Folder& folder() {
    static Folder f;
    return f;
}

// One run of the loading thread's work on the documents folder. The hand-over it posts goes with
// a main loop of its own. What was loaded is handed back, so that letting go of it, which the
// program does not do at start, can be left out of the time.
std::shared_ptr<BenchDelegate> loadOnce() {
    fnd::RunLoop::setMain(std::make_shared<fnd::RunLoop>());
    auto delegate = std::make_shared<BenchDelegate>();
    delegate->setupRepository();
    if (!delegate->loadingRep()) std::abort();
    benchmark::DoNotOptimize(delegate->loadingRep());
    return delegate;
}

void BM_LoadingThread_Large(benchmark::State& state) {
    Folder& f = folder();
    fnd::Paths::setDocuments(f.large);
    for (auto _ : state) {
        auto loaded = loadOnce();
        state.PauseTiming();
        loaded.reset();
        state.ResumeTiming();
    }
    state.counters["central_kB"] = static_cast<double>(f.bytes("Repository")) / 1e3;
    state.counters["practice_kB"] = static_cast<double>(f.bytes("PracticeRepository")) / 1e3;
    state.counters["tracker_kB"] = static_cast<double>(f.bytes("OGTrackerRepository")) / 1e3;
}
// Wall time: the loading thread reads the practice file on a second thread.
BENCHMARK(BM_LoadingThread_Large)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

void BM_LoadingThread_Fresh(benchmark::State& state) {
    Folder& f = folder();
    fnd::Paths::setDocuments(f.fresh);
    for (auto _ : state) {
        state.PauseTiming();
        for (const auto& entry : fs::directory_iterator(f.fresh)) fs::remove(entry.path());
        state.ResumeTiming();
        loadOnce();
    }
}
BENCHMARK(BM_LoadingThread_Fresh)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

// The pieces of the large load.
template <class T>
void readFile(benchmark::State& state, const fs::path& file) {
    folder();
    for (auto _ : state)
        if (!AbstractAppDelegate::loadRepositoryOfClass<T>(folder().large / file))
            state.SkipWithError("not read");
}

void BM_ReadCentral(benchmark::State& state) { readFile<MRepository>(state, "Repository"); }
BENCHMARK(BM_ReadCentral)->Unit(benchmark::kMillisecond);

void BM_ReadPractice(benchmark::State& state) { readFile<MPracticeRepository>(state, "PracticeRepository"); }
BENCHMARK(BM_ReadPractice)->Unit(benchmark::kMillisecond);

void BM_ReadTracker(benchmark::State& state) { readFile<MOGTrackerRepository>(state, "OGTrackerRepository"); }
BENCHMARK(BM_ReadTracker)->Unit(benchmark::kMillisecond);

void BM_ProductSetUp(benchmark::State& state) {
    folder();
    auto practice = AbstractAppDelegate::loadRepositoryOfClass<MPracticeRepository>(folder().large /
                                                                                    "PracticeRepository");
    for (auto _ : state) {
        auto concepts = std::make_shared<MConcepts>();
        auto courses = std::make_shared<MCourses>();
        practice->attachCoursesFromSet(*courses);
        benchmark::DoNotOptimize(concepts);
    }
}
BENCHMARK(BM_ProductSetUp)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--write-large-data") {
        testing_support::writeLargeData(argv[2]);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
