// Loading and saving the practice repository with 100,000 answer records spread over the built-in
// sets. The built-in sets are built from stand-in data files of the sets' full sizes (992 questions,
// made up here for timing only, never shipped), so the history dictionary has its real shape:
// about 100 records under each of 992 question keys. Load is read + decode + rebuilding the
// built-in sets + putting histories and sessions back + the work set; save is encode + atomic write.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "Classes/practice/MPracticeClasses.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetQuestion.h"
#include "platform/foundation/AtomicFile.h"
#include "platform/foundation/BinaryPropertyListReader.h"
#include "platform/foundation/BinaryPropertyListWriter.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/Paths.h"
#include "tests/support/LargeUserData.h"

namespace {

constexpr int kRecords = 100000;

struct Sample {
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("orvakit-bench-practice-" + std::to_string(::getpid()));
    std::filesystem::path file = folder / "PracticeRepository";
    std::size_t bytes = 0;

    Sample() {
        testing_support::writeStandInQuestionSets(folder / "resources");
        fnd::Paths::setResources(folder / "resources");
        fnd::Paths::setDocuments(folder);
        MPracticeClasses::registerAll();
        auto repository = MPracticeRepository::makeWithData();
        testing_support::addPracticeRecords(*repository, kRecords);
        auto archive = fnd::KeyedArchiver::archive("kRepository", repository).value();
        bytes = archive.size();
        fnd::AtomicFile::write(file, archive);
    }
    ~Sample() { std::filesystem::remove_all(folder); }

    fnd::Bytes bytesOfFile() const {
        std::ifstream in(file, std::ios::binary);
        fnd::Bytes data(std::filesystem::file_size(file));
        in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size()));
        return data;
    }

    std::shared_ptr<MPracticeRepository> load() const {
        return fnd::KeyedUnarchiver::unarchive(bytesOfFile(), "kRepository").object<MPracticeRepository>();
    }
};

Sample& sample() {
    static Sample s;
    return s;
}

std::size_t countRecords(const MPracticeRepository& repository) {
    std::size_t n = 0;
    for (const auto& set : repository.qSets())
        for (const auto& q : set->questions()) n += q->history().size();
    return n;
}

