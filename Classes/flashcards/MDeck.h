#pragma once
// The base of every flashcard deck: its description, its cards in deck order, and the state of
// studying it. It picks the next card to show in one of two sequences: ordered (with a fast
// rewind that accelerates as it runs) or adaptive (a card the user knows comes less often),
// computes how well the deck is known, wraps the texts of the two sides, and writes and reads its
// entry in the flashcards' history dictionary.
//
// Everything here runs on the main thread (a deck is built and restored on the loading thread
// before any screen exists).

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/ArchiveValue.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"

namespace ui {
class Image;
}
class MDeckStyle;
class MFlashcard;

class MDeck : public fnd::Object {
  public:
    using Cards = std::vector<std::shared_ptr<MFlashcard>>;
    using Image = std::shared_ptr<const ui::Image>;
    // A uniformly distributed 32-bit number per call.
    using RandomSource = std::function<std::uint32_t()>;

    static constexpr const char* kRewoundIndexChangedNotification = "MDeck_rewoundIndex_Changed_Notification";
    static constexpr int kOrdered = 0;
    static constexpr int kAdaptive = 1;
    // Identifiers above this one are the shared decks'.
    static constexpr std::uint32_t kLastNonSharedID = 76999;

    // Creator and dates of the decks that come with the program.
    static constexpr const char* kBuiltInCreator = "Vessark";
    static constexpr fnd::Date kBuiltInDate{315532800};  // 2011-01-01 00:00:00 UTC

    // A deck without cards, adaptive and face first. The style may be given later by the kind of
    // deck (setupTheStyle).
    MDeck(std::uint32_t id, std::string creator, std::optional<fnd::Date> dateOfCreation,
          std::optional<fnd::Date> dateOfLastModification, std::string title, std::string description,
          std::vector<std::string> keywords, Image image, std::shared_ptr<MDeckStyle> style, bool permanent);
    ~MDeck() override;

    // Builds the deck's look, makes it current and answers it. Each kind of deck supplies it.
    virtual std::shared_ptr<MDeckStyle> setupTheStyle();

    // ---- Sequences

    // The next card to show; null for a deck without cards or an unknown sequence.
    std::shared_ptr<MFlashcard> getCard();
    std::shared_ptr<MFlashcard> getCardInOrderDirect(bool forward);
    std::shared_ptr<MFlashcard> getRandomCardWithProbabilityTbS();
    // A card drawn uniformly.
    std::shared_ptr<MFlashcard> getRandomCard();
    // Adaptive turns ordered (continuing after the card on top) and ordered adaptive.
    void changeSequence();
    void changeFrontside() { faceIsFrontside_ = !faceIsFrontside_; }
    // Draws come from the process's random source unless a deck is given its own.
    void setRandomSource(RandomSource source) { random_ = std::move(source); }

    // ---- Fast rewind in the ordered sequence

    static constexpr double rewindingFirstStepDelay() { return 0.7071067811865476; }
    double rewindingNextStepShrinkage() const;
    void startRewinding();
    void stepRewinding();
    void finishRewinding();

    // ---- Knowledge and history

    void computeKnownPercentage();
    // Every card's history cleared; the viewer starts again from the first card.
    void clearHistory();

    // ---- Texts

    std::string stringWithKeywords() const;
    void setKeywordsWithString(const std::string& text);
    // The side's text as the viewer shows it: unchanged for a built-in deck, else in a centred
    // heading.
    std::string textWithFaceFormatting(const std::string& text) const;
    std::string textWithBackFormatting(const std::string& text) const;
    bool isSharedDeck() const { return id_ > kLastNonSharedID; }

    // ---- Archive

    // The deck's entry "Deck_<ID>" (and any entries of its kind) in the history dictionary.
    virtual void fillHistoryDictionary(fnd::ArchiveDictionary& dictionary) const;
    virtual void restoreHistory(const fnd::ArchiveDictionary& dictionary);
    static std::string entryKey(std::uint32_t id) { return "Deck_" + std::to_string(id); }

    // ---- Fields

