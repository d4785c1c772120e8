#pragma once
// One set of flashcards as the sharing service's search reply describes it, and the deck it
// becomes: one card per term, card n + 1 from term n.
//
// The service is outside the program, so every value is read defensively: a value of the wrong
// kind reads as absent (an empty text, 0, false), a number outside its range as 0, and `terms` is
// read up to the shorter of `term_count` and the array, a missing item of a term counting as empty.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/JsonValue.h"

class MFlashcard;
class MQuizletDeck;

class MQuizletSet {
  public:
    // Takes the set's object of the reply (its terms are moved out, not copied); a value that is
    // not an object gives a set with nothing in it.
    explicit MQuizletSet(fnd::JsonValue object);

    // The number of cards the set gives: `term_count`, but no more than `terms` holds.
    std::size_t cardCount() const;
    // The card of term `index` (below cardCount): identifier index + 1, the term as question, the
    // definition as answer (none when empty) and the first picture of the term's image markup.
    std::shared_ptr<MFlashcard> cardAt(std::size_t index) const;
    // The deck takes the set's description and a new list of its cards.
    void fillDeck(MQuizletDeck& deck) const;

    // The address in the first src="…" of a term's image markup; nothing when there is none or it
    // is not an absolute http or https address (the card then comes without a picture).
    static std::optional<std::string> pictureAddress(std::string_view markup);

    int ID() const { return ID_; }
    const std::string& title() const { return title_; }
    const std::string& url() const { return url_; }
    const std::string& creator() const { return creator_; }
    // Seconds since 1970-01-01.
    double created() const { return created_; }
    double last_modified() const { return last_modified_; }
    std::uint32_t term_count() const { return term_count_; }
    bool has_images() const { return has_images_; }
    const std::string& description() const { return description_; }
    const std::vector<std::string>& subjects() const { return subjects_; }
    const fnd::JsonValue::Array& terms() const { return terms_; }

  private:
    int ID_ = 0;
    std::string title_;
    std::string url_;
    std::string creator_;
    double created_ = 0;
    double last_modified_ = 0;
    std::uint32_t term_count_ = 0;
    bool has_images_ = false;
    std::string description_;
    std::vector<std::string> subjects_;
    fnd::JsonValue::Array terms_;
};
