// The card viewer on a large deck of the user's own: 2,000 cards of 50 showings each.
//   OpenAndLeaveViewer  the viewer made on the deck (its interface file, the first two cards and
//                       their pages, the first showing) and left (the known percentage computed
//                       over every showing), then closed
//   NextCardAllKnown    the card to come of an adaptive deck whose every card is known (its chance
//                       at the lowest): the draw that must neither hang nor crawl
// Each should stay under 10 ms.
#include <benchmark/benchmark.h>

#include <memory>

#include "Classes/flashcards/DeckVC.h"
#include "Classes/flashcards/MCustomFC.h"
#include "Classes/flashcards/MFlashcard.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Make.h"
#include "tests/support/BenchPhone.h"

namespace {

constexpr std::uint32_t kCards = 2000;
constexpr int kShowings = 50;

std::shared_ptr<MCustomFC> largeDeck(double probability) {
    auto deck = std::make_shared<MCustomFC>(4);
    for (std::uint32_t n = 1; n <= kCards; ++n) {
        auto card = std::make_shared<MFlashcard>(n, "Question " + std::to_string(n),
                                                 "Answer " + std::to_string(n), nullptr);
        for (int s = 0; s < kShowings; ++s) {
            card->addHRecordWithSessionID(DeckVC::kNoSession, 0);
            if (s % 3 == 0) card->addEstimation(1);
            card->next(true);
        }
        card->setProbabilityTbS(probability);
        deck->flashcards().push_back(card);
    }
    return deck;
}

void OpenAndLeaveViewer(benchmark::State& state) {
    testing_support::setUpBenchPhone();
    auto deck = largeDeck(1.0);
    for (auto _ : state) {
        auto viewer = ui::make<DeckVC>(deck);
        viewer->done(nullptr);
        viewer->close();
        benchmark::DoNotOptimize(deck->knownPercentage());
    }
}
BENCHMARK(OpenAndLeaveViewer)->Unit(benchmark::kMillisecond);

void NextCardAllKnown(benchmark::State& state) {
    testing_support::setUpBenchPhone();
    // Far below the lowest chance a draw can pass with: every card known many times over.
    auto deck = largeDeck(0.0);
    deck->setSequence(MDeck::kAdaptive);
    auto viewer = ui::make<DeckVC>(deck);
    for (auto _ : state) {
        viewer->getNextCard();
        benchmark::DoNotOptimize(viewer->nextCard());
    }
    viewer->close();
}
BENCHMARK(NextCardAllKnown)->Unit(benchmark::kMicrosecond);

}  // namespace
