#pragma once
// One question of an official-guide answer key, with the attempts the user recorded on it.
//
// The right answer is 0 when the book's key is not installed: such a question is unscored, never
// wrong. Its page may likewise be unknown; it then holds the page of the question before it, so
// the section keeps its build order, and pageKnown() is false.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Classes/errorlog/MHRecord.h"
#include "platform/foundation/Object.h"

class MBook;
class MSection;

class MQuestion : public fnd::Object {
  public:
    using History = std::vector<std::shared_ptr<MHRecord>>;
    using Tags = std::shared_ptr<const std::vector<std::string>>;

    // book and section hold the question, so the back references stay valid for its life.
    MQuestion(const MBook* book, const MSection* section, int type, int number, int page, int rightAnswer,
              Tags conceptNames, std::optional<History> history = std::nullopt, bool pageKnown = true)
        : book_(book),
          section_(section),
          questionType_(type),
          number_(number),
          page_(page),
          rightAnswer_(rightAnswer),
          pageKnown_(pageKnown),
          conceptNames_(std::move(conceptNames)),
          history_(std::move(history)) {}

    // "book_section_page_number", made on first use.
    const std::string& key() const;
    std::optional<std::string> stringWithRightAnswer() const {
        return MHRecord::letterForAnswer(rightAnswer_);
    }
    std::optional<std::string> stringWithType() const;
    // Whether some tag contains the text, ignoring case. An empty text matches nothing.
    bool isTagsContainText(std::string_view text) const;
    void addHRecord(std::shared_ptr<MHRecord> record);

    // The last attempt, or nothing when the history is absent or empty.
    const MHRecord* lastAttempt() const;
    // Whether the key gives this question a right answer to score against.
    bool isScored() const { return rightAnswer_ >= 1 && rightAnswer_ <= 5; }

    // The sort orders: -1 when this question goes first, 0 when equal, +1 when the other does.
    int compareByNumber(const MQuestion& other) const;
    int compareByTime(const MQuestion& other) const;
    int compareByAnswer(const MQuestion& other) const;
    int compareByGuess(const MQuestion& other) const;

    const MBook* book() const { return book_; }
    const MSection* section() const { return section_; }
    int questionType() const { return questionType_; }
    int number() const { return number_; }
    int page() const { return page_; }
    bool pageKnown() const { return pageKnown_; }
    int rightAnswer() const { return rightAnswer_; }
    const Tags& conceptNames() const { return conceptNames_; }
    const std::optional<History>& history() const { return history_; }
    std::optional<History>& history() { return history_; }
    void setHistory(std::optional<History> history) { history_ = std::move(history); }

  private:
    int answerRank() const;
    int guessRank() const;

    const MBook* book_;
    const MSection* section_;
    int questionType_;
    int number_;
    int page_;
    int rightAnswer_;
    bool pageKnown_;
    Tags conceptNames_;
    std::optional<History> history_;
    mutable std::string key_;
};
