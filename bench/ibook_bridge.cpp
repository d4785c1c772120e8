// The interactive book's page bridge: one run over a page of 50 questions in 5 groups (half of them
// official-guide questions, half the book's own, all answered) against the error log with 10
// attempts on each of its 3,008 questions, through a web view with a scripted engine. The run makes
// 57 evaluations, each a browser round trip of about 1 ms in the program; the goal is that the run's
// own work stays under a tenth of that, 5.7 ms.
#include <benchmark/benchmark.h>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "Classes/errorlog/MSection.h"
#include "Classes/library_store/IBookBridge.h"
#include "Classes/library_store/MIBHRecord.h"
#include "Classes/library_store/MIBIndex.h"
#include "Classes/library_store/MIBQuestion.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Make.h"
#include "platform/ui/WebView.h"
#include "tests/support/LargeUserData.h"
#include "tests/support/ScriptedWebEngine.h"

namespace {

constexpr int kGroups = 5;
constexpr int kPerGroup = 10;

struct Page {
    std::shared_ptr<MOGTrackerRepository> tracker;
    std::shared_ptr<MIBIndex> index = std::make_shared<MIBIndex>("Drills");
    std::shared_ptr<ui::WebView> web;
    std::string groups;

    Page() {
        AbstractAppDelegate::registerClasses();
        fnd::RunLoop::setMain(std::make_shared<fnd::RunLoop>(std::make_shared<fnd::RealClock>()));
        tracker = MOGTrackerRepository::initWithData();
        std::size_t questions = 0;
        for (const auto& book : tracker->books())
            for (const auto& section : book->sections()) questions += section->questions().size();
        testing_support::addTrackerAttempts(*tracker, static_cast<int>(questions) * 10);

        // Each group: five official-guide questions of the first book's second section, five of
        // the book's own.
        const auto& book = *tracker->books()[0];
        const auto& section = *book.sections()[1];
        for (int g = 0; g < kGroups; ++g) {
            if (g) groups += '|';
            for (int i = 0; i < kPerGroup; ++i) {
                if (i) groups += ',';
                int n = g * kPerGroup + i;
                if (i % 2 == 0) {
                    groups +=
                        *IBookBridge::officialGuideKey(book, section, *section.questions()[std::size_t(n)]);
                    continue;
                }
                auto question = std::make_shared<MIBQuestion>("Drills", "1", n, std::nullopt, std::nullopt);
                for (int a = 0; a < 10; ++a)
                    question->addIBHRecord(std::make_shared<MIBHRecord>(std::nullopt, 0, a % 3 != 0, "B"));
                index->addQuestion(question);
                groups += question->key();
            }
        }
        testing_support::ScriptedWebEngine::installForNewWebViews();
        web = ui::make<ui::WebView>(ui::Rect{0, 0, 320, 400});
        auto engine = std::dynamic_pointer_cast<testing_support::ScriptedWebEngine>(web->engine());
        engine->answerWith(
            [this](const std::string& script) { return script == "getData();" ? groups : "Ok"; });
        web->loadHTMLString("<p>Drills</p>", fnd::URL("about:blank"));
        fnd::RunLoop::main().runFor(0.1);
    }
};

void BM_BridgeRun(benchmark::State& state) {
    Page page;
    auto evaluate = [&page](const std::string& script) {
        return page.web->stringByEvaluatingJavaScript(script);
    };
    std::size_t scripts = 0;
    auto counting = [&](const std::string& script) {
        ++scripts;
        return evaluate(script);
    };
    for (auto _ : state) IBookBridge::run(counting, page.tracker->books(), page.index.get());
    if (scripts != std::size_t(state.iterations()) * 57)
        state.SkipWithError("the run did not make its 57 evaluations");
    state.counters["evaluations"] = 2 + kGroups * kPerGroup + kGroups;
}
BENCHMARK(BM_BridgeRun)->Unit(benchmark::kMillisecond);

// The part of a run that grows with the error log: the map of its answered questions.
void BM_AnsweredQuestionsMap(benchmark::State& state) {
    Page page;
    for (auto _ : state) benchmark::DoNotOptimize(IBookBridge::trackerQuestions(page.tracker->books(), true));
}
BENCHMARK(BM_AnsweredQuestionsMap)->Unit(benchmark::kMillisecond);

}  // namespace
