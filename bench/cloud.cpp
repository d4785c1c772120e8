// The error log's concept cloud and text restore:
// - the layout of all 146 texts of the concept vocabulary, sized by their question counts over the
//   six books, in the phone's and the tablet's cloud (tag creation and the labels' moves included;
//   the goal is under 5 ms);
// - a drawing of the cloud screen over the six books with synthetic keys (test data) and attempts;
// - the restore of a backup of 30,000 attempts into cleared books.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <numeric>

#include "Classes/core/MRepository.h"
#include "Classes/core/ToolChooseVC.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/errorlog/BooksBackup.h"
#include "Classes/errorlog/CloudVC.h"
#include "Classes/errorlog/ConceptTags.h"
#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MCloud.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/Random.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"
#include "platform/ui/Make.h"
#include "platform/ui/Window.h"
#include "tests/support/HomeScreenLaunch.h"
#include "tests/support/LargeUserData.h"
#include "tests/support/SyntheticAnswerKeys.h"

namespace {

constexpr int kAttempts = 30000;

class StillDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {}
};

// The home screen over the six books with synthetic keys and 30,000 attempts.
struct Setting {
    std::shared_ptr<MRepository> rep;
    std::shared_ptr<ToolChooseVC> home;

    Setting() {
        auto folder = std::filesystem::temp_directory_path() / "orvakit-bench-cloud";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        fnd::Paths::setDocuments(folder);
        errorlog_test::writeSyntheticKeys(folder / "AnswerKeys");
        fnd::RunLoop::setMain(std::make_shared<fnd::RunLoop>(std::make_shared<fnd::RealClock>()));
        ui::Device::current().reset(ui::Idiom::Phone);
        auto delegate = std::make_shared<StillDelegate>();
        ui::Application::shared().launch(delegate);
        ui::Application::shared().windows().front()->makeKeyAndVisible();
        rep = MRepository::makeWithData();
        rep->setDoNotShowTips(true);
        rep->setFeedbackOpenCounter(1);
        testing_support::addTrackerAttempts(*rep->trackerRep(), kAttempts);
        home = testing_support::showHomeScreen(*delegate, rep);
    }
};

Setting& setting() {
    static Setting instance;
    return instance;
}

void BM_OptimazeVocabulary(benchmark::State& state) {
    setting();
    ui::Size size = state.range(0) == 0 ? ui::Size{320, 460 - CloudVC::kChromeHeight} : ui::Size{768, 853};
    float maxFont = state.range(0) == 0 ? 18 : 36;
    // A text that serves two kinds of question is one tag: its counts add up.
    std::map<std::string, int> counts;
    for (const auto& e : ConceptTags::entries())
        counts[e.text] += std::accumulate(e.questionsPerBook.begin(), e.questionsPerBook.end(), 0);
    int most = 0;
    for (const auto& [text, n] : counts) most = std::max(most, n);
    fnd::Random::seed(5);
    for (auto _ : state) {
        MCloud cloud(size);
        for (const auto& [text, n] : counts) {
            float font = std::max(7.0f, float(int(maxFont * std::cbrt(double(n) / most))));
            ui::Point at{30.0 + fnd::Random::next32() % 260u, 30.0 + fnd::Random::next32() % 260u};
            cloud.addTagAtPoint(at, font, 1.0f, ui::Color::whiteColor(), text);
        }
        cloud.optimazeTags();
        benchmark::DoNotOptimize(cloud.tags().back()->center());
    }
    state.counters["tags"] = double(counts.size());
}
BENCHMARK(BM_OptimazeVocabulary)->Arg(0)->Arg(1)->ArgNames({"tablet"})->Unit(benchmark::kMillisecond);

void BM_ShowCloudOverSixBooks(benchmark::State& state) {
    Setting& s = setting();
    auto screen = ui::make<CloudVC>(s.rep->books());
    for (auto _ : state) {
        screen->changeColor();  // a new cloud, drawn and laid out
        benchmark::DoNotOptimize(screen->cloud()->tags().size());
    }
    state.counters["tags"] = double(screen->cloud()->tags().size());
    screen->close();
}
BENCHMARK(BM_ShowCloudOverSixBooks)->Unit(benchmark::kMillisecond);

void BM_Restore30000Lines(benchmark::State& state) {
    Setting& s = setting();
    const auto& books = s.rep->books();
    std::string backup = BooksBackup::backupText(books);
    BooksBackup::Counts counts;
    for (auto _ : state) {
        state.PauseTiming();
        for (const auto& book : books) book->clearHistory();
        state.ResumeTiming();
        counts = BooksBackup::restore(books, backup);
    }
    state.counters["lines"] = counts.found;
    state.counters["added"] = counts.added;
    state.counters["bytes"] = double(backup.size());
}
BENCHMARK(BM_Restore30000Lines)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
