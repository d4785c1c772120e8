// The practice screens' own work: building the question page of the question with the longest
// passage of the shipped sets, keyword marks on (the page a question change loads), and what one
// row of the filter editor computes (a set's answer bar, a criterion's count over every set). The
// row's costs grow with the number of questions: per question they are the same at any size.
#include <benchmark/benchmark.h>

#include "Classes/practice/MKeyWordsSet.h"
#include "Classes/practice/MPracticeClasses.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQFilterItem.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetBlock.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/QuestionPage.h"
#include "Classes/practice/SetsFilterRows.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/Unicode.h"

namespace {

std::shared_ptr<MPracticeRepository> shipped() {
    static std::shared_ptr<MPracticeRepository> fresh = [] {
        fnd::Paths::setResources(ORVA_SOURCE_RESOURCES);
        MPracticeClasses::registerAll();
        return MPracticeRepository::makeWithData();
    }();
    return fresh;
}

std::shared_ptr<MQSetQuestion> longestPassageQuestion() {
    std::shared_ptr<MQSetQuestion> longest;
    std::size_t length = 0;
    for (const auto& set : shipped()->qSets())
        for (const auto& q : set->questions()) {
            std::size_t n = q->block() ? fnd::utf16Length(q->block()->commonText().value_or("")) : 0;
            if (!longest || n > length) longest = q, length = n;
        }
    return longest;
}

void BuildQuestionPage(benchmark::State& state) {
    auto q = longestPassageQuestion();
    QuestionPage::Inputs in;
    in.question = q.get();
    in.device = state.range(0) ? QuestionPage::tablet() : QuestionPage::phone();
    in.unanswered = true;
    in.fullPassage = true;
    in.imageSuffix = "@2x";
    in.keyWords = shipped()->keyWordsSet().get();
    in.keyWordsActive = true;
    std::size_t bytes = 0;
    for (auto _ : state) bytes = QuestionPage::page(in).size();
    state.counters["page bytes"] = double(bytes);
}
BENCHMARK(BuildQuestionPage)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void SetRowBar(benchmark::State& state) {
    std::shared_ptr<MQSet> largest;
    for (const auto& set : shipped()->qSets())
        if (!largest || set->questions().size() > largest->questions().size()) largest = set;
    for (auto _ : state)
        benchmark::DoNotOptimize(SetsFilterRows::bar(*largest, 210, SetsFilterRows::kPhoneThresholds));
}
BENCHMARK(SetRowBar)->Unit(benchmark::kMicrosecond);

void CriterionRowCount(benchmark::State& state) {
    MQFilterItem item("Algebra", std::nullopt, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(SetsFilterRows::count(SetsFilterRows::kTags, 0, item, shipped()->qSets()));
}
BENCHMARK(CriterionRowCount)->Unit(benchmark::kMicrosecond);

}  // namespace
