// The scratchpad on the tablet at scale 2: its sheet is 1536 x 1536 points (3072 x 3072 pixels) and
// its view 768 x 960. A tab (a WebSocket client on the loopback interface) draws strokes of 40
// moves. Reported:
//   move_main_loop  a move reaching the view until its patch is handed to the I/O thread (the
//                   crop drawn again with the stroke so far, the changed tiles found and encoded)
//   move_round_trip the tab sends a move until it has read the patch back
//   commit          the stroke going into the sheet when the finger lifts
//   lift_to_patch   the lift reaching the view until the patch of the committed stroke is sent
//   patch_bytes     the size of a move's patch
// The goal is 16 ms (one frame) for a move and for the commit.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "Classes/study_aids/ScratchpadView.h"
#include "platform/ui/Application.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/Make.h"
#include "platform/ui/Window.h"
#include "tests/support/DisplayBench.h"

namespace {

using Clock = std::chrono::steady_clock;
using testing_support::DisplayBench;

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The pad, telling when a touch reached it and how long the commit took.
class TimedPad : public ScratchpadView {
  public:
    Clock::time_point touched;
    int moves = 0, lifts = 0;
    std::vector<double> commits;

    void touchesMoved(const ui::Touches& t) override {
        touched = Clock::now();
        ++moves;
        ScratchpadView::touchesMoved(t);
    }
    void touchesEnded(const ui::Touches& t) override {
        touched = Clock::now();
        ScratchpadView::touchesEnded(t);
        commits.push_back(ms(Clock::now() - touched));
        ++lifts;
    }
};

void TabletStrokes(benchmark::State& state) {
    DisplayBench bench(ui::Idiom::Tablet);
    constexpr double kTop = 44;
    auto pad = ui::make<TimedPad>(ui::Rect{0, kTop, 768, 960});
    pad->setBackgroundColor(ui::Color::blackColor());
    ui::Application::shared().keyWindow()->addSubview(pad);
    if (!bench.connect()) {
        state.SkipWithError(bench.error.c_str());
        return;
    }
    Clock::time_point sent;
    std::size_t bytes = 0;
    int patches = 0;
    bench.session->changeLog().addListener([&](const std::string& message) {
        sent = Clock::now();
        bytes = message.size();
        ++patches;
    });

    std::vector<double> mainLoop, roundTrips, sizes, lifts;
    constexpr int kMoves = 40;
    int stroke = 0;
    for (auto _ : state) {
        double total = 0;
        double x0 = 100 + (stroke % 5) * 80, y0 = kTop + 150 + (stroke % 7) * 100;
        ++stroke;
        bench.tab.send(DisplayBench::pointer("down", x0, y0));
        for (int i = 1; i <= kMoves; ++i) {
            double x = x0 + i * 8, y = y0 + 40 * std::sin(i * 0.3);
            int before = pad->moves;
            auto start = Clock::now();
            bench.tab.send(DisplayBench::pointer("move", x, y));
            bench.loop->runUntil([&] { return pad->moves > before; }, 5);
            if (!bench.tab.read()) {
                state.SkipWithError("no patch came back");
                return;
            }
            total += std::chrono::duration<double>(Clock::now() - start).count();
            roundTrips.push_back(ms(Clock::now() - start));
            mainLoop.push_back(ms(sent - pad->touched));
            sizes.push_back(double(bytes));
        }
        // The committed spline may look like the polyline it replaces, pixel for pixel: then no
        // patch comes.
        int before = pad->lifts, sentBefore = patches;
        bench.tab.send(DisplayBench::pointer("up", x0 + kMoves * 8, y0));
        bench.loop->runUntil([&] { return pad->lifts > before; }, 5);
        if (bench.loop->runUntil([&] { return patches > sentBefore; }, 0.2)) {
            bench.tab.read();
            lifts.push_back(ms(sent - pad->touched));
        }
        state.SetIterationTime(total);
    }
    state.counters["move_main_loop_median_ms"] = DisplayBench::percentile(mainLoop, 0.5);
    state.counters["move_main_loop_p99_ms"] = DisplayBench::percentile(mainLoop, 0.99);
    state.counters["move_round_trip_median_ms"] = DisplayBench::percentile(roundTrips, 0.5);
    state.counters["commit_median_ms"] = DisplayBench::percentile(pad->commits, 0.5);
    state.counters["commit_max_ms"] = DisplayBench::percentile(pad->commits, 1.0);
    state.counters["lift_to_patch_median_ms"] = DisplayBench::percentile(lifts, 0.5);
    state.counters["patch_bytes_median"] = DisplayBench::percentile(sizes, 0.5);
}
BENCHMARK(TabletStrokes)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
