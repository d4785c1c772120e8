// The centre map of every test centre (35 red pins and the user's green one over the drawn base) as
// a tab sees it while a finger pans it: the tab (a WebSocket client on the loopback interface) sends
// a down, 30 moves of 10 points and an up per iteration. Reported as medians and 99th percentiles:
//   move_ms     a move sent by the tab until the patch that moved the map is handed to the I/O
//               thread (the goal is one frame, 16 ms)
//   settle_ms   the finger lifted until the patch with the base laid anew for the region shown is
//               handed on (drawn and encoded)
//   tree_ms     a tab taking over until it has the whole tree, the map and its pins included
// Phone (the map 320 x 416 points) and tablet (768 x 960), both at scale 2.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "Classes/study_aids/CenterVC_iPad.h"
#include "Classes/study_aids/MCourse.h"
#include "Classes/study_aids/MCourses.h"
#include "platform/location/Location.h"
#include "platform/ui/Application.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/Make.h"
#include "platform/ui/Window.h"
#include "tests/support/DisplayBench.h"

namespace {

using Clock = std::chrono::steady_clock;
using testing_support::DisplayBench;

double millisecondsSince(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

template <class Map>
void PanAllCentres(benchmark::State& state, ui::Idiom idiom) {
    DisplayBench bench(idiom);
    MCourses catalogue;
    auto window = ui::Application::shared().keyWindow();
    ui::Rect screen = window->bounds();
    // The map as the centre list opens it for every centre, the user in New York.
    auto map = ui::make<Map>(*catalogue.courseForName("Manhattan ORVA")->centers(),
                             std::optional<loc::Location>(loc::Location(40.7128, -74.0060)));
    window->addSubview(map->view());
    map->view()->setFrame({0, 20, screen.size.width, screen.size.height - 20});
    bench.loop->runFor(0.6);  // the slide and the pins' drop
    auto tookOver = Clock::now();
    if (!bench.connect()) {
        state.SkipWithError(bench.error.c_str());
        return;
    }
    double tree = millisecondsSince(tookOver, Clock::now());
    Clock::time_point handed;
    bench.session->changeLog().addListener([&](const std::string&) { handed = Clock::now(); });

    ui::Rect area = map->mapView()->frame();
    std::vector<double> moves, settles;
    constexpr int kMoves = 30;
    for (auto _ : state) {
        double total = 0;
        double x = area.size.width * 0.8, y = 20 + area.origin.y + area.size.height * 0.6;
        bench.tab.send(DisplayBench::pointer("down", x, y));
        bench.loop->runFor(0.001);
        for (int i = 0; i <= kMoves; ++i) {
            bool last = i == kMoves;
            auto sent = Clock::now();
            handed = {};
            bench.tab.send(last ? DisplayBench::pointer("up", x, y)
                                : DisplayBench::pointer("move", x -= 10, y));
            bench.loop->runUntil([&] { return handed != Clock::time_point{}; }, 5);
            if (!bench.tab.read()) {
                state.SkipWithError("no patch came back");
                return;
            }
            total += std::chrono::duration<double>(Clock::now() - sent).count();
            (last ? settles : moves).push_back(millisecondsSince(sent, handed));
        }
        bench.loop->runFor(0.05);
        state.SetIterationTime(total);
    }
    for (const auto& [name, value] : DisplayBench::panFigures(moves, settles, tree))
        state.counters[name] = value;
    map->close();
}

void PhoneAllCentres(benchmark::State& state) { PanAllCentres<CenterVC>(state, ui::Idiom::Phone); }
void TabletAllCentres(benchmark::State& state) { PanAllCentres<CenterVC_iPad>(state, ui::Idiom::Tablet); }
BENCHMARK(PhoneAllCentres)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(TabletAllCentres)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
