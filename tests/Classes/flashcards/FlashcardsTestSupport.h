#pragma once
// Decks to study in the flashcards' tests: a user deck of n blank cards, a random source that
// plays back given numbers, and a round trip of the collection through the central archive's bytes.

#include <cstdint>
#include <memory>
#include <vector>

#include "Classes/flashcards/MCustomFC.h"
#include "Classes/flashcards/MFlashcards.h"
#include "tests/support/TestEnvironment.h"

namespace flashcards_test {

// A user deck with cards 1..count, each with the texts "Q<n>" and "A<n>".
std::shared_ptr<MCustomFC> deckWithCards(std::uint32_t count, std::uint32_t id = 4);

// Plays back the numbers in turn (and then from the start again), counting the draws.
struct ScriptedRandom {
    std::vector<std::uint32_t> numbers;
    std::size_t draws = 0;
    MDeck::RandomSource source() {
        return [this] { return numbers[draws++ % numbers.size()]; };
    }
};

// The collection written into a keyed archive under the repository's key, then read back into a
// new collection (a restart).
std::shared_ptr<MFlashcards> restart(const std::shared_ptr<MFlashcards>& flashcards);

class FlashcardsTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override;
};

}  // namespace flashcards_test
