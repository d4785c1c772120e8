#pragma once
// The collection of every flashcard deck: the list the user sees (built-in, user, imported and
// shared decks, in the user's order), the shared decks that have no cards yet, and the counters
// from which new deck identifiers are drawn. The built-in decks are rebuilt at every start; the
// collection's state lives in one dictionary of the central archive, "flashcardsHistoryDict".
//
// Identifiers tell the kind of deck: 1-3 built-in, 4-26999 the user's, 27000-76999 imported,
// 77000 and up shared (77000 + index).

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/foundation/ArchiveValue.h"
#include "platform/foundation/Object.h"

namespace fnd {
class KeyedArchiver;
class KeyedUnarchiver;
}  // namespace fnd
class MDeck;
class MSharedDeck;

class MFlashcards : public fnd::Object {
  public:
    using Decks = std::vector<std::shared_ptr<MDeck>>;

    static constexpr const char* kArchiveKey = "flashcardsHistoryDict";
    static constexpr std::uint32_t kFirstCustomID = 4;
    static constexpr std::uint32_t kLastCustomID = 26999;
    static constexpr std::uint32_t kFirstQuizletID = 27000;
    static constexpr std::uint32_t kLastQuizletID = 76999;
    static constexpr std::uint32_t kFirstSharedID = 77000;

    // The built-in decks listed, both shared decks waiting, the counters at 3 and 27000.
    MFlashcards();
    // The classes of the flashcards' archive (the showing records).
    static void registerClasses();

    void populate();
    // A new blank deck of that kind at the end of the list; the counter of its range is raised.
    std::shared_ptr<MDeck> addCustomDeckWithID(std::uint32_t id);
    std::shared_ptr<MDeck> addQuizletDeckWithID(std::uint32_t id);
    // Moves the waiting shared deck with that identifier to the end of the list; null when none waits.
    std::shared_ptr<MDeck> addSharedDeckWithID(std::uint32_t id);
    // A card for the shared deck of that index; a waiting deck is listed first. Nothing happens
    // when no shared deck has that index.
    void addCardWithFaceHTMLText(std::string faceHTMLText, std::string backHTMLText,
                                 std::uint32_t sharedDeckIndex);
    // Raises the counter of the identifier's range (user or imported decks) to it when higher;
    // identifiers of other ranges raise nothing.
    void noteDeckIdentifier(std::uint32_t id);

    void fillHistoryDictionary(fnd::ArchiveDictionary& dictionary) const;
    void restoreHistory(const fnd::ArchiveDictionary& dictionary);
    // The collection's state under "flashcardsHistoryDict" of the central archive, and back: what
    // the repository calls when it is archived and read. Reading without the key changes nothing.
    void encodeWithCoder(fnd::KeyedArchiver& coder) const;
    void restoreFromCoder(fnd::KeyedUnarchiver& coder);

    // The listed deck with that identifier; null when none.
    std::shared_ptr<MDeck> deckWithID(std::uint32_t id) const;

    Decks& decks() { return decks_; }
    const Decks& decks() const { return decks_; }
    void setDecks(Decks decks) { decks_ = std::move(decks); }
    std::vector<std::shared_ptr<MSharedDeck>>& emptySharedDecks() { return emptySharedDecks_; }
    const std::vector<std::shared_ptr<MSharedDeck>>& emptySharedDecks() const { return emptySharedDecks_; }
    void setEmptySharedDecks(std::vector<std::shared_ptr<MSharedDeck>> decks) {
        emptySharedDecks_ = std::move(decks);
    }
    std::uint32_t lastID_forCustomDeck() const { return lastID_forCustomDeck_; }
    void setLastID_forCustomDeck(std::uint32_t id) { lastID_forCustomDeck_ = id; }
    std::uint32_t lastID_forQuizletDeck() const { return lastID_forQuizletDeck_; }
    void setLastID_forQuizletDeck(std::uint32_t id) { lastID_forQuizletDeck_ = id; }

  private:
    Decks decks_;
    std::uint32_t lastID_forCustomDeck_ = 0;
    std::uint32_t lastID_forQuizletDeck_ = kFirstQuizletID;
    std::vector<std::shared_ptr<MSharedDeck>> emptySharedDecks_;
};
