#include "Classes/errorlog/MSection.h"

#include <algorithm>

namespace {

enum class Verdict { None, Right, Wrong };

Verdict verdictOf(const MQuestion& question) {
    if (!question.history() || !question.isScored()) return Verdict::None;
    const MHRecord* last = question.lastAttempt();
    return last && last->answer() == question.rightAnswer() ? Verdict::Right : Verdict::Wrong;
}

int countOf(const std::vector<std::shared_ptr<MQuestion>>& questions, Verdict verdict) {
    return static_cast<int>(std::count_if(questions.begin(), questions.end(),
                                          [verdict](const auto& q) { return verdictOf(*q) == verdict; }));
}

void sortBy(std::vector<std::shared_ptr<MQuestion>>& questions,
            int (MQuestion::*compare)(const MQuestion&) const) {
    std::stable_sort(questions.begin(), questions.end(),
                     [compare](const auto& a, const auto& b) { return ((*a).*compare)(*b) < 0; });
}

}  // namespace

int MSection::numberOfRightAnswers() const { return countOf(questions_, Verdict::Right); }

int MSection::numberOfWrongAnswers() const { return countOf(questions_, Verdict::Wrong); }

void MSection::clearHistory() {
    for (const auto& question : questions_) question->setHistory(std::nullopt);
    syncInfo_->cleared();
}

void MSection::sortSection(int sortType) {
    sortType_ = sortType;
    switch (sortType) {
        case kByNumber:
            return sortBy(questions_, &MQuestion::compareByNumber);
        case kByTime:
            return sortBy(questions_, &MQuestion::compareByTime);
        case kByAnswer:
            return sortBy(questions_, &MQuestion::compareByAnswer);
        case kByGuess:
            return sortBy(questions_, &MQuestion::compareByGuess);
        default:
            return;
    }
}

std::vector<std::shared_ptr<MQuestion>> MSection::searchTags(const std::vector<std::string>& texts) const {
    std::vector<std::shared_ptr<MQuestion>> found;
    for (const auto& question : questions_) {
        if (std::all_of(texts.begin(), texts.end(),
                        [&](const std::string& text) { return question->isTagsContainText(text); }))
            found.push_back(question);
    }
    return found;
}

std::vector<std::shared_ptr<MQuestion>> MSection::questionsByNumber() const {
    std::vector<std::shared_ptr<MQuestion>> sorted = questions_;
    sortBy(sorted, &MQuestion::compareByNumber);
    return sorted;
}
