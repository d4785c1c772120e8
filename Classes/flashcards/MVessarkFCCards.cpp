#include "Classes/flashcards/MVessarkFCCards.h"

#include "Classes/flashcards/MBuiltInDeckData.h"
#include "Classes/flashcards/MDeck.h"
#include "Classes/flashcards/MFlashcard.h"
#include "platform/foundation/Log.h"

void MVessarkFCCards::fillDeck(MDeck& deck) {
    std::vector<std::string> problems;
    for (auto& card : MBuiltInDeckData::quantCards(&problems))
        deck.flashcards().push_back(
            std::make_shared<MFlashcard>(card.id, std::move(card.face), std::move(card.back), nullptr));
    for (const auto& problem : problems) fnd::Log::error(problem);
}
