// The practice review list over 2,000 sessions of 50 answers each (100,000 answers): working out one
// row from its session, building a row afresh (a new cell with its parts, filled in: the most a row
// coming into view costs; a scrolled list reuses the cells gone out of view), and scrolling the whole list a
// frame at a time (20 points a frame), each frame's rows and patch of the display's change log. Reported as
// medians and 99th percentiles (microseconds or milliseconds).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <vector>

#include "Classes/core/MRepository.h"
#include "Classes/core/ToolChooseVC.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MSessions.h"
#include "Classes/practice/ReviewRow.h"
#include "Classes/practice/ReviewVC.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/Device.h"
#include "platform/ui/Make.h"
#include "platform/ui/Window.h"
#include "tests/support/BenchmarkSupport.h"
#include "tests/support/HomeScreenLaunch.h"
#include "tests/support/LargeUserData.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kSessions = 2000, kAnswers = 50;
constexpr double kFrameStep = 20;

using testing_support::percentile;

double microsecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// The program's home screen over a repository with the sessions, and the review list open on them.
struct Review {
    std::shared_ptr<ToolChooseVC> home;
    std::shared_ptr<MRepository> rep;
    std::shared_ptr<ReviewVC> screen;
    std::unique_ptr<ui::ChangeLog> log;

    Review() {
        auto launch = testing_support::launchForBenchmark("orvakit-bench-review");
        rep = launch.rep;
        testing_support::addPracticeSessions(*rep->practiceRep(), kSessions, kAnswers);
        home = testing_support::showHomeScreen(*launch.delegate, rep);
        screen = ui::make<ReviewVC>(rep->sessions());
        log = std::make_unique<ui::ChangeLog>(ui::Application::shared().keyWindow());
        log->flush();
    }
};

Review& review() {
    static Review instance;
    return instance;
}

void BM_WorkOutRow(benchmark::State& state) {
    Review& r = review();
    const auto& list = r.rep->sessions()->list();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReviewRow::make(*list[i], 320));
        i = (i + 1) % list.size();
    }
}
BENCHMARK(BM_WorkOutRow)->Unit(benchmark::kMicrosecond);

void BM_BuildRow(benchmark::State& state) {
    Review& r = review();
    auto& table = *r.screen->reviewTV();
    std::vector<double> times;
    int row = 0;
    for (auto _ : state) {
        // Nothing is put back for reuse, so every call makes its cell.
        auto start = Clock::now();
        auto cell = r.screen->cellForRow(table, {0, row});
        times.push_back(microsecondsSince(start));
        state.PauseTiming();
        row = (row + 37) % kSessions;
        state.ResumeTiming();
    }
    state.counters["median_us"] = percentile(times, 0.5);
    state.counters["p99_us"] = percentile(times, 0.99);
}
BENCHMARK(BM_BuildRow)->Unit(benchmark::kMicrosecond)->Iterations(5000);

void BM_ScrollFrame(benchmark::State& state) {
    Review& r = review();
    auto& table = *r.screen->reviewTV();
    ui::Rect last = table.rectForRow({0, table.numberOfRows(0) - 1});
    double end = std::max(0.0, last.origin.y + last.size.height - table.bounds().size.height);
    double y = 0;
    std::vector<double> times;
    for (auto _ : state) {
        y = y + kFrameStep > end ? 0 : y + kFrameStep;
        auto start = Clock::now();
        table.setContentOffset({0, y});
        r.log->flush();
        times.push_back(microsecondsSince(start) / 1000);
    }
    state.counters["median_ms"] = percentile(times, 0.5);
    state.counters["p99_ms"] = percentile(times, 0.99);
    state.counters["frames_per_list"] = end / kFrameStep;
}
BENCHMARK(BM_ScrollFrame)->Unit(benchmark::kMicrosecond)->Iterations(8000);

}  // namespace
