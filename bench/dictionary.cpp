// The dictionary's own service over the installed dictd data (dict-wn and FreeDict's
// English-French): the first lookup, which reads the WordNet index, and later lookups, built in
// the program and asked for over HTTP on the loopback interface as the panel asks. The goal for a
// lookup is 5 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Classes/study_aids/DictionaryPage.h"
#include "Classes/study_aids/DictionaryService.h"
#include "platform/foundation/URLSession.h"

namespace {

const std::vector<std::string> kWords{"house",   "ratio",       "serendipity", "running",  "integers",
                                      "quickly", "probability", "tables",      "estimate", "argument"};

bool installed() {
    return std::filesystem::exists(std::filesystem::path(DictionaryService::kDefaultDataFolder) / "wn.index");
}

void FirstLoad(benchmark::State& state) {
    if (!installed()) return state.SkipWithError("dict-wn is not installed");
    for (auto _ : state) {
        DictionaryService service(DictionaryService::kDefaultDataFolder);
        benchmark::DoNotOptimize(service.definitions("house"));
    }
}
BENCHMARK(FirstLoad)->Iterations(3)->Unit(benchmark::kMillisecond);

void Definitions(benchmark::State& state) {
    if (!installed()) return state.SkipWithError("dict-wn is not installed");
    DictionaryService service(DictionaryService::kDefaultDataFolder);
    service.definitions("warm");
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(service.definitions(kWords[i++ % kWords.size()]));
}
BENCHMARK(Definitions)->Unit(benchmark::kMicrosecond);

void OverHTTP(benchmark::State& state, bool translation) {
    if (!installed()) return state.SkipWithError("dict-wn is not installed");
    DictionaryService service(DictionaryService::kDefaultDataFolder);
    if (!service.start()) return state.SkipWithError("the service did not start");
    fnd::URLSession session;
    auto address = [&](const std::string& word) {
        return translation ? DictionaryPage::translatorAddress(service.address(), "fr", word)
                           : DictionaryPage::definitionsAddress(service.address(), word);
    };
    session.loadSynchronously(fnd::URLRequest(fnd::URL(address("warm"))));
    std::size_t i = 0;
    for (auto _ : state) {
        auto result =
            session.loadSynchronously(fnd::URLRequest(fnd::URL(address(kWords[i++ % kWords.size()]))));
        if (!result.succeeded()) return state.SkipWithError("a lookup failed");
    }
}
void DefinitionsOverHTTP(benchmark::State& state) { OverHTTP(state, false); }
void TranslationOverHTTP(benchmark::State& state) { OverHTTP(state, true); }
BENCHMARK(DefinitionsOverHTTP)->Unit(benchmark::kMillisecond);
BENCHMARK(TranslationOverHTTP)->Unit(benchmark::kMillisecond);

}  // namespace
