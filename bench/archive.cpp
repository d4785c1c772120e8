// Saving and loading a repository-like graph of 200,000 small records (a few integers, a double, a
// string and a date each, in arrays inside a dictionary), all on the same bytes: encode + atomic
// write, read + decode, our bare property-list parse (the floor), and Python's plistlib reading the
// same file (the tool a user would reach for).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/foundation/AtomicFile.h"
#include "platform/foundation/BinaryPropertyListReader.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/Coding.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

namespace {

constexpr int kSections = 2000;
constexpr int kRecordsPerSection = 100;

class Record : public fnd::Object, public fnd::Coding {
  public:
    std::int32_t number = 0, answer = 0, tries = 0;
    double seconds = 0;
    std::string name;
    fnd::Date date;

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override {
        coder.encodeInt32("kNumber", number);
        coder.encodeInt32("kAnswer", answer);
        coder.encodeInt32("kTries", tries);
        coder.encodeDouble("kTime", seconds);
        coder.encodeString("kName", name);
        coder.encodeDate("kDate", date);
    }
    void initWithCoder(fnd::KeyedUnarchiver& coder) override {
        number = coder.decodeInt32("kNumber");
        answer = coder.decodeInt32("kAnswer");
        tries = coder.decodeInt32("kTries");
        seconds = coder.decodeDouble("kTime");
        name = coder.decodeString("kName").value_or("");
        date = coder.decodeDate("kDate").value_or(fnd::Date());
    }
};

class Repository : public fnd::Object, public fnd::Coding {
  public:
    std::map<std::string, std::vector<std::shared_ptr<Record>>> sections;

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override {
        auto dictionary = fnd::ArchiveValue::makeDictionary();
        for (const auto& [key, records] : sections) {
            auto list = fnd::ArchiveValue::makeArray();
            list->reserve(records.size());
            for (const auto& r : records) list->push_back(r);
            dictionary->emplace(key, std::move(list));
        }
        coder.encodeObject("kSections", dictionary);
    }
    void initWithCoder(fnd::KeyedUnarchiver& coder) override {
        auto dictionary = coder.decodeDictionary("kSections");
        if (!dictionary) return;
        for (const auto& [key, value] : *dictionary) {
            auto list = value.array();
            if (!list || !key.string()) continue;
            auto& records = sections[*key.string()];
            records.reserve(list->size());
            for (const auto& item : *list)
                if (auto r = item.object<Record>()) records.push_back(std::move(r));
        }
    }
};

std::shared_ptr<Repository> makeRepository() {
    auto& registry = fnd::ClassRegistry::shared();
    registry.registerClass<Record>("BenchRecord");
    registry.registerClass<Repository>("BenchRepository");
    auto repository = std::make_shared<Repository>();
    int n = 0;
    for (int s = 0; s < kSections; ++s) {
        auto& records = repository->sections["section" + std::to_string(s)];
        for (int i = 0; i < kRecordsPerSection; ++i, ++n) {
            auto r = std::make_shared<Record>();
            r->number = n;
            r->answer = n % 5;
            r->tries = n % 3;
            r->seconds = 30.0 + n * 0.125;
            r->name = "Question " + std::to_string(n);
            r->date = fnd::Date(700000000.0 + n * 61.5);
            records.push_back(std::move(r));
        }
    }
    return repository;
}

// The graph, its file and its bytes, made once for all the benchmarks.
struct Sample {
    std::shared_ptr<Repository> repository = makeRepository();
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("orvakit-bench-archive-" + std::to_string(::getpid()));
    std::filesystem::path file = folder / "Repository";
    fnd::Bytes bytes;

    Sample() {
        std::filesystem::create_directories(folder);
        bytes = fnd::KeyedArchiver::archive("kRepository", repository).value();
        fnd::AtomicFile::write(file, bytes);
    }
    ~Sample() { std::filesystem::remove_all(folder); }
};

Sample& sample() {
    static Sample s;
    return s;
}

fnd::Bytes readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    fnd::Bytes bytes(std::filesystem::file_size(path));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void EncodeAndWrite(benchmark::State& state) {
    Sample& s = sample();
    for (auto _ : state) {
        auto bytes = fnd::KeyedArchiver::archive("kRepository", s.repository);
        auto saved = fnd::AtomicFile::write(s.folder / "Written", *bytes);
        if (!saved) state.SkipWithError(saved.error.c_str());
    }
    state.counters["MB"] = static_cast<double>(s.bytes.size()) / 1e6;
}
BENCHMARK(EncodeAndWrite)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void EncodeOnly(benchmark::State& state) {
    Sample& s = sample();
    for (auto _ : state) benchmark::DoNotOptimize(fnd::KeyedArchiver::archive("kRepository", s.repository));
}
BENCHMARK(EncodeOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BareParse(benchmark::State& state) {
    Sample& s = sample();
    for (auto _ : state) {
        auto bytes = readFile(s.file);
        benchmark::DoNotOptimize(fnd::BinaryPropertyListReader::read(bytes));
    }
}
BENCHMARK(BareParse)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void ReadAndDecode(benchmark::State& state) {
    Sample& s = sample();
    std::size_t records = 0;
    for (auto _ : state) {
        auto bytes = readFile(s.file);
        fnd::KeyedUnarchiver in(bytes);
        auto repository = in.decodeObjectOfClass<Repository>("kRepository");
        records = 0;
        for (const auto& [key, list] : repository->sections) records += list.size();
    }
    if (records != static_cast<std::size_t>(kSections * kRecordsPerSection))
        state.SkipWithError("records lost");
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(ReadAndDecode)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Python's plistlib loading the same file, timed inside the interpreter (start-up excluded).
void PythonPlistlib(benchmark::State& state) {
    Sample& s = sample();
    std::string command =
        "python3 -c 'import plistlib, sys, time\n"
        "t = time.perf_counter()\n"
        "with open(sys.argv[1], \"rb\") as f: plistlib.load(f)\n"
        "print(time.perf_counter() - t)' " +
        s.file.string();
    for (auto _ : state) {
        FILE* pipe = ::popen(command.c_str(), "r");
        double seconds = -1;
        if (!pipe || std::fscanf(pipe, "%lf", &seconds) != 1) seconds = -1;
        if (pipe) ::pclose(pipe);
        if (seconds < 0) {
            state.SkipWithError("python3 with plistlib did not run");
            break;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(PythonPlistlib)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace
