// The section tracker over a temporary section of all 3,008 official-guide questions, as the
// e-book reader opens it, with three attempts on each question: opening the screen until its
// first patch of the display's change log, and scrolling the whole list a frame at a time (20
// points a frame), each frame's rows and patch. Reported per opening and per frame as medians and
// 99th percentiles (milliseconds); the goal is under 2 ms a frame.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <vector>

#include "Classes/core/MRepository.h"
#include "Classes/core/ToolChooseVC.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "Classes/errorlog/SectionVC.h"
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
constexpr double kFrameStep = 20;

using testing_support::percentile;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The program's home screen over a repository with three attempts on every question, the display's
// change log of its window, and the temporary section.
struct Tracker {
    std::shared_ptr<ToolChooseVC> home;
    std::unique_ptr<ui::ChangeLog> log;
    std::shared_ptr<MSection> section;
    std::size_t patchBytes = 0;

    Tracker() {
        auto launch = testing_support::launchForBenchmark("orvakit-bench-tracker");
        auto rep = launch.rep;
        section = std::make_shared<MSection>("Chosen questions", "CQ", "", 5, 1, 1);
        int questions = 0;
        for (const auto& book : rep->books())
            for (const auto& s : book->sections())
                for (const auto& q : s->questions()) section->addQuestion(q), ++questions;
        testing_support::addTrackerAttempts(*rep->trackerRep(), questions * 3);
        home = testing_support::showHomeScreen(*launch.delegate, rep);
        log = std::make_unique<ui::ChangeLog>(ui::Application::shared().keyWindow());
        log->addListener([this](const std::string& message) { patchBytes = message.size(); });
        log->flush();
    }
};

Tracker& tracker() {
    static Tracker instance;
    return instance;
}

void BM_OpenToFirstPatch(benchmark::State& state) {
    Tracker& t = tracker();
    std::vector<double> times;
    for (auto _ : state) {
        auto start = Clock::now();
        auto screen = ui::make<SectionVC>(t.section);
        t.log->flush();
        times.push_back(millisecondsSince(start));
        state.PauseTiming();
        screen->close();
        t.log->flush();
        state.ResumeTiming();
    }
    state.counters["median_ms"] = percentile(times, 0.5);
    state.counters["p99_ms"] = percentile(times, 0.99);
}
BENCHMARK(BM_OpenToFirstPatch)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ScrollFrame(benchmark::State& state) {
    Tracker& t = tracker();
    auto screen = ui::make<SectionVC>(t.section);
    t.log->flush();
    auto& table = *screen->sectionTV();
    table.numberOfRows(0);  // the rows are measured
    int lastGroup = table.numberOfSections() - 1;
    ui::Rect last = table.rectForRow({lastGroup, table.numberOfRows(lastGroup) - 1});
    double end = std::max(0.0, last.origin.y + last.size.height - table.bounds().size.height);
    double y = 0;
    std::vector<double> times;
    std::size_t bytes = 0;
    for (auto _ : state) {
        y = y + kFrameStep > end ? 0 : y + kFrameStep;
        auto start = Clock::now();
        table.setContentOffset({0, y});
        t.log->flush();
        times.push_back(millisecondsSince(start));
        bytes = std::max(bytes, t.patchBytes);
    }
    state.counters["median_ms"] = percentile(times, 0.5);
    state.counters["p99_ms"] = percentile(times, 0.99);
    state.counters["largest_patch_bytes"] = double(bytes);
    state.counters["frames_per_list"] = end / kFrameStep;
    screen->close();
}
BENCHMARK(BM_ScrollFrame)->Unit(benchmark::kMicrosecond)->Iterations(10300);

}  // namespace
