#include "Classes/flashcards/MFlashcards.h"

#include <algorithm>
#include <set>

#include "Classes/flashcards/MBooksFC.h"
#include "Classes/flashcards/MCustomFC.h"
#include "Classes/flashcards/MDictionaryFC.h"
#include "Classes/flashcards/MFlashcardHRecord.h"
#include "Classes/flashcards/MHistoryEntry.h"
#include "Classes/flashcards/MIdiomsFC.h"
#include "Classes/flashcards/MQuizletDeck.h"
#include "Classes/flashcards/MVessarkFC.h"
#include "Classes/flashcards/MVoicesFC.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

MFlashcards::MFlashcards() { populate(); }

void MFlashcards::registerClasses() {
    fnd::ClassRegistry::shared().registerClass<MFlashcardHRecord>("MFlashcardHRecord");
}

void MFlashcards::populate() {
    for (std::shared_ptr<MDeck> deck : {std::shared_ptr<MDeck>(std::make_shared<MVessarkFC>()),
                                        std::shared_ptr<MDeck>(std::make_shared<MIdiomsFC>()),
                                        std::shared_ptr<MDeck>(std::make_shared<MVoicesFC>())}) {
        decks_.push_back(deck);
        lastID_forCustomDeck_ = std::max(lastID_forCustomDeck_, deck->ID());
    }
    emptySharedDecks_.push_back(std::make_shared<MDictionaryFC>());
    emptySharedDecks_.push_back(std::make_shared<MBooksFC>());
}

void MFlashcards::noteDeckIdentifier(std::uint32_t id) {
    // Each counter is raised only from its own range: a counter that jumped into another range
    // would hand out identifiers of the wrong kind, or twice.
    if (id >= kFirstCustomID && id <= kLastCustomID)
        lastID_forCustomDeck_ = std::max(lastID_forCustomDeck_, id);
    else if (id >= kFirstQuizletID && id <= kLastQuizletID)
        lastID_forQuizletDeck_ = std::max(lastID_forQuizletDeck_, id);
}

std::shared_ptr<MDeck> MFlashcards::addCustomDeckWithID(std::uint32_t id) {
    auto deck = std::make_shared<MCustomFC>(id);
    decks_.push_back(deck);
    noteDeckIdentifier(id);
    return deck;
}

std::shared_ptr<MDeck> MFlashcards::addQuizletDeckWithID(std::uint32_t id) {
    auto deck = std::make_shared<MQuizletDeck>(id);
    decks_.push_back(deck);
    noteDeckIdentifier(id);
    return deck;
}

std::shared_ptr<MDeck> MFlashcards::addSharedDeckWithID(std::uint32_t id) {
    auto waiting = std::find_if(emptySharedDecks_.begin(), emptySharedDecks_.end(),
                                [id](const auto& deck) { return deck->ID() == id; });
    if (waiting == emptySharedDecks_.end()) return nullptr;
    std::shared_ptr<MDeck> deck = *waiting;
    emptySharedDecks_.erase(waiting);
    decks_.push_back(deck);
    return deck;
}

void MFlashcards::addCardWithFaceHTMLText(std::string faceHTMLText, std::string backHTMLText,
                                          std::uint32_t sharedDeckIndex) {
    std::uint32_t id = kFirstSharedID + sharedDeckIndex;
    auto deck = std::dynamic_pointer_cast<MSharedDeck>(addSharedDeckWithID(id));
    if (!deck) deck = std::dynamic_pointer_cast<MSharedDeck>(deckWithID(id));
    if (deck) deck->addCardWithFaceHTMLText(std::move(faceHTMLText), std::move(backHTMLText));
}

std::shared_ptr<MDeck> MFlashcards::deckWithID(std::uint32_t id) const {
    auto found =
        std::find_if(decks_.begin(), decks_.end(), [id](const auto& deck) { return deck->ID() == id; });
    return found == decks_.end() ? nullptr : *found;
}

void MFlashcards::fillHistoryDictionary(fnd::ArchiveDictionary& dictionary) const {
    dictionary["decksCount"] = fnd::ArchiveValue::unsignedInteger(decks_.size());
    std::vector<std::uint32_t> arrangement;
    for (const auto& deck : decks_) {
        arrangement.push_back(deck->ID());
        deck->fillHistoryDictionary(dictionary);
    }
    if (!arrangement.empty()) dictionary["DecksArrangement"] = MHistoryEntry::identifierArray(arrangement);
    dictionary["lastID_forCustomDeck"] = fnd::ArchiveValue::unsignedInteger(lastID_forCustomDeck_);
    dictionary["lastID_forQuizletDeck"] = fnd::ArchiveValue::unsignedInteger(lastID_forQuizletDeck_);
}

void MFlashcards::restoreHistory(const fnd::ArchiveDictionary& dictionary) {
    std::vector<std::uint32_t> arrangement = MHistoryEntry::identifiers(dictionary, "DecksArrangement");
    if (!arrangement.empty()) {
        Decks listed;
        std::set<std::uint32_t> taken;
        for (std::uint32_t id : arrangement) {
            // An identifier listed twice, or one that names no deck that can be made, is skipped.
            if (taken.count(id)) continue;
            std::shared_ptr<MDeck> deck = deckWithID(id);
            if (!deck) {
                if (id >= kFirstCustomID && id <= kLastCustomID)
                    deck = addCustomDeckWithID(id);
                else if (id >= kFirstQuizletID && id <= kLastQuizletID)
                    deck = addQuizletDeckWithID(id);
                else if (id >= kFirstSharedID)
                    deck = addSharedDeckWithID(id);
            }
            if (!deck) continue;
            taken.insert(id);
            listed.push_back(deck);
        }
        // Decks the stored list did not hold (a built-in deck, say) follow in their current order.
        for (const auto& deck : decks_)
            if (!taken.count(deck->ID())) listed.push_back(deck);
        decks_ = std::move(listed);
    }
    for (const auto& deck : decks_) deck->restoreHistory(dictionary);
    if (auto counter = MHistoryEntry::unsigned32(dictionary, "lastID_forCustomDeck"))
        lastID_forCustomDeck_ = *counter;
    if (auto counter = MHistoryEntry::unsigned32(dictionary, "lastID_forQuizletDeck"))
        lastID_forQuizletDeck_ = *counter;
}

void MFlashcards::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    auto dictionary = fnd::ArchiveValue::makeDictionary();
    fillHistoryDictionary(*dictionary);
    coder.encodeObject(kArchiveKey, dictionary);
}

void MFlashcards::restoreFromCoder(fnd::KeyedUnarchiver& coder) {
    if (!coder.containsValueForKey(kArchiveKey)) return;
    if (auto dictionary = coder.decodeDictionary(kArchiveKey)) restoreHistory(*dictionary);
}
