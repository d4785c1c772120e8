// The three built-in flashcard decks (388 cards) as every start builds them on the loading
// thread: their data files read and parsed, each card's text put together, the styles made.
#include <benchmark/benchmark.h>

#include "Classes/flashcards/MIdiomsFC.h"
#include "Classes/flashcards/MVessarkFC.h"
#include "Classes/flashcards/MVoicesFC.h"
#include "platform/foundation/Paths.h"

namespace {

void BM_BuiltInDecks(benchmark::State& state) {
    fnd::Paths::setResources(ORVA_SOURCE_RESOURCES);
    for (auto _ : state) {
        MVessarkFC quant;
        MIdiomsFC idioms;
        MVoicesFC voices;
        benchmark::DoNotOptimize(quant.flashcards().size() + idioms.flashcards().size() +
                                 voices.flashcards().size());
    }
}
BENCHMARK(BM_BuiltInDecks)->Unit(benchmark::kMillisecond);

}  // namespace
