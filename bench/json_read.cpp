// The JSON reader on the two kinds of text the program reads most.
//   BuiltInSets    the seven built-in question sets (about 1.7 MB), each read whole as a start does
//   ServiceReply   a service's reply of about 10 MB: records whose members come in no set order, with
//                  numbers, reals, flags, nulls, texts with escapes and accents, and nested lists
// Run pinned to a core (taskset -c N) and compare medians of repeated runs (--benchmark_repetitions).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/foundation/Json.h"

namespace {

const std::vector<std::string>& builtInSets() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> out;
        for (const auto& entry : std::filesystem::directory_iterator(
                 std::filesystem::path(ORVA_SOURCE_RESOURCES) / "question_sets")) {
            if (entry.path().extension() != ".json") continue;
            std::ifstream in(entry.path(), std::ios::binary);
            std::stringstream text;
            text << in.rdbuf();
            out.push_back(text.str());
        }
        return out;
    }();
    return texts;
}

// About `megabytes` MB of records as a synchronising or search service sends them.
std::string serviceReply(double megabytes) {
    std::string out = R"({"ok": true, "page": 1, "server": "sync-7", "records": [)";
    for (int i = 0; out.size() < megabytes * 1e6; ++i) {
        if (i) out += ',';
        std::string n = std::to_string(i);
        out += R"({"section": "PS)" + std::to_string(i % 12) + R"(", "id": )" + n +
               R"(, "created": "2024010)" + std::to_string(1 + i % 9) + R"(100130.250", "seconds": )" +
               std::to_string(30 + i % 200) + "." + std::to_string(i % 10) + R"(, "answer": ")" +
               char('A' + i % 5) + R"(", "guess": )" + (i % 3 ? "false" : "true") + R"(, "note": )" +
               (i % 7 ? R"("R\u00e9sum\u00e9 of attempt )" + n + R"(: \"careful\" reading\nsecond line")"
                      : std::string("null")) +
               R"(, "tags": ["algebra", "ratios", "caf\u00e9"], "scores": [)" + std::to_string(i % 51) +
               ", " + std::to_string(-(i % 17)) + R"(, 0.125], "history": {"tries": )" +
               std::to_string(i % 4) + R"(, "last": "20240102", "ok": true}})";
    }
    return out + "]}";
}

const std::string& tenMegabyteReply() {
    static const std::string text = serviceReply(10);
    return text;
}

void BuiltInSets(benchmark::State& state) {
    std::size_t bytes = 0;
    for (const std::string& text : builtInSets()) bytes += text.size();
    for (auto _ : state)
        for (const std::string& text : builtInSets()) {
            auto value = fnd::Json::parse(text);
            if (!value) state.SkipWithError("a built-in set does not read");
            benchmark::DoNotOptimize(value);
        }
    state.counters["MB"] = double(bytes) / 1e6;
}
BENCHMARK(BuiltInSets)->Unit(benchmark::kMillisecond);

void ServiceReply(benchmark::State& state) {
    const std::string& text = tenMegabyteReply();
    for (auto _ : state) {
        auto value = fnd::Json::parse(text);
        if (!value) state.SkipWithError("the reply does not read");
        benchmark::DoNotOptimize(value);
    }
    state.counters["MB"] = double(text.size()) / 1e6;
}
BENCHMARK(ServiceReply)->Unit(benchmark::kMillisecond);

}  // namespace