    std::uint32_t ID() const { return id_; }
    bool isPermanent() const { return isPermanent_; }
    const std::string& creator() const { return creator_; }
    void setCreator(std::string creator) { creator_ = std::move(creator); }
    const std::optional<fnd::Date>& dateOfCreation() const { return dateOfCreation_; }
    void setDateOfCreation(std::optional<fnd::Date> date) { dateOfCreation_ = date; }
    const std::optional<fnd::Date>& dateOfLastModification() const { return dateOfLastModification_; }
    void setDateOfLastModification(std::optional<fnd::Date> date) { dateOfLastModification_ = date; }
    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }
    const std::string& description() const { return description_; }
    void setDescription(std::string description) { description_ = std::move(description); }
    std::vector<std::string>& keywords() { return keywords_; }
    const std::vector<std::string>& keywords() const { return keywords_; }
    void setKeywords(std::vector<std::string> keywords) { keywords_ = std::move(keywords); }
    const Image& image() const { return image_; }
    void setImage(Image image) { image_ = std::move(image); }
    const std::shared_ptr<MDeckStyle>& style() const { return style_; }
    void setStyle(std::shared_ptr<MDeckStyle> style) { style_ = std::move(style); }
    Cards& flashcards() { return flashcards_; }
    const Cards& flashcards() const { return flashcards_; }
    void setFlashcards(Cards cards) { flashcards_ = std::move(cards); }
    int sequence() const { return sequence_; }
    void setSequence(int sequence) { sequence_ = sequence; }
    bool faceIsFrontside() const { return faceIsFrontside_; }
    void setFaceIsFrontside(bool face) { faceIsFrontside_ = face; }
    std::uint32_t cursor() const { return cursor_; }
    void setCursor(std::uint32_t cursor) { cursor_ = cursor; }
    bool justAppeared() const { return justAppeared_; }
    void setJustAppeared(bool appeared) { justAppeared_ = appeared; }
    int lastGotIndex() const { return lastGotIndex_; }
    void setLastGotIndex(int index) { lastGotIndex_ = index; }
    bool isRewinding() const { return isRewinding_; }
    int rewindingDirection() const { return rewindingDirection_; }
    void setRewindingDirection(int direction) { rewindingDirection_ = direction; }
    int rewoundIndex() const { return rewoundIndex_; }
    double rewindingStepDelay() const { return rewindingStepDelay_; }
    bool justRewound() const { return justRewound_; }
    double knownPercentage() const { return knownPercentage_; }

  protected:
    // Makes the style current and answers it: the end of each kind's setupTheStyle.
    std::shared_ptr<MDeckStyle> useStyle(std::shared_ptr<MDeckStyle> style) {
        style_ = style;
        return style;
    }
    // The base entry's values, read back into this deck (no entry: nothing changes).
    void restoreDeckEntry(const fnd::ArchiveDictionary& entry);
    // Every card's own entry in the deck's entry.
    void fillCardEntries(fnd::ArchiveDictionary& entry) const;
    void restoreCardEntries(const fnd::ArchiveDictionary& entry);

    // Decks stored whole (the user's, imported and shared decks): the entry with the deck's
    // description, its card count, the card order "CardsArrangement", every card with its texts,
    // and the cursor. The kind adds its own values before it is stored.
    std::shared_ptr<fnd::ArchiveDictionary> wholeDeckEntry() const;
    // Reads the description back (an absent value reads as none).
    void restoreDescription(const fnd::ArchiveDictionary& entry);
    // The cards become blank cards with these identifiers, in order; a repeated identifier is
    // taken once, since the entry keys each card by it. No identifiers: the cards stay.
    void replaceWithBlankCards(const std::vector<std::uint32_t>& ids);

  private:
    std::uint32_t randomNumber() const;
    std::shared_ptr<MFlashcard> cardAt(int index) const;

    std::uint32_t id_;
    bool isPermanent_;
    std::string creator_;
    std::optional<fnd::Date> dateOfCreation_;
    std::optional<fnd::Date> dateOfLastModification_;
    std::string title_;
    std::string description_;
    std::vector<std::string> keywords_;
    Image image_;
    std::shared_ptr<MDeckStyle> style_;
    Cards flashcards_;
    int sequence_ = kAdaptive;
    bool faceIsFrontside_ = true;
    std::uint32_t cursor_ = 0;
    bool justAppeared_ = true;
    int lastGotIndex_ = 0;
    bool isRewinding_ = false;
    int rewindingDirection_ = 1;
    int rewoundIndex_ = 0;
    double rewindingStepDelay_ = rewindingFirstStepDelay();
    bool justRewound_ = false;
    double knownPercentage_ = 0;
    RandomSource random_;
};