void LoadPracticeRepository(benchmark::State& state) {
    Sample& s = sample();
    std::size_t records = 0;
    for (auto _ : state) {
        auto repository = s.load();
        records = repository ? countRecords(*repository) : 0;
        // The program keeps what it loaded: letting go of it is no part of a load.
        state.PauseTiming();
        repository.reset();
        state.ResumeTiming();
    }
    if (records != static_cast<std::size_t>(kRecords)) state.SkipWithError("records lost");
    state.counters["records"] = static_cast<double>(records);
    state.counters["MB"] = static_cast<double>(s.bytes) / 1e6;
}
BENCHMARK(LoadPracticeRepository)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The floor of a load: the file read and parsed into its property list, nothing decoded.
void BareParsePracticeRepository(benchmark::State& state) {
    Sample& s = sample();
    for (auto _ : state) {
        auto list = fnd::BinaryPropertyListReader::read(s.bytesOfFile());
        benchmark::DoNotOptimize(list);
        state.PauseTiming();  // as for the load, letting go is not timed
        list.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BareParsePracticeRepository)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void SavePracticeRepository(benchmark::State& state) {
    Sample& s = sample();
    auto repository = s.load();
    for (auto _ : state) {
        auto archive = fnd::KeyedArchiver::archive("kRepository", repository);
        auto saved = fnd::AtomicFile::write(s.folder / "Written", *archive);
        if (!saved) state.SkipWithError(saved.error.c_str());
    }
}
BENCHMARK(SavePracticeRepository)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void FreshPracticeData(benchmark::State& state) {
    sample();
    for (auto _ : state) benchmark::DoNotOptimize(MPracticeRepository::makeWithData());
}
BENCHMARK(FreshPracticeData)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

namespace {

// Closing the practice tool as the program does: the copy taken on the main thread, then archived
// and written on the saving thread.
void SnapshotPracticeOnMainThread(benchmark::State& state) {
    Sample& s = sample();
    auto repository = s.load();
    for (auto _ : state) benchmark::DoNotOptimize(repository->snapshotForSave());
}
BENCHMARK(SnapshotPracticeOnMainThread)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A snapshot is archived once, so each run takes a new one, untimed.
void ArchiveSnapshotOnSavingThread(benchmark::State& state) {
    Sample& s = sample();
    auto repository = s.load();
    for (auto _ : state) {
        state.PauseTiming();
        auto snapshot = repository->snapshotForSave();
        state.ResumeTiming();
        benchmark::DoNotOptimize(snapshot.archive());
    }
}
BENCHMARK(ArchiveSnapshotOnSavingThread)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

namespace {

// The heap the process holds (bytes in use by malloc), sampled on a thread of its own while the
// practice tool's closing save runs: the snapshot taken, archived and written. Reported as the
// heap before, the highest it rose to, and after.
class HeapWatch {
  public:
    HeapWatch() : before_(inUse()), peak_(before_) {
        thread_ = std::thread([this] {
            while (!done_.load()) {
                peak_ = std::max(peak_.load(), inUse());
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        });
    }
    ~HeapWatch() { stop(); }
    void stop() {
        if (done_.exchange(true)) return;
        thread_.join();
        peak_ = std::max(peak_.load(), inUse());
    }
    static std::size_t inUse() {
        struct mallinfo2 info = mallinfo2();
        return info.uordblks + info.hblkhd;
    }
    double beforeMB() const { return static_cast<double>(before_) / 1e6; }
    double peakMB() const { return static_cast<double>(peak_.load()) / 1e6; }

  private:
    std::size_t before_;
    std::atomic<std::size_t> peak_;
    std::atomic<bool> done_{false};
    std::thread thread_;
};

// As the program saves when no other write is under way: the copy archived straight into the file;
// or, with `inMemory`, as when it is, the archive made whole and then written.
void heapOfClosingSave(benchmark::State& state, bool inMemory) {
    Sample& s = sample();
    auto repository = s.load();
    double before = 0, peak = 0, after = 0;
    for (auto _ : state) {
        HeapWatch watch;
        {
            auto snapshot = repository->snapshotForSave();
            fnd::AtomicFile::Result saved;
            if (inMemory) {
                auto archive = snapshot.archive();
                saved = fnd::AtomicFile::write(s.folder / "Written", *archive);
            } else {
                saved = fnd::AtomicFile::writeProduced(s.folder / "Written", snapshot.encode);
            }
            if (!saved) state.SkipWithError(saved.error.c_str());
        }
        watch.stop();
        before = watch.beforeMB();
        peak = watch.peakMB();
        after = static_cast<double>(HeapWatch::inUse()) / 1e6;
    }
    state.counters["heap_before_MB"] = before;
    state.counters["heap_peak_MB"] = peak;
    state.counters["heap_after_MB"] = after;
}

// The same watch over loading the practice file (read, parsed and decoded), which the program does
// while it starts beside its other files.
void HeapOfPracticeLoad(benchmark::State& state) {
    Sample& s = sample();
    double before = 0, peak = 0;
    for (auto _ : state) {
        HeapWatch watch;
        {
            auto repository = s.load();
            watch.stop();
            before = watch.beforeMB();
            peak = watch.peakMB();
            state.counters["heap_loaded_MB"] = static_cast<double>(HeapWatch::inUse()) / 1e6;
        }
    }
    state.counters["heap_before_MB"] = before;
    state.counters["heap_peak_MB"] = peak;
}
BENCHMARK(HeapOfPracticeLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

void HeapOfClosingSave(benchmark::State& state) { heapOfClosingSave(state, false); }
void HeapOfClosingSaveInMemory(benchmark::State& state) { heapOfClosingSave(state, true); }
BENCHMARK(HeapOfClosingSaveInMemory)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(HeapOfClosingSave)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
