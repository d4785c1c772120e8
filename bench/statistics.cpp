// The statistics of a busy user, 100,000 practice attempts and 30,000 error-log attempts over a
// year: the snapshot of both histories, the aggregators of the five types and of all, their accuracy
// curves and the two answers-per-step series for a 700 × 160 plot; and the phone's statistics panel
// over the same histories: the worker's aggregation alone, and a whole computation as the user waits
// for it (copy of the answers, aggregation, drawing of every chart and the table, the charts'
// pictures as the display receives them).
#include <benchmark/benchmark.h>

#include <cmath>

#include "Classes/statistics/PlotView.h"
#include "Classes/statistics/StatCounter.h"
#include "Classes/statistics/StatGenerator.h"
#include "Classes/statistics/StatSummator.h"
#include "Classes/statistics/StatisticsClasses.h"
#include "Classes/statistics/StatisticsView.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Make.h"
#include "tests/support/StatisticsFixtures.h"

namespace {

using statistics_test::ErrorLogFixture;
using statistics_test::PracticeFixture;
using statistics_test::Try;

constexpr double kNow = 800000000;
constexpr double kYear = 31536000;

struct Histories {
    PracticeFixture practice;
    ErrorLogFixture errorLog;
};

const Histories& histories() {
    static const Histories built = [] {
        Histories h;
        auto attempts = [](int question) {
            std::vector<Try> tries;
            for (int i = 0; i < 10; ++i) {
                double date = kNow - kYear + std::fmod((question * 10 + i) * 2411.0, kYear);
                tries.push_back({date, 30.0 + (question + i) % 120, 1 + (question * 7 + i * 3) % 5});
            }
            return tries;
        };
        for (int q = 0; q < 10000; ++q) h.practice.addQuestion(1 + q % 6, 1 + q % 5, attempts(q));
        for (int q = 0; q < 3000; ++q)
            h.errorLog.addQuestion(1 + q % 6, 1 + (q / 6) % 5, attempts(q + 10000));
        return h;
    }();
    return built;
}

void compute(const Histories& h) {
    auto snapshot = StatSnapshot::take(h.practice.sets, h.errorLog.books);
    auto all = std::make_shared<const StatAggregator>(*snapshot, 0);
    const double period = all->coveredPeriod(fnd::Date(kNow));
    StatSummator mix;
    for (int type = 1; type <= 5; ++type) {
        auto curve = std::make_shared<StatGenerator>(std::make_shared<const StatAggregator>(*snapshot, type),
                                                     StatGenerator::cubicStatWeight);
        curve->setCoveredPeriod(period);
        curve->setNow(fnd::Date(kNow));
        mix.addGenerator(curve, 0.2f);
    }
    mix.setupWindow(700, 160);
    benchmark::DoNotOptimize(mix.lastValue());
    for (bool mean : {false, true}) {
        StatCounter counter(all);
        counter.setMean(mean);
        counter.setNow(fnd::Date(kNow));
        counter.setupWindow(700, 160);
        benchmark::DoNotOptimize(counter.lastValue());
    }
}

void BM_WholeStatistics(benchmark::State& state) {
    const auto& h = histories();
    for (auto _ : state) compute(h);
}
BENCHMARK(BM_WholeStatistics)->Unit(benchmark::kMillisecond);

void BM_SnapshotOnly(benchmark::State& state) {
    const auto& h = histories();
    for (auto _ : state) benchmark::DoNotOptimize(StatSnapshot::take(h.practice.sets, h.errorLog.books));
}
BENCHMARK(BM_SnapshotOnly)->Unit(benchmark::kMillisecond);

void BM_PanelAggregation(benchmark::State& state) {
    const auto& h = histories();
    auto snapshot = StatSnapshot::take(h.practice.sets, h.errorLog.books);
    for (auto _ : state)
        for (int type : {5, 4, 3, 1, 2, 0}) benchmark::DoNotOptimize(StatAggregator(*snapshot, type));
}
BENCHMARK(BM_PanelAggregation)->Unit(benchmark::kMillisecond);

void BM_WholePanel(benchmark::State& state) {
    const auto& h = histories();
    fnd::RunLoop::setMain(std::make_shared<fnd::RunLoop>());
    fnd::Paths::setResources(ORVA_SOURCE_RESOURCES);
    StatisticsClasses::registerAll();
    auto panel = ui::make<StatisticsView>(ui::Rect{});
    panel->setRepository(statistics_test::repositoryWith(h.practice, h.errorLog));
    for (auto _ : state) {
        auto before = panel->aggregator(StatisticsView::kAllField);
        panel->showStatistics();
        fnd::RunLoop::main().runUntil([&] { return panel->aggregator(StatisticsView::kAllField) != before; },
                                      60);
        // The pictures the display is sent.
        for (const auto& container : panel->subviews().front()->subviews())
            for (const auto& view : container->subviews())
                if (auto plot = std::dynamic_pointer_cast<PlotView>(view))
                    benchmark::DoNotOptimize(plot->drawing());
    }
    panel->stop();
    fnd::RunLoop::setMain(nullptr);
}
BENCHMARK(BM_WholePanel)->Unit(benchmark::kMillisecond);

}  // namespace
