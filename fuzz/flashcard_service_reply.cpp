// Any bytes as a reply of the flashcard-sharing service: what is no JSON object gives no response;
// every set of a response becomes a deck whose cards are no more than its terms, and whose picture
// addresses are all absolute web addresses.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MQuizletDeck.h"
#include "Classes/flashcards/MQuizletResponse.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/URL.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool quiet = [] {
        fnd::Log::setSink([](fnd::Log::Level, std::string_view) {});
        return true;
    }();
    (void)quiet;
    auto response = MQuizletResponse::fromReply(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!response) return 0;
    for (const MQuizletSet& set : response->quizletSets()) {
        if (set.cardCount() > set.terms().size() || set.cardCount() > set.term_count()) std::abort();
        auto deck = std::make_shared<MQuizletDeck>(27001);
        set.fillDeck(*deck);
        if (deck->flashcards().size() != set.cardCount()) std::abort();
        for (const auto& card : deck->flashcards()) {
            if (!card->imageURL()) continue;
            std::string scheme = fnd::URL(*card->imageURL()).scheme();
            if (scheme != "http" && scheme != "https") std::abort();
        }
    }
    return 0;
}
