// From a pointer event to its patch: a tab (a WebSocket client on the loopback interface) taps a
// view that changes colour while pressed, 1,000 taps of a down and an up each. Reported per
// pointer event, as medians and 99th percentiles:
//   round_trip  the client sends the event until it has read the patch back (both socket legs,
//               the I/O thread, the main loop waking, the touch, the change log)
//   main_loop   the touch reaching the view until the patch is handed to the I/O thread
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/Make.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"
#include "tests/support/DisplayBench.h"

namespace {

using Clock = std::chrono::steady_clock;

class Key : public ui::View {
  public:
    Clock::time_point touched;
    int events = 0;
    void touchesBegan(const ui::Touches&) override { press(ui::Color::redColor()); }
    void touchesEnded(const ui::Touches&) override { press(ui::Color::clear()); }

  private:
    void press(ui::Color colour) {
        touched = Clock::now();
        ++events;
        setBackgroundColor(colour);
    }
};

void TapToPatch(benchmark::State& state) {
    testing_support::DisplayBench bench(ui::Idiom::Phone);
    auto key = ui::make<Key>(ui::Rect{100, 100, 80, 40});
    ui::Application::shared().keyWindow()->addSubview(key);
    if (!bench.connect()) {
        state.SkipWithError(bench.error.c_str());
        return;
    }
    Clock::time_point sent;
    bench.session->changeLog().addListener(
        [&](const std::string&) { sent = Clock::now(); });  // after the session's

    std::vector<double> roundTrips, mainLoop;
    const std::string down = R"({"type":"pointer","phase":"down","id":1,"x":140,"y":120})";
    const std::string up = R"({"type":"pointer","phase":"up","id":1,"x":140,"y":120})";
    for (auto _ : state) {
        double tap = 0;
        for (const std::string* event : {&down, &up}) {
            int before = key->events;
            auto start = Clock::now();
            bench.tab.send(*event);
            bench.loop->runUntil([&] { return key->events > before; }, 5);
            if (!bench.tab.read()) {
                state.SkipWithError("no patch came back");
                return;
            }
            auto end = Clock::now();
            double trip = std::chrono::duration<double>(end - start).count();
            tap += trip;
            roundTrips.push_back(trip * 1e6);
            mainLoop.push_back(std::chrono::duration<double, std::micro>(sent - key->touched).count());
        }
        state.SetIterationTime(tap);
    }
    using testing_support::DisplayBench;
    state.counters["round_trip_median_us"] = DisplayBench::percentile(roundTrips, 0.5);
    state.counters["round_trip_p99_us"] = DisplayBench::percentile(roundTrips, 0.99);
    state.counters["main_loop_median_us"] = DisplayBench::percentile(mainLoop, 0.5);
    state.counters["main_loop_p99_us"] = DisplayBench::percentile(mainLoop, 0.99);
}
BENCHMARK(TapToPatch)->Iterations(1000)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
