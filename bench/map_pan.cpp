// A map with a hundred pins panned by a finger, as a tab sees it: the tab (a WebSocket client on
// the loopback interface) sends a down, 30 moves and an up per iteration. Reported as medians and
// 99th percentiles:
//   move_ms     a move reaching the map until its patch is handed to the I/O thread (the layers
//               moved; no tile drawn)
//   settle_ms   the finger lifted until the patch with the tiles that came into view is handed on
//               (drawn and encoded)
//   tree_ms     a tab taking over until it has the whole tree (every tile and pin)
// Phone (the map 320 x 460 points) and tablet (768 x 1004), both at scale 2.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/maps/MapView.h"
#include "platform/ui/Application.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/Make.h"
#include "platform/ui/Touch.h"
#include "platform/ui/Window.h"
#include "tests/support/DisplayBench.h"

namespace {

using Clock = std::chrono::steady_clock;
using testing_support::DisplayBench;

// Notes when a touch reached it before the map handles it.
class TimedMap : public maps::MapView {
  public:
    Clock::time_point touched;
    int touches = 0;
    void touchesMoved(const ui::Touches& t) override {
        note();
        MapView::touchesMoved(t);
    }
    void touchesEnded(const ui::Touches& t) override {
        note();
        MapView::touchesEnded(t);
    }

  private:
    void note() {
        touched = Clock::now();
        ++touches;
    }
};

void PanToPatch(benchmark::State& state, ui::Idiom idiom) {
    testing_support::DisplayBench bench(idiom);
    ui::Size screen{ui::Device::current().screenWidth(), ui::Device::current().screenHeight()};
    auto map = ui::make<TimedMap>(ui::Rect{0, 20, screen.width, screen.height - 20});
    // A hundred places spread over the United States, as a list of test centres might be.
    for (int i = 0; i < 100; ++i) {
        auto place = std::make_shared<maps::Annotation>(
            maps::Coordinate{30 + 15 * std::fmod(i * 0.618, 1.0), -120 + 45 * std::fmod(i * 0.382, 1.0)});
        place->setTitle("Place " + std::to_string(i));
        map->addAnnotation(place);
    }
    map->setRegion({{40.044438, -97.207031}, {30, 30}}, false);
    ui::Application::shared().keyWindow()->addSubview(map);
    bench.loop->runFor(0.01);  // the base is laid
    auto tookOver = Clock::now();
    if (!bench.connect()) {
        state.SkipWithError(bench.error.c_str());
        return;
    }
    double tree = std::chrono::duration<double, std::milli>(Clock::now() - tookOver).count();
    Clock::time_point sent;
    bench.session->changeLog().addListener([&](const std::string&) { sent = Clock::now(); });

    std::vector<double> moves, settles;
    constexpr int kMoves = 30;
    for (auto _ : state) {
        double total = 0;
        double x = screen.width * 0.8, y = screen.height * 0.5;
        bench.tab.send(DisplayBench::pointer("down", x, y));
        bench.loop->runFor(0.001);
        for (int i = 0; i <= kMoves; ++i) {
            bool last = i == kMoves;
            int before = map->touches;
            auto start = Clock::now();
            bench.tab.send(last ? DisplayBench::pointer("up", x, y)
                                : DisplayBench::pointer("move", x -= 10, y));
            bench.loop->runUntil([&] { return map->touches > before; }, 5);
            if (!bench.tab.read()) {
                state.SkipWithError("no patch came back");
                return;
            }
            total += std::chrono::duration<double>(Clock::now() - start).count();
            (last ? settles : moves)
                .push_back(std::chrono::duration<double, std::milli>(sent - map->touched).count());
        }
        bench.loop->runFor(0.01);
        state.SetIterationTime(total);
    }
    for (const auto& [name, value] : DisplayBench::panFigures(moves, settles, tree))
        state.counters[name] = value;
}

void PhonePan(benchmark::State& state) { PanToPatch(state, ui::Idiom::Phone); }
void TabletPan(benchmark::State& state) { PanToPatch(state, ui::Idiom::Tablet); }
BENCHMARK(PhonePan)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(TabletPan)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
