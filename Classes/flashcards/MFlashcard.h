#pragma once
// One card of a deck: the texts of its two sides, an optional picture, and the history of its
// showings with the probability that the adaptive sequence shows it.
//
// The picture fields are written on the main thread only; a download hands its result there.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/ArchiveValue.h"
#include "platform/foundation/Object.h"

namespace ui {
class Image;
}
class MFlashcardHRecord;

class MFlashcard : public fnd::Object {
  public:
    using History = std::vector<std::shared_ptr<MFlashcardHRecord>>;

    // No answer makes a one-sided card that cannot be flipped.
    MFlashcard(std::uint32_t id, std::optional<std::string> question, std::optional<std::string> answer,
               std::shared_ptr<const ui::Image> image);

    // A showing begins.
    void addHRecordWithSessionID(std::int32_t sessionId, std::int32_t indexInSession);
    // Forwarded to the latest showing; nothing without one.
    void flip(bool wasFront);
    void next(bool wasFront);
    void addEstimation(std::int32_t estimation);
    // How many showings ended with the card marked as known.
    int knownCount() const;

    // The card is new again: no history, probability 1, no mark.
    void clearHistory();
    // Deletes the stored copy of the picture, if any; a failure is ignored.
    void removeImage();

    // The card's entry "Card_<ID>" in its deck's entry. With self (decks whose cards are stored
    // whole) the texts and picture fields are written too; an entry with nothing to say is left out.
    void fillHistoryDictionary(fnd::ArchiveDictionary& deckEntry, bool withSelf) const;
    void restoreHistory(const fnd::ArchiveDictionary& deckEntry, bool withSelf);
    static std::string entryKey(std::uint32_t id) { return "Card_" + std::to_string(id); }

    std::uint32_t ID() const { return id_; }
    const std::optional<std::string>& question() const { return question_; }
    void setQuestion(std::optional<std::string> text) { question_ = std::move(text); }
    const std::optional<std::string>& answer() const { return answer_; }
    void setAnswer(std::optional<std::string> text) { answer_ = std::move(text); }
    const std::optional<std::string>& imageURL() const { return imageURL_; }
    void setImageURL(std::optional<std::string> url) { imageURL_ = std::move(url); }
    const std::shared_ptr<const ui::Image>& image() const { return image_; }
    void setImage(std::shared_ptr<const ui::Image> image) { image_ = std::move(image); }
    bool imageIsStoredLocally() const { return imageIsStoredLocally_; }
    void setImageIsStoredLocally(bool stored) { imageIsStoredLocally_ = stored; }
    const std::optional<std::string>& pathToImageFile() const { return pathToImageFile_; }
    void setPathToImageFile(std::optional<std::string> path) { pathToImageFile_ = std::move(path); }
    const History& history() const { return history_; }
    void setHistory(History history) { history_ = std::move(history); }
    double probabilityTbS() const { return probabilityTbS_; }
    void setProbabilityTbS(double probability) { probabilityTbS_ = probability; }
    bool bookmarked() const { return bookmarked_; }
    void setBookmarked(bool marked) { bookmarked_ = marked; }

  private:
    std::uint32_t id_;
    std::optional<std::string> question_;
    std::optional<std::string> answer_;
    std::optional<std::string> imageURL_;
    std::shared_ptr<const ui::Image> image_;
    bool imageIsStoredLocally_ = false;
    std::optional<std::string> pathToImageFile_;
    History history_;
    double probabilityTbS_ = 1.0;
    bool bookmarked_ = false;
};
