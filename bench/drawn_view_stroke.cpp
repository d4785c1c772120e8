// One stroke on a drawn view that covers the screen, as a sketch pad draws it: at each finger move
// the view draws its cached sheet and the stroke so far, and the display gets the new drawing.
// A tab (a WebSocket client on the loopback interface) sends a down, 40 moves and an up per
// iteration. Reported per move, as medians and 99th percentiles:
//   main_loop   the move reaching the view until the patch is handed to the I/O thread (drawing,
//               finding what changed, encoding it)
//   round_trip  the tab sends the move until it has read the patch back
//   patch_bytes the size of the patch message
// Phone (320 x 480 points) and tablet (768 x 1024), both at scale 2.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Context.h"
#include "platform/ui/Application.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/DrawnView.h"
#include "platform/ui/Make.h"
#include "platform/ui/Touch.h"
#include "platform/ui/Window.h"
#include "tests/support/DisplayBench.h"

namespace {

using Clock = std::chrono::steady_clock;
using testing_support::DisplayBench;

// The sheet is drawn once; each move draws it again under the stroke so far.
class Sketch : public ui::DrawnView {
  public:
    Clock::time_point touched;
    int moves = 0;

    void prepare(ui::Size size) {
        gfx::Context c(size.width, size.height, 2);
        c.setStrokeColor(1, 1, 1, 0.3);
        c.setLineWidth(30);
        c.strokeRect(15, 15, size.width - 30, size.height - 30);
        c.setStrokeColor(1, 1, 1, 1);
        c.setLineWidth(3);
        for (int i = 0; i < 12; ++i) {
            c.beginPath();
            c.moveTo(40 + i * 20, 60);
            c.lineTo(60 + i * 15, size.height - 60);
            c.strokePath();
        }
        sheet_ = c.bitmap();
    }
    void drawRect(const ui::Rect& rect) override {
        gfx::Context& c = *gfx::Context::current();
        c.drawBitmap(sheet_, 0, 0, rect.size.width, rect.size.height);
        if (points_.size() < 2) return;
        c.setStrokeColor(1, 1, 1, 1);
        c.setLineWidth(3);
        c.setLineCap(gfx::LineCap::Round);
        c.setLineJoin(gfx::LineJoin::Round);
        c.beginPath();
        c.addLines(points_);
        c.strokePath();
    }
    void touchesBegan(const ui::Touches& t) override {
        points_.clear();
        add(t);
    }
    void touchesMoved(const ui::Touches& t) override {
        touched = Clock::now();
        ++moves;
        add(t);
        setNeedsDisplay();
    }
    void touchesEnded(const ui::Touches&) override {}

  private:
    void add(const ui::Touches& t) {
        ui::Point p = t.front()->locationIn(this);
        points_.emplace_back(p.x, p.y);
    }
    gfx::Bitmap sheet_;
    std::vector<std::pair<double, double>> points_;
};

void StrokeToPatch(benchmark::State& state, ui::Idiom idiom) {
    testing_support::DisplayBench bench(idiom);
    ui::Size screen{ui::Device::current().screenWidth(), ui::Device::current().screenHeight()};
    auto sketch = ui::make<Sketch>(ui::Rect{{0, 0}, screen});
    sketch->setBackgroundColor(ui::Color::blackColor());
    sketch->prepare(screen);
    ui::Application::shared().keyWindow()->addSubview(sketch);
    if (!bench.connect()) {
        state.SkipWithError(bench.error.c_str());
        return;
    }
    Clock::time_point sent;
    std::size_t bytes = 0;
    bench.session->changeLog().addListener([&](const std::string& message) {  // after the session's
        sent = Clock::now();
        bytes = message.size();
    });

    std::vector<double> roundTrips, mainLoop, sizes;
    constexpr int kMoves = 40;
    for (auto _ : state) {
        double stroke = 0;
        double x0 = screen.width * 0.2, y0 = screen.height * 0.3;
        bench.tab.send(DisplayBench::pointer("down", x0, y0));
        for (int i = 1; i <= kMoves; ++i) {
            double x = x0 + i * screen.width * 0.015, y = y0 + 40 * std::sin(i * 0.3);
            int before = sketch->moves;
            auto start = Clock::now();
            bench.tab.send(DisplayBench::pointer("move", x, y));
            bench.loop->runUntil([&] { return sketch->moves > before; }, 5);
            if (!bench.tab.read()) {
                state.SkipWithError("no patch came back");
                return;
            }
            double trip = std::chrono::duration<double>(Clock::now() - start).count();
            stroke += trip;
            roundTrips.push_back(trip * 1e3);
            mainLoop.push_back(std::chrono::duration<double, std::milli>(sent - sketch->touched).count());
            sizes.push_back(double(bytes));
        }
        bench.tab.send(DisplayBench::pointer("up", x0 + kMoves * screen.width * 0.015, y0));
        bench.loop->runFor(0.01);
        state.SetIterationTime(stroke);
    }
    state.counters["main_loop_median_ms"] = DisplayBench::percentile(mainLoop, 0.5);
    state.counters["main_loop_p99_ms"] = DisplayBench::percentile(mainLoop, 0.99);
    state.counters["round_trip_median_ms"] = DisplayBench::percentile(roundTrips, 0.5);
    state.counters["round_trip_p99_ms"] = DisplayBench::percentile(roundTrips, 0.99);
    state.counters["patch_bytes_median"] = DisplayBench::percentile(sizes, 0.5);
}

void PhoneStroke(benchmark::State& state) { StrokeToPatch(state, ui::Idiom::Phone); }
void TabletStroke(benchmark::State& state) { StrokeToPatch(state, ui::Idiom::Tablet); }
BENCHMARK(PhoneStroke)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(TabletStroke)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
