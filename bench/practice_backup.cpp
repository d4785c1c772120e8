// The practice text backup of a long-time user: 100,000 answer records spread over the built-in
// sets (stand-in question files of the sets' full sizes, made up for timing only). Measured: the
// backup text built, its mail address escaped, the restore when every line is already there (each
// line matched to its question and checked against about a hundred records), and the restore into
// cleared histories. Each should stay well under a second.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "Classes/core/TextBackup.h"
#include "Classes/practice/MPracticeClasses.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/PracticeBackup.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/TimeZone.h"
#include "tests/support/LargeUserData.h"

namespace {

constexpr int kRecords = 100000;

struct Sample {
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("orvakit-bench-practice-backup-" + std::to_string(::getpid()));
    std::shared_ptr<MPracticeRepository> repository;
    std::string backup;

    Sample() {
        testing_support::writeStandInQuestionSets(folder / "resources");
        fnd::Paths::setResources(folder / "resources");
        fnd::Paths::setDocuments(folder);
        MPracticeClasses::registerAll();
        repository = MPracticeRepository::makeWithData();
        testing_support::addPracticeRecords(*repository, kRecords);
        backup = PracticeBackup::backupText(repository->qSets());
    }
    ~Sample() { std::filesystem::remove_all(folder); }
};

Sample& sample() {
    static Sample s;
    return s;
}

void BuildPracticeBackup(benchmark::State& state) {
    Sample& s = sample();
    std::size_t bytes = 0;
    for (auto _ : state) bytes = PracticeBackup::backupText(s.repository->qSets()).size();
    state.counters["MB"] = double(bytes) / 1e6;
}
BENCHMARK(BuildPracticeBackup)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void EscapePracticeBackupForMail(benchmark::State& state) {
    Sample& s = sample();
    for (auto _ : state) benchmark::DoNotOptimize(TextBackup::mailURL(s.backup));
}
BENCHMARK(EscapePracticeBackupForMail)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void RestorePracticeBackupAllDuplicates(benchmark::State& state) {
    Sample& s = sample();
    PracticeBackup::Counts counts;
    for (auto _ : state) counts = PracticeBackup::restore(s.repository->qSets(), s.backup);
    if (counts.found != kRecords || counts.added != 0) state.SkipWithError("not every line was a duplicate");
    state.counters["lines"] = counts.found;
}
BENCHMARK(RestorePracticeBackupAllDuplicates)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void RestorePracticeBackupIntoClearedHistories(benchmark::State& state) {
    Sample& s = sample();
    PracticeBackup::Counts counts;
    for (auto _ : state) {
        state.PauseTiming();
        for (const auto& set : s.repository->qSets())
            for (const auto& question : set->questions()) question->restoreHistory({});
        state.ResumeTiming();
        counts = PracticeBackup::restore(s.repository->qSets(), s.backup);
    }
    if (counts.added != kRecords) state.SkipWithError("records lost");
    state.counters["added"] = counts.added;
}
BENCHMARK(RestorePracticeBackupIntoClearedHistories)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
