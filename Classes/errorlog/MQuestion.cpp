#include "Classes/errorlog/MQuestion.h"

#include <algorithm>
#include <cctype>

#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MSection.h"

namespace {

int compareValues(auto a, auto b) { return a < b ? -1 : (b < a ? 1 : 0); }

bool containsIgnoringCase(std::string_view text, std::string_view part) {
    auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    auto it = std::search(text.begin(), text.end(), part.begin(), part.end(),
                          [&](char a, char b) { return lower(a) == lower(b); });
    return it != text.end();
}

}  // namespace

const std::string& MQuestion::key() const {
    if (key_.empty()) {
        key_ = (book_ ? book_->shortName() : std::string()) + "_" +
               (section_ ? section_->shortName() : std::string()) + "_" + std::to_string(page_) + "_" +
               std::to_string(number_);
    }
    return key_;
}

std::optional<std::string> MQuestion::stringWithType() const { return MBook::nameForType(questionType_); }

bool MQuestion::isTagsContainText(std::string_view text) const {
    if (text.empty() || !conceptNames_) return false;
    return std::any_of(conceptNames_->begin(), conceptNames_->end(),
                       [&](const std::string& tag) { return containsIgnoringCase(tag, text); });
}

void MQuestion::addHRecord(std::shared_ptr<MHRecord> record) {
    if (!history_) history_.emplace();
    history_->push_back(std::move(record));
}

const MHRecord* MQuestion::lastAttempt() const {
    if (!history_ || history_->empty()) return nullptr;
    return history_->back().get();
}

int MQuestion::compareByNumber(const MQuestion& other) const {
    if (int c = compareValues(page_, other.page_)) return c;
    return compareValues(number_, other.number_);
}

int MQuestion::compareByTime(const MQuestion& other) const {
    auto keyOf = [](const MQuestion& q) {
        const MHRecord* last = q.lastAttempt();
        return last ? last->time() : -1.0;
    };
    if (int c = compareValues(keyOf(other), keyOf(*this))) return c;
    return compareByNumber(other);
}

int MQuestion::compareByAnswer(const MQuestion& other) const {
    if (int c = compareValues(other.answerRank(), answerRank())) return c;
    return compareByNumber(other);
}

int MQuestion::compareByGuess(const MQuestion& other) const {
    if (int c = compareValues(other.guessRank(), guessRank())) return c;
    return compareByNumber(other);
}

// Worst first: wrong twice 110, wrong once 100, right then wrong 99, wrong then right 9, never
// answered or unscored 0, right once -1, right twice -2.
int MQuestion::answerRank() const {
    if (!history_ || history_->empty() || !isScored()) return 0;
    const History& h = *history_;
    int rank = h.back()->answer() == rightAnswer_ ? -1 : 100;
    if (h.size() >= 2) rank += h[h.size() - 2]->answer() == rightAnswer_ ? -1 : 10;
    return rank;
}

int MQuestion::guessRank() const {
    const MHRecord* last = lastAttempt();
    if (!last) return 0;
    return last->fguess() ? 2 : 1;
}
