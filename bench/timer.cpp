// The timer's text backup of 1,000 kept sections of 41 answers each: writing the text, restoring
// it into an empty set, and beside them the bare scan of the answer-line pattern over the same
// text, which the restore cannot beat. The restore should stay under a second, the backup under
// a quarter of that. Also the size of the mail link the backup becomes.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "Classes/timer/MTimerRecord.h"
#include "Classes/timer/MTimerRecordSet.h"
#include "Classes/timer/TimerBackup.h"
#include "Classes/timer/TimerResultsVC.h"
#include "Ostrand_Library/Classes/Regex.h"

namespace {

constexpr int kSections = 1000;
constexpr int kAnswers = 41;

// Sections a week apart, answers 40 to 200 s apart with a few milliseconds, every letter, guess
// and grade in turn.
std::shared_ptr<MTimerRecordSet> keptSections() {
    auto set = std::make_shared<MTimerRecordSet>();
    const char* letters[] = {"A", "B", "C", "D", "E"};
    for (int s = 0; s < kSections; ++s) {
        auto r = MTimerRecord::makeVerbalType();
        r->setStatus(MTimerRecord::kFinished);
        if (s % 3 == 0) r->setCustomName("Mock test " + std::to_string(s));
        fnd::Date at(700000000.0 + s * 604800.0 + 0.125);
        r->dateStamps().push_back(at);
        for (int i = 0; i < kAnswers; ++i) {
            at = at.addingTimeInterval(40 + (s * 7 + i * 13) % 160 + 0.001 * (i % 997));
            r->dateStamps().push_back(at);
            r->userAnswers().push_back(letters[(s + i) % 5]);
            r->guesses().push_back((s + i) % 4 == 0);
            r->grades().push_back(1 + (s + i) % 3);
        }
        set->addTimerRecord(r);
    }
    return set;
}

const std::string& backupText() {
    static const std::string text = TimerBackup::exportText(*keptSections());
    return text;
}

void BM_Export(benchmark::State& state) {
    auto set = keptSections();
    std::size_t bytes = 0;
    for (auto _ : state) bytes = TimerBackup::exportText(*set).size();
    state.counters["text_bytes"] = double(bytes);
    state.counters["mail_link_bytes"] = double(TimerResultsVC::mailAddress(backupText()).size());
}
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond);

void BM_Restore(benchmark::State& state) {
    const std::string& text = backupText();
    int restored = 0;
    for (auto _ : state) {
        MTimerRecordSet set;
        restored = TimerBackup::importText(text, set).imported;
        benchmark::DoNotOptimize(set);
    }
    state.counters["answers"] = restored;
}
BENCHMARK(BM_Restore)->Unit(benchmark::kMillisecond);

void BM_PatternScan(benchmark::State& state) {
    const std::string& text = backupText();
    std::size_t lines = 0;
    for (auto _ : state)
        lines =
            ostrand::Regex::allMatchGroups(text, TimerBackup::kLinePattern, ostrand::RegexOptions::MultiLine)
                .size();
    state.counters["lines"] = double(lines);
}
BENCHMARK(BM_PatternScan)->Unit(benchmark::kMillisecond);

}  // namespace
